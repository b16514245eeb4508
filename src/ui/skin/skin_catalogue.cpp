#include "ui/skin/skin_catalogue.h"

#include <algorithm>
#include <array>

#include "ui/skin/mouse_geometry.h"
#include "ui/skin/page_geometry.h"

namespace gm::skin {
namespace {

struct ButtonFamily {
    std::string_view base;
    SkinSize size;
};

// Which control wears which button family.
constexpr std::array<ButtonFamily, 9> kButtonFamilies{{
    {"BtnS", kBarButton},          // bottom bar and dialog buttons
    {"SetS", kPageButton},         // page buttons of the left column
    {"KeyS", kKeyLabel},           // the twelve key captions of the key page
    {"LangS", kLanguageButton},    // language buttons
    {"ExitS", kChromeButton},      // close
    {"MiniS", kChromeButton},      // minimise
    {"WebS", kChromeButton},       // web page
    {"MacroS", kMacroButton},      // macro page tools
    {"MacroBtnS", kRecordButton},  // Record / Stop
}};

struct EventIcon {
    int kind;
    std::string_view name;
};

constexpr std::array<EventIcon, 6> kEventIcons{{
    {0, "EvtDelay"},
    {1, "EvtPress"},
    {2, "EvtRelease"},
    {3, "EvtMove"},
    {7, "EvtRepeatStart"},
    {8, "EvtRepeatStop"},
}};

std::vector<SkinPicture> buildCatalogue() {
    std::vector<SkinPicture> pictures;
    auto add = [&pictures](std::string name, SkinSize size, std::string source = {}) {
        if (source.empty()) {
            source = name;
        }
        pictures.push_back({std::move(name), size, std::move(source)});
    };

    // No text is baked into the backgrounds, so the three languages share one drawing each.
    for (int language = 1; language <= kLanguages; ++language) {
        add(windowBackgroundName(language), kUserWindow, "BackGround");
        for (int page = 1; page <= static_cast<int>(PageBackground::GunPresets); ++page) {
            add(pageBackgroundName(language, static_cast<PageBackground>(page)),
                kUserContent.size(), "Back" + std::to_string(page));
        }
    }
    add(std::string(kEngineeringBackground), kEngineeringWindow);

    for (const ButtonFamily& family : kButtonFamilies) {
        for (ButtonState state : {ButtonState::Normal, ButtonState::Hover, ButtonState::Selected}) {
            add(buttonPictureName(family.base, state), family.size);
        }
    }
    for (std::string_view mark : {"CbS", "RdS"}) {
        add(std::string(mark) + "_D", kCheckMark);
        add(std::string(mark) + "_E", kCheckMark);
    }
    add("Bar1_D", kShortSegment);
    add("Bar1_E", kShortSegment);
    add("Bar2_D", kLongSegment);
    add("Bar2_E", kLongSegment);
    add("Col_F", kSwatchFrame);

    for (int gun = 1; gun <= kGunPictures; ++gun) {
        add(gunPictureName(gun, false), gun_page::kGunCard);
        add(gunPictureName(gun, true), gun_page::kGunCard);
    }
    for (int column = 1; column <= kGunStageIcons; ++column) {
        add(gunStageIconName(column), kStageIcon);
    }

    add("InsertDelayBase", kInsertPanel);
    add("InsertKeyBase", kInsertPanel);
    add("InsertXYBase", kInsertPanel);
    add("Update", update_page::kBanner.size());
    add("MSG", kMessageBox);
    add("Mouse", kMousePicture);
    for (const EventIcon& icon : kEventIcons) {
        add(std::string(icon.name), kEventIcon);
    }
    add("Logo", kLogo);
    add("Searching", kSearching);
    add("AppIcon", kAppIcon);
    return pictures;
}

// Appended rather than "L" + string: GCC 12 at -O3 warns falsely (-Wrestrict) about that
// operator+ with a one-letter literal.
std::string languagePrefix(int language) {
    std::string name(1, 'L');
    name += std::to_string(language);
    return name;
}

}  // namespace

const std::vector<SkinPicture>& skinCatalogue() {
    static const std::vector<SkinPicture> catalogue = buildCatalogue();
    return catalogue;
}

const SkinPicture* findSkinPicture(std::string_view name) {
    const auto& catalogue = skinCatalogue();
    const auto it = std::find_if(catalogue.begin(), catalogue.end(),
                                 [name](const SkinPicture& p) { return p.name == name; });
    return it == catalogue.end() ? nullptr : &*it;
}

const std::vector<std::string_view>& threeStateBases() {
    static const std::vector<std::string_view> bases = [] {
        std::vector<std::string_view> names;
        for (const ButtonFamily& family : kButtonFamilies) {
            names.push_back(family.base);
        }
        return names;
    }();
    return bases;
}

std::string buttonPictureName(std::string_view base, ButtonState state) {
    return std::string(base) + "_0" + std::to_string(static_cast<int>(state));
}

std::string windowBackgroundName(int language) {
    return languagePrefix(language) + "_BackGround";
}

std::string pageBackgroundName(int language, PageBackground page) {
    return languagePrefix(language) + "_Back" + std::to_string(static_cast<int>(page));
}

std::string gunPictureName(int gun, bool selected) {
    return "Gun" + std::to_string(gun) + (selected ? "_02" : "_01");
}

std::string gunStageIconName(int column) {
    return "GunMode" + std::to_string(column);
}

std::string_view macroEventIconName(int kind) {
    for (const EventIcon& icon : kEventIcons) {
        if (icon.kind == kind) {
            return icon.name;
        }
    }
    return {};
}

}  // namespace gm::skin
