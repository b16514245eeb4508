#pragma once
// One stage row of the gun-preset page: count, X, Y, delay, X and Y offset fields and the colour
// swatch of one fire macro record. The fields hold what the model holds: an edit is clamped by
// the core and the field shows the value it kept.

#include <QLineEdit>
#include <QWidget>
#include <array>
#include <functional>

#include "macros/fire_stages.h"

namespace gm::ui {

class ColourSwatch;
class OperationHost;

// The left edge of column 0..6 of the stage grid (count, X, Y, delay, offsets, colour).
int gunStageColumn(int column);

class GunStageRow final : public QObject {
    Q_OBJECT
public:
    // `stage` 1..3 names the controls (Edt_FireCnt1, IB_FireColor1 ...), placed at `top` in
    // `parent`.
    GunStageRow(OperationHost& host, QWidget* parent, int stage, int top);

    void setVisible(bool visible);
    // Shows the values; sends nothing.
    void show(const macros::StageValues& values, const QColor& colour);
    // The field's text after the core kept `value`.
    void showField(macros::StageField field, int value);

signals:
    // The user typed a number into `field` (a lone "-" or an empty field wait or read as 0).
    void edited(gm::macros::StageField field, int value);
    void colourChosen(const QColor& colour);

private:
    std::array<QLineEdit*, 6> fields_{};  // by StageField
    ColourSwatch* swatch_ = nullptr;
};

}  // namespace gm::ui
