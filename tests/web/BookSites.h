#pragma once
// The book sites of the look-up, served from one folder by local HTTP and HTTPS servers that
// every host of the program's addresses is routed to.
#include "TestServers.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class BookSites {
public:
    BookSites();
    ~BookSites();

    // Serves `bytes` at `path` (without its leading slash) of every host.
    void serve(const QString& path, const QByteArray& bytes);
    // Serves the fixture page tests/fixtures/web/<fixture> at `path`.
    void serveFixture(const QString& path, const QString& fixture);
    // "HOST PATH" of every request, in the order they came.
    QStringList requests() const;
    // The hosts asked, in order, each once.
    QStringList hostsAsked() const;

    // A picture of `format` ("JPEG", "PNG" or "WEBP") large enough to pass for a cover.
    static QByteArray cover(const char* format);

private:
    QTemporaryDir m_root;
    QTemporaryDir m_certificates;
    std::unique_ptr<ScriptServer> m_http;
    std::unique_ptr<ScriptServer> m_https;
};
