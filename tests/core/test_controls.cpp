#include "controlsform.h"

#include <gtest/gtest.h>

// Cases name only the fields they set; the rest stay empty on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace tarnel;

namespace {

ControlFields Named(ControlType type, std::string name)
{
    ControlFields fields;
    fields.type = type;
    fields.name = std::move(name);
    return fields;
}

} // namespace

// Every type with every state of the two boxes: the uneven blanks are the established output,
// but a Button with both boxes still writes its name.
TEST(BuildInputTag, TypeClauseForEveryTypeAndBoxState)
{
    using enum ControlType;
    const struct
    {
        ControlType type;
        bool disabled, readOnly;
        const char *expected;
    } cases[] = {
        {Button, false, false, R"(<INPUT  NAME="n" TYPE= BUTTON >)"},
        {Button, true, false, R"(<INPUT  DISABLED NAME="n"  TYPE= BUTTON >)"},
        {Button, false, true, R"(<INPUT  NAME="n"  READONLY  TYPE= BUTTON  >)"},
        {Button, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY   TYPE= BUTTON >)"},
        {CheckBox, false, false, R"(<INPUT  NAME="n"  TYPE= CHECKBOX  >)"},
        {CheckBox, true, false, R"(<INPUT  DISABLED  NAME="n"  TYPE= CHECKBOX  >)"},
        {CheckBox, false, true, R"(<INPUT  NAME="n"  READONLY  TYPE= CHECKBOX   >)"},
        {CheckBox, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY  TYPE= CHECKBOX >)"},
        {Radio, false, false, R"(<INPUT  NAME="n"  TYPE= RADIO  >)"},
        {Radio, true, false, R"(<INPUT  DISABLED  NAME="n"  TYPE= RADIO  >)"},
        {Radio, false, true, R"(<INPUT  NAME="n"  READONLY  TYPE= RADIO    >)"},
        {Radio, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY  TYPE= RADIO >)"},
        {Edit, false, false, R"(<INPUT  NAME="n" TYPE= TEXT >)"},
        {Edit, true, false, R"(<INPUT  DISABLED  NAME="n"  TYPE= TEXT >)"},
        {Edit, false, true, R"(<INPUT  NAME="n"  READONLY  TYPE= TEXT >)"},
        {Edit, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY  TYPE= TEXT  >)"},
        {File, false, false, R"(<INPUT  NAME="n"  TYPE= FILE  >)"},
        {File, true, false, R"(<INPUT  DISABLED  NAME="n"  TYPE= FILE  >)"},
        {File, false, true, R"(<INPUT  NAME="n"  READONLY  TYPE= FILE >)"},
        {File, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY  TYPE= FILE >)"},
        {Hidden, false, false, R"(<INPUT  NAME="n" TYPE= HIDDEN >)"},
        {Hidden, true, false, R"(<INPUT  DISABLED  NAME="n" TYPE= HIDDEN   >)"},
        {Hidden, false, true, R"(<INPUT  NAME="n"  READONLY  TYPE= HIDDEN >)"},
        {Hidden, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY  TYPE= HIDDEN  >)"},
        {Image, false, false, R"(<INPUT  NAME="n" TYPE= IMAGE  >)"},
        {Image, true, false, R"(<INPUT  DISABLED  NAME="n"  TYPE= IMAGE >)"},
        {Image, false, true, R"(<INPUT  NAME="n"  READONLY   TYPE= IMAGE  >)"},
        {Image, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY  TYPE= IMAGE >)"},
        {Password, false, false, R"(<INPUT  NAME="n"  TYPE= PASSWORD  >)"},
        {Password, true, false, R"(<INPUT  DISABLED  NAME="n"  TYPE= PASSWORD >)"},
        {Password, false, true, R"(<INPUT  NAME="n"  READONLY  TYPE= PASSWORD >)"},
        {Password, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY  TYPE= PASSWORD >)"},
        {Reset, false, false, R"(<INPUT  NAME="n" TYPE= RESET >)"},
        {Reset, true, false, R"(<INPUT  DISABLED  NAME="n" TYPE= RESET >)"},
        {Reset, false, true, R"(<INPUT  NAME="n"  READONLY TYPE= RESET  >)"},
        {Reset, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY  TYPE= RESET >)"},
        {Submit, false, false, R"(<INPUT  NAME="n" TYPE= SUBMIT >)"},
        {Submit, true, false, R"(<INPUT  DISABLED  NAME="n"  TYPE= SUBMIT  >)"},
        {Submit, false, true, R"(<INPUT  NAME="n"  READONLY  TYPE= SUBMIT  >)"},
        {Submit, true, true, R"(<INPUT  DISABLED  NAME="n"  READONLY  TYPE= SUBMIT >)"},
    };
    ASSERT_EQ(std::size(cases), 40u);
    for (const auto &c : cases) {
        ControlFields fields = Named(c.type, "n");
        fields.disabled = c.disabled;
        fields.readOnly = c.readOnly;
        EXPECT_EQ(BuildInputTag(fields), std::string(c.expected) + "\n")
            << ControlTypeCaption(c.type) << " disabled=" << c.disabled
            << " readOnly=" << c.readOnly;
    }
}

