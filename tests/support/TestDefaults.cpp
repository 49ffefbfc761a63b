#include "TestDefaults.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

void setUnlessSet(const char* name, const char* value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, QByteArray(value));
}

}  // namespace

void setSafeTestDefaults()
{
    setUnlessSet("QT_QPA_PLATFORM", "offscreen");
    setUnlessSet("QVL_TEST_CONNECT_TO", "::127.0.0.1:1");
    setUnlessSet("QTWEBENGINE_CHROMIUM_FLAGS",
                 "\"--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1, EXCLUDE localhost\"");
}
