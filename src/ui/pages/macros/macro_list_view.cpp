#include "ui/pages/macros/macro_list_view.h"

#include <QMouseEvent>
#include <QSignalBlocker>

namespace gm::ui {

MacroListView::MacroListView(const char* name, QWidget* parent) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Keyboard and left-button choices arrive here; a cleared selection reads as -1.
    connect(this, &QListWidget::itemSelectionChanged, this,
            [this] { emit rowChosen(selectedRow()); });
}

int MacroListView::selectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

void MacroListView::showSelection(int shown) {
    const QSignalBlocker quiet(this);
    if (shown < 0 || shown >= count()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(shown);
    scrollToItem(item(shown));
}

void MacroListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QListWidget::mousePressEvent(event);
        return;
    }
    rightPress_ = true;
    emit rightPressed();
    // The item under the pointer, by the view's own hit test; none below the last item.
    QListWidgetItem* under = itemAt(event->position().toPoint());
    const int chosen = under == nullptr ? -1 : row(under);
    if (chosen != selectedRow()) {
        showSelection(chosen);
        emit rowChosen(chosen);
    }
    event->accept();
}

void MacroListView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton || !rightPress_) {
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    rightPress_ = false;
    event->accept();
    emit popupAsked(window()->mapFromGlobal(event->globalPosition().toPoint()));
}

}  // namespace gm::ui
