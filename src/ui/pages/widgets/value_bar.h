#pragma once
// A row of clickable segments that shows one value 1..N: the CPI bars (12 long segments), the LED
// speed bar (10 short ones) and the MCU LED step bar (8). Each segment is a child button named
// <prefix><n> (n = 1..N, e.g. "Img_DPI3_5", "Img_Fall7"), painted from the skin pictures
// <picture>_E (lit) and <picture>_D (unlit). A click on segment n, or Left/Right while the bar has
// the focus, emits chosen(n); the bar itself changes only through setValue(), so it always shows
// what the model holds.
//
// Two looks, after the DPILED_Status program setting: Fill lights segments 1..value (a progress
// bar), Single lights only the segment of the value.

#include <QAbstractButton>
#include <QString>
#include <QWidget>
#include <vector>

namespace gm::ui {

class ValueBar final : public QWidget {
    Q_OBJECT
public:
    enum class Look { Fill, Single };
    // Room around the segments for the keyboard focus frame: the first segment starts here.
    static constexpr int kFocusMargin = 3;
    enum class Segment { Long, Short };  // Bar2 (CPI, AIM) or Bar1 (speed, step)

    ValueBar(int segments, Segment kind, const QString& prefix, QWidget* parent);

    // 1..segments; 0 shows nothing lit.
    void setValue(int value);
    int value() const { return value_; }
    void setLook(Look look);
    int segmentCount() const { return static_cast<int>(segments_.size()); }
    QAbstractButton* segment(int n) const { return segments_.at(static_cast<std::size_t>(n - 1)); }
    QSize sizeHint() const override;

signals:
    void chosen(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void relight();

    std::vector<QAbstractButton*> segments_;
    int value_ = 0;
    Look look_ = Look::Fill;
    bool keyboardFocus_ = false;
};

}  // namespace gm::ui
