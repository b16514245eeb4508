#pragma once
// The editor's colours, in one place: the skin generator paints the pictures with them and the
// window paints its text and widgets with them, so both always agree.

#include <cstdint>

namespace gm::skin {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

constexpr int redOf(Rgb c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr int greenOf(Rgb c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Rgb c) {
    return static_cast<int>(c & 0xFF);
}

// `share` of `top` over `base` (0 = base, 1 = top), rounded per channel.
constexpr Rgb blend(Rgb base, Rgb top, double share) {
    auto mix = [share](int b, int t) {
        return static_cast<Rgb>(static_cast<double>(b) + (t - b) * share + 0.5);
    };
    return (mix(redOf(base), redOf(top)) << 16) | (mix(greenOf(base), greenOf(top)) << 8) |
           mix(blueOf(base), blueOf(top));
}

namespace colour {

// The interface palette: dark theme with one accent for selected, lit and focused states.
inline constexpr Rgb kBackground = 0x15171C;  // window body behind the panels
inline constexpr Rgb kPanel = 0x1E2128;       // cards, bars and the page column
inline constexpr Rgb kHairline = 0x2A2E37;    // 1 px borders and separators
inline constexpr Rgb kText = 0xE6E8EB;
inline constexpr Rgb kMuted = 0x8B93A1;  // secondary text, idle glyphs
inline constexpr Rgb kAccent = 0x2DD4BF;
inline constexpr double kDisabledOpacity = 0.4;

// Shades derived from the palette for the three states of a button and the unlit pieces.
inline constexpr Rgb kPanelHover = blend(kPanel, kText, 0.06);       // hover: a little lighter
inline constexpr Rgb kAccentFill = blend(kPanel, kAccent, 0.30);     // selected: accent-filled
inline constexpr Rgb kAccentDim = blend(kBackground, kAccent, 0.7);  // lit but not current
inline constexpr Rgb kSunken = blend(kBackground, 0x000000, 0.25);   // wells and slots
inline constexpr Rgb kUnlit = kHairline;                             // unlit bar segments
inline constexpr Rgb kOnAccent = 0x0B1F1C;  // glyphs drawn on a solid accent fill
inline constexpr Rgb kEdge = 0x3A3F4B;      // scroll handles and check box rims
inline constexpr Rgb kRefusal = 0xF87171;   // a refused write, a checksum that differs
inline constexpr Rgb kDisabledText = 0x5A606B;
inline constexpr Rgb kOutOfUseText = 0x6B7079;  // the values of CPI levels not in use
inline constexpr Rgb kSelection = 0x1F5E57;     // the chosen item of a card's drop-down list

// Picture tones of the mouse and gun drawings (a graphite body lit from the upper left).
inline constexpr Rgb kShellLight = 0x3A3F4A;
inline constexpr Rgb kShellDark = 0x1A1D23;
inline constexpr Rgb kShellEdge = 0x4A505C;
inline constexpr Rgb kRubber = 0x101216;
inline constexpr Rgb kSteel = 0xB7BDC8;
inline constexpr Rgb kSteelDark = 0x6D7480;
// The two ends of the colour drop that heads the gun stages' colour column.
inline constexpr Rgb kWarmHue = 0xF87171;
inline constexpr Rgb kCoolHue = 0x818CF8;

}  // namespace colour
}  // namespace gm::skin
