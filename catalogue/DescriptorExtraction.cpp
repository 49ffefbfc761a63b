#include "catalogue/DescriptorExtraction.h"

#include "platform/text/PascalText.h"

#include <vector>

namespace catalogue {

namespace {

const QString kEndMarker = QStringLiteral("ZZZZZ");

QChar foldedLetter(QChar c)
{
    switch (c.unicode()) {
    case u'à':
        return u' ';
    case u'â': case u'ä':
        return u'A';
    case u'é': case u'è': case u'ê': case u'ë':
        return u'E';
    case u'î': case u'ï':
        return u'I';
    case u'ô': case u'ö':
        return u'O';
    case u'û': case u'ü':
        return u'U';
    case u'ç':
        return u'C';
    case u'.': case u',': case u'-': case u';': case u':': case u'\'': case u'?': case u'!':
        return u' ';
    default:
        return c;
    }
}

// Capitals without accents, punctuation as blanks, and every character that stands alone
// between two blanks (the letter of an elided article) gone. Capital accented letters are not
// folded and become blanks, as digits and every other sign do.
QString foldedText(const QString& text)
{
    QString u = text::UpperCase(text);
    for (qsizetype i = 0; i < u.size(); ++i) {
        u[i] = foldedLetter(u[i]);
        if (i >= 2 && u[i - 2] == u' ' && u[i] == u' ')
            u[i - 1] = u' ';
        if (u[i].unicode() < u'A' || u[i].unicode() > u'z')
            u[i] = u' ';
    }
    return u;
}

// Marks the entries equal to the word, walking from the first entry until the end marker or an
// entry greater than the word, as the sorted thesaurus allows.
void markWord(const QStringList& entries, const QString& word, std::vector<bool>& marked)
{
    for (qsizetype i = 0; i < entries.size();) {
        if (entries[i] == word)
            marked[i] = true;
        ++i;
        if (i == entries.size() || entries[i] == kEndMarker || entries[i] > word)
            break;
    }
}

}  // namespace

QString extractDescriptorText(const app::Thesaurus& thesaurus, const QString& sourceText)
{
    QString u = foldedText(sourceText);
    // A bookshop page's heading of the publisher's presentation: what stands before it is not the book's.
    const int heading = text::Pos(QStringLiteral("PRESENTATION EDITEUR"), u);
    if (heading > 0)
        u = text::Copy(u, heading + 27, u.size());

    const QStringList& entries = thesaurus.entries;
    std::vector<bool> marked(entries.size(), false);
    const int firstWordEnd = text::Pos(QStringLiteral(" "), u, 2);
    if (firstWordEnd > 0) {
        const QStringList words = u.mid(firstWordEnd).split(u' ', Qt::SkipEmptyParts);
        for (const QString& word : words)
            markWord(entries, word, marked);
    }

    QString descriptors;
    for (qsizetype i = 0; i < entries.size() && entries[i] != kEndMarker; ++i) {
        if (marked[i])
            descriptors += u'.' + entries[i];
    }
    return descriptors;
}

}  // namespace catalogue
