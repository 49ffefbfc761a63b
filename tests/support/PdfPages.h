#pragma once
// What poppler's tools read from a PDF file the program printed.
#include <QProcess>
#include <QStandardPaths>
#include <QString>

// Pages of a PDF file, as poppler counts them; -1 when it cannot tell.
inline int pdfPages(const QString& path)
{
    QProcess info;
    info.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {path});
    info.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}
