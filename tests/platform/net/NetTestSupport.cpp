#include "NetTestSupport.h"

#include <QFile>

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

net::Waiting SteppedClock::waiting(std::chrono::milliseconds limit)
{
    net::Waiting result;
    result.limit = limit;
    result.clockMs = [this] { return now; };
    result.processMessages = [this] {
        ++rounds;
        now += 100;
        if (onRound)
            onRound();
    };
    return result;
}
