#include "recoverycopy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace tarnel;
namespace fs = std::filesystem;

namespace {

std::string Read(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Write(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class RecoveryCopyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tarnel-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        copy = root + "/1-1-1.recovery";
    }
    void TearDown() override { fs::remove_all(root); }
    // Everything in the folder but the copy.
    std::vector<std::string> Others() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(root))
            if (entry.path() != copy)
                names.push_back(entry.path().filename());
        return names;
    }
    std::string root;
    std::string copy;
};

} // namespace

TEST_F(RecoveryCopyTest, TheCopyChangesOnlyWhenAWholeAttemptIsCommitted)
{
    const struct
    {
        const char *name;
        bool oldCopy;
    } cases[] = {{"over an earlier copy", true}, {"the first copy", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(copy);
        if (c.oldCopy)
            Write(copy, "old");
        std::string error;
        auto attempt = RecoveryCopyAttempt::Begin(copy, &error);
        ASSERT_TRUE(attempt) << error;
        struct stat st
        {
        };
        ASSERT_EQ(::stat(attempt->TemporaryPath().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        ASSERT_TRUE(attempt->Append("first half, ", &error));
        ASSERT_TRUE(attempt->Append("second half", &error));
        EXPECT_EQ(fs::exists(copy), c.oldCopy);
        if (c.oldCopy) {
            EXPECT_EQ(Read(copy), "old");
        }
        EXPECT_FALSE(attempt->Finished());

        ASSERT_TRUE(attempt->Commit(&error)) << error;
        EXPECT_TRUE(attempt->Finished());
        EXPECT_EQ(Read(copy), "first half, second half");
        EXPECT_TRUE(Others().empty());
        EXPECT_FALSE(attempt->Append("late", &error));
        attempt.reset();
        EXPECT_EQ(Read(copy), "first half, second half") << "a committed copy stays";
    }
}

TEST_F(RecoveryCopyTest, ADroppedAttemptLeavesTheOldCopyAndNoTemporaryFile)
{
    const struct
    {
        const char *name;
        void (*drop)(std::unique_ptr<RecoveryCopyAttempt> &);
    } cases[] = {
        {"cancelled", [](auto &a) { a->Cancel(); }},
        {"destroyed unfinished", [](auto &a) { a.reset(); }},
        {"cancelled, then committed late",
         [](auto &a) {
             a->Cancel();
             std::string error = "unset";
             EXPECT_FALSE(a->Commit(&error));
             EXPECT_EQ(error, "") << "a cancelled attempt is no failure to report";
         }},
        {"cancelled twice",
         [](auto &a) {
             a->Cancel();
             a->Cancel();
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Write(copy, "old");
        std::string error;
        auto attempt = RecoveryCopyAttempt::Begin(copy, &error);
        ASSERT_TRUE(attempt) << error;
        ASSERT_TRUE(attempt->Append("new", &error));
        c.drop(attempt);
        if (attempt) {
            EXPECT_TRUE(attempt->Finished());
        }
        EXPECT_EQ(Read(copy), "old");
        EXPECT_TRUE(Others().empty());
    }
}

TEST_F(RecoveryCopyTest, ANameReusedAfterADropIsNotTakenByTheDroppedAttempt)
{
    std::string error;
    auto dropped = RecoveryCopyAttempt::Begin(copy, &error);
    ASSERT_TRUE(dropped);
    dropped->Cancel();
    auto next = RecoveryCopyAttempt::Begin(copy, &error);
    ASSERT_TRUE(next);
    ASSERT_EQ(next->TemporaryPath(), dropped->TemporaryPath());
    ASSERT_TRUE(next->Append("next", &error));
    dropped.reset();
    ASSERT_TRUE(next->Commit(&error)) << error;
    EXPECT_EQ(Read(copy), "next");
}

TEST_F(RecoveryCopyTest, ALinkAtTheTemporaryNameIsNotFollowed)
{
    const std::string target = root + "/target";
    Write(target, "untouched");
    ASSERT_EQ(::symlink(target.c_str(), (copy + std::string(kRecoveryTemporaryMark) + "1").c_str()),
              0);
    std::string error;
    auto attempt = RecoveryCopyAttempt::Begin(copy, &error);
    ASSERT_TRUE(attempt) << error;
    EXPECT_NE(attempt->TemporaryPath(), copy + std::string(kRecoveryTemporaryMark) + "1");
    ASSERT_TRUE(attempt->Append("new", &error));
    ASSERT_TRUE(attempt->Commit(&error));
    EXPECT_EQ(Read(target), "untouched");
    EXPECT_EQ(Read(copy), "new");
}

// The owner cancels and removes the copy while another thread commits: whichever comes
// first, the copy must not be there afterwards (a late rename would bring it back).
TEST_F(RecoveryCopyTest, ACopyRemovedAfterCancelStaysRemoved)
{
    for (int round = 0; round < 50; ++round) {
        std::string error;
        std::shared_ptr<RecoveryCopyAttempt> attempt = RecoveryCopyAttempt::Begin(copy, &error);
        ASSERT_TRUE(attempt) << error;
        ASSERT_TRUE(attempt->Append(std::string(4096, 'x'), &error));
        std::thread committer([attempt] { attempt->Commit(nullptr); });
        if (round % 2)
            std::this_thread::yield();
        attempt->Cancel();
        fs::remove(copy);
        committer.join();
        ASSERT_FALSE(fs::exists(copy)) << "round " << round;
        ASSERT_TRUE(Others().empty()) << "round " << round;
    }
}
