#include "ui/window/workspace_bridge.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace gm::ui {

struct WorkspaceBridge::Drain {
    device::Workspace& workspace;
};

WorkspaceBridge::WorkspaceBridge(device::Workspace& workspace, QObject* parent)
    : QObject(parent), workspace_(workspace), drain_(std::make_shared<Drain>(Drain{workspace})) {
    subscription_ = workspace.changes().subscribe([this](const device::session::Change& change) {
        emit changed(change.kind, change.value, QString::fromStdString(change.text));
    });
    // Called on the status listener's thread: only a queued call crosses to the window's
    // thread. The application object outlives the bridge; the weak pointer tells whether the
    // bridge (and so the workspace) is still there when the call arrives.
    std::weak_ptr<Drain> weak = drain_;
    workspace.changes().setWakeUp([weak] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [weak] {
                if (const auto drain = weak.lock())
                    drain->workspace.drainPostedChanges();
            },
            Qt::QueuedConnection);
    });
}

WorkspaceBridge::~WorkspaceBridge() {
    workspace_.changes().setWakeUp({});
    workspace_.changes().unsubscribe(subscription_);
}

}  // namespace gm::ui
