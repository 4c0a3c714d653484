#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// How wide the live preview lays the page out: the pane's whole width, or the width of a
// phone or a tablet, in CSS pixels, so that the page's media queries answer as on one.
enum class PreviewWidth { Full, Phone, Tablet };

// The CSS width of the page's viewport; nullopt for the pane's whole width.
std::optional<int> CssWidth(PreviewWidth width);

// The zoom steps, in percent, that the zoom buttons and keys go through.
inline constexpr int kMinZoomPercent = 25;
inline constexpr int kMaxZoomPercent = 500;
// The next step above (below) `percent`; the end step stays.
int ZoomedIn(int percent);
int ZoomedOut(int percent);

// What the preview of one page was last set to; a page not seen before gets the default.
struct PreviewLayout
{
    PreviewWidth width = PreviewWidth::Full;
    int zoomPercent = 100;

    bool operator==(const PreviewLayout &) const = default;
};

// As kept in the profile: "phone 125". Reading gives nullopt for anything not written so
// (an older or hand-edited profile), and the page then takes the default.
std::string WritePreviewLayout(const PreviewLayout &layout);
std::optional<PreviewLayout> ReadPreviewLayout(std::string_view written);

} // namespace tarnel
