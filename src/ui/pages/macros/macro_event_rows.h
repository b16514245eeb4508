#pragma once
// The rows of the event list LB_macro: the icon of the event's kind (delay, press, release,
// movement, repeat start, repeat stop) stretched to the row's height, then its text 35 pixels
// from the left edge ("A", "50 ms", "X: 5  Y: -3", "Rep-Start  3").

#include <QStyledItemDelegate>
#include <optional>
#include <span>

#include "macros/macro_events.h"
#include "macros/macro_script.h"
#include "ui/host/operation_host.h"

class QListWidget;

namespace gm::ui {

class MacroEventDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// The kind digit of an event's icon: 0 delay, 1 press, 2 release, 3 movement, 7 repeat start,
// 8 repeat stop.
int eventKind(const macros::MacroEvent& event);

// Puts rows for `events` into `list` from row `at` on (rows after it move down).
void insertEventRows(QListWidget& list, int at, std::span<const macros::MacroEvent> events);

// Deletes event `index` of `script` with its press or release partner, as both editors' Delete
// does; when the partner is missing it says "Macro Content Error" and leaves the script. The
// row to select afterwards; nothing when nothing was deleted.
std::optional<std::size_t> deleteListedEvent(OperationHost& host, macros::MacroScript& script,
                                             std::size_t index);

}  // namespace gm::ui
