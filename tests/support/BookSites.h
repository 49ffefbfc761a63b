#pragma once
// The book sites of the look-up, served from one folder by local HTTP and HTTPS servers that
// every host of the program's addresses is routed to, in this process and in the programs it
// starts (through their environment).
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
    // The book every site's fixture pages are about, and its ISBN-10.
    static inline const QString kCode = QStringLiteral("9782070612758");
    static inline const QString kIsbn10 = QStringLiteral("2070612759");
    // The pages of a site ("dialogues", "bookfinder", "decitre", "amazon", "chasse" for the
    // price site's search) that has the book,
    // with its cover, or that has not got it.
    void serveFound(const char* site);
    void serveNotFound(const char* site);
    // Serves the fixture page tests/fixtures/web/<fixture> at `path`.
    void serveFixture(const QString& path, const QString& fixture);
    // Sends the plain-http requests of `host` to `port` on 127.0.0.1 instead.
    void routeHost(const QString& host, int port);
    // "HOST PATH" of every request, in the order they came.
    QStringList requests() const;
    // The hosts asked, in order, each once.
    QStringList hostsAsked() const;

    // A picture of `format` ("JPEG", "PNG" or "WEBP") large enough to pass for a cover.
    static QByteArray cover(const char* format);

private:
    void route(const QByteArrayList& first);

    QByteArray m_environmentBefore;
    QTemporaryDir m_root;
    QTemporaryDir m_certificates;
    std::unique_ptr<ScriptServer> m_http;
    std::unique_ptr<ScriptServer> m_https;
};
