#include "controlsform.h"

#include <gtest/gtest.h>

// Cases name only the fields they set; the rest stay empty on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace tarnel;
using enum ControlType;

namespace {

ControlFields Control(ControlType type, std::string name)
{
    ControlFields fields;
    fields.type = type;
    fields.name = std::move(name);
    return fields;
}

ControlRows Shown(bool size, bool maxLength, bool lowSource)
{
    ControlRows rows;
    rows.sizeShown = size;
    rows.maxLengthShown = maxLength;
    rows.lowSourceShown = lowSource;
    return rows;
}

} // namespace

TEST(ControlsForm, StartsAsButtonWithTheTypeRowsHidden)
{
    const ControlsForm form;
    EXPECT_EQ(form.Fields().type, Button);
    EXPECT_EQ(form.Rows(), Shown(false, false, false));
    EXPECT_TRUE(form.Result().empty());
    EXPECT_FALSE(form.RememberedReadOnly());
}

TEST(ControlsForm, RowsByType)
{
    const struct
    {
        ControlType before, chosen;
        ControlRows rows;
    } cases[] = {
        // Button-like types hide MaxLength and LowSource but leave Size as it was.
        {Button, Button, Shown(false, false, false)}, {Edit, Button, Shown(true, false, false)},
        {Image, CheckBox, Shown(true, false, false)}, {Button, Radio, Shown(false, false, false)},
        {Password, Reset, Shown(true, false, false)}, {File, Submit, Shown(true, false, false)},
        {Button, File, Shown(true, false, false)},    {Image, Hidden, Shown(true, false, false)},
        {Edit, Image, Shown(true, false, true)},      {Image, Password, Shown(true, true, false)},
        {Button, Edit, Shown(true, true, false)},
    };
    for (const auto &c : cases) {
        ControlsForm form;
        form.ChooseType(c.before);
        form.ChooseType(c.chosen);
        EXPECT_EQ(form.Fields().type, c.chosen);
        EXPECT_EQ(form.Rows(), c.rows)
            << ControlTypeCaption(c.before) << " then " << ControlTypeCaption(c.chosen);
    }
}

TEST(ControlsForm, ReadOnlyDisablesMaxLengthOnlyUnderEdit)
{
    ControlsForm form;
    form.ChooseType(Edit);
    form.ToggleReadOnly(true);
    EXPECT_FALSE(form.Rows().maxLengthEnabled);
    form.ToggleReadOnly(false);
    EXPECT_TRUE(form.Rows().maxLengthEnabled);

    form.ChooseType(Password);
    form.ToggleReadOnly(true);
    EXPECT_TRUE(form.Rows().maxLengthEnabled);

    // Choosing Edit with the box already ticked enables it; only the next click disables it.
    form.ChooseType(Edit);
    EXPECT_TRUE(form.Rows().maxLengthEnabled);
    form.ToggleReadOnly(true);
    EXPECT_FALSE(form.Rows().maxLengthEnabled);
    form.ChooseType(Button);
    EXPECT_TRUE(form.Rows().maxLengthEnabled);
}

TEST(ControlsForm, MaxLengthTypedBeforeReadOnlyIsStillWritten)
{
    ControlsForm form;
    form.ChooseType(Edit);
    ControlFields onScreen = Control(Edit, "e");
    onScreen.maxLength = "5";
    onScreen.readOnly = true;
    form.ToggleReadOnly(true);
    ASSERT_FALSE(form.Confirm(onScreen));
    EXPECT_EQ(form.Result(), "<INPUT  NAME=\"e\"  READONLY  TYPE= TEXT MAXLENGTH=5>\n");
}

TEST(ControlsForm, PasswordAfterARememberedReadOnlyMakesMaxLengthReadOnlyForGood)
{
    ControlsForm form;
    form.ChooseType(Password);
    EXPECT_FALSE(form.Rows().maxLengthReadOnly);

    ControlFields first = Control(Edit, "a");
    first.readOnly = true;
    ASSERT_FALSE(form.AddNewControl(first));
    EXPECT_TRUE(form.RememberedReadOnly());
    EXPECT_FALSE(form.Fields().readOnly);
    // Only choosing Password takes the step.
    form.ChooseType(Edit);
    EXPECT_FALSE(form.Rows().maxLengthReadOnly);
    form.ChooseType(Password);
    EXPECT_TRUE(form.Rows().maxLengthReadOnly);

    ASSERT_FALSE(form.AddNewControl(Control(Password, "b")));
    EXPECT_FALSE(form.RememberedReadOnly());
    form.ChooseType(Edit);
    form.ToggleReadOnly(false);
    EXPECT_TRUE(form.Rows().maxLengthReadOnly);
}

