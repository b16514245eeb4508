#pragma once
// Small flat buttons for the user pages' choices.
//  - MarkButton: a check or radio mark from the skin pictures CbS_E/CbS_D or RdS_E/RdS_D; it
//    shows checked only through setChecked() (a click asks, the model answers).
//  - CaptionButton: a clickable caption in the text colour, the accent when checked and the muted
//    colour when "dimmed" (a level out of use); like MarkButton, its state follows the model.
// Both emit clicked() as any button does.

#include <QAbstractButton>

namespace gm::ui {

class MarkButton final : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kind { Check, Radio };
    MarkButton(Kind kind, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override {}

private:
    Kind kind_;
};

class CaptionButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit CaptionButton(QWidget* parent);
    // Muted text: the level or item this caption names is out of use.
    void setDimmed(bool dimmed);
    bool dimmed() const { return dimmed_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override {}

private:
    bool dimmed_ = false;
};

}  // namespace gm::ui
