#pragma once
// A fresh copy of the assembled program folder in a temporary drive, and runs of the scenario
// driver against it.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct DriverResult {
    int exitCode = -1;
    QStringList lines;  // what the driver printed, one event a line

    bool has(const QString& line) const { return lines.contains(line); }
    QString joined() const { return lines.join(u'\n'); }
};

class ProgramCopy {
public:
    ProgramCopy();
    // The drive root (C:\) and the program folder inside it, native paths.
    QString drive(const QString& relative = {}) const;
    QString folder(const QString& relative = {}) const;
    DriverResult play(const QString& script) const;
    QByteArray read(const QString& relativeToFolder) const;
    void write(const QString& relativeToFolder, const QByteArray& bytes) const;

private:
    QTemporaryDir m_drive;
};
