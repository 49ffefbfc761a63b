#include "exchange/LibraryImport.h"

#include "app/BackupCsvExport.h"
#include "app/TextRoutines.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/IsbnConversions.h"
#include "exchange/LibraryExport.h"
#include "platform/db/Connection.h"
#include "platform/db/Query.h"
#include "platform/db/Transaction.h"
#include "platform/text/PascalText.h"

#include <algorithm>
#include <vector>

namespace exchange {

namespace {

enum Column {
    Titre, Auteur, Editeur, Descripteur, Isbn10, Type, Genre, MaxExemplaire, NbrExemplaire, Images, Isbn13, Pages,
    DateParution, CodeBarres, ImpCodeBarres, EmpNom, EmpPrenom, EmpClasse, NumEmprunteur, Empruntable,
    LieuRangement, PhotoRangement, Resume, Proprio, MotCle, Langue, ColumnCount
};

constexpr int kInternalCodeLength = 5;
const QString kUnnumberedCode = QStringLiteral("00000");

QString cut(const QString& value, int length)
{
    return value.left(length);
}

template <class Convert>
std::optional<QString> converted(Convert convert, const QString& code)
{
    try {
        return convert(code);
    } catch (const text::ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace

bool libraryBoolean(const QString& text, bool defaultValue)
{
    const QString t = text.trimmed().toLower();
    if (t == u"vrai" || t == u"true" || t == u"-1" || t == u"1")
        return true;
    if (t == u"faux" || t == u"false" || t == u"0")
        return false;
    return defaultValue;
}

void ruleCodes(QString& isbn10, QString& isbn13)
{
    isbn13 = KeepDigitsAndX(isbn13);
    if (isbn10.isEmpty() || isbn13.isEmpty()) {
        // A "979" ISBN has no ISBN-10: making one would give back another book's "978" code.
        if (isbn13.size() == 13 && !isbn13.startsWith(QLatin1String("979")))
            isbn10 = converted(catalogue::Isbn13To10, isbn13).value_or(isbn10);
        if (isbn10.size() == 10)
            isbn13 = converted(catalogue::Isbn10To13, isbn10).value_or(isbn13);
    }
    if (isbn13.size() < 10)
        isbn13 = (QStringLiteral("00000") + isbn13).right(5);
    else if (isbn13.size() == 10)
        isbn13 = converted(catalogue::Isbn10To13, isbn13).value_or(isbn13);
}

std::optional<LibraryRecord> readLibraryLine(const QString& line)
{
    if (line.count(u';') != ColumnCount - 1)
        return std::nullopt;
    QStringList v = ControlCharsToSpaces(line).split(u';');
    for (int i = 0; i < ColumnCount - 1; ++i)
        v[i].replace(u'"', u' ');

    LibraryRecord r;
    r.maxCopy = libraryBoolean(v[MaxExemplaire], true);
    r.printLabel = libraryBoolean(v[ImpCodeBarres], false);
    r.lendable = libraryBoolean(v[Empruntable], true);
    v[Titre] = cut(v[Titre].isEmpty() ? kUntitledBook : v[Titre], 60);
    v[Auteur] = cut(v[Auteur], 40);
    v[Editeur] = cut(v[Editeur], 40);
    v[Descripteur] = cut(v[Descripteur], 200);
    if (!v[Descripteur].startsWith(u'.'))
        v[Descripteur].prepend(u'.');
    v[Isbn10] = cut(v[Isbn10], 18);
    v[Type] = QStringLiteral("LIVRE");
    v[Genre] = cut(v[Genre], 40);
    if (v[NbrExemplaire].isEmpty())
        v[NbrExemplaire] = QStringLiteral("1");
    v[Images] = cut(v[Images], 240);
    ruleCodes(v[Isbn10], v[Isbn13]);
    v[Pages] = cut(v[Pages], 18);
    v[DateParution] = cut(v[DateParution], 38);
    if (v[Isbn13].size() == 13)
        v[CodeBarres] = converted(catalogue::Ean13ToFontText, v[Isbn13]).value_or(v[CodeBarres]);
    if (v[NumEmprunteur].isEmpty())
        v[NumEmprunteur] = QStringLiteral("0");
    r.values = v;
    return r;
}

ImportReport importLibraryLines(db::Connection& connection, const QStringList& lines,
                                const std::function<void(const QString&)>& progress)
{
    const QString insert = insertStatement(QStringLiteral("Table1"), app::backupCsvHeader().split(u';'));
    const auto valuesFor = [](const QString& line) -> std::optional<db::Params> {
        const std::optional<LibraryRecord> record = readLibraryLine(line);
        if (!record)
            return std::nullopt;
        db::Params values;
        for (int i = 0; i < ColumnCount; ++i) {
            if (i == MaxExemplaire)
                values.add(db::Value::boolean(record->maxCopy));
            else if (i == ImpCodeBarres)
                values.add(db::Value::boolean(record->printLabel));
            else if (i == Empruntable)
                values.add(db::Value::boolean(record->lendable));
            else
                values.add(record->values[i]);
        }
        return values;
    };
    return insertLines(connection, insert, lines, valuesFor, progress);
}

OwnCodes ownCodes(db::Connection& connection)
{
    OwnCodes own;
    db::Query q(connection);
    q.setSql(QStringLiteral("Select NumLivre, Isbn13, Titre From Table1"));
    q.open();
    const db::Field number = q.fieldByName(QStringLiteral("NumLivre"));
    const db::Field code = q.fieldByName(QStringLiteral("Isbn13"));
    const db::Field title = q.fieldByName(QStringLiteral("Titre"));
    for (q.first(); !q.eof(); q.next()) {
        own.lastBook = std::max(own.lastBook, number.asInteger());
        const QString c = code.asString();
        own.codes.insert(c);
        if (c.size() == kInternalCodeLength)
            own.internalCodeTitles[c].insert(title.asString());
    }
    return own;
}

int recodeCollidingCopies(db::Connection& connection, const OwnCodes& before)
{
    struct Copy {
        qint64 number;
        QString code;
        QString title;
    };
    db::Query q(connection);
    q.setSql(QStringLiteral("Select NumLivre, Isbn13, Titre From Table1 WHERE NumLivre > ? ORDER BY NumLivre"),
             {before.lastBook});
    q.open();
    std::vector<Copy> added;
    QSet<QString> taken = before.codes;
    for (q.first(); !q.eof(); q.next()) {
        Copy c{q.fieldByName(QStringLiteral("NumLivre")).asInteger(), q.fieldByName(QStringLiteral("Isbn13")).asString(),
               q.fieldByName(QStringLiteral("Titre")).asString()};
        taken.insert(c.code);
        // "00000" marks a book still to be numbered, which is no code of anyone's.
        const auto own = before.internalCodeTitles.constFind(c.code);
        if (own != before.internalCodeTitles.cend() && c.code != kUnnumberedCode && !own->contains(c.title))
            added.push_back(c);
    }
    q.close();

    QHash<QPair<QString, QString>, QString> freshCodes;  // by old code and title
    for (const Copy& c : added) {
        QString& fresh = freshCodes[{c.code, c.title}];
        if (fresh.isEmpty()) {
            for (qint64 n = c.number; fresh.isEmpty(); ++n) {
                const QString candidate = QString::number(n).rightJustified(kInternalCodeLength, u'0');
                if (!taken.contains(candidate))
                    fresh = candidate;
            }
            taken.insert(fresh);
        }
        connection.execute(QStringLiteral("UPDATE table1 SET Isbn13 = ?, CodeBarres = ? WHERE NumLivre = ?"),
                           {fresh, u'*' + fresh + u'*', c.number});
    }
    return int(added.size());
}

void numberCopiesMarkedOne(db::Connection& connection)
{
    db::Query q(connection);
    q.setSql(QStringLiteral("Select * From Table1 WHERE Isbn13 = '1'"));
    q.open();
    db::Transaction transaction(connection);
    for (q.first(); !q.eof(); q.next()) {
        const QString code = q.fieldByName(QStringLiteral("NumLivre")).asString().rightJustified(5, u'0');
        q.edit();
        q.fieldByName(QStringLiteral("CodeBarres")).setAsString(u'*' + code + u'*');
        q.fieldByName(QStringLiteral("Isbn13")).setAsString(code);
        q.post();
    }
    transaction.commit();
}

}  // namespace exchange
