#pragma once
// The pages of the main window: which page button, radio button and group box each has, its
// caption and its background picture.

#include <array>
#include <optional>
#include <string_view>

#include "ui/skin/skin_catalogue.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

enum class Page { Profile1 = 1, Profile2, Profile3, Advanced, Light, Macro, Update, Engineering };

struct PageInfo {
    Page page;
    std::string_view button;   // page button (one set; the suffix _1 names the set)
    std::string_view radio;    // the radio button that records the current page
    int groupBox;              // gbPage<N>
    std::string_view caption;  // text identifier; empty: the fixed "Engineer"
    skin::PageBackground background;
};

inline constexpr std::array<PageInfo, 8> kPages{{
    {Page::Profile1, "Btn_Main_1", "rb_1", 1, text::ids::kOfficeMode, skin::PageBackground::Keys},
    {Page::Profile2, "Btn_Switch_1", "rb_2", 1, text::ids::kGameMode, skin::PageBackground::Keys},
    {Page::Profile3, "Btn_Fixed_1", "rb_3", 1, text::ids::kThirdMode, skin::PageBackground::Keys},
    {Page::Advanced, "Btn_Adv_1", "rb_4", 2, text::ids::kAdvanced, skin::PageBackground::Advanced},
    {Page::Light, "Btn_Breath_1", "rb_5", 3, text::ids::kLight, skin::PageBackground::Light},
    {Page::Macro, "Btn_Macro_1", "rb_6", 4, text::ids::kMacro, skin::PageBackground::Macro},
    {Page::Update, "Btn_Update_1", "rb_7", 5, text::ids::kUpdate, skin::PageBackground::Update},
    {Page::Engineering, "Btn_Engineer_1", "rb_8", 7, "", skin::PageBackground::Keys},
}};

inline constexpr std::array<int, 6> kGroupBoxes{1, 2, 3, 4, 5, 7};

constexpr const PageInfo& pageInfo(Page page) {
    return kPages[static_cast<std::size_t>(page) - 1];
}

constexpr bool isProfilePage(Page page) {
    return page == Page::Profile1 || page == Page::Profile2 || page == Page::Profile3;
}

constexpr int profileOf(Page page) {
    return static_cast<int>(page) - static_cast<int>(Page::Profile1);
}

// The page of a number 1..8 (the --page option); nothing when out of range.
constexpr std::optional<Page> pageOfNumber(int number) {
    if (number < 1 || number > static_cast<int>(kPages.size()))
        return std::nullopt;
    return static_cast<Page>(number);
}

}  // namespace gm::ui
