#pragma once
// A caption with the CbS check mark before it. A click only asks for the change (clicked()); the
// owner shows the state the operation left with setOn().

#include <QAbstractButton>

namespace gm::ui {

class CheckToggle final : public QAbstractButton {
    Q_OBJECT
public:
    explicit CheckToggle(QWidget* parent);

    void setOn(bool on);
    bool isOn() const { return on_; }
    QSize sizeHint() const override;
    // Long captions wrap under themselves, beside the mark.
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool on_ = false;
};

}  // namespace gm::ui
