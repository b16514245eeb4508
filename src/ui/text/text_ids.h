#pragma once
// The identifiers of the language tables' texts that the window asks for, by name (the button
// names are buttons::names). A run of texts is named by its first.

#include <string_view>

namespace gm::ui::text::ids {

inline constexpr std::string_view kReset = "Str001";
inline constexpr std::string_view kConfirm2 = "Str002";
inline constexpr std::string_view kConfirm3 = "Str016";
inline constexpr std::string_view kOfficeMode = "Str004";
inline constexpr std::string_view kGameMode = "Str005";
inline constexpr std::string_view kThirdMode = "Str006";
inline constexpr std::string_view kAdvanced = "Str007";
inline constexpr std::string_view kLight = "Str008";
inline constexpr std::string_view kSaveProfile = "Str009";
inline constexpr std::string_view kLoadProfile = "Str010";
inline constexpr std::string_view kMacro = "Str014";
inline constexpr std::string_view kUpdate = "Str015";
inline constexpr std::string_view kFireMacro = "Str208";
inline constexpr std::string_view kRename = "Str402";
inline constexpr std::string_view kExportOne = "Str404";
inline constexpr std::string_view kExportAll = "Str405";
inline constexpr std::string_view kImportOne = "Str406";
inline constexpr std::string_view kImportAll = "Str407";
inline constexpr std::string_view kDelete = "Str408";
inline constexpr std::string_view kNewMacro = "Str432";
inline constexpr std::string_view kDeleteMacro = "Str433";
inline constexpr std::string_view kAddToMouse = "Str434";
inline constexpr std::string_view kAssemblyKey = "Str500";
inline constexpr std::string_view kConfirm = "Str501";
inline constexpr std::string_view kClear = "Str502";
inline constexpr std::string_view kMacroName = "Str510";
inline constexpr std::string_view kChooseColour = "Str522";
inline constexpr std::string_view kUserColour = "Str523";
inline constexpr std::string_view kFireKey = "Str800";
inline constexpr std::string_view kRepeat = "Str801";
inline constexpr std::string_view kFiringInterval = "Str802";
inline constexpr std::string_view kContinue = "Str803";
inline constexpr std::string_view kMovingSpeed = "Str804";
inline constexpr std::string_view kPointerPrecision = "Str805";
inline constexpr std::string_view kDoubleClickSpeed = "Str806";
inline constexpr std::string_view kRollingSpeed = "Str807";
inline constexpr std::string_view kOneRollAScreen = "Str808";
inline constexpr std::string_view kCpiSetting = "Str809";
inline constexpr std::string_view kCpiCount = "Str810";
inline constexpr std::string_view kLedSpeed = "Str812";
inline constexpr std::string_view kSlow = "Str813";
inline constexpr std::string_view kFast = "Str814";
inline constexpr int kFirstMcuLedModeNumber = 815;   // Str815..Str820: the MCU LED's first modes
inline constexpr int kFirstRgbLedModeNumber = 859;   // Str859..: the RGB LED's modes, from Off
inline constexpr int kFirstComboToggleNumber = 700;  // Str700..: the key page's gesture toggles
inline constexpr std::string_view kLedMode = "Str821";
inline constexpr std::string_view kLedBrightness = "Str822";
inline constexpr std::string_view kFull = "Str823";
inline constexpr std::string_view kHalf = "Str824";
inline constexpr std::string_view kMacroList = "Str834";
inline constexpr std::string_view kStorageInMouse = "Str835";
inline constexpr std::string_view kMacroContent = "Str836";
inline constexpr std::string_view kReportRate = "Str849";
inline constexpr std::string_view kLedOff = "Str859";

// The macro editor.
inline constexpr std::string_view kRecord = "Str400";
inline constexpr std::string_view kStop = "Str401";
inline constexpr std::string_view kInsert = "Str409";
inline constexpr std::string_view kRecordDelay = "Str414";
inline constexpr std::string_view kDefaultDelay = "Str415";
inline constexpr std::string_view kNoDelay = "Str416";
inline constexpr std::string_view kDelayTime = "Str417";
inline constexpr std::string_view kMs = "Str418";
inline constexpr std::string_view kOk = "Str420";
inline constexpr std::string_view kCancel = "Str422";
inline constexpr std::string_view kEdit = "Str435";
inline constexpr std::string_view kXValue = "Str454";
inline constexpr std::string_view kYValue = "Str455";
inline constexpr std::string_view kRepeatNumber = "Str458";
inline constexpr std::string_view kInputOneKey = "Str520";
inline constexpr std::string_view kInputDelayTime = "Str521";
inline constexpr std::string_view kUntilReleased = "Str854";
inline constexpr std::string_view kNumberOfCycles = "Str868";
// CB_Insert's items in their order.
inline constexpr std::string_view kInsertKinds[] = {"Str410", "Str411", "Str412", "Str413",
                                                    "Str450", "Str451", "Str456", "Str457"};

}  // namespace gm::ui::text::ids
