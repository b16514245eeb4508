#pragma once
// The AIM level as a bar of twelve Bar2 segments: a click on segment n asks for level n. Lit up
// to the level (progress style), or only the level itself (slider style, DPILED_Status 1).

#include <QWidget>

namespace gm::ui {

class AimBar final : public QWidget {
    Q_OBJECT
public:
    explicit AimBar(QWidget* parent);

    void setLevel(int level);  // 1..12
    int level() const { return level_; }
    void setSliderStyle(bool slider);
    // Centre of segment `level` (tests click it).
    QPoint segmentCentre(int level) const;
    QSize sizeHint() const override;

signals:
    void levelClicked(int level);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int level_ = 1;
    bool slider_ = false;
};

}  // namespace gm::ui
