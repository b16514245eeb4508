#pragma once
// The dialogs that edit one event of the macro editor: TForm5 "Input Delay Time" (Edt_EditTime,
// 1..65535 ms) and TForm4 "Input One Key" (Edt_EditKey: the key pressed in the field replaces
// the one shown; after a key the focus moves to Confirm, so Enter confirms it).

#include <cstdint>

#include "ui/host/operation_host.h"
#include "ui/pages/widgets/skin_dialog.h"

namespace gm::ui {

class DelayDialog final : public SkinDialog {
    Q_OBJECT
public:
    DelayDialog(OperationHost& host, QWidget* window);
    void ask(int ms);

signals:
    void delayChosen(int ms);

private:
    OperationHost& host_;
};

class KeyDialog final : public SkinDialog {
    Q_OBJECT
public:
    KeyDialog(OperationHost& host, QWidget* window);
    // Opens with the key of `usage` shown.
    void ask(std::uint8_t usage);

signals:
    // The usage of the key confirmed (0 when none was pressed).
    void keyChosen(std::uint8_t usage);

private:
    void showKey(std::uint8_t usage);

    OperationHost& host_;
    std::uint8_t usage_ = 0;
};

}  // namespace gm::ui
