#pragma once
// One editor per user: the first one listens on a local socket named after the user; a second
// start connects to it, which raises the first window, and ends.

#include <QLocalServer>
#include <QObject>
#include <functional>

namespace gm::app {

class SingleInstance final : public QObject {
    Q_OBJECT
public:
    // True when another editor answered (it has been asked to come to the front).
    static bool askRunningEditor();

    // Listens for later starts; `raise` runs for each.
    explicit SingleInstance(std::function<void()> raise);

private:
    QLocalServer server_;
    std::function<void()> raise_;
};

}  // namespace gm::app
