#pragma once
// One editor per user: the first one listens on a local socket in a folder only this user may
// enter (instance_place.h); a second start connects to it, which raises the first window, and
// ends.

#include <QLocalServer>
#include <QObject>
#include <functional>
#include <string>

namespace gm::app {

class SingleInstance final : public QObject {
    Q_OBJECT
public:
    // True when an editor listening at `socketPath` answered (it has been asked to come to the
    // front). Nothing there but a socket of user `uid` is connected to.
    static bool askRunningEditor(const std::string& socketPath, unsigned uid);

    // Listens at `socketPath` for later starts; `raise` runs for each. What lies there first (a
    // socket nobody answered on, or anything that is not a socket of user `uid`) is removed.
    // Says on standard error when it cannot listen; the editor runs on without it.
    SingleInstance(const std::string& socketPath, unsigned uid, std::function<void()> raise);

private:
    QLocalServer server_;
    std::function<void()> raise_;
};

}  // namespace gm::app
