#include "tempcopy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
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

// Whatever anyone put in the shared temporary folder first, the copies get a folder of
// their own that only we can enter.
TEST_F(TempCopyTest, CopiesGoToTheRuntimeFolderOrAFreshPrivateOne)
{
    const std::string runtime = root + "/run";
    const std::string temp = root + "/tmp";
    const std::string taken = temp + "/tarnel-" + std::to_string(::getuid());
    fs::create_directory(temp);
    const struct
    {
        const char *name;
        std::function<void()> arrange;
        std::string runtimeDir;
        bool inRuntime;
    } cases[] = {
        {"a private runtime folder", [&] { ::mkdir(runtime.c_str(), 0700); }, runtime, true},
        {"no runtime folder named", [] {}, "", false},
        {"the runtime folder is missing", [] {}, runtime, false},
        {"the runtime folder is open to others", [&] { ::mkdir(runtime.c_str(), 0755); }, runtime,
         false},
        {"the runtime folder is a link",
         [&] {
             ::mkdir((root + "/real").c_str(), 0700);
             fs::create_directory_symlink(root + "/real", runtime);
         },
         runtime, false},
        {"a file stands at our name in the runtime folder",
         [&] {
             ::mkdir(runtime.c_str(), 0700);
             std::ofstream(runtime + "/tarnel") << "x";
         },
         runtime, false},
        {"someone made a folder at the old shared name first",
         [&] { ::mkdir(taken.c_str(), 0777); }, "", false},
        {"a link stands at the old shared name", [&] { fs::create_symlink(root, taken); }, "",
         false},
    };
    for (const auto &c : cases) {
        c.arrange();
        std::string error;
        const auto folder = PrivateTempDir(c.runtimeDir, temp + "/", &error);
        ASSERT_TRUE(folder) << c.name << ": " << error;
        EXPECT_EQ(folder->fresh, !c.inRuntime) << c.name;
        if (c.inRuntime)
            EXPECT_EQ(folder->path, runtime + "/tarnel") << c.name;
        else
            EXPECT_EQ(fs::path(folder->path).parent_path(), temp) << c.name;
        EXPECT_NE(folder->path, taken) << c.name;
        struct stat st
        {
        };
        ASSERT_EQ(::lstat(folder->path.c_str(), &st), 0) << c.name;
        EXPECT_TRUE(S_ISDIR(st.st_mode)) << c.name;
        EXPECT_EQ(st.st_mode & 0777, 0700u) << c.name;
        EXPECT_EQ(st.st_uid, ::getuid()) << c.name;
        for (const std::string &path : {runtime, root + "/real", taken, folder->path})
            fs::remove_all(path);
    }
}

TEST_F(TempCopyTest, OurFolderInTheRuntimeFolderIsTightenedAndReused)
{
    const std::string dir = root + "/tarnel";
    ASSERT_EQ(::mkdir(dir.c_str(), 0777), 0);
    ::chmod(dir.c_str(), 0777);
    std::string error;
    const auto folder = PrivateTempDir(root, "/nowhere", &error);
    ASSERT_TRUE(folder) << error;
    EXPECT_EQ(folder->path, dir);
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
    auto running = TempSession::Open({root, false}, &error);
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

TEST_F(TempCopyTest, AFolderMadeForOneRunGoesWithItsSession)
{
    std::string error;
    const auto folder = PrivateTempDir("", root, &error);
    ASSERT_TRUE(folder && folder->fresh) << error;
    auto session = TempSession::Open(*folder, &error);
    ASSERT_TRUE(session) << error;
    ASSERT_TRUE(CreateTempCopy(session->folder(), At(1, 2, 3), &error)) << error;
    session.reset();
    EXPECT_FALSE(fs::exists(folder->path));
}
