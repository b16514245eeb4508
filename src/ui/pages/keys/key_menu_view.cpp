#include "ui/pages/keys/key_menu_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <utility>

#include "ui/skin/skin_palette.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

constexpr int kRowHeight = 30;
constexpr int kPanelPadding = 6;
constexpr int kMinPanelWidth = 176;
constexpr int kEdgeMargin = 8;  // kept free between a panel and the window's edge
constexpr int kGap = 4;         // between a panel and what it opens beside
// Room beside a caption: the row's insets, the panel's padding and shadow, a category's arrow.
constexpr int kTextAllowance = 68;

QString rowName(const buttons::MenuEntry& entry, std::size_t index) {
    switch (entry.kind) {
        case buttons::EntryKind::Category:
            return QString::fromStdString("Open_" + entry.panel);
        case buttons::EntryKind::Function:
            return QString("Tag%1").arg(entry.tag);
        case buttons::EntryKind::Chord:
            return "Key_Assembly";
        case buttons::EntryKind::GunPresets:
            return "Key_FireMacro";
        case buttons::EntryKind::Macro:
            return QString("Macro%1").arg(index + 1);
    }
    return {};
}

class PanelFrame final : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // A soft shadow under the panel, then the panel with its hairline.
        for (int i = 3; i >= 1; --i) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 0, 0, 28));
            painter.drawRoundedRect(QRectF(rect()).adjusted(i, i + 1, -i + 1, 0), 10, 10);
        }
        painter.setBrush(skin::qColour(skin::colour::kPanel));
        painter.setPen(QPen(skin::qColour(skin::colour::kHairline), 1));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -3.5, -3.5), 10, 10);
    }
};

}  // namespace

// One entry of a panel: its caption, an arrow for a category, the accent while current.
class MenuEntryRow final : public QAbstractButton {
public:
    MenuEntryRow(bool category, QWidget* parent) : QAbstractButton(parent), category_(category) {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
    }
    void setCurrent(bool current) {
        current_ = current;
        update();
    }
    // The button's present function: a dot after the caption.
    void setMarked(bool marked) {
        marked_ = marked;
        setProperty("marked", marked);
    }
    std::function<void()> onHover;

protected:
    void enterEvent(QEnterEvent* event) override {
        QAbstractButton::enterEvent(event);
        if (onHover && isEnabled())
            onHover();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (current_ && isEnabled()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(
                skin::qColour(category_ ? skin::colour::kPanelHover : skin::colour::kAccentFill));
            painter.drawRoundedRect(QRectF(rect()).adjusted(0, 1, 0, -1), 6, 6);
        }
        QColor ink =
            skin::qColour(current_ ? skin::colour::kText
                                   : skin::blend(skin::colour::kText, skin::colour::kMuted, 0.35));
        if (!isEnabled())
            ink.setAlphaF(static_cast<float>(skin::colour::kDisabledOpacity));
        painter.setPen(ink);
        const QRect text = rect().adjusted(12, 0, category_ ? -24 : -12, 0);
        painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, this->text());
        if (marked_) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(skin::qColour(skin::colour::kAccent));
            painter.drawEllipse(QPointF(width() - 14.0, height() / 2.0), 3.0, 3.0);
        }
        if (category_) {
            QPen arrow(current_ ? skin::qColour(skin::colour::kAccent) : ink, 1.6);
            arrow.setCapStyle(Qt::RoundCap);
            painter.setPen(arrow);
            const QPointF tip(width() - 12.0, height() / 2.0);
            painter.drawLine(tip + QPointF(-4, -4), tip);
            painter.drawLine(tip + QPointF(-4, 4), tip);
        }
    }

private:
    bool category_ = false;
    bool current_ = false;
    bool marked_ = false;
};

