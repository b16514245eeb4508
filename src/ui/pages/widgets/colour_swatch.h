#pragma once
// A colour swatch: the colour filled into the hole of the Col_F frame picture. A click opens the
// host's colour dialog starting from the shown colour and emits chosen() with the picked colour;
// the swatch itself changes only through setColour(), so it always shows what the model holds.

#include <QAbstractButton>
#include <QColor>

namespace gm::ui {

class OperationHost;

class ColourSwatch final : public QAbstractButton {
    Q_OBJECT
public:
    ColourSwatch(OperationHost& host, QWidget* parent);

    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }
    QSize sizeHint() const override;

signals:
    void chosen(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OperationHost& host_;
    QColor colour_{Qt::black};
};

}  // namespace gm::ui
