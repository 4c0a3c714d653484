#include "previewaccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace tarnel;
namespace fs = std::filesystem;

namespace {

// A saved page's folder with a picture, a subfolder, a secret beside the folder, links
// leading out of and within the folder, and an unsaved page's copy elsewhere.
class PreviewAccessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tarnel-access-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        fs::create_directories(root + "/site/pics");
        fs::create_directories(root + "/site2");
        fs::create_directories(root + "/private");
        for (const char *file :
             {"/site/.QuilloTmp0102.htm", "/site/pics/a.png", "/site/page.htm", "/secret.txt",
              "/site2/b.png", "/private/QuilloTmp0304.htm", "/private/QuilloTmp0506.htm"})
            std::ofstream(root + file) << "x";
        fs::create_symlink(root + "/secret.txt", root + "/site/secret-link.txt");
        fs::create_symlink(root + "/site/pics/a.png", root + "/site/pics/a-link.png");
        fs::create_directory_symlink(root, root + "/site/up");
        savedCopy = root + "/site/.QuilloTmp0102.htm";
        unsavedCopy = root + "/private/QuilloTmp0304.htm";
        access.Allow(savedCopy, root + "/site");
        access.Allow(unsavedCopy, "");
    }
    void TearDown() override { fs::remove_all(root); }

    PreviewRequest fileRequest(const std::string &copy, const std::string &path) const
    {
        return {"file", "", path, "file", copy};
    }

    std::string root, savedCopy, unsavedCopy;
    PreviewAccess access;
};

} // namespace

TEST_F(PreviewAccessTest, SavedPageReadsOnlyInsideItsFolder)
{
    struct Case
    {
        const char *name;
        std::string path;
        bool allowed;
    };
    const Case cases[] = {
        {"the copy itself", savedCopy, true},
        {"a picture in a subfolder", root + "/site/pics/a.png", true},
        {"the saved page", root + "/site/page.htm", true},
        {"the folder itself (a listing)", root + "/site", true},
        {"a link to a file inside", root + "/site/pics/a-link.png", true},
        {"\"..\" back into the folder", root + "/site/pics/../page.htm", true},
        {"a file beside the folder", root + "/secret.txt", false},
        {"\"..\" out of the folder", root + "/site/../secret.txt", false},
        {"a link to a file outside", root + "/site/secret-link.txt", false},
        {"a folder link to the parent", root + "/site/up/secret.txt", false},
        {"a sibling folder with the same prefix", root + "/site2/b.png", false},
        {"another page's private copy", root + "/private/QuilloTmp0506.htm", false},
        {"a file that does not exist", root + "/site/missing.png", false},
        {"a system file", "/etc/passwd", false},
        {"an empty path", "", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(access.MayLoad(fileRequest(savedCopy, c.path)), c.allowed) << c.name;
}

TEST_F(PreviewAccessTest, UnsavedPageReadsNothingLocalButItsCopy)
{
    EXPECT_TRUE(access.MayLoad(fileRequest(unsavedCopy, unsavedCopy)));
    for (const std::string &path : {root + "/private/QuilloTmp0506.htm", root + "/private",
                                    root + "/site/pics/a.png", root + "/secret.txt"})
        EXPECT_FALSE(access.MayLoad(fileRequest(unsavedCopy, path))) << path;
}

TEST_F(PreviewAccessTest, SchemesAndUnknownPages)
{
    struct Case
    {
        const char *name;
        PreviewRequest request;
        bool allowed;
    };
    const Case cases[] = {
        {"data: URL", {"data", "", "", "file", savedCopy}, true},
        {"blob: URL", {"blob", "", "", "file", savedCopy}, true},
        {"http to the machine itself", {"http", "127.0.0.1", "", "file", savedCopy}, false},
        {"https", {"https", "example.org", "", "file", savedCopy}, false},
        {"WebSocket", {"ws", "127.0.0.1", "", "file", savedCopy}, false},
        {"secure WebSocket", {"wss", "127.0.0.1", "", "file", savedCopy}, false},
        {"ftp", {"ftp", "example.org", "", "file", savedCopy}, false},
        {"qrc resources", {"qrc", "", "/icons/tarnel.svg", "file", savedCopy}, false},
        {"file on another host",
         {"file", "server", root + "/site/page.htm", "file", savedCopy},
         false},
        {"a page that is no preview",
         {"file", "", root + "/site/page.htm", "file", root + "/site/page.htm"},
         false},
        {"a top-level page that is not local",
         {"file", "", root + "/site/page.htm", "http", savedCopy},
         false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(access.MayLoad(c.request), c.allowed) << c.name;
}

TEST_F(PreviewAccessTest, ForgottenCopyReadsNothing)
{
    access.Forget(savedCopy);
    EXPECT_FALSE(access.MayLoad(fileRequest(savedCopy, savedCopy)));
    EXPECT_FALSE(access.MayLoad(fileRequest(savedCopy, root + "/site/pics/a.png")));
}

TEST_F(PreviewAccessTest, CopyReachedThroughALinkIsTheSameCopy)
{
    fs::create_directory_symlink(root + "/site", root + "/site-link");
    EXPECT_TRUE(access.MayLoad(
        fileRequest(root + "/site-link/.QuilloTmp0102.htm", root + "/site-link/pics/a.png")));
}

TEST(IsInsideFolder, ComparesWholePathComponents)
{
    EXPECT_TRUE(IsInsideFolder("/a/b", "/a/b"));
    EXPECT_TRUE(IsInsideFolder("/a/b", "/a/b/c"));
    EXPECT_TRUE(IsInsideFolder("/", "/etc"));
    EXPECT_FALSE(IsInsideFolder("/a/b", "/a/bc"));
    EXPECT_FALSE(IsInsideFolder("/a/b", "/a"));
    EXPECT_FALSE(IsInsideFolder("", "/a"));
}