KeyMenuView::KeyMenuView(QWidget* window) : QWidget(window) {
    setObjectName("KeyMenu");
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

std::vector<QFrame*> KeyMenuView::openPanels() const {
    std::vector<QFrame*> frames;
    for (const Level& level : levels_)
        frames.push_back(level.frame);
    return frames;
}

bool KeyMenuView::enabled(const buttons::MenuEntry& entry) const {
    switch (entry.kind) {
        case buttons::EntryKind::Category: {
            const buttons::MenuPanel* panel = menu_.panel(entry.panel);
            return panel != nullptr && !panel->entries.empty();
        }
        case buttons::EntryKind::Function:
        case buttons::EntryKind::Macro:
        case buttons::EntryKind::Chord:
        case buttons::EntryKind::GunPresets:
            return true;
    }
    return false;
}

void KeyMenuView::open(buttons::KeyMenu menu, QWidget* anchor, CaptionOf captionOf,
                       const QString& current) {
    current_ = current;
    anchor_ = anchor;
    closeMenu();
    menu_ = std::move(menu);
    captionOf_ = std::move(captionOf);
    setGeometry(parentWidget()->rect());
    show();
    qApp->installEventFilter(this);
    raise();
    setFocus(Qt::PopupFocusReason);
    const QRect anchorRect(mapFrom(anchor->window(), anchor->mapTo(anchor->window(), QPoint(0, 0))),
                           anchor->size());
    // The menu cascades to the side where a panel and one sub-panel both fit, so neither covers
    // the button it belongs to.
    const int cascade = 2 * (panelWidth(menu_.panels.front()) + kGap);
    const QRect area = rect().adjusted(kEdgeMargin, kEdgeMargin, -kEdgeMargin, -kEdgeMargin);
    const bool roomRight = area.right() - anchorRect.right() >= cascade;
    const bool roomLeft = anchorRect.left() - area.left() >= cascade;
    cascadeRight_ = roomRight || !roomLeft;
    openLevel(menu_.panels.front(), anchorRect, cascadeRight_);
}

int KeyMenuView::panelWidth(const buttons::MenuPanel& panel) const {
    const QFontMetrics metrics(font());
    int width = kMinPanelWidth;
    for (const buttons::MenuEntry& entry : panel.entries)
        width = std::max(width, metrics.horizontalAdvance(captionOf_(entry)) + kTextAllowance);
    return width;
}

namespace {

// Panels go later: the row that closed them may still be inside its own click.
void dropPanel(QFrame* frame) {
    frame->setEnabled(false);
    frame->hide();
    frame->setObjectName({});
    frame->deleteLater();
}

}  // namespace

void KeyMenuView::closeMenu() {
    const bool wasOpen = !levels_.empty();
    const bool hadFocus = hasFocus();
    settling_ = true;
    for (const Level& level : levels_)
        dropPanel(level.frame);
    levels_.clear();
    qApp->removeEventFilter(this);
    hide();
    settling_ = false;
    // The keyboard goes back to the button the menu belongs to.
    if (hadFocus && anchor_ != nullptr)
        anchor_->setFocus(Qt::PopupFocusReason);
    if (wasOpen)
        emit closed();
}

void KeyMenuView::closeLevelsAfter(std::size_t level) {
    const bool settling = std::exchange(settling_, true);
    while (levels_.size() > level + 1) {
        dropPanel(levels_.back().frame);
        levels_.pop_back();
    }
    updateMask();
    settling_ = settling;
}

void KeyMenuView::updateMask() {
    // Only the panels take the mouse: a click beside them reaches the window (a page button,
    // another key label) and closes the menu on its way.
    QRegion panels;
    for (const Level& level : levels_)
        panels += level.frame->geometry();
    setMask(panels.isEmpty() ? QRegion(0, 0, 1, 1) : panels);
}

void KeyMenuView::openLevel(const buttons::MenuPanel& panel, QRect besides, bool preferRight) {
    const std::size_t depth = levels_.size();
    Level level;
    level.panel = &panel;
    level.frame = new PanelFrame(this);
    level.frame->setObjectName(QString::fromStdString(panel.name));

    const int width = panelWidth(panel);
    const int height = static_cast<int>(panel.entries.size()) * kRowHeight + 2 * kPanelPadding + 3;

    for (std::size_t i = 0; i < panel.entries.size(); ++i) {
        const buttons::MenuEntry& entry = panel.entries[i];
        auto* row = new MenuEntryRow(entry.kind == buttons::EntryKind::Category, level.frame);
        row->setObjectName(rowName(entry, i));
        row->setText(captionOf_(entry));
        row->setEnabled(enabled(entry));
        row->setMarked(entry.kind != buttons::EntryKind::Category && !current_.isEmpty() &&
                       row->text() == current_);
        row->setGeometry(kPanelPadding, kPanelPadding + static_cast<int>(i) * kRowHeight,
                         width - 2 * kPanelPadding - 3, kRowHeight);
        const int index = static_cast<int>(i);
        row->onHover = [this, depth, index] {
            // Enter events Qt makes up while panels appear or go are not the user's hover.
            if (settling_ || depth >= levels_.size())
                return;
            const buttons::MenuEntry& hovered =
                levels_[depth].panel->entries[static_cast<std::size_t>(index)];
            const bool alreadyOpen =
                levels_.size() > depth + 1 && levels_[depth + 1].panel->name == hovered.panel;
            setCurrent(depth, index);
            if (alreadyOpen)
                return;
            closeLevelsAfter(depth);
            if (hovered.kind == buttons::EntryKind::Category)
                activate(depth, index, false);
        };
        connect(row, &QAbstractButton::clicked, this,
                [this, depth, index] { activate(depth, index, false); });
        level.rows.push_back(row);
    }

    // Beside `besides`: right when there is room (or left has less), else left; then the window's
    // edges move it in.
    const QRect area = rect().adjusted(kEdgeMargin, kEdgeMargin, -kEdgeMargin, -kEdgeMargin);
    const int right = besides.right() + 1 + kGap;
    const int left = besides.left() - kGap - width;
    const bool roomRight = right + width <= area.right() + 1;
    const bool roomLeft = left >= area.left();
    int x = (preferRight && roomRight) || !roomLeft ? right : left;
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - width));
    int y = besides.top() - kPanelPadding;
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - height));
    level.frame->setGeometry(x, y, width, height);
    levels_.push_back(level);
    updateMask();
    const bool settling = std::exchange(settling_, true);
    level.frame->show();
    settling_ = settling;
}

