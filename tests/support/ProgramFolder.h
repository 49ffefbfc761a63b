#pragma once
// A fresh copy of the assembled program folder "Qvlzantor" inside a temporary drive root.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class ProgramFolder {
public:
    ProgramFolder();
    // Native paths: the drive root (C:\) and the program folder inside it.
    QString drive(const QString& relative = {}) const;
    QString folder(const QString& relative = {}) const;
    QByteArray read(const QString& relativeToFolder) const;
    void write(const QString& relativeToFolder, const QByteArray& bytes) const;
    bool exists(const QString& relativeToDrive) const;

private:
    QTemporaryDir m_drive;
};
