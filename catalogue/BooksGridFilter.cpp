#include "catalogue/BooksGridFilter.h"

#include "app/TextRoutines.h"
#include "catalogue/IsbnConversions.h"
#include "platform/text/PascalText.h"

#include <QStringList>

namespace catalogue {

namespace {

const QString kAzertyDigits = QStringLiteral("à&é\"'(-è_ç");

bool startsAzertyIsbn(const QString& s) { return s.startsWith(QStringLiteral("çè_")); }

QString codeCriteria(QString code)
{
    code = FixAzertyDigits(code);
    if (code.size() == 6 && code.startsWith(u'0'))
        code.remove(0, 1);
    const bool asin = code.startsWith(QStringLiteral("B0"));
    if (code.size() == 10 && !asin)
        code = Isbn10To13(code);
    if (code.startsWith(QStringLiteral("B0")))
        return QStringLiteral("ISBN13 like ") + text::QuotedStr(code + u'*');
    if (code.size() < 5)
        code = code.rightJustified(5, u'0');
    if (code.size() == 13 || code.size() == 5)
        return QStringLiteral("ISBN13=") + text::QuotedStr(code);
    return {};
}

}  // namespace

bool isNumericGridField(const QString& field)
{
    static const QStringList numeric{"DateEmprunt", "DateRetour", "nbrExemplaire", "NumEmprunteur", "NumLivre"};
    return numeric.contains(field, Qt::CaseSensitive);
}

DirectAccess directAccess(const QString& field, const QString& boxText)
{
    DirectAccess r;
    if (!field.isEmpty()) {
        r.outcome = DirectAccess::Outcome::Filter;
        r.criteria = isNumericGridField(field) ? field + QStringLiteral(" =") + text::QuotedStr(boxText)
                                               : field + QStringLiteral(" like ") + text::QuotedStr(boxText + u'*');
        return r;
    }
    QString s = boxText;
    if (startsAzertyIsbn(s))
        s = FixAzertyDigits(s);
    if (s.isEmpty()) {
        r.outcome = DirectAccess::Outcome::ShowAll;
        return r;
    }
    const bool copyLabel = s.size() > 1 && s[0] == u'I' &&
                           ((s[1] >= u'0' && s[1] <= u'9') || kAzertyDigits.contains(s[1]));
    if (copyLabel) {
        r.outcome = DirectAccess::Outcome::Filter;
        r.criteria = QStringLiteral("NumLivre =") + text::QuotedStr(FixAzertyDigits(s.mid(1)));
        r.choosesBookNumberField = true;
        return r;
    }
    if (s[0] > u'@' && !s.startsWith(QStringLiteral("B0"))) {
        r.outcome = DirectAccess::Outcome::Filter;
        r.criteria = QStringLiteral("Titre like ") + text::QuotedStr(s + u'*');
        return r;
    }
    r.criteria = codeCriteria(s);
    if (!r.criteria.isEmpty())
        r.outcome = DirectAccess::Outcome::Filter;
    return r;
}

FieldSearch fieldSearch(const QString& field, const QString& operatorText, const QString& value, SearchPanel panel)
{
    const bool numeric = isNumericGridField(field);
    const QString quoted = text::QuotedStr(value);
    FieldSearch r;
    if (operatorText == QStringLiteral("=") || operatorText == QStringLiteral("<") ||
        operatorText == QStringLiteral(">") || operatorText == QStringLiteral("<>")) {
        r.criteria = field + u' ' + operatorText + u' ' + quoted;
    } else if (operatorText == QStringLiteral("Contient")) {
        if (numeric) {
            r.criteria = field + QStringLiteral(" = ") + quoted;
            r.operatorText = QStringLiteral(" =");
        } else {
            r.criteria = field + QStringLiteral(" like ") + text::QuotedStr(u'%' + value + u'%');
        }
    } else if (operatorText == QStringLiteral("Commence")) {
        if (numeric) {
            r.criteria = field + QStringLiteral(" = ") + quoted;
            r.operatorText = panel == SearchPanel::InField ? QStringLiteral(" = ") : QStringLiteral(" like ");
        } else {
            r.criteria = field + QStringLiteral(" like ") + text::QuotedStr(value + u'%');
        }
    }
    return r;
}

}  // namespace catalogue
