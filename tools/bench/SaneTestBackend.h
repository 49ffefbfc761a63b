#pragma once
// A SANE set-up of its own for tests and benchmarks: only SANE's "test" backend, whose two
// virtual scanners deliver known pictures (Color pattern, 100 dpi, 80 x 100 mm: 314 x 393
// pixels, unless the settings given say otherwise), and a configuration folder of its own for
// the chosen source. The environment is put back when it goes. SANE reads the folder's name
// once per process, so every set-up of a process writes its files into the same folder.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

class SaneTestBackend {
public:
    static QByteArray portraitSettings()
    {
        return "number_of_devices 2\nmode Color\ndepth 8\nresolution 100.0\n"
               "test-picture \"Color pattern\"\nbr_x 80.0\nbr_y 100.0\n";
    }

    // No backend at all: SANE finds no scanner.
    struct NoScanner {};

    explicit SaneTestBackend(const QByteArray& settings = portraitSettings())
    {
        write("dll.conf", "test\n");
        write("test.conf", settings);
        enter();
    }
    explicit SaneTestBackend(NoScanner)
    {
        write("dll.conf", "");
        enter();
    }
    ~SaneTestBackend()
    {
        restore("SANE_CONFIG_DIR", m_oldSane);
        restore("XDG_CONFIG_HOME", m_oldConfig);
    }
    SaneTestBackend(const SaneTestBackend&) = delete;
    SaneTestBackend& operator=(const SaneTestBackend&) = delete;

    QString folder() const { return saneFolder().path(); }

private:
    static QTemporaryDir& saneFolder()
    {
        static QTemporaryDir folder;
        return folder;
    }
    void write(const char* name, const QByteArray& text)
    {
        QFile f(saneFolder().filePath(QString::fromLatin1(name)));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text);
    }
    void enter()
    {
        m_oldSane = qgetenv("SANE_CONFIG_DIR");
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("SANE_CONFIG_DIR", QFile::encodeName(saneFolder().path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }
    static void restore(const char* name, const QByteArray& old)
    {
        if (old.isNull())
            qunsetenv(name);
        else
            qputenv(name, old);
    }

    QTemporaryDir m_config;
    QByteArray m_oldSane;
    QByteArray m_oldConfig;
};