TEST(ControlsForm, ARefusedPressStillRemembersTheReadOnlyBox)
{
    ControlsForm form;
    ControlFields unnamed = Control(Edit, "");
    unnamed.readOnly = true;
    EXPECT_EQ(form.Confirm(unnamed), "You must enter the control name!!");
    EXPECT_TRUE(form.RememberedReadOnly());
    form.ChooseType(Password);
    EXPECT_TRUE(form.Rows().maxLengthReadOnly);
}

TEST(ControlsForm, HiddenRowsKeepTheirValues)
{
    // The dialog keeps what was typed in a hidden row; the builder writes it only for the
    // types that use it.
    ControlsForm form;
    form.ChooseType(Edit);
    ControlFields onScreen = Control(Edit, "x");
    onScreen.size = "20";
    onScreen.maxLength = "8";

    form.ChooseType(Button);
    onScreen.type = Button;
    EXPECT_TRUE(form.Rows().sizeShown);
    EXPECT_EQ(BuildInputTag(onScreen), "<INPUT  NAME=\"x\" TYPE= BUTTON >\n");

    form.ChooseType(File);
    onScreen.type = File;
    EXPECT_EQ(BuildInputTag(onScreen), "<INPUT  NAME=\"x\"  TYPE= FILE  SIZE=20 >\n");

    form.ChooseType(Password);
    onScreen.type = Password;
    EXPECT_EQ(BuildInputTag(onScreen),
              "<INPUT  NAME=\"x\"  TYPE= PASSWORD  SIZE=20 MAXLENGTH=8>\n");
}

TEST(ControlsForm, AddNewControlClearsTheFieldsButKeepsTheType)
{
    ControlsForm form;
    form.ChooseType(Edit);
    ControlFields onScreen{.type = Edit,
                           .accessKey = "k",
                           .name = "user",
                           .label = "l",
                           .language = "VBS",
                           .dynSrc = "d",
                           .position = "LEFT",
                           .alt = "a",
                           .tabIndex = "1",
                           .source = "s",
                           .title = "t",
                           .size = "20",
                           .maxLength = "8",
                           .lowSource = "lo",
                           .readOnly = true,
                           .disabled = true};
    ASSERT_FALSE(form.AddNewControl(onScreen));

    ControlFields cleared;
    cleared.type = Edit;
    EXPECT_TRUE(form.Fields() == cleared);
    EXPECT_EQ(form.Rows(), Shown(false, false, false));
    EXPECT_TRUE(form.RememberedReadOnly());
    EXPECT_EQ(form.Result(), BuildInputTag(onScreen));
}

TEST(ControlsForm, ARefusedPressAppendsNothingAndKeepsTheFields)
{
    ControlsForm form;
    ASSERT_FALSE(form.AddNewControl(Control(Reset, "r")));
    ControlFields unnamed = Control(Edit, "");
    unnamed.size = "3";
    EXPECT_EQ(form.AddNewControl(unnamed), "You must enter the control name!!");
    EXPECT_EQ(form.Fields().size, "3");
    EXPECT_EQ(form.Confirm(unnamed), "You must enter the control name!!");
    EXPECT_EQ(form.Result(), "<INPUT  NAME=\"r\" TYPE= RESET >\n");
}

TEST(ControlsForm, PasswordWritesReadOnlyWhetherAddedOrConfirmed)
{
    ControlFields pw = Control(Password, "pw");
    pw.maxLength = "8";
    pw.readOnly = true;
    ControlsForm added, confirmed;
    ASSERT_FALSE(added.AddNewControl(pw));
    ASSERT_FALSE(confirmed.Confirm(pw));
    EXPECT_EQ(added.Result(), "<INPUT  NAME=\"pw\"  READONLY  TYPE= PASSWORD MAXLENGTH=8>\n");
    EXPECT_EQ(confirmed.Result(), added.Result());
}

TEST(ControlsForm, ControlsCollectInOrderWithTheOneOnScreenLast)
{
    ControlsForm form;
    form.ChooseType(Edit);
    ControlFields user = Control(Edit, "user");
    user.size = "20";
    ASSERT_FALSE(form.AddNewControl(user));
    form.ChooseType(Submit);
    ControlFields go = Control(Submit, "go");
    go.label = "Send";
    ASSERT_FALSE(form.Confirm(go));
    EXPECT_EQ(WrapForm(form.Result()), "<FORM>\n"
                                       "<INPUT  NAME=\"user\" TYPE= TEXT SIZE=20 >\n"
                                       "<INPUT  VALUE=\"Send\" NAME=\"go\" TYPE= SUBMIT >\n"
                                       "</FORM>\n\n");
}
