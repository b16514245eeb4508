#pragma once
// The frame of the editor's window in logical pixels: window sizes, the three bars, the content
// rectangle and the slots of the chrome buttons. The skin pictures are drawn to these numbers and
// the window places its widgets by them, so pictures and widgets line up.
//
//  +-------------------------------------------------------------+
//  | title                      EN ZH EN   web  minimise  exit   |  top bar
//  +------------+------------------------------------------------+
//  | page       |                                                |
//  | buttons    |        content: one page background            |
//  |            |                                                |
//  +------------+------------------------------------------------+
//  | Reset  Confirm 2  Confirm 3   status line   Save    Load     |  bottom bar
//  +-------------------------------------------------------------+

namespace gm::skin {

struct SkinSize {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(SkinSize, SkinSize) = default;
};

struct SkinPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(SkinPoint, SkinPoint) = default;
};

struct SkinRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return x + width; }  // one past the last column
    constexpr int bottom() const { return y + height; }
    constexpr SkinSize size() const { return {width, height}; }
    constexpr SkinPoint centre() const { return {x + width / 2, y + height / 2}; }
    constexpr bool contains(SkinPoint p) const {
        return p.x >= x && p.x < right() && p.y >= y && p.y < bottom();
    }
    constexpr bool contains(const SkinRect& r) const {
        return r.x >= x && r.y >= y && r.right() <= right() && r.bottom() <= bottom();
    }
    constexpr SkinRect translated(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
    friend constexpr bool operator==(const SkinRect&, const SkinRect&) = default;
};

// Every picture is drawn at this many device pixels per logical pixel.
inline constexpr int kPictureScale = 2;

// Window sizes: the user pages take the size of their background; the engineering page is wider.
inline constexpr SkinSize kUserWindow{980, 620};
inline constexpr SkinSize kEngineeringWindow{1256, 680};

inline constexpr int kTopBarHeight = 48;
inline constexpr int kLeftColumnWidth = 176;
inline constexpr int kBottomBarHeight = 56;
inline constexpr int kFrameMargin = 16;  // from the window edge to the first control of a bar

// The area right of the page column and between the bars, where a page is shown.
constexpr SkinRect contentRect(SkinSize window) {
    return {kLeftColumnWidth, kTopBarHeight, window.width - kLeftColumnWidth,
            window.height - kTopBarHeight - kBottomBarHeight};
}
inline constexpr SkinRect kUserContent = contentRect(kUserWindow);

// Top bar: the logo at the left margin and the title after it, centred on the bar's middle. At
// the right, from left to right: three language buttons, the web button, minimise and exit.
inline constexpr SkinRect kLogoSlot{kFrameMargin, (kTopBarHeight - 28) / 2, 28, 28};
inline constexpr SkinPoint kTitleOrigin{kLogoSlot.right() + 10, kTopBarHeight / 2};
inline constexpr SkinSize kLanguageButton{44, 26};
inline constexpr SkinSize kChromeButton{32, 32};  // web, minimise, exit
inline constexpr int kLanguageGap = 6;
inline constexpr int kChromeGap = 4;

// Slot of chrome button `index` (0 web, 1 minimise, 2 exit) in a window of `window` size.
constexpr SkinRect chromeButtonSlot(SkinSize window, int index) {
    const int right = window.width - kFrameMargin + 4;
    const int x = right - (3 - index) * kChromeButton.width - (2 - index) * kChromeGap;
    return {x, (kTopBarHeight - kChromeButton.height) / 2, kChromeButton.width,
            kChromeButton.height};
}

// Slot of language button `index` (0..2), left of the web button with a wider gap.
constexpr SkinRect languageButtonSlot(SkinSize window, int index) {
    const int right = chromeButtonSlot(window, 0).x - 2 * kFrameMargin;
    const int x = right - (3 - index) * kLanguageButton.width - (2 - index) * kLanguageGap;
    return {x, (kTopBarHeight - kLanguageButton.height) / 2, kLanguageButton.width,
            kLanguageButton.height};
}

// Left column: page buttons from the top, one per row (Office Mode .. Update, Engineer).
inline constexpr SkinSize kPageButton{kLeftColumnWidth - 2 * 12, 36};
inline constexpr int kPageButtonPitch = 44;
inline constexpr int kPageButtonTop = kTopBarHeight + 16;

constexpr SkinRect pageButtonSlot(int row) {
    return {12, kPageButtonTop + row * kPageButtonPitch, kPageButton.width, kPageButton.height};
}

// Bottom bar: Reset, Confirm 2, Confirm 3 from the left; Save Profile, Load Profile at the
// right; the status line between them.
inline constexpr SkinSize kBarButton{112, 32};
inline constexpr int kBarButtonGap = 8;

constexpr int bottomBarTop(SkinSize window) {
    return window.height - kBottomBarHeight;
}

constexpr SkinRect bottomLeftButtonSlot(SkinSize window, int index) {
    return {kFrameMargin + index * (kBarButton.width + kBarButtonGap),
            bottomBarTop(window) + (kBottomBarHeight - kBarButton.height) / 2, kBarButton.width,
            kBarButton.height};
}

// index 0 = Save Profile, 1 = Load Profile (the rightmost).
constexpr SkinRect bottomRightButtonSlot(SkinSize window, int index) {
    const int x =
        window.width - kFrameMargin - (2 - index) * kBarButton.width - (1 - index) * kBarButtonGap;
    return {x, bottomBarTop(window) + (kBottomBarHeight - kBarButton.height) / 2, kBarButton.width,
            kBarButton.height};
}

constexpr SkinRect statusLineRect(SkinSize window) {
    const SkinRect first = bottomRightButtonSlot(window, 0);
    const SkinRect last = bottomLeftButtonSlot(window, 2);
    const int x = last.right() + 2 * kFrameMargin;
    return {x, last.y, first.x - 2 * kFrameMargin - x, last.height};
}

}  // namespace gm::skin
