#pragma once
// What the pages hear from the window: the working copies changed (refresh from the workspace,
// never write), the language changed (captions again), a page was shown, or a status button of
// the mouse was pressed. The window emits
// them on its own thread; pages connect their refreshes here instead of to the window.

#include <QObject>

#include "ui/host/pages.h"

namespace gm::ui {

class PageEvents final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The image or a section of it changed (a read, a write, a reconnect, a level or profile
    // switch on the mouse). Refreshes read the workspace's model and send nothing.
    void modelChanged();
    // The language buttons chose another language; captions are looked up again.
    void retranslated();
    // `page` became the current page (after its guards and writes).
    void pageShown(gm::ui::Page page);
    // The mouse reports status button `button` (level loop, up, down, profile) pressed or
    // released.
    void statusButton(int button, bool pressed);
};

}  // namespace gm::ui