TEST(BuildInputTag, WorkedExamples)
{
    using enum ControlType;
    const struct
    {
        const char *what;
        ControlFields fields;
        const char *expected;
    } cases[] = {
        {"Submit with a label",
         {.type = Submit, .name = "go", .label = "Send"},
         R"(<INPUT  VALUE="Send" NAME="go" TYPE= SUBMIT >)"},
        {"Edit, both boxes",
         {.type = Edit,
          .name = "user",
          .size = "20",
          .maxLength = "8",
          .readOnly = true,
          .disabled = true},
         R"(<INPUT  DISABLED  NAME="user"  READONLY  TYPE= TEXT  SIZE=20 MAXLENGTH=8>)"},
        {"Edit, no box",
         {.type = Edit, .name = "user", .size = "20", .maxLength = "8"},
         R"(<INPUT  NAME="user" TYPE= TEXT SIZE=20 MAXLENGTH=8>)"},
        {"Image, no box",
         {.type = Image, .name = "pic", .source = "a.gif", .lowSource = "low.gif"},
         R"(<INPUT  SRC="a.gif" NAME="pic" TYPE= IMAGE  LOWSRC="low.gif">)"},
        {"Image, Disabled: LOWSRC still quoted",
         {.type = Image,
          .name = "pic",
          .source = "a.gif",
          .lowSource = "low.gif",
          .disabled = true},
         R"(<INPUT  SRC="a.gif" DISABLED  NAME="pic"  TYPE= IMAGE LOWSRC="low.gif">)"},
        {"Image, ReadOnly: LOWSRC still quoted",
         {.type = Image, .name = "pic", .lowSource = "low.gif", .readOnly = true},
         R"(<INPUT  NAME="pic"  READONLY   TYPE= IMAGE  LOWSRC="low.gif">)"},
        {"Button, both boxes: the name is written",
         {.type = Button, .name = "b1", .label = "Press", .readOnly = true, .disabled = true},
         R"(<INPUT  VALUE="Press" DISABLED  NAME="b1"  READONLY   TYPE= BUTTON >)"},
        {"Check Box floated left",
         {.type = CheckBox, .name = "c1", .position = "LEFT", .tabIndex = "3"},
         R"(<INPUT  STYLE="Float:LEFT"  TABINDEX=3 NAME="c1"  TYPE= CHECKBOX  >)"},
        {"Position NONE(CENTER) is no float",
         {.type = CheckBox, .name = "c1", .position = "NONE(CENTER)"},
         R"(<INPUT  STYLE="Float:none"  NAME="c1"  TYPE= CHECKBOX  >)"},
        {"Radio with a language, ReadOnly",
         {.type = Radio, .name = "r1", .language = "JSCRIPT", .title = "t", .readOnly = true},
         R"(<INPUT  LANGUAGE="JSCRIPT" TITLE="t" NAME="r1"  READONLY  TYPE= RADIO    >)"},
        {"Password, ReadOnly",
         {.type = Password, .name = "pw", .maxLength = "8", .readOnly = true},
         R"(<INPUT  NAME="pw"  READONLY  TYPE= PASSWORD MAXLENGTH=8>)"},
        {"a Name of one blank is a name",
         {.type = Reset, .name = " "},
         R"(<INPUT  NAME=" " TYPE= RESET >)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildInputTag(c.fields), std::string(c.expected) + "\n") << c.what;
}

TEST(BuildInputTag, CommonAttributesInOrderForEveryType)
{
    ControlFields fields{.accessKey = "k",
                         .name = "n",
                         .label = "say \"hi\"",
                         .language = "VBS",
                         .dynSrc = "m.avi",
                         .position = "RIGHT",
                         .alt = "a",
                         .tabIndex = "2\"",
                         .source = "s.gif",
                         .title = "t"};
    const std::string common =
        R"(<INPUT  ACCESSKEY="k" STYLE="Float:RIGHT"  ALT="a" DYNSRC="m.avi")"
        R"( LANGUAGE="VBS" SRC="s.gif" TABINDEX=2" TITLE="t")"
        R"( VALUE="say &quot;hi&quot;" NAME="n")";
    for (ControlType type : kControlTypes) {
        fields.type = type;
        EXPECT_EQ(BuildInputTag(fields).substr(0, common.size()), common)
            << ControlTypeCaption(type);
    }
}

TEST(BuildInputTag, TypeExtrasOnlyForTheTypesThatUseThem)
{
    using enum ControlType;
    const struct
    {
        ControlType type;
        const char *extras;
    } cases[] = {
        {Button, ""},
        {CheckBox, ""},
        {File, "SIZE=9 "},
        {Hidden, "SIZE=9 "},
        {Image, "SIZE=9 LOWSRC=\"l.gif\""},
        {Password, "SIZE=9 MAXLENGTH=4"},
        {Radio, ""},
        {Reset, ""},
        {Submit, ""},
        {Edit, "SIZE=9 MAXLENGTH=4"},
    };
    for (const auto &c : cases) {
        ControlFields fields{
            .type = c.type, .name = "n", .size = "9", .maxLength = "4", .lowSource = "l.gif"};
        const std::string withExtras = BuildInputTag(fields);
        fields.size = fields.maxLength = fields.lowSource = "";
        const std::string plain = BuildInputTag(fields);
        EXPECT_EQ(withExtras, plain.substr(0, plain.size() - 2) + c.extras + ">\n")
            << ControlTypeCaption(c.type);
    }
}

TEST(BuildInputTag, QuotesInQuotedValuesAreEscaped)
{
    const ControlFields fields{
        .type = ControlType::Image, .name = "a\"b", .position = "LEFT", .lowSource = "x\"y.gif"};
    EXPECT_EQ(BuildInputTag(fields),
              R"(<INPUT  STYLE="Float:LEFT"  NAME="a&quot;b" TYPE= IMAGE  LOWSRC="x&quot;y.gif">)"
              "\n");
}

TEST(ControlsValidate, OnlyAnEmptyNameIsRefused)
{
    EXPECT_EQ(Validate(Named(ControlType::Edit, "")), "You must enter the control name!!");
    EXPECT_EQ(Validate(Named(ControlType::Edit, " ")), std::nullopt);
    // A Button with both boxes still needs a name.
    ControlFields button = Named(ControlType::Button, "");
    button.readOnly = button.disabled = true;
    EXPECT_TRUE(Validate(button).has_value());
}

TEST(WrapForm, FramesTheLinesAndEndsWithAnEmptyLine)
{
    EXPECT_EQ(WrapForm("<INPUT  NAME=\"a\" TYPE= RESET >\n"),
              "<FORM>\n<INPUT  NAME=\"a\" TYPE= RESET >\n</FORM>\n\n");
    EXPECT_EQ(WrapForm(""), "<FORM>\n</FORM>\n\n");
}
