#pragma once
// The twelve programmable buttons on the mouse picture: where each one is, what it is, and which
// key caption slot of the key page names it. The generator draws the buttons at these points and
// the window ends its leader lines there. Each label column is ordered by the height of its hot
// spots, so straight leader lines from the slots do not cross.

#include <array>
#include <string_view>

#include "ui/skin/page_geometry.h"

namespace gm::skin {

struct MouseButton {
    int key = 0;                   // Key1..Key12
    std::string_view part;         // what the button is on the mouse
    SkinPoint hotSpot;             // in the mouse picture's logical pixels
    key_page::Column labelColumn;  // caption slot on the key page
    int labelRow = 0;
};

inline constexpr SkinSize kMousePicture = key_page::kMouse.size();

// Key numbers follow the device's default table: 1 left, 2 back, 3 fire, 4 right, 5 forward,
// 6 CPI up, 7 middle, 8 CPI loop, 9 CPI down; 10..12 are the extra thumb and right-flank buttons.
inline constexpr std::array<MouseButton, 12> kMouseButtons{{
    {1, "left button", {52, 74}, key_page::Column::Left, 1},
    {2, "rear thumb button", {26, 190}, key_page::Column::Left, 4},
    {3, "fire button", {40, 44}, key_page::Column::Left, 0},
    {4, "right button", {124, 74}, key_page::Column::Right, 1},
    {5, "front thumb button", {28, 156}, key_page::Column::Left, 3},
    {6, "CPI up", {88, 100}, key_page::Column::Right, 2},
    {7, "wheel", {88, 60}, key_page::Column::Right, 0},
    {8, "CPI loop", {88, 156}, key_page::Column::Left, 2},
    {9, "CPI down", {88, 117}, key_page::Column::Right, 3},
    {10, "lower thumb button", {24, 221}, key_page::Column::Left, 5},
    {11, "front right-flank button", {151, 180}, key_page::Column::Right, 4},
    {12, "rear right-flank button", {155, 214}, key_page::Column::Right, 5},
}};

// The button of key `key` (1..12).
constexpr const MouseButton& mouseButton(int key) {
    return kMouseButtons.at(key - 1);
}

// The hot spot of key `key` in content coordinates of the key page.
constexpr SkinPoint hotSpotOnPage(int key) {
    const SkinPoint p = mouseButton(key).hotSpot;
    return {key_page::kMouse.x + p.x, key_page::kMouse.y + p.y};
}

}  // namespace gm::skin
