// Every form description agrees with its form's Validate: a row that names a required message
// is refused with exactly that message when it alone is left empty, and any other row may be
// left empty. Rows fill distinct members under distinct names.
#include "formdescription.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

using namespace tarnel;

namespace {

// A value every row accepts: a list's first non-empty entry, else a number.
template <class Fields> std::string Filled(const FieldSpec<Fields> &row)
{
    for (std::string_view entry : row.entries)
        if (!entry.empty())
            return std::string(entry);
    return "1";
}

template <class Fields> void ExpectWellFormed(const FormDescription<Fields> &form)
{
    SCOPED_TRACE(std::string(form.caption));
    EXPECT_FALSE(form.caption.empty());
    std::vector<std::string Fields::*> members;
    std::set<std::string_view> names, labels;
    Fields full{};
    for (const auto &row : form.rows) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_TRUE(row.label.empty() || labels.insert(row.label).second) << row.label;
        // A tick box fills a flag, or a text member ("1" when ticked) that re-editing reads.
        EXPECT_TRUE(!row.flag || row.kind == FieldKind::Check) << row.label;
        EXPECT_EQ(row.kind == FieldKind::Custom || row.flag, row.member == nullptr) << row.name;
        if (!row.member)
            continue;
        EXPECT_EQ(std::count(members.begin(), members.end(), row.member), 0) << row.label;
        members.push_back(row.member);
        EXPECT_EQ(row.kind == FieldKind::Browse, row.filter != nullptr) << row.label;
        const bool list = row.kind == FieldKind::PickList || row.kind == FieldKind::EditableList;
        EXPECT_EQ(list, !row.entries.empty()) << row.label;
        full.*row.member = Filled(row);
    }
    EXPECT_EQ(Validate(full), std::nullopt);
    for (const auto &row : form.rows) {
        if (!row.member)
            continue;
        Fields missing = full;
        missing.*row.member = "";
        const auto refusal = Validate(missing);
        if (row.required.empty())
            EXPECT_EQ(refusal, std::nullopt) << row.label;
        else
            EXPECT_EQ(refusal, std::string(row.required)) << row.label;
    }
}

} // namespace

TEST(FormDescription, EveryFormAgreesWithItsValidation)
{
    ExpectWellFormed(ImageForm());
    ExpectWellFormed(BackgroundForm());
    ExpectWellFormed(LinkForm());
    ExpectWellFormed(ControlForm());
    ExpectWellFormed(FormattedTextForm());
    ExpectWellFormed(SoundForm());
    ExpectWellFormed(AppletForm());
    ExpectWellFormed(MarqueeForm());
    ExpectWellFormed(MetaForm());
    ExpectWellFormed(FramesForm());
    ExpectWellFormed(TableForm());
    ExpectWellFormed(OrderedListForm());
    ExpectWellFormed(UnorderedListForm());
    ExpectWellFormed(MediaForm());
    ExpectWellFormed(PictureForm());
}
