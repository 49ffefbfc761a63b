#pragma once
// A generated page read back by an HTML parser, as a browser would: its title, the text of each
// table row, the pictures it shows.
#include <QString>
#include <QStringList>

class ParsedPage {
public:
    explicit ParsedPage(const QString& page);
    QString title() const { return m_title; }
    // The text of every <tr>, in page order, cells joined without separator.
    const QStringList& rows() const { return m_rows; }
    const QStringList& imageSources() const { return m_images; }
    // The text of every <p> outside the tables.
    const QStringList& paragraphs() const { return m_paragraphs; }
    int tables() const { return m_tables; }

private:
    QString m_title;
    QStringList m_rows;
    QStringList m_images;
    QStringList m_paragraphs;
    int m_tables = 0;
};
