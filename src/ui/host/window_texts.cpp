#include "ui/host/window_texts.h"

namespace gm::ui {

namespace {

TextPair pairOf(WindowText which) {
    switch (which) {
        case WindowText::Looking:
            return {"Looking for the mouse", "正在查找鼠标"};
        case WindowText::LookingHint:
            return {
                "Plug the mouse in with its USB cable. It is found within a few seconds, "
                "and its settings appear here.",
                "请用 USB 线连接鼠标。几秒钟内即可找到鼠标，并在此显示其设置。"};
        case WindowText::PermissionHint:
            return {
                "The mouse is attached but this user may not open it. Install the udev rule "
                "70-gmouse.rules (cmake --install), then plug the mouse in again.",
                "鼠标已连接，但当前用户无权打开。请安装 udev 规则 70-gmouse.rules"
                "（cmake --install），然后重新插入鼠标。"};
        case WindowText::Connected:
            return {"connected", "已连接"};
        case WindowText::Reading:
            return {"reading", "正在读取"};
        case WindowText::NoMouse:
            return {"no mouse", "未找到鼠标"};
        case WindowText::VirtualMouse:
            return {"virtual mouse", "虚拟鼠标"};
        case WindowText::VirtualNoMouse:
            return {"virtual mouse (no mouse attached)", "虚拟鼠标（未连接鼠标）"};
        case WindowText::VirtualNoPermission:
            return {"virtual mouse (no access to the mouse: udev rule)",
                    "虚拟鼠标（无权访问鼠标）"};
        case WindowText::LastWrite:
            return {"%1", "%1"};
        case WindowText::Done:
            return {"written to the mouse", "已写入鼠标"};
        case WindowText::Busy:
            return {"another operation is running; nothing was sent",
                    "另一个操作正在进行，未发送任何内容"};
        case WindowText::Engineer:
            return {"Engineer", "Engineer"};
        case WindowText::Progress:
            return {"Talking to the mouse: report %1 of %2", "正在与鼠标通信：第 %1 / %2 个报告"};
        case WindowText::UpdateHint:
            return {
                "Load a patch code file (.bin) made for this mouse, then Program. The mouse "
                "keeps a backup, restarts with the new code and is read again.",
                "载入为本鼠标制作的补丁代码文件（.bin），然后点击“写入”。鼠标会先保留备份，"
                "再以新代码重启并重新读取。"};
        case WindowText::LoadBin:
            return {"Load BIN", "载入 BIN"};
        case WindowText::Program:
            return {"Program", "写入"};
        case WindowText::NoFileLoaded:
            return {"No file loaded", "未载入文件"};
        case WindowText::Backups:
            return {"Backups", "备份"};
        case WindowText::BackupsTitle:
            return {"Automatic backups", "自动备份"};
        case WindowText::BackupsHint:
            return {
                "A copy of the mouse's settings is kept before every write that replaces "
                "them all. Restoring one keeps the current settings as a new backup.",
                "每次整体覆盖鼠标设置之前都会保留一份副本。恢复某个备份时，当前设置会先另存为新的备"
                "份。"};
        case WindowText::BackupTime:
            return {"Time", "时间"};
        case WindowText::BackupReason:
            return {"Before", "覆盖原因"};
        case WindowText::Restore:
            return {"Restore", "恢复"};
        case WindowText::Close:
            return {"Close", "关闭"};
        case WindowText::Cancel:
            return {"Cancel", "取消"};
        case WindowText::TrayShow:
            return {"Show", "显示"};
        case WindowText::TrayExit:
            return {"Exit", "退出"};
        case WindowText::NoBackups:
            return {"No backups yet", "尚无备份"};
        case WindowText::NoBackupFolder:
            return {"No backups are kept in this run", "本次运行不保留备份"};
        case WindowText::RestoreQuestion:
            return {"Write the backup of %1 (before %2) to the mouse?",
                    "将 %1 的备份（%2 之前）写入鼠标？"};
        case WindowText::ImageOperations:
            return {"Configuration image", "配置映像"};
        case WindowText::XData:
            return {"XDATA", "XDATA"};
        case WindowText::XDataAddress:
            return {"Address", "地址"};
        case WindowText::XDataValue:
            return {"Value", "数值"};
        case WindowText::XDataRead:
            return {"Read", "读取"};
        case WindowText::XDataWrite:
            return {"Write", "写入"};
        case WindowText::ChangeXData:
            return {"Change XDATA", "修改 XDATA"};
        case WindowText::XDataShown:
            return {"XDATA %1 = %2", "XDATA %1 = %2"};
        case WindowText::XDataWritten:
            return {"XDATA %1 := %2", "XDATA %1 := %2"};
        case WindowText::XDataNeedsAddress:
            return {"Type the XDATA address in hexadecimal (0000..FFFF)",
                    "请输入十六进制 XDATA 地址（0000..FFFF）"};
        case WindowText::XDataNeedsValue:
            return {"Type the value in hexadecimal (00..FF)", "请输入十六进制数值（00..FF）"};
        case WindowText::PointerCard:
            return {"Pointer", "指针"};
        case WindowText::PointerDesktop:
            return {"Desktop: %1", "桌面：%1"};
        case WindowText::PointerNoDesktop:
            return {"No desktop found to apply these: they are only stored",
                    "未找到可应用这些设置的桌面：仅保存设置"};
        case WindowText::PointerAppliedTo:
            return {"Applied to %1", "已应用到 %1"};
        case WindowText::PointerOnlyStored:
            return {"Stored only: this desktop applies none of these",
                    "仅已保存：此桌面不应用这些设置"};
        case WindowText::PointerNotOffered:
            return {"%1: not offered by this desktop", "%1：此桌面不提供"};
        case WindowText::PointerNotInstalled:
            return {"%1: %2 is not installed", "%1：未安装 %2"};
        case WindowText::PointerFailed:
            return {"%1: %2", "%1：%2"};
        case WindowText::PointerNotStored:
            return {"Not stored: %1", "未保存：%1"};
        case WindowText::PointerSpeedName:
            return {"pointer speed", "指针速度"};
        case WindowText::PointerPrecisionName:
            return {"pointer precision", "指针精确度"};
        case WindowText::PointerDoubleClickName:
            return {"double-click time", "双击时间"};
        case WindowText::PointerWheelName:
            return {"wheel lines", "滚轮行数"};
        case WindowText::LevelCaption:
            return {"DPI %1", "DPI %1"};
        case WindowText::McuLedCard:
            return {"MCU LED strip", "MCU 灯带"};
        case WindowText::McuLedStep:
            return {"Step", "级数"};
        case WindowText::McuLedOtherType:
            return {
                "Step and brightness apply to an MCU LED strip; this mouse drives another LED "
                "type.",
                "级数和亮度仅适用于 MCU 灯带；本鼠标使用其他灯光类型。"};
        case WindowText::McuLedOtherChip:
            return {"Step and brightness can be set on the 4210A chip only.",
                    "仅 4210A 芯片可以设置级数和亮度。"};
        case WindowText::NotReached:
            return {"did not reach the mouse; the page shows what the mouse still holds",
                    "未写入鼠标；页面显示鼠标中仍保存的设置"};
        case WindowText::NotFullyReached:
            return {"did not fully reach the mouse; the page shows what it is known to hold",
                    "未完全写入鼠标；页面显示已知鼠标中保存的设置"};
        case WindowText::KeyHeading:
            return {"Key %1", "按键 %1"};
        case WindowText::KeepsLeftClick:
            return {"Office Mode keeps at least one Left Click: the key was not changed",
                    "办公模式至少保留一个左键：该按键未更改"};
        case WindowText::Gestures:
            return {"Gestures", "组合手势"};
        case WindowText::ComboKeys:
            return {"Combo Keys", "组合键"};
        case WindowText::ComboEnable:
            return {"Combo Enable", "组合键使能"};
        case WindowText::KeyNumber:
            return {"Key%1", "按键%1"};
        case WindowText::ComboKeyNumber:
            return {"Combo Key%1", "组合键%1"};
        case WindowText::Password:
            return {"Password", "密码"};
        case WindowText::KeysSheet:
            return {"Keys", "按键"};
        case WindowText::GunSheet:
            return {"Gun", "枪械"};
        case WindowText::GunStage:
            return {"Stage %1", "阶段 %1"};
        case WindowText::FireMacrosOnSecondProfile:
            return {
                "the key keeps its function: the mouse plays fire macros on Game Mode only; "
                "the preset's records, offsets and colours were written",
                "该按键保持原功能：鼠标只在游戏模式下执行枪键宏；预设的宏、偏移和颜色已写入"};
        case WindowText::FireOffset:
            return {"%1-%2 Offset:", "%1-%2 偏移:"};
        case WindowText::GunKeyListFull:
            return {"the gun-key list holds ten codes already", "枪键列表已有十个枪键"};
        case WindowText::ReplaceWithPreset:
            return {
                "Replace every setting of the mouse with factory preset %1? A backup of the "
                "current settings is kept.",
                "用出厂预设 %1 替换鼠标的全部设置吗？当前设置会先备份。"};
        case WindowText::BackupKept:
            return {"a backup of the previous settings was kept (Update page, Backups)",
                    "已备份之前的设置（固件更新页的“备份”）"};
        case WindowText::NothingChanged:
            return {"nothing was changed", "未做任何更改"};
        case WindowText::SavedTo:
            return {"saved to %1", "已保存到 %1"};
        case WindowText::LoadAnyway:
            return {"Write it to the mouse anyway? A backup of the current settings is kept first.",
                    "仍要写入鼠标吗？会先备份当前设置。"};
        case WindowText::OptionsTab:
            return {"Options", "选项"};
        case WindowText::UsbSensorTab:
            return {"USB / Sensor", "USB / 传感器"};
        case WindowText::DeviceOptions:
            return {"Device Options", "设备选项"};
        case WindowText::CpiOptions:
            return {"CPI Options", "CPI 选项"};
        case WindowText::ReportRate:
            return {"Report Rate", "回报率"};
        case WindowText::SensorRegisters:
            return {"Sensor Registers (Hex)", "传感器寄存器 (十六进制)"};
        case WindowText::ModesOffered:
            return {"Modes offered", "可选模式"};
        case WindowText::McuLed:
            return {"MCU LED", "MCU 灯"};
        case WindowText::Red:
            return {"R", "红"};
        case WindowText::Green:
            return {"G", "绿"};
        case WindowText::Blue:
            return {"B", "蓝"};
        case WindowText::Offset:
            return {"Offset (Hex):", "偏移 (十六进制):"};
        case WindowText::OnMouse:
            return {"on mouse", "鼠标中"};
        case WindowText::ImageTab:
            return {"Image", "镜像"};
        case WindowText::PatchChecksum:
            return {"Patch code checksum:", "补丁代码校验和:"};
        case WindowText::ComputedChecksum:
            return {"computed", "计算值"};
        case WindowText::ReplaceMacroList:
            return {"Replace every macro of the list with those of %1?",
                    "用 %1 中的宏替换列表中的所有宏吗？"};
        case WindowText::MacroAreaUsed:
            return {"%1 of 512 bytes used", "已用 %1 / 512 字节"};
        case WindowText::NoMacroEvents:
            return {"No events yet", "尚无事件"};
        case WindowText::MacroContentError:
            return {"Macro Content Error", "宏内容错误"};
        case WindowText::MacroFull:
            return {"A macro holds 256 bytes: this does not fit, nothing was inserted",
                    "宏最多 256 字节：放不下，未插入"};
        case WindowText::RecordingFull:
            return {"Recording stopped: the macro is full (256 bytes)",
                    "录制已停止：宏已满（256 字节）"};
        case WindowText::NumberOfCycles:
            return {"Number of cycles(1-254)", "循环次数(1-254)"};
        case WindowText::FireMacroEditor:
            return {"Fire Macro Editor", "连发宏编辑"};
        case WindowText::FireRecordingFull:
            return {"Recording stopped: the fire macro is full (%1 bytes)",
                    "录制已停止：连发宏已满（%1 字节）"};
        case WindowText::FireMacroFull:
            return {"A fire macro holds %1 bytes: this does not fit, nothing was inserted",
                    "连发宏最多 %1 字节：放不下，未插入"};
        case WindowText::FireMacroNoNames:
            return {"The 4210A keeps no names for its fire macros: nothing was renamed",
                    "4210A 的连发宏没有名称：未重命名"};
        case WindowText::FireMacroSelectOne:
            return {"Select a fire macro first", "请先选择一个连发宏"};
        case WindowText::RepeatsByMarkers:
            return {"The repeat markers in the events set the repeats", "事件中的循环标记决定循环"};
    }
    return {"", ""};
}

}  // namespace

QString windowText(WindowText which, int language) {
    return textIn(pairOf(which), language);
}

QString textIn(const TextPair& pair, int language) {
    return QString::fromUtf8(language == 2 ? pair.chinese : pair.english);
}

}  // namespace gm::ui
