#include "basehref.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(BaseHref, PutAtTheStartOfHeadOrAtTheTop)
{
    const std::string base = "<BASE HREF=\"file:///home/u/site/\">";
    struct Case
    {
        const char *name;
        std::string page;
        std::string expected;
    };
    const Case cases[] = {
        {"after HEAD", "<HTML><HEAD><TITLE>t</TITLE></HEAD></HTML>",
         "<HTML><HEAD>" + base + "<TITLE>t</TITLE></HEAD></HTML>"},
        {"after a lower-case head with attributes", "<html><head profile=\"x>y\"><title>",
         "<html><head profile=\"x>y\">" + base + "<title>"},
        {"no HEAD: at the top", "<P>text</P>", base + "<P>text</P>"},
        {"no HEAD: after the DOCTYPE", "<!DOCTYPE html>\r\n<P>text</P>",
         "<!DOCTYPE html>" + base + "\r\n<P>text</P>"},
        {"no HEAD: after the byte order mark", "\xEF\xBB\xBF<P>", "\xEF\xBB\xBF" + base + "<P>"},
        {"a HEAD in a comment is no HEAD", "<!-- <HEAD> --><P>", base + "<!-- <HEAD> --><P>"},
        {"a HEADER element is no HEAD", "<HEADER>x</HEADER>", base + "<HEADER>x</HEADER>"},
        {"an empty page", "", base},
        {"the page's own BASE wins", "<HEAD><BASE HREF=\"http://x/\"></HEAD>",
         "<HEAD><BASE HREF=\"http://x/\"></HEAD>"},
        {"a BASE without HREF only sets a target", "<HEAD><BASE TARGET=\"_top\">",
         "<HEAD>" + base + "<BASE TARGET=\"_top\">"},
        {"a BASE in a script is none", "<HEAD><SCRIPT>'<base href=x>'</SCRIPT>",
         "<HEAD>" + base + "<SCRIPT>'<base href=x>'</SCRIPT>"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(WithBaseHref(c.page, "file:///home/u/site/"), c.expected) << c.name;
}

TEST(BaseHref, FolderUrlIsEscapedForTheAttribute)
{
    EXPECT_EQ(WithBaseHref("", "file:///a&b/\"c<d>/"),
              "<BASE HREF=\"file:///a&amp;b/&quot;c&lt;d&gt;/\">");
}
