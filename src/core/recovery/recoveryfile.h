#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// What a crash recovery copy holds: the unsaved text of one page and where it belongs.
struct RecoveredPage
{
    std::string path;  // the page's file, empty for a page never saved
    std::string title; // as the window showed it
    std::string text;  // the page's bytes, exactly

    bool operator==(const RecoveredPage &) const = default;
};

// The copy's bytes: a first line naming the format, then each field as a line with its name
// and byte length followed by its bytes, so any path, title or text survives.
std::string RecoveryFileText(const RecoveredPage &page);

// The same up to where the text's bytes start, for a text of `textSize` bytes that follow it
// and a final line feed: a large page is then written without being copied.
std::string RecoveryFileHead(const RecoveredPage &pageWithoutText, std::size_t textSize);

// nullopt for anything that is not a whole copy (another file, a cut-off write).
std::optional<RecoveredPage> ParseRecoveryFile(std::string_view bytes);

} // namespace tarnel
