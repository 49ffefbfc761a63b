#include "loans/ScannedCode.h"

#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"

namespace loans {

namespace {

bool startsWithEither(const QString& code, QChar upper, QChar lower)
{
    return code.startsWith(upper) || code.startsWith(lower);
}

}  // namespace

bool isBorrowerCard(const QString& code)
{
    return startsWithEither(code, u'E', u'e');
}

bool isCopyLabel(const QString& code)
{
    return startsWithEither(code, u'I', u'i');
}

QString withoutPrefix(const QString& code)
{
    return code.mid(1);
}

void moveCopyLabel(QString& code, QString& copyNumber)
{
    if (isCopyLabel(copyNumber)) {
        copyNumber = withoutPrefix(copyNumber);
        code.clear();
    }
    if (isCopyLabel(code)) {
        copyNumber = withoutPrefix(code);
        code.clear();
    }
}

QString withoutCardPrefix(const QString& text)
{
    return isBorrowerCard(text) ? withoutPrefix(text) : text;
}

bool isTooLongForBorrower(const QString& text)
{
    return text.size() > 4;
}

int borrowerNumber(const QString& text)
{
    return text::StrToInt(text);
}

bool isAsin(const QString& code)
{
    return code.size() == 10 && code.startsWith(QLatin1String("B0"));
}

bool isIsbn10Form(const QString& code)
{
    return code.size() == 10 && !code.startsWith(QLatin1String("B0"));
}

QString withoutLeadingZeroOfSix(const QString& code)
{
    return code.size() == 6 && code.startsWith(u'0') ? code.mid(1) : code;
}

QString upcToEan13(const QString& code)
{
    return code.size() == 12 ? QStringLiteral("0") + code : code;
}

QString padInternalCode(const QString& code)
{
    return code.size() < 5 ? QString(5 - code.size(), u'0') + code : code;
}

QString NormaliseIssueNumber(const QString& issue, bool fixAzerty)
{
    QString text = fixAzerty ? FixAzertyDigitsByChar(issue) : issue;
    if (text.startsWith(u'0'))
        text = text::Copy(text, 2, text.size() - 2);
    if (text.isEmpty() || text.startsWith(u'*'))
        return text;
    return u'*' + padInternalCode(text) + u'*';
}

CopyLabelResolution ResolveCopyLabel(db::Connection& connection, const QString& rest)
{
    const QString n = text::Trim(rest);
    db::Query query(connection);
    // Only a number can name a copy; anything else goes straight to the code look-ups.
    if (catalogue::isAllDigits(n)) {
        query.setSql(QStringLiteral("SELECT * FROM table1 WHERE Numlivre = ?"), {n});
        query.open();
        if (!query.isEmpty() && !query.fieldByName(QStringLiteral("Numlivre")).asString().isEmpty())
            return {rest, false};
    }
    query.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NumLivre"), {n});
    query.open();
    if (!query.isEmpty() && !query.fieldByName(QStringLiteral("Isbn13")).asString().isEmpty())
        return {rest, false};
    query.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NumLivre"), {u'I' + n});
    query.open();
    if (query.isEmpty())
        return {QString(), true};
    return {text::Trim(query.fieldByName(QStringLiteral("Numlivre")).asString()), true};
}

}  // namespace loans
