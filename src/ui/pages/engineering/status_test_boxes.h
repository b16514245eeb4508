#pragma once
// The engineering page's "CPI/Profile Test" group: one box per status button of the mouse
// (`cb_CPITest` level loop, `cb_CPIITest` level up, `cb_CPIDTest` level down, `cb_ProfileTest`
// profile), ticked while the mouse reports the button pressed and cleared once the listener has
// handled its release. The boxes only show what the mouse reports; the user cannot tick them.
// Their captions are engineering terms, which follow the locale rather than the language.

#include <QCheckBox>
#include <QGroupBox>
#include <array>

#include "ui/host/operation_host.h"

namespace gm::ui {

class StatusTestBoxes final : public QGroupBox {
    Q_OBJECT
public:
    StatusTestBoxes(OperationHost& host, QWidget* parent);

    // `button` is the status button's index (level loop, up, down, profile).
    void showPressed(int button, bool pressed);

private:
    std::array<QCheckBox*, 4> boxes_{};
};

}  // namespace gm::ui
