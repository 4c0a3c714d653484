#include "tempcopy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnel;
namespace fs = std::filesystem;

namespace {

std::tm At(int hour, int minute, int second)
{
    std::tm t{};
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

class TempCopyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tarnel-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
    }
    void TearDown() override { fs::remove_all(root); }
    std::string root;
};

} // namespace

TEST(TempName, MinuteAndSecondWithSuffixWhenTaken)
{
    EXPECT_EQ(MakeTempName(At(10, 7, 42)), "QuilloTmp0742.htm");
    EXPECT_EQ(MakeTempName(At(23, 59, 5)), "QuilloTmp5905.htm");
    EXPECT_EQ(MakeTempName(At(0, 0, 0), 2), "QuilloTmp0000-2.htm");
    EXPECT_EQ(MakeTempName(At(11, 7, 42), 13), "QuilloTmp0742-13.htm");
}

TEST_F(TempCopyTest, PrivateFolderIsMadeOwnerOnly)
{
    std::string error;
    const auto dir = PrivateTempDir(root + "/", &error);
    ASSERT_TRUE(dir) << error;
    struct stat st
    {
    };
    ASSERT_EQ(::lstat(dir->c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(PrivateTempDir(root, &error), dir) << "a second call reuses it";
}

TEST_F(TempCopyTest, PrivateFolderRefusesALinkOrAFile)
{
    const std::string dir = root + "/tarnel-" + std::to_string(::getuid());
    fs::create_directory(root + "/elsewhere");
    fs::create_directory_symlink(root + "/elsewhere", dir);
    std::string error;
    EXPECT_FALSE(PrivateTempDir(root, &error));
    EXPECT_NE(error.find("link"), std::string::npos);
    fs::remove(dir);
    std::ofstream(dir) << "x";
    EXPECT_FALSE(PrivateTempDir(root, &error));
}

TEST_F(TempCopyTest, PrivateFolderOpenToOthersIsTightened)
{
    const std::string dir = root + "/tarnel-" + std::to_string(::getuid());
    ASSERT_EQ(::mkdir(dir.c_str(), 0777), 0);
    ::chmod(dir.c_str(), 0777);
    std::string error;
    ASSERT_TRUE(PrivateTempDir(root, &error)) << error;
    struct stat st
    {
    };
    ::lstat(dir.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(TempCopyTest, SameSecondGivesDistinctCopiesAndNeverTruncates)
{
    std::string error;
    const auto first = CreateTempCopy(root, At(10, 7, 42), &error);
    ASSERT_TRUE(first) << error;
    ASSERT_TRUE(WriteTempCopy(*first, "keep", 4, &error)) << error;
    const auto second = CreateTempCopy(root, At(11, 7, 42), &error);
    ASSERT_TRUE(second) << error;
    EXPECT_NE(*first, *second);
    EXPECT_EQ(fs::path(*first).filename(), "QuilloTmp0742.htm");
    EXPECT_EQ(fs::path(*second).filename(), "QuilloTmp0742-2.htm");
    EXPECT_EQ(fs::file_size(*first), 4u) << "the first copy was left alone";
    fs::remove(*second);
    EXPECT_TRUE(fs::exists(*first)) << "removing one copy leaves the other";
}

TEST_F(TempCopyTest, ALinkStandingAtTheNameIsNotFollowed)
{
    const std::string victim = root + "/victim.txt";
    std::ofstream(victim) << "secret";
    fs::create_symlink(victim, root + "/QuilloTmp0742.htm");
    std::string error;
    const auto copy = CreateTempCopy(root, At(1, 7, 42), &error);
    ASSERT_TRUE(copy) << error;
    EXPECT_EQ(fs::path(*copy).filename(), "QuilloTmp0742-2.htm");
    EXPECT_FALSE(WriteTempCopy(root + "/QuilloTmp0742.htm", "x", 1, &error));
    std::ifstream in(victim);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "secret");
}

TEST_F(TempCopyTest, SessionsOfRunningEditorsStayAndLeftOnesAreRemoved)
{
    std::string error;
    auto running = TempSession::Open(root, &error);
    ASSERT_TRUE(running) << error;
    ASSERT_TRUE(CreateTempCopy(running->folder(), At(1, 2, 3), &error)) << error;
    // What a killed editor left: its lock is no longer held by anyone.
    const std::string left = root + "/session-left";
    fs::create_directory(left);
    std::ofstream(left + "/.lock");
    std::ofstream(left + "/QuilloTmp0102.htm") << "draft";
    // A session being made has no lock yet; other files are not ours.
    fs::create_directory(root + "/session-new");
    std::ofstream(root + "/notes.txt") << "x";

    EXPECT_EQ(RemoveStaleSessions(root), 1);
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(running->folder() + "/QuilloTmp0203.htm"));
    EXPECT_TRUE(fs::exists(root + "/session-new"));
    EXPECT_TRUE(fs::exists(root + "/notes.txt"));

    const std::string folder = running->folder();
    running.reset();
    EXPECT_FALSE(fs::exists(folder)) << "a session ending removes its folder";
}
