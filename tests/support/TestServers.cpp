#include "TestServers.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Binds a TCP socket to 127.0.0.1 on a free port.
int boundSocket(int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        ADD_FAILURE() << "cannot bind a test socket";
    port = ntohs(address.sin_port);
    return fd;
}

}  // namespace

ScriptServer::ScriptServer(const QString& script, const QStringList& arguments)
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(QVL_PYTHON3),
                   QStringList{QStringLiteral(QVL_FIXTURES_DIR "/net/") + script} + arguments);
    while (!process_.canReadLine() && process_.waitForReadyRead(20000)) {
    }
    port_ = process_.readLine().trimmed().toInt();
    if (port_ <= 0)
        ADD_FAILURE() << "the test server " << script.toStdString() << " did not start";
}

ScriptServer::~ScriptServer()
{
    process_.kill();
    process_.waitForFinished();
}

DeadPort::DeadPort(Kind kind)
{
    socket_ = boundSocket(port_);
    if (kind == Silent)
        ::listen(socket_, 8);
}

DeadPort::~DeadPort()
{
    ::close(socket_);
}
