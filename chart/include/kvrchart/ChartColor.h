#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

namespace kvr::chart {

// 0x00BBGGRR, or 0xFF0000nn for a system colour resolved from the palette when drawn.
using TColor = std::uint32_t;

inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnHighlight = 0xFF000014;
inline constexpr TColor clBtnShadow = 0xFF000010;
inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clWindowText = 0xFF000008;

inline constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }

// Turns a chart colour into a device colour; clDefault and clNone fall back to black,
// since callers decide beforehand whether those draw at all.
QColor ResolveColor(TColor color, const QPalette &palette);

// The plain RGB value of a colour, with system colours looked up in the palette.
TColor ToRgb(TColor color, const QPalette &palette);

} // namespace kvr::chart
