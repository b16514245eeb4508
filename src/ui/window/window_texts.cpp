#include "ui/window/window_texts.h"

namespace gm::ui {

namespace {

struct Pair {
    const char* english;
    const char* chinese;
};

Pair pairOf(WindowText which) {
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
    }
    return {"", ""};
}

}  // namespace

QString windowText(WindowText which, int language) {
    const Pair pair = pairOf(which);
    return QString::fromUtf8(language == 2 ? pair.chinese : pair.english);
}

}  // namespace gm::ui
