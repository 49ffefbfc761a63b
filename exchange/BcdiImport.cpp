#include "exchange/BcdiImport.h"

#include "app/TextRoutines.h"
#include "catalogue/Ean13FontText.h"
#include "platform/db/Connection.h"
#include "platform/db/Query.h"
#include "platform/db/Transaction.h"
#include "platform/text/PascalText.h"

namespace exchange {

namespace {

enum BcdiValue { BcdiTitle, BcdiAuthor, BcdiPublisher, BcdiDescriptors, BcdiIsbn10, BcdiType, BcdiGenre, BcdiCode,
                 BcdiPages, BcdiPublished, BcdiCopies, BcdiSummary, BcdiPrice, BcdiCopyNumber };

QString code39Text(const QString& code)
{
    return u'*' + code + u'*';
}

}  // namespace

QStringList bcdiValues(const QString& line, int count)
{
    QString rest = ControlCharsToSpaces(line);
    rest.replace(u'"', u' ');
    QStringList values;
    for (int i = 0; i < count; ++i) {
        const qsizetype open = rest.indexOf(u'~');
        if (open < 0) {
            values << QString();
            continue;
        }
        rest.remove(0, open + 1);
        const qsizetype close = rest.indexOf(u'~');
        if (close < 0) {
            values << QString();
            continue;
        }
        values << text::Trim(rest.left(close));
        rest.remove(0, close + 1);
    }
    return values;
}

QString bcdiColumns()
{
    return QStringLiteral("Titre,Auteur,Editeur,Descripteur,Isbn10,Type,Genre,Isbn13,Pages,Date_parution,NbrExemplaire,"
                          "Resume,Mot_cle,Prix_Client,CodeBarres,Images");
}

std::optional<BcdiRecord> readBcdiLine(const QString& line, BcdiCodes codes)
{
    const QStringList v = bcdiValues(line);
    const QString title = v[BcdiTitle].left(80);
    QString type = text::UpperCase(v[BcdiType]);
    QString keyword;
    if (type != u"LIVRE") {
        keyword = type.left(50);
        type = QStringLiteral("LIVRE");
    }
    const QString n = v[BcdiCode];
    QString isbn13, barcode, images;
    if (codes == BcdiCodes::KeepIsbn13 && !n.isEmpty()) {
        isbn13 = n;
        if (n.size() == 13) {
            images = n + QStringLiteral(".jpg");
            try {
                barcode = catalogue::Ean13ToFontText(n);
            } catch (const text::ConversionError&) {
                // Not an EAN-13 the font can draw: the book keeps its code, without bars.
            }
        }
    } else {
        if (codes == BcdiCodes::KeepCopyNumbers && n.size() == 13)
            images = n + QStringLiteral(".jpg");
        isbn13 = v[BcdiCopyNumber].rightJustified(5, u'0');
        barcode = code39Text(isbn13);
    }
    if (title.isEmpty() || isbn13 == u"00000")
        return std::nullopt;
    QString descriptors = v[BcdiDescriptors];
    descriptors.replace(u'/', u'.');
    return BcdiRecord{{title, v[BcdiAuthor].left(50), v[BcdiPublisher].left(50), text::UpperCase(descriptors).left(255),
                       v[BcdiIsbn10].left(20), type, v[BcdiGenre].left(50), isbn13, v[BcdiPages].left(20), v[BcdiPublished].left(40),
                       v[BcdiCopies].left(20), v[BcdiSummary].left(500), keyword,
                       v[BcdiPrice].isEmpty() ? QStringLiteral("0") : v[BcdiPrice].left(255), barcode, images}};
}

ImportReport importBcdiLines(db::Connection& connection, const QStringList& lines, BcdiCodes codes,
                             const std::function<void()>& progress)
{
    const QString insert = insertStatement(QStringLiteral("Table1"), bcdiColumns().split(u','));
    const auto valuesFor = [codes](const QString& line) -> std::optional<db::Params> {
        const std::optional<BcdiRecord> record = readBcdiLine(line, codes);
        if (!record)
            return std::nullopt;
        db::Params values;
        for (const QString& value : record->values)
            values.add(value);
        return values;
    };
    // The markup around the records is no record of anyone's: only records refused are counted.
    const auto isRecord = [](const QString& line) { return line.contains(u'~'); };
    return insertLines(
        connection, insert, lines, valuesFor,
        [&progress](const QString&) {
            if (progress)
                progress();
        },
        isRecord);
}

void numberPendingBooks(db::Connection& connection)
{
    db::Query q(connection);
    q.setSql(QStringLiteral("SELECT * FROM table1  WHERE Isbn13 ='00000' order by numlivre"));
    q.open();
    QStringList numbers;
    for (q.first(); !q.eof(); q.next())
        numbers << q.fieldByName(QStringLiteral("numlivre")).asString();
    q.close();
    db::Transaction transaction(connection);
    for (const QString& number : numbers) {
        const QString code = number.rightJustified(5, u'0');
        connection.execute(QStringLiteral("UPDATE table1 SET Isbn13 = ?, CodeBarres = ?, IMP_CodeBarres = True"
                                          " WHERE numlivre = ?"),
                           {code, code39Text(code), number});
    }
    transaction.commit();
}

}  // namespace exchange
