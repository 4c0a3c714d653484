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
