#pragma once

#include <QColor>

#include <cstdint>

// The core writes colours as 0x00BBGGRR (red in the low byte), as the editor takes them.
inline QColor colourOfBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline std::uint32_t bgrOf(const QColor &colour)
{
    return std::uint32_t(colour.red()) | std::uint32_t(colour.green()) << 8 |
           std::uint32_t(colour.blue()) << 16;
}
