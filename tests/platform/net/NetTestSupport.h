#pragma once
// Small helpers shared by the network tests.
#include "platform/net/Error.h"
#include "platform/net/Waiting.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Runs `body`, which must throw net::Error, and returns the error's text.
template <typename Body>
QString errorOf(Body body)
{
    try {
        body();
    } catch (const net::Error& e) {
        return e.message();
    }
    ADD_FAILURE() << "no error";
    return {};
}

// A clock that moves 100 ms at each round of messages, so the number of rounds before a
// limit is known whatever the machine's speed. `onRound` runs inside each round.
struct SteppedClock {
    qint64 now = 0;
    int rounds = 0;
    std::function<void()> onRound;

    net::Waiting waiting(std::chrono::milliseconds limit);
};
