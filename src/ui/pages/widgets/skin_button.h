#pragma once
// A button drawn from a three-state skin picture (<base>_01 normal, _02 hover, _03 selected)
// with its caption painted over it. Checkable buttons show the selected picture while checked;
// a disabled button is painted at the palette's disabled opacity. Without a base the button is
// flat and lights up on hover (the maximise button, whose glyph is drawn here).

#include <QAbstractButton>
#include <string>

#include "ui/skin/skin_catalogue.h"

class QPainter;

namespace gm::ui {

class SkinButton final : public QAbstractButton {
    Q_OBJECT
public:
    SkinButton(std::string base, QWidget* parent);

    // Caption alignment and left inset (page buttons are left-aligned after the accent bar).
    void setCaptionLayout(Qt::Alignment alignment, int inset);
    // A glyph drawn in the middle of a flat button.
    enum class Glyph { None, Maximise };
    void setGlyph(Glyph glyph) { glyph_ = glyph; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintFlat(QPainter& painter, skin::ButtonState state);

    std::string base_;
    bool hovered_ = false;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    int inset_ = 0;
    Glyph glyph_ = Glyph::None;
};

}  // namespace gm::ui