void KeyMenuView::setCurrent(std::size_t level, int row) {
    Level& shown = levels_[level];
    shown.current = row;
    for (std::size_t i = 0; i < shown.rows.size(); ++i)
        shown.rows[i]->setCurrent(static_cast<int>(i) == row);
}

void KeyMenuView::moveCurrent(int step) {
    Level& level = levels_.back();
    const int count = static_cast<int>(level.rows.size());
    int row = level.current;
    for (int tried = 0; tried < count; ++tried) {
        row = row < 0 ? (step > 0 ? 0 : count - 1) : (row + step + count) % count;
        if (level.rows[static_cast<std::size_t>(row)]->isEnabled()) {
            setCurrent(levels_.size() - 1, row);
            return;
        }
    }
}

void KeyMenuView::activate(std::size_t level, int row, bool fromKeyboard) {
    const buttons::MenuEntry entry = levels_[level].panel->entries[static_cast<std::size_t>(row)];
    if (!enabled(entry))
        return;
    setCurrent(level, row);
    if (entry.kind == buttons::EntryKind::Category) {
        const buttons::MenuPanel* sub = menu_.panel(entry.panel);
        closeLevelsAfter(level);
        const QWidget* from = levels_[level].rows[static_cast<std::size_t>(row)];
        const QRect rowRect(from->mapTo(this, QPoint(0, 0)), from->size());
        const QRect frame = levels_[level].frame->geometry();
        // Beside the panel, level with the entry, on the side the menu cascades to.
        openLevel(*sub, QRect(frame.left(), rowRect.top(), frame.width() - 3, rowRect.height()),
                  cascadeRight_);
        if (fromKeyboard)
            moveCurrent(1);
        return;
    }
    closeMenu();
    emit picked(entry);
}

void KeyMenuView::keyPressEvent(QKeyEvent* event) {
    if (levels_.empty())
        return;
    const std::size_t deepest = levels_.size() - 1;
    const int current = levels_.back().current;
    switch (event->key()) {
        case Qt::Key_Escape:
            closeMenu();
            return;
        case Qt::Key_Down:
            moveCurrent(1);
            return;
        case Qt::Key_Up:
            moveCurrent(-1);
            return;
        case Qt::Key_Left:
            if (deepest > 0)
                closeLevelsAfter(deepest - 1);
            return;
        case Qt::Key_Right:
            if (current >= 0 &&
                levels_.back().panel->entries[static_cast<std::size_t>(current)].kind ==
                    buttons::EntryKind::Category)
                activate(deepest, current, true);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (current >= 0)
                activate(deepest, current, true);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

bool KeyMenuView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget != this && !isAncestorOf(widget))
            closeMenu();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace gm::ui
