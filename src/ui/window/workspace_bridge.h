#pragma once
// The workspace's change notifications as a Qt signal, and the status listener's wake-up turned
// into a queued call that drains its posted changes on the window's thread.

#include <QObject>
#include <QString>
#include <memory>

#include "device/session/changes.h"
#include "device/session/workspace.h"

namespace gm::ui {

class WorkspaceBridge final : public QObject {
    Q_OBJECT
public:
    // Built on the workspace's driver thread.
    explicit WorkspaceBridge(device::Workspace& workspace, QObject* parent = nullptr);
    ~WorkspaceBridge() override;

signals:
    void changed(gm::device::session::ChangeKind kind, int value, const QString& text);

private:
    struct Drain;
    device::Workspace& workspace_;
    int subscription_ = 0;
    // Shared with the queued calls, which do nothing once the bridge is gone.
    std::shared_ptr<Drain> drain_;
};

}  // namespace gm::ui
