#pragma once
// Texts the window shows that the language tables do not hold (the no-device page, the status
// line, the engineering sheets' own captions), in English and Chinese. Language 2 is Chinese; 1
// and 3 are English. The engineering page asks in its term language (OperationHost::
// termLanguage), the rest of the window in the current language.

#include <QString>

namespace gm::ui {

enum class WindowText {
    Looking,         // title of the no-device page
    LookingHint,     // how to plug the mouse in
    PermissionHint,  // the node exists but may not be opened
    Connected,
    Reading,
    NoMouse,
    VirtualMouse,
    VirtualNoMouse,
    VirtualNoPermission,
    LastWrite,  // "%1" = what was written
    Done,
    Busy,
    Engineer,  // caption of the engineering page button, the same in every language
    Progress,  // the loading form: report %1 of %2
    // The update page and the backups dialog.
    UpdateHint,
    LoadBin,
    Program,
    NoFileLoaded,
    Backups,
    BackupsTitle,
    BackupsHint,
    BackupTime,
    BackupReason,
    Restore,
    Close,
    Cancel,    // the answer of a question that changes nothing
    TrayShow,  // the tray menu
    TrayExit,
    NoBackups,
    NoBackupFolder,
    RestoreQuestion,  // %1 = time, %2 = reason
    // The engineering page's operations.
    ImageOperations,
    XData,
    XDataAddress,
    XDataValue,
    XDataRead,
    XDataWrite,
    ChangeXData,
    XDataShown,    // %1 = address, %2 = value
    XDataWritten,  // %1 = address, %2 = value
    XDataNeedsAddress,
    XDataNeedsValue,
    // The Advanced and Light pages.
    PointerCard,
    // The Pointer card's notice: which desktop applies the settings and what it could not.
    PointerDesktop,       // %1 = the desktop's name
    PointerNoDesktop,     // no desktop applies them
    PointerAppliedTo,     // %1 = the desktop's name
    PointerOnlyStored,    // the desktop applies none of the four
    PointerNotOffered,    // %1 = the settings' names
    PointerNotInstalled,  // %1 = the setting's name, %2 = the schema or key
    PointerFailed,        // %1 = the setting's name, %2 = what the desktop said
    PointerNotStored,     // %1 = what went wrong with the store
    PointerSpeedName,
    PointerPrecisionName,
    PointerDoubleClickName,
    PointerWheelName,
    LevelCaption,  // %1 = level number
    McuLedCard,
    McuLedStep,
    McuLedOtherType,
    McuLedOtherChip,
    NotReached,
    NotFullyReached,  // a live change cut off (the mouse left, or took only some reports)
    // The key page and the engineering key sheet.
    KeyHeading,      // "Key %1"
    KeepsLeftClick,  // the last Left Click of profile 1 may not be reassigned
    Gestures,
    ComboKeys,
    ComboEnable,
    KeyNumber,       // "Key%1", a key of the engineering Keys sheet
    ComboKeyNumber,  // "Combo Key%1"
    Password,        // the access code prompt
    KeysSheet,       // the engineering page's tab titles
    GunSheet,
    // The gun-preset page and the engineering gun sheet.
    GunStage,                   // "Stage %1"
    FireMacrosOnSecondProfile,  // after a preset confirmed on profile 1 or 3
    FireOffset,                 // "%1-%2 Offset:", %1 = X or Y, %2 = 1..10
    GunKeyListFull,             // the gun-key list holds ten codes
    LoadAnyway,                 // asked after a profile file for the other chip
    ReplaceWithPreset,          // asked before a factory preset; %1 = 1..3
    BackupKept,                 // after a whole-image write
    NothingChanged,             // an operation that found nothing to change
    SavedTo,                    // %1 = the file a profile was saved to
    // The engineering settings sheets.
    OptionsTab,
    UsbSensorTab,
    DeviceOptions,
    CpiOptions,
    ReportRate,
    SensorRegisters,
    ModesOffered,
    McuLed,
    Red,
    Green,
    Blue,
    Offset,
    OnMouse,
    ImageTab,
    PatchChecksum,
    ComputedChecksum,
    // The macro page.
    ReplaceMacroList,   // asked before Import All; %1 = the file
    MacroAreaUsed,      // %1 = bytes the mouse's macros take, of 512
    NoMacroEvents,      // the event list of a macro without events
    MacroContentError,  // a press or release to delete whose partner is missing
    MacroFull,          // an insert that the macro's 256 bytes do not take
    RecordingFull,      // a recording ended because the macro is full
    RepeatsByMarkers,   // the playback options' tooltip while the events hold repeat markers
    NumberOfCycles,     // Str868 where the language table lacks it
    // The engineering fire macro editor.
    FireMacroEditor,     // its group's title
    FireRecordingFull,   // a recording ended at the record's size; %1 = bytes
    FireMacroFull,       // an insert the record does not take; %1 = bytes
    FireMacroNoNames,    // a rename on a 4210A
    FireMacroSelectOne,  // a record, insert or rename with no fire macro selected
};

QString windowText(WindowText which, int language);

// A text of a table of its own (the option captions) in English and Chinese.
struct TextPair {
    const char* english;
    const char* chinese;
};
QString textIn(const TextPair& pair, int language);

}  // namespace gm::ui
