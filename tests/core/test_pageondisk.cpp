#include "pageondisk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tarnel;

namespace {

const FileStamp kRead{true, 100, 10, true};
const FileStamp kRewritten{true, 200, 12, true};
const FileStamp kProtected{true, 100, 10, false};
const FileStamp kGone{};

// One thing that happens to a page: the window is activated, Save is asked for, or the user
// answers Keep; with what the file looks like then and what the rule says.
struct Step
{
    enum { Activate, Save, Keep } what;
    FileStamp file;
    int expected = 0; // a DiskFinding for Activate, a SaveCheck for Save
};

constexpr int kNothing = int(DiskFinding::Nothing), kChanged = int(DiskFinding::Changed),
              kMissing = int(DiskFinding::Missing), kWrite = int(SaveCheck::Write),
              kOverwrite = int(SaveCheck::AskOverwrite), kAskMissing = int(SaveCheck::AskMissing);

} // namespace

TEST(PageOnDisk, AsksOncePerRemovalAndSavesOnlyWhatTheUserChose)
{
    const struct
    {
        const char *name;
        std::vector<Step> steps;
        bool missing, readOnly;
    } cases[] = {
        {"an untouched file",
         {{Step::Activate, kRead, kNothing}, {Step::Save, kRead, kWrite}},
         false,
         false},
        {"changed by another program",
         {{Step::Activate, kRewritten, kChanged}, {Step::Save, kRewritten, kOverwrite}},
         false,
         false},
        {"removed: reported once, however often the window is activated",
         {{Step::Activate, kGone, kMissing}, {Step::Activate, kGone, kNothing}},
         true,
         false},
        {"removed and saved before any activation: Save asks",
         {{Step::Save, kGone, kAskMissing}, {Step::Activate, kGone, kNothing}},
         true,
         false},
        {"removed, unanswered: Save still asks",
         {{Step::Activate, kGone, kMissing}, {Step::Save, kGone, kAskMissing}},
         true,
         false},
        {"removed, kept: Save re-creates it",
         {{Step::Activate, kGone, kMissing}, {Step::Keep, kGone}, {Step::Save, kGone, kWrite}},
         true,
         false},
        {"kept, back unchanged, gone again: asked again",
         {{Step::Activate, kGone, kMissing},
          {Step::Keep, kGone},
          {Step::Activate, kRead, kNothing},
          {Step::Activate, kGone, kMissing},
          {Step::Save, kGone, kAskMissing}},
         true,
         false},
        {"back with other text: a change",
         {{Step::Activate, kGone, kMissing}, {Step::Activate, kRewritten, kChanged}},
         false,
         false},
        {"write-protected while open: no change of text, but read-only",
         {{Step::Activate, kProtected, kNothing}, {Step::Save, kProtected, kWrite}},
         false,
         true},
    };
    for (const auto &c : cases) {
        PageOnDisk disk;
        disk.Remember(kRead);
        int i = 0;
        for (const Step &step : c.steps) {
            ++i;
            if (step.what == Step::Activate)
                EXPECT_EQ(int(disk.Look(step.file)), step.expected) << c.name << ", step " << i;
            else if (step.what == Step::Save)
                EXPECT_EQ(int(disk.BeforeSave(step.file)), step.expected)
                    << c.name << ", step " << i;
            else
                disk.KeepWithoutFile();
        }
        EXPECT_EQ(disk.missing(), c.missing) << c.name;
        EXPECT_EQ(disk.readOnly(), c.readOnly) << c.name;
    }
}

TEST(PageOnDisk, AFileMarkedReadOnlyIsNotWritableEvenForTheAdministrator)
{
    char pattern[] = "/tmp/tarnel-pageondisk-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string page = std::string(pattern) + "/page.htm";
    std::ofstream(page) << "<p>";
    EXPECT_TRUE(LookAtFile(page).writable);
    EXPECT_EQ(LookAtFile(page).size, 3);
    ASSERT_EQ(::chmod(page.c_str(), 0444), 0);
    EXPECT_FALSE(LookAtFile(page).writable);
    EXPECT_TRUE(LookAtFile(page).exists);
    EXPECT_FALSE(LookAtFile(page + ".gone").exists);
    std::filesystem::remove_all(pattern);
}
