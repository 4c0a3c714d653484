#include "previewaccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace tarnel;
namespace fs = std::filesystem;

namespace {

// A saved page's folder with a picture, hidden files and folders, a secret beside the folder,
// links leading out of, within and into hidden parts of the folder.
class PageFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tarnel-access-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        site = root + "/site";
        for (const char *folder : {"/site/pics", "/site/.ssh", "/site/.git/objects", "/site2"})
            fs::create_directories(root + folder);
        for (const char *file :
             {"/site/pics/a.png", "/site/page.htm", "/site/.env", "/site/.ssh/id_rsa",
              "/site/.git/objects/x", "/secret.txt", "/site2/b.png"})
            std::ofstream(root + file) << "x";
        fs::create_symlink(root + "/secret.txt", site + "/secret-link.txt");
        fs::create_symlink(site + "/pics/a.png", site + "/pics/a-link.png");
        fs::create_symlink(site + "/.ssh/id_rsa", site + "/key.txt");
        fs::create_directory_symlink(site + "/.git", site + "/git");
        fs::create_directory_symlink(root, site + "/up");
        ASSERT_EQ(::mkfifo((site + "/pipe.png").c_str(), 0600), 0);
    }
    void TearDown() override { fs::remove_all(root); }

    std::string root, site;
};

} // namespace

TEST_F(PageFileTest, PageReadsOnlyVisibleFilesBelowItsFolder)
{
    struct Case
    {
        const char *name;
        std::string urlPath;
        bool allowed;
    };
    const Case cases[] = {
        {"a picture in a subfolder", "/pics/a.png", true},
        {"the saved page", "/page.htm", true},
        {"a link to a file inside", "/pics/a-link.png", true},
        {"doubled slashes", "//pics//a.png", true},
        {"the folder itself", "/", false},
        {"a subfolder", "/pics", false},
        {"a hidden file", "/.env", false},
        {"a file in a hidden folder", "/.ssh/id_rsa", false},
        {"a file deep in a hidden folder", "/.git/objects/x", false},
        {"a link to a hidden file", "/key.txt", false},
        {"a folder link into a hidden folder", "/git/objects/x", false},
        {"\"..\" out of the folder", "/../secret.txt", false},
        {"\"..\" back into the folder", "/pics/../page.htm", false},
        {"a link to a file outside", "/secret-link.txt", false},
        {"a folder link to the parent", "/up/secret.txt", false},
        {"a named pipe", "/pipe.png", false},
        {"a file that does not exist", "/missing.png", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PageFile(site, c.urlPath).empty(), !c.allowed) << c.name;
    EXPECT_EQ(PageFile(site, "/pics/a.png"), fs::canonical(site + "/pics/a.png").string());
}

TEST_F(PageFileTest, UnsavedPageReadsNothingLocal)
{
    EXPECT_EQ(PageFile("", "/pics/a.png"), "");
    EXPECT_EQ(PageFile("", root + "/secret.txt"), "");
}

TEST_F(PageFileTest, FolderReachedThroughALinkIsTheSameFolder)
{
    fs::create_directory_symlink(site, root + "/site-link");
    EXPECT_NE(PageFile(root + "/site-link", "/pics/a.png"), "");
    EXPECT_EQ(PageFile(root + "/site-link", "/.env"), "");
}

TEST(PreviewRequests, OnlyTheOwnPagesFilesDataAndBlob)
{
    const std::string page = kPreviewScheme;
    struct Case
    {
        const char *name;
        PreviewRequest request;
        bool allowed;
    };
    const Case cases[] = {
        {"data: URL", {"data", "", page, "p1"}, true},
        {"blob: URL", {"blob", "", page, "p1"}, true},
        {"its own page's file", {page, "p1", page, "p1"}, true},
        {"another preview's file", {page, "p2", page, "p1"}, false},
        {"a preview file for a page that is no preview", {page, "p1", "file", ""}, false},
        {"a local file", {"file", "", page, "p1"}, false},
        {"http to the machine itself", {"http", "127.0.0.1", page, "p1"}, false},
        {"https", {"https", "example.org", page, "p1"}, false},
        {"WebSocket", {"ws", "127.0.0.1", page, "p1"}, false},
        {"ftp", {"ftp", "127.0.0.1", page, "p1"}, false},
        {"qrc resources", {"qrc", "", page, "p1"}, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MayLoad(c.request), c.allowed) << c.name;
}

TEST(PreviewRequests, FramesShowWhatThePageMayLoadAndInlineDocuments)
{
    const std::string page = kPreviewScheme;
    EXPECT_TRUE(MayShowInFrame("about:srcdoc", {"about", "", page, "p1"}));
    EXPECT_TRUE(MayShowInFrame("about:blank", {"about", "", page, "p1"}));
    EXPECT_TRUE(MayShowInFrame(page + "://p1/inner.htm", {page, "p1", page, "p1"}));
    EXPECT_FALSE(MayShowInFrame("about:settings", {"about", "", page, "p1"}));
    EXPECT_FALSE(MayShowInFrame("ftp://127.0.0.1:9/x?d=SECRET", {"ftp", "127.0.0.1", page, "p1"}));
    EXPECT_FALSE(MayShowInFrame("mailto:a@b", {"mailto", "", page, "p1"}));
}

TEST(PreviewRequests, LinksTheBrowserCannotShowAreHandedToOtherPrograms)
{
    for (const char *scheme : {"mailto", "ftp", "tel", "irc", "x-unknown"})
        EXPECT_TRUE(IsExternalLinkScheme(scheme)) << scheme;
    for (const char *scheme : {"http", "file", "data", "about", "javascript", kPreviewScheme, ""})
        EXPECT_FALSE(IsExternalLinkScheme(scheme)) << scheme;
}

TEST(HiddenNames, AnyNameStartingWithADot)
{
    EXPECT_TRUE(HasHiddenName("/.ssh/id_rsa"));
    EXPECT_TRUE(HasHiddenName("a/../b"));
    EXPECT_TRUE(HasHiddenName("./a"));
    EXPECT_TRUE(HasHiddenName("/a/.b"));
    EXPECT_FALSE(HasHiddenName("/a.b/c.d"));
    EXPECT_FALSE(HasHiddenName("//a//b/"));
    EXPECT_FALSE(HasHiddenName(""));
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
