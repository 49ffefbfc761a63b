#pragma once
// The text of a printed PDF file, as pdftotext (poppler-utils) reads it.
#include <QProcess>
#include <QString>

inline QString pdfText(const QString& pdftotext, const QString& pdf)
{
    QProcess text;
    text.start(pdftotext, {pdf, QStringLiteral("-")});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
}
