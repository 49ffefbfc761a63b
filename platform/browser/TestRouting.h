#pragma once
// Where tests send the program's web traffic: every host and port of an address is mapped to
// a fixture server on 127.0.0.1, and HTTPS trusts the tests' own certificate authority. Only a
// test harness sets it, in the process or, for a program it starts, in its environment:
// QVL_TEST_CONNECT_TO (entries separated by commas) and QVL_TEST_CA_FILE. The program's
// addresses stay as they are written.
#include <QByteArrayList>
#include <QString>
#include <curl/curl.h>

namespace browser {

struct TestRouting {
    // libcurl connect-to entries, "HOST:PORT:CONNECT-TO-HOST:CONNECT-TO-PORT" (an empty HOST or
    // PORT matches any).
    QByteArrayList connectTo;
    // A PEM file of the certificate authorities HTTPS trusts instead of the system's.
    QString caFile;
};

void setTestRouting(const TestRouting& routing);
// Back to the routing of the environment, none when it names none.
void clearTestRouting();
// The environment's routing as setTestRouting() takes it.
TestRouting testRoutingOfEnvironment();
// Applies the routing to a prepared request; nothing when none is set.
void applyTestRouting(CURL* easy);

}  // namespace browser
