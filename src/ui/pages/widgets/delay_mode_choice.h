#pragma once
// The three delay modes of the macro recorders as radio marks with their captions, one a row:
// "Record Delay", "Default Delay" and "No Delay" (rb_<P>RecDelay / lbl_<P>RecDelay,
// rb_<P>DelayTime, rb_<P>NoDelay, for the prefix P of the recorder: none, "Insert", "Fire"). A
// click asks (chosen); the owner shows the mode with setMode(). The fixed delay's value field
// is the owner's, placed at fieldPosition(), beside the "Default Delay" caption.

#include <QPoint>
#include <QWidget>
#include <array>

#include "macros/macro_script.h"
#include "ui/host/operation_host.h"

namespace gm::ui {

class CaptionButton;
class MarkButton;

class DelayModeChoice final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 26;

    DelayModeChoice(OperationHost& host, const QString& prefix, QWidget* parent);

    void retranslate();
    void setMode(macros::DelayMode mode);
    macros::DelayMode mode() const { return mode_; }
    // Where the fixed delay's field goes, in the parent's coordinates.
    QPoint fieldPosition() const;
    QSize sizeHint() const override;

signals:
    void chosen(macros::DelayMode mode);

private:
    OperationHost& host_;
    std::array<MarkButton*, 3> marks_{};
    std::array<CaptionButton*, 3> captions_{};
    macros::DelayMode mode_ = macros::DelayMode::Recorded;
};

}  // namespace gm::ui
