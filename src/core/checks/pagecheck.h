#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnel {

// A problem found in a page, tied to the bytes it is about.
enum class Severity { Error, Warning };

// A change that certainly answers a finding, offered to the user to take.
enum class FixKind {
    None,
    GiveAlt,       // reopen the element in its form to give it ALT; `tagStart` says which
    UseNameOnDisk, // write `replacement` over the finding's bytes
    ChooseFile,    // let the user choose the file, written over the finding's bytes
};
struct Fix
{
    FixKind kind = FixKind::None;
    std::size_t tagStart = 0; // GiveAlt: the "<" of the element's tag
    std::string replacement;  // UseNameOnDisk: the bytes as the page writes them
    // ChooseFile: the name stands in a style sheet, where a character the page's encoding
    // cannot hold cannot be written as a reference either.
    bool inStyleSheet = false;

    bool operator==(const Fix &) const = default;
};

struct Finding
{
    Severity severity = Severity::Error;
    std::size_t offset = 0; // byte index of the first byte concerned
    std::size_t line = 1;   // 1-based
    std::size_t column = 1; // 1-based, in bytes from the line's start (as compilers count)
    std::size_t length = 0; // bytes concerned, at least 1 where the text has any
    std::string message;    // UTF-8
    bool advice = false;    // the validator's advice on writing rather than a problem
    Fix fix;                // only our own checks know one
    // Our own checks' message as written before its arguments went in ("missing file %1"),
    // for the shell to translate; empty for the validator's, which come as libtidy words them.
    std::string_view text = {};
    std::vector<std::string> arguments = {};

    bool operator==(const Finding &) const = default;
};

std::string_view SeverityName(Severity severity); // "error" or "warning"

// `text` with each "%1" to "%9" replaced by that argument.
std::string FillIn(std::string_view text, const std::vector<std::string> &arguments);

// "file:line:column: error: message", the form compilers use so that editors and CI read
// it; without a file name the line starts at the line number. The name is given as
// PrintableFileName shows it, and characters of the message that do not print are escaped:
// a line break in either would forge a finding, an escape sequence would reach the terminal.
std::string FormatFinding(std::string_view file, const Finding &finding);

// A file name as a line of output shows it: unchanged when every character of it prints,
// else in double quotes with C escapes ("\n", "\033") for each byte that does not print
// (controls, bytes that are no UTF-8, line separators and reordering marks) and for quotes
// and backslashes, as compilers quote such names.
std::string PrintableFileName(std::string_view name);

// Line starts of a text, with CR LF, LF and a lone CR each ending a line (as the editor and
// tidy count them).
class LineIndex
{
public:
    explicit LineIndex(std::string_view text);
    // The 1-based line and byte column of `offset`.
    std::pair<std::size_t, std::size_t> LineColumnOf(std::size_t offset) const;
    // The byte index where 1-based `line` starts; the text's end for a line past the last.
    std::size_t LineStart(std::size_t line) const;
    std::size_t LineEnd(std::size_t line) const; // before its line break
    std::size_t LineCount() const { return m_starts.size(); }

private:
    std::string_view m_text;
    std::vector<std::size_t> m_starts;
};

// Fills line and column of each finding from its offset, and sorts them by offset.
void PlaceFindings(std::vector<Finding> &findings, const LineIndex &lines);

// Moves findings placed in a text along with an edit on 1-based `line` that put `inserted`
// bytes where `removed` were at `position` and left every tag and line alone: those after it
// move, those after it on its line change column too, so the page need not be checked again.
// False, changing nothing, when a finding covers bytes the edit touched.
bool MoveFindingsPast(std::vector<Finding> &findings, std::size_t position, std::size_t removed,
                      std::size_t inserted, std::size_t line);

// Which files and folders exist, each folder read once. Lookups go name by name so that a
// name in the wrong letter case is told apart from a missing one, also on a file system
// that ignores case (the server the page goes to usually does not).
class FileLookup
{
public:
    enum class Result { Found, WrongCase, Missing };
    struct Answer
    {
        Result result = Result::Missing;
        std::string onDisk; // the path as written on disk, for WrongCase
    };
    // `relative`: forward-slash separated path (UTF-8) below or beside `folder`; ".." allowed.
    Answer Find(const std::filesystem::path &folder, std::string_view relative);

private:
    // Looks names up without making a string of each.
    struct NameHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const
        {
            return std::hash<std::string_view>{}(name);
        }
    };
    using NameMap = std::unordered_map<std::string, std::string, NameHash, std::equal_to<>>;
    struct Listing
    {
        NameMap byName; // as written -> as on disk
        bool readable = false;
    };
    const Listing &ListingOf(const std::string &folder);

    std::unordered_map<std::string, Listing> m_listings;
    std::filesystem::path m_folder;
    std::string m_folderText;
};

// What the checks need to know about the page besides its text.
struct CheckContext
{
    // The saved page's folder; empty for a page never saved (its relative files are not
    // checked: there is nothing yet to be relative to).
    std::filesystem::path pageFolder;
    // True when the text is UTF-8; otherwise one byte a character (Latin-1).
    bool utf8 = true;
    // Whether the validator's advice is wanted besides the problems.
    bool withAdvice = false;
};

// Our own checks, from the tags the scanner sees: relative files that do not exist or exist
// in another letter case, "#name" links to no element of that ID or NAME, pictures and image
// buttons and map areas without ALT, and IDs given twice. Sorted by offset, lines placed.
// Only the first `keep` are kept (a big page can have millions); `counts`, when given,
// receives how many there were and how many of them are errors.
struct FindingCounts
{
    std::size_t found = 0;
    std::size_t errors = 0;
};
std::vector<Finding> CheckPage(std::string_view text, const CheckContext &context,
                               FileLookup &files, std::size_t keep = SIZE_MAX,
                               FindingCounts *counts = nullptr);
std::vector<Finding> CheckPage(std::string_view text, const CheckContext &context);

// The relative files the page uses, each once, in the order the checks meet them: what the
// checks look up (pictures, SRCSET candidates, style sheets and their url()s, scripts,
// frames, objects, links). None when a BASE HREF sends them elsewhere. `utf8` as in
// CheckContext; the names are UTF-8.
std::vector<std::string> FilesUsedBy(std::string_view text, bool utf8);

// The part of a URL naming a file the page relies on: without query and fragment, percent
// escapes decoded. Empty when the URL names no local relative file (a scheme, "//host",
// a path from the server's root, a fragment alone, nothing).
std::string RelativeFilePart(std::string_view url);

} // namespace tarnel
