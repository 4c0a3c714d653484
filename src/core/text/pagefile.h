#pragma once
#include <string>

namespace tarnel {

// What stands at a path given to be opened as a page, when it is no page.
enum class PageFileRefusal { None, Folder, NotRegularFile, SystemError };

struct OpenedPageFile
{
    int fd = -1; // open for reading, the caller's to close; -1 when refused
    PageFileRefusal refusal = PageFileRefusal::None;
    int error = 0; // errno, for SystemError
};

// Opens `path` for reading when it is a regular file (a link to one is followed). A pipe or
// a device would block whoever reads it, the window or `tarnel --check`, or never end: the
// open does not wait for a pipe's writer, and the kind is that of what was opened, so nothing
// swapped in after a look at the path gets read.
OpenedPageFile OpenPageFile(const std::string &path);

} // namespace tarnel
