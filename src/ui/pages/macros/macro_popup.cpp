#include "ui/pages/macros/macro_popup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/skin/skin_palette.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

constexpr int kRowHeight = 30;
constexpr int kPadding = 6;
constexpr int kMinWidth = 168;
constexpr int kEdgeMargin = 8;  // kept free between the panel and the window's edge

// One entry: its caption, the accent fill under the pointer.
class PopupEntry final : public QAbstractButton {
public:
    explicit PopupEntry(QWidget* parent) : QAbstractButton(parent) {
        setAttribute(Qt::WA_Hover);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const bool lit = underMouse() && isEnabled();
        if (lit) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(skin::qColour(skin::colour::kAccentFill));
            painter.drawRoundedRect(QRectF(rect()).adjusted(0, 1, 0, -1), 6, 6);
        }
        QColor ink =
            skin::qColour(lit ? skin::colour::kText
                              : skin::blend(skin::colour::kText, skin::colour::kMuted, 0.35));
        if (!isEnabled())
            ink.setAlphaF(static_cast<float>(skin::colour::kDisabledOpacity));
        painter.setPen(ink);
        painter.drawText(rect().adjusted(12, 0, -12, 0), Qt::AlignVCenter | Qt::AlignLeft, text());
    }
};

}  // namespace

MacroPopup::MacroPopup(const char* name, QWidget* window) : QFrame(window) {
    setObjectName(name);
    setAttribute(Qt::WA_StyledBackground, false);
    hide();
}

QAbstractButton* MacroPopup::addEntry(const char* name, std::function<void()> run) {
    auto* row = new PopupEntry(this);
    row->setObjectName(name);
    connect(row, &QAbstractButton::clicked, this, [this, run = std::move(run)] {
        hidePanel();
        run();
    });
    layOut();
    return row;
}

QAbstractButton* MacroPopup::entry(const char* name) const {
    return findChild<QAbstractButton*>(name, Qt::FindDirectChildrenOnly);
}

void MacroPopup::setEntryText(const char* name, const QString& text) {
    if (QAbstractButton* row = entry(name))
        row->setText(text);
    layOut();
}

void MacroPopup::setEntryEnabled(const char* name, bool enabled) {
    if (QAbstractButton* row = entry(name))
        row->setEnabled(enabled);
}

void MacroPopup::layOut() {
    const QList<QAbstractButton*> rows =
        findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    int width = kMinWidth;
    for (const QAbstractButton* row : rows)
        width = std::max(width, row->fontMetrics().horizontalAdvance(row->text()) + 40);
    for (int i = 0; i < rows.size(); ++i)
        rows[i]->setGeometry(kPadding, kPadding + i * kRowHeight, width - 2 * kPadding, kRowHeight);
    resize(width, 2 * kPadding + static_cast<int>(rows.size()) * kRowHeight);
}

void MacroPopup::showAt(QPoint windowPoint) {
    const QRect window = parentWidget()->rect();
    QPoint at = windowPoint;
    if (at.y() + height() > window.bottom() - kEdgeMargin)
        at.ry() -= height();
    at.setX(std::clamp(at.x(), kEdgeMargin, window.right() - kEdgeMargin - width()));
    at.setY(std::max(at.y(), kEdgeMargin));
    move(at);
    show();
    raise();
    qApp->installEventFilter(this);
}

void MacroPopup::hidePanel() {
    qApp->removeEventFilter(this);
    hide();
}

bool MacroPopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget != this && !isAncestorOf(widget))
            hidePanel();
    }
    return QFrame::eventFilter(watched, event);
}

void MacroPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(skin::qColour(skin::colour::kPanel));
    painter.setPen(QPen(skin::qColour(skin::colour::kEdge), 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
}

}  // namespace gm::ui
