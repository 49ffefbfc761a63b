#include "web/sharedbase/SharedBookRecord.h"

#include "app/TextRoutines.h"
#include "platform/files/FolderFileName.h"
#include "platform/text/PascalText.h"

namespace sharedbase {

namespace {

QString cleanValue(QString value, bool summary)
{
    for (QChar& c : value)
        if (c == u';' || c == u'\r' || c == u'\n' || (summary && c == u'|'))
            c = u' ';
    return value;
}

}  // namespace

QString recordLine(const BookValues& book, int contributorCount)
{
    const QString values[] = {book.titre, book.isbn13, book.auteur, book.editeur, book.dateParution, book.pages,
                              book.images, book.descripteur, book.type, book.genre, book.resume, book.motCle,
                              book.langue, book.prixClient};
    QStringList line;
    for (int i = 0; i < int(std::size(values)); ++i)
        line << cleanValue(values[i], i == Summary);
    line << QString::number(contributorCount);
    return ReplaceAll(line.join(u';'), QStringLiteral("  "), QStringLiteral(" "));
}

QStringList recordValues(const QString& line)
{
    QStringList values = line.split(u';');
    while (values.size() < RecordFieldCount)
        values << QString();
    return values;
}

QString withRaisedCount(const QString& line)
{
    const int last = int(line.lastIndexOf(u';'));
    const QString head = line.left(last + 1);
    const int count = text::ParseInt(text::Trim(line.mid(last + 1))).value_or(1);
    return head + QString::number(qMax(count, 0) + 1);
}

QString TitleBankKey(const QString& title)
{
    QString key = title;
    for (QChar& c : key)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    key = text::Trim(key);
    key = RemoveFrenchAccents(key);
    key = ToSafeFileName(key);
    key = ReplaceAll(key, QStringLiteral("__"), QStringLiteral("_"));
    key.remove(u'|');
    key.replace(u'e', u'E');
    key.replace(u'a', u'A');
    return key;
}

RecordPlace recordPlace(const QString& isbn13, const QString& titre, const QString& images)
{
    RecordPlace place;
    if (isbn13.size() >= 13) {
        place.name = isbn13;
        place.folder = QStringLiteral("/livres/") + isbn13.left(7) + u'/';
    } else {
        place.name = TitleBankKey(titre);
        place.folder = QStringLiteral("/livres/alpha/");
    }
    if (place.name.isEmpty())
        return place;
    place.name += QStringLiteral(".txt");
    // A press issue is named after its cover, whose name carries the issue number.
    if (place.name.startsWith(QLatin1String("37")) && images.size() == 23)
        place.name = images.left(19) + QStringLiteral(".txt");
    return place;
}

QString coverFolder(const QString& name, bool productNumbersApart)
{
    if (name.size() >= 3 && name.at(2).unicode() >= 64)
        return QStringLiteral("alpha");
    if (productNumbersApart && name.startsWith(QLatin1String("B0")))
        return QStringLiteral("B000000");
    return name.left(7);
}

bool isSafeRemoteName(const QString& name)
{
    return !files::folderFileName(name).isEmpty();
}

}  // namespace sharedbase
