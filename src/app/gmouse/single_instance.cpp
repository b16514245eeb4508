#include "app/gmouse/single_instance.h"

#include <QLocalSocket>

#include <unistd.h>

namespace gm::app {

namespace {

QString socketName() {
    return QString("gmouse-%1").arg(getuid());
}

}  // namespace

bool SingleInstance::askRunningEditor() {
    QLocalSocket socket;
    socket.connectToServer(socketName());
    if (!socket.waitForConnected(500))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(500);
    return true;
}

SingleInstance::SingleInstance(std::function<void()> raise) : raise_(std::move(raise)) {
    // Only the user may connect; a socket left by an editor that crashed is taken over.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketName())) {
        QLocalServer::removeServer(socketName());
        server_.listen(socketName());
    }
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            raise_();
        }
    });
}

}  // namespace gm::app
