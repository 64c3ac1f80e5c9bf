#include "PortClickNotifier.h"

#include <QLocalSocket>

namespace {

constexpr int kWaitMs = 200;

} // namespace

QString PortClickNotifier::ServerName()
{
    return QStringLiteral("{6FD9BA9B-9875-4c53-A57D-5E76258D10BE}");
}

bool PortClickNotifier::Notify()
{
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write("0\n");
    const bool written = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return written;
}
