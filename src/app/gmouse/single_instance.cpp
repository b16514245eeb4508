#include "app/gmouse/single_instance.h"

#include <QLocalSocket>
#include <iostream>

#include "app/gmouse/instance_place.h"

namespace gm::app {

bool SingleInstance::askRunningEditor(const std::string& socketPath, unsigned uid) {
    if (socketUse(lookAt(socketPath), uid) != SocketUse::Connect)
        return false;
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketPath));
    if (!socket.waitForConnected(500))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(500);
    return true;
}

SingleInstance::SingleInstance(const std::string& socketPath, unsigned uid,
                               std::function<void()> raise)
    : raise_(std::move(raise)) {
    const QString name = QString::fromStdString(socketPath);
    // The folder is this user's alone: what is in the way was left by an editor that ended, or
    // put there by root. It is never used, only removed.
    if (socketUse(lookAt(socketPath), uid) != SocketUse::Create)
        QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name)) {
        std::cerr << "gmouse: cannot listen on " << socketPath << " ("
                  << server_.errorString().toStdString()
                  << "); a second start will open a second editor\n";
        return;
    }
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            raise_();
        }
    });
}

}  // namespace gm::app
