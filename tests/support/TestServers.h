#pragma once
// Servers the network tests start for themselves on 127.0.0.1.
#include <QProcess>
#include <QString>
#include <QStringList>

// A fixture script of tests/fixtures/net/ run by Python; it prints its port first.
class ScriptServer {
public:
    ScriptServer(const QString& script, const QStringList& arguments);
    ~ScriptServer();
    int port() const { return port_; }

private:
    QProcess process_;
    int port_ = 0;
};

// A port on 127.0.0.1 where nothing answers: a silent one accepts connections (the system
// completes them) but never says a word; a refusing one has nobody listening.
class DeadPort {
public:
    enum Kind { Silent, Refusing };
    explicit DeadPort(Kind kind);
    ~DeadPort();
    int port() const { return port_; }

private:
    int socket_ = -1;
    int port_ = 0;
};
