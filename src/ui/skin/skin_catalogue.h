#pragma once
// The names and logical sizes of every skin picture the window may ask for. The generator checks
// its output against this list, so a name here always exists in the embedded skin.

#include <string>
#include <string_view>
#include <vector>

#include "ui/skin/frame_geometry.h"

namespace gm::skin {

struct SkinPicture {
    std::string name;  // resource name without ".png", e.g. "BtnS_01"
    SkinSize size;     // logical size; the picture holds kPictureScale times as many pixels
    std::string
        source;  // the drawn picture behind the name (the per-language backgrounds share one)
};

// The three pictures of a button: <base>_01, _02, _03.
enum class ButtonState { Normal = 1, Hover = 2, Selected = 3 };

// Page backgrounds, in the order of their number in "L<language>_Back<number>".
enum class PageBackground { Keys = 1, Advanced, Light, Macro, Update, GunPresets };

inline constexpr int kLanguages = 3;
inline constexpr int kGunPictures = 7;
inline constexpr int kGunStageIcons = 5;

const std::vector<SkinPicture>& skinCatalogue();
// The catalogue entry of `name`, or nullptr.
const SkinPicture* findSkinPicture(std::string_view name);

// Bases of the three-state button pictures.
const std::vector<std::string_view>& threeStateBases();
std::string buttonPictureName(std::string_view base, ButtonState state);

std::string windowBackgroundName(int language);  // language 1..3
std::string pageBackgroundName(int language, PageBackground page);
inline constexpr std::string_view kEngineeringBackground = "EngBackGround";

std::string gunPictureName(int gun, bool selected);  // gun 1..7
std::string gunStageIconName(int column);            // column 1..5: count, X, Y, delay, colour

// The icon of a macro event line by its kind digit (0 delay, 1 press, 2 release, 3 movement,
// 7 repeat start, 8 repeat stop); empty for other kinds.
std::string_view macroEventIconName(int kind);

}  // namespace gm::skin
