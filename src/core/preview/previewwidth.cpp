#include "previewwidth.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tarnel {

namespace {

constexpr std::array<int, 17> kZoomSteps = {25,  33,  50,  67,  75,  80,  90,  100, 110,
                                            125, 150, 175, 200, 250, 300, 400, 500};

struct WidthName
{
    PreviewWidth width;
    std::string_view name;
};
constexpr std::array<WidthName, 3> kWidthNames = {{
    {PreviewWidth::Full, "full"},
    {PreviewWidth::Phone, "phone"},
    {PreviewWidth::Tablet, "tablet"},
}};

} // namespace

std::optional<int> CssWidth(PreviewWidth width)
{
    switch (width) {
    case PreviewWidth::Phone:
        return 375;
    case PreviewWidth::Tablet:
        return 768;
    case PreviewWidth::Full:
        break;
    }
    return std::nullopt;
}

int ZoomedIn(int percent)
{
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

int ZoomedOut(int percent)
{
    const auto at = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return at == kZoomSteps.begin() ? kZoomSteps.front() : *std::prev(at);
}

std::string WritePreviewLayout(const PreviewLayout &layout)
{
    const auto named = std::find_if(kWidthNames.begin(), kWidthNames.end(),
                                    [&](const WidthName &w) { return w.width == layout.width; });
    return std::string(named->name) + " " + std::to_string(layout.zoomPercent);
}

std::optional<PreviewLayout> ReadPreviewLayout(std::string_view written)
{
    const std::size_t blank = written.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = written.substr(0, blank);
    const std::string_view zoom = written.substr(blank + 1);
    const auto named = std::find_if(kWidthNames.begin(), kWidthNames.end(),
                                    [&](const WidthName &w) { return w.name == name; });
    int percent = 0;
    const auto [end, error] = std::from_chars(zoom.data(), zoom.data() + zoom.size(), percent);
    if (named == kWidthNames.end() || error != std::errc() || end != zoom.data() + zoom.size() ||
        percent < kMinZoomPercent || percent > kMaxZoomPercent)
        return std::nullopt;
    return PreviewLayout{named->width, percent};
}

} // namespace tarnel
