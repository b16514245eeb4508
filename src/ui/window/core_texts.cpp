#include "ui/window/core_texts.h"

#include <utility>

namespace gm::ui {

namespace {

constexpr std::pair<std::string_view, std::string_view> kChinese[] = {
    {"gm.loadingBinError", "载入 .bin 文件出错！"},
    {"gm.noSuchConfig", "没有出厂配置 %1；请选择 1、2 或 3。"},
    {"gm.permission", "%1"},
    {"gm.fileNote", "%1"},
    {"gm.patchForOtherChip", "%1 是为另一种芯片载入的；请重新载入。"},
    {"gm.interrupted.completed", "对 %1 区的写入在校验字节之前被中断；现已写入校验字节，%2"},
    {"gm.interrupted.rewritten",
     "对 %1 区的写入在中途被中断；已重新完整写入该区，鼠标保留新的设置。"},
    {"gm.interrupted.rearm", "鼠标在载入新按键表时被中断；已重新设置配置 %1，鼠标保留新的设置。"},
    {"gm.interrupted.asked", "鼠标保留新的设置。"},
    {"gm.interrupted.before", "鼠标保留原来的设置。"},
    {"gm.rebuilt.backup",
     "%1 的校验字节与其数据不符，已按默认值重建。备份 %2 保存了读取时的配置（'gmousectl backups "
     "restore %2'）。"},
    {"gm.rebuilt.noBackup",
     "%1 的校验字节与其数据不符，已按默认值重建。无法保存读取时的配置备份（%2）。"},
    {"gm.failed.noDevice", "未连接鼠标；没有发送任何数据。"},
    {"gm.failed.busy", "鼠标的另一项操作仍在进行；没有发送任何数据。"},
    {"gm.failed.invalidRequest", "请求不符合鼠标的命令格式（%2）；没有发送任何数据。"},
    {"gm.failed.commandRefused", "鼠标在%1时拒绝了命令。"},
    {"gm.failed.transferIncomplete", "鼠标在%1时拒绝了 %4 个报告中的 %3 个。"},
    {"gm.failed.deviceLeft", "鼠标在%1时断开了连接。"},
    {"gm.failed.wrongIdentify",
     "RDXM421xData.bin 文件类型错误：%1时鼠标回答了 %2，而不是芯片字节加 3A。"},
    {"gm.failed.fileUnusable", "%2"},
    {"gm.failed.badMarker", "载入 .bin 文件出错！（%2）"},
    {"gm.failed.backupNotStored", "无法保存鼠标配置的备份（%2）；没有向鼠标写入任何数据。"},
    {"gm.failed.notBack", "鼠标重启后没有重新连接（%1）。"},
    {"gm.failed.readBackDiffers", "鼠标接受了写入，但重启后以下区域的数据不同：%2。"},
    {"gm.failed.unsupported", "为另一种芯片制作：%2。"},
    {"gm.failed.otherChip", "%2。其补丁代码不适合此芯片，因此未写入任何内容。"},
    {"gm.holds.unchanged", "鼠标仍保存原来的数据。"},
    {"gm.holds.partial", "鼠标现在可能只保存了部分新数据。"},
    {"gm.holds.backup", "备份 %1 保存了原来的配置（'gmousectl backups restore %1'）。"},
    {"gm.holds.nothingWritten", "没有向鼠标写入任何数据。"},
    {"gm.completed.1", "此前已完成：%1。"},
    {"gm.completed.2", "此前已完成：%1，然后%2。"},
    {"gm.completed.3", "此前已完成：%1、%2，然后%3。"},
    {"gm.holds.noBackup", "没有保存原来配置的备份。"},
    {"gm.step.none", "操作"},
    {"gm.step.identify", "识别鼠标"},
    {"gm.step.readImage", "读取配置"},
    {"gm.step.keepBackup", "保存配置备份"},
    {"gm.step.writeImage", "写入配置"},
    {"gm.step.restart", "重启鼠标"},
    {"gm.step.readBack", "重启后读回配置"},
    {"gm.step.writePatchHeader", "写入补丁头"},
    {"gm.step.writePatchCode", "写入补丁代码"},
    {"gm.step.writeMacroFirstHalf", "写入宏区域的前半部分"},
    {"gm.step.writeMacroSecondHalf", "写入宏区域的后半部分"},
    {"gm.step.writeMacroArea", "写入宏区域"},
    {"gm.step.writeFireMacros", "写入连发宏"},
    {"gm.step.writeProfiles", "写入按键表"},
    {"gm.step.writeFireKeys", "写入连发键"},
    {"gm.step.writeVendor", "写入厂商区"},
    {"gm.step.writeLedColours", "写入 LED 颜色"},
    {"gm.step.writeUser", "写入用户区"},
    {"gm.step.readUser", "读回用户区"},
    {"gm.step.rearmKeyTables", "切换到新的按键表"},
    {"gm.step.liveWrite", "写入设置"},
    {"gm.step.xdataWrite", "写入 XDATA"},
    {"gm.step.saveFile", "保存文件"},
    {"gm.step.writeLedType", "写入 LED 类型"},
    {"gm.step.writeLedMode", "写入 LED 模式"},
    {"gm.step.readFile", "读取文件"},
    {"gm.busyNotice", "忙碌：更改没有发送。"},
    {"gm.notSent", "鼠标拒绝了更改，仍保持原来的值。"},
    {"gm.macro.slotsFull", "鼠标中已保存 15 个宏。"},
    {"gm.macro.libraryFull", "宏列表中已有 100 个宏。"},
    {"gm.macro.notFound", "没有名为“%1”的宏。"},
    {"gm.macro.badName",
     "“%1”不能作为宏名称：需要 1 到 8 "
     "个字符，且第一个字符不能是鼠标视为空位的字符（U+00FF、U+FFxx）。"},
    {"gm.macro.unended", "宏“%1”在 256 字节内没有结束标记。"},
    {"gm.macro.noRecord", "%1 中没有宏。"},
    {"gm.macro.imageIncomplete",
     "未能完整读取鼠标的配置，鼠标中的宏未知；没有写入任何数据。请重新读取鼠标（拔出后重新插入）再"
     "修改宏。"},
};

}  // namespace

std::string_view chineseCoreText(std::string_view textId) {
    for (const auto& [id, chinese] : kChinese) {
        if (id == textId)
            return chinese;
    }
    return {};
}

}  // namespace gm::ui
