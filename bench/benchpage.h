#pragma once
#include <cstddef>
#include <string>

// A large page for benchmarks: `elementsPerKind` images, links and applets spread through
// filler text of about `bytes` bytes, with comments, scripts and mixed-case tags between them
// so the scanner walks the kinds of markup a real page holds.
inline std::string MakeBenchPage(std::size_t bytes, std::size_t elementsPerKind)
{
    std::string page = "<!DOCTYPE html>\n<html>\n<head>\n<title>Bench</title>\n</head>\n<body>\n";
    page.reserve(bytes + 4096);
    const std::size_t blocks = elementsPerKind;
    const std::size_t markupPerBlock = 260;
    const std::size_t fillerPerBlock =
        bytes / blocks > markupPerBlock ? bytes / blocks - markupPerBlock : 0;
    const std::string filler =
        "Lorem ipsum dolor sit amet, <b>consectetur</b> adipiscing elit, sed do eiusmod tempor "
        "incididunt ut labore et <i>dolore</i> magna aliqua. ";
    for (std::size_t i = 0; i < blocks; ++i) {
        const std::string n = std::to_string(i);
        page += "<p class=\"para\">";
        while (page.size() < (i + 1) * (fillerPerBlock + markupPerBlock) - markupPerBlock)
            page += filler;
        page += "</p>\n";
        page += (i % 2 ? "<IMG SRC=\"pics/p" : "<img src='pics/p") + n +
                (i % 2 ? ".gif\" WIDTH=\"10\">\n" : ".gif' width=10>\n");
        page += "<A HREF=\"page" + n + ".htm\">link " + n + "</A>\n";
        page += "<applet code=C" + n + ".class width=10 height=10></applet>\n";
        if (i % 50 == 0)
            page += "<!-- <img src=\"old.gif\"> -->\n<script>var s = \"<a href=x>\";</script>\n";
    }
    page += "</body>\n</html>\n";
    return page;
}

// A page whose lines are a third CSS, a third JavaScript and a third HTML: style sheets and
// scripts of `linesPerBlock` lines between paragraphs, about `bytes` bytes in all.
inline std::string MakeCodeBenchPage(std::size_t bytes, std::size_t linesPerBlock = 30)
{
    static const char *const css[] = {
        ".nav a:hover, #main > p.note { color: #336699; margin: 0 auto 1.5em; }",
        "  font: 14px/1.4 'Helvetica', sans-serif !important; /* the body text */",
        "@media screen and (max-width: 600px) { .side { display: none } }",
        "  background: url(\"img/bg.png\") no-repeat left top; border: 1px solid silver;",
    };
    static const char *const js[] = {
        "  if (items[i].value / total > 0.5 && /^\\d+$/.test(name)) { count += 1; }",
        "  const label = `item ${i}: ${items[i].label}`; // shown in the list",
        "function show(list, n) { return list.filter(x => x.size > n).map(x => x.name); }",
        "  el.innerHTML = '<b>' + text + '</b>'; /* escaped by the caller */ done();",
    };
    static const char *const html[] = {
        "<p class=\"para\">Lorem ipsum dolor sit amet, <b>consectetur</b> adipiscing.</p>",
        "<a href=\"page12.htm\">Next page</a> | <img src=\"pics/p1.gif\" width=10 alt=\"x\">",
        "<table border=\"1\"><tr><td align=center>12.5</td><td>of 2024</td></tr></table>",
        "<div id=\"b7\">sed do eiusmod tempor incididunt ut labore &amp; dolore</div>",
    };
    std::string page = "<!DOCTYPE html>\n<html>\n<head>\n<title>Bench</title>\n</head>\n<body>\n";
    page.reserve(bytes + 4096);
    for (std::size_t block = 0; page.size() < bytes; ++block) {
        page += "<style>\n";
        for (std::size_t i = 0; i < linesPerBlock; ++i)
            (page += css[(block + i) % 4]) += '\n';
        page += "</style>\n";
        for (std::size_t i = 0; i < linesPerBlock; ++i)
            (page += html[(block + i) % 4]) += '\n';
        page += "<script>\n";
        for (std::size_t i = 0; i < linesPerBlock; ++i)
            (page += js[(block + i) % 4]) += '\n';
        page += "</script>\n";
    }
    page += "</body>\n</html>\n";
    return page;
}
