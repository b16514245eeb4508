#include "ui/pages/macros/macro_event_rows.h"

#include <QListWidget>
#include <QPainter>

#include "macros/macro_script.h"
#include "macros/script_edits.h"
#include "ui/host/window_texts.h"
#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_pictures.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kTextLeft = 35;
constexpr int kIconInset = 4;

}  // namespace

int eventKind(const macros::MacroEvent& event) {
    using Kind = macros::MacroEvent::Kind;
    switch (event.kind) {
        case Kind::Delay:
            return 0;
        case Kind::Key:
        case Kind::Modifier:
        case Kind::Button:
            return event.down ? 1 : 2;
        case Kind::Move:
            return 3;
        case Kind::RepeatStart:
            return 7;
        case Kind::RepeatEnd:
            return 8;
    }
    return 0;
}

void insertEventRows(QListWidget& list, int at, std::span<const macros::MacroEvent> events) {
    for (const macros::MacroEvent& event : events) {
        auto* row = new QListWidgetItem(QString::fromStdString(macros::editorText(event)));
        row->setData(kKindRole, eventKind(event));
        list.insertItem(at++, row);
    }
}

std::optional<std::size_t> deleteListedEvent(OperationHost& host, macros::MacroScript& script,
                                             std::size_t index) {
    const auto doomed = macros::eventsToDelete(script, index);
    if (!doomed) {
        device::Message message;
        message.text = windowText(WindowText::MacroContentError, host.language()).toStdString();
        host.sayRefusal(host.caption(text::ids::kDelete), message, true);
        return std::nullopt;
    }
    macros::deleteEvent(script, index);
    return doomed->front() > 0 ? doomed->front() - 1 : 0;
}

void MacroEventDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    // The style draws the row's hover and selection; the icon and the text are drawn here.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter,
                                        option.widget);
    const QRect row = option.rect;
    const int side = row.height() - 2 * kIconInset;
    const QPixmap icon = skin::skinPixmap(skin::macroEventIconName(index.data(kKindRole).toInt()));
    if (!icon.isNull())
        painter->drawPixmap(QRect(row.left() + 8, row.top() + kIconInset, side, side), icon);
    painter->setPen(option.palette.color(
        option.state & QStyle::State_Enabled ? QPalette::Active : QPalette::Disabled,
        QPalette::Text));
    painter->drawText(row.adjusted(kTextLeft, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      index.data(Qt::DisplayRole).toString());
}

}  // namespace gm::ui
