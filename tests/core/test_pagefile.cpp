#include "pagefile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnel;
namespace fs = std::filesystem;

TEST(PageFile, OnlyARegularFileIsOpened)
{
    char pattern[] = "/tmp/tarnel-pagefile-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const fs::path root = pattern;
    std::ofstream(root / "page.htm") << "<p>";
    fs::create_symlink(root / "page.htm", root / "link.htm");
    fs::create_directory(root / "folder.htm");
    ASSERT_EQ(::mkfifo((root / "pipe.htm").c_str(), 0600), 0);

    const struct
    {
        fs::path path;
        PageFileRefusal refusal;
        int error;
    } cases[] = {
        {root / "page.htm", PageFileRefusal::None, 0},
        {root / "link.htm", PageFileRefusal::None, 0},
        {root / "folder.htm", PageFileRefusal::Folder, 0},
        {root / "pipe.htm", PageFileRefusal::NotRegularFile, 0}, // without a writer, at once
        {"/dev/null", PageFileRefusal::NotRegularFile, 0},
        {root / "gone.htm", PageFileRefusal::SystemError, ENOENT},
    };
    for (const auto &c : cases) {
        const OpenedPageFile opened = OpenPageFile(c.path);
        EXPECT_EQ(opened.refusal, c.refusal) << c.path;
        EXPECT_EQ(opened.error, c.error) << c.path;
        EXPECT_EQ(opened.fd >= 0, c.refusal == PageFileRefusal::None) << c.path;
        if (opened.fd >= 0) {
            char read[4] = {};
            EXPECT_EQ(::read(opened.fd, read, sizeof read), 3) << c.path;
            ::close(opened.fd);
        }
    }
    fs::remove_all(root);
}
