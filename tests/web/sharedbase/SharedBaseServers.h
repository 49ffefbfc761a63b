#pragma once
// The maker's host as the tests play it: an FTP server and a web server on 127.0.0.1 serving one
// folder, with an account made up here. The web host's name is routed to the local web server,
// in this process and in the programs it starts; every other address still reaches nobody.
#include "TestServers.h"

#include "platform/browser/TestRouting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class SharedBaseServers {
public:
    static inline const QString kWebHost = QStringLiteral("base-partagee.test");
    static inline const QString kUser = QStringLiteral("ecole");
    static inline const QString kPassword = QStringLiteral("mdp-essai");

    // `extraRouting`: connect-to entries asked before this host's (another fixture's, whose
    // catch-all then comes after).
    explicit SharedBaseServers(const QByteArrayList& otherRouting = {QByteArrayLiteral("::127.0.0.1:1")})
        : m_environmentBefore(qgetenv("QVL_TEST_CONNECT_TO"))
        , m_ftp(QStringLiteral("ftp_server.py"), {m_root.path(), kUser, kPassword})
        , m_web(QStringLiteral("../web/web_server.py"), {m_root.path(), m_log.filePath(QStringLiteral("requests.log"))})
    {
        const browser::TestRouting routing{
            QByteArrayList{QStringLiteral("%1:80:127.0.0.1:%2").arg(kWebHost).arg(m_web.port()).toLatin1()} +
                otherRouting,
            qEnvironmentVariable("QVL_TEST_CA_FILE")};
        browser::setTestRouting(routing);
        qputenv("QVL_TEST_CONNECT_TO", routing.connectTo.join(','));
    }
    ~SharedBaseServers()
    {
        qputenv("QVL_TEST_CONNECT_TO", m_environmentBefore);
        browser::clearTestRouting();
    }

    int ftpPort() const { return m_ftp.port(); }
    QString webSite() const { return QStringLiteral("http://") + kWebHost; }
    // The [Hebergeur] section of the settings file for this host.
    QByteArray settingsSection() const
    {
        return QStringLiteral("[Hebergeur]\r\nSiteWeb=%1\r\nHoteFTP=127.0.0.1\r\nPortFTP=%2\r\nUtilisateurFTP=%3\r\n"
                              "MotDePasseFTP=%4\r\n")
            .arg(webSite())
            .arg(ftpPort())
            .arg(kUser, kPassword)
            .toLatin1();
    }

    // A file of the shared tree, by its path from the root ("livres/9782070/…").
    QString path(const QString& relative) const { return m_root.filePath(relative); }
    bool exists(const QString& relative) const { return QFileInfo(path(relative)).isFile(); }
    QByteArray read(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& relative, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    // Every file of the tree, by its path from the root.
    QStringList files() const
    {
        QStringList found;
        QDir root(m_root.path());
        for (const QFileInfo& info : root.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            collect(root, info, found);
        found.sort();
        return found;
    }

private:
    static void collect(const QDir& root, const QFileInfo& info, QStringList& found)
    {
        if (info.isFile()) {
            found << root.relativeFilePath(info.filePath());
            return;
        }
        for (const QFileInfo& child : QDir(info.filePath()).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            collect(root, child, found);
    }

    QByteArray m_environmentBefore;
    QTemporaryDir m_root;
    QTemporaryDir m_log;
    ScriptServer m_ftp;
    ScriptServer m_web;
};
