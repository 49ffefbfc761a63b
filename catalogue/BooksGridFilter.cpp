#include "catalogue/BooksGridFilter.h"

#include "app/TextRoutines.h"
#include "catalogue/IsbnConversions.h"

#include <QStringList>
#include <algorithm>

namespace catalogue {

namespace {

const QString kAzertyDigits = QStringLiteral("à&é\"'(-è_ç");

bool startsAzertyIsbn(const QString& s) { return s.startsWith(QStringLiteral("çè_")); }

// A field list's text goes into the criteria as the name of a column: only a plain name can.
bool isFieldName(const QString& field)
{
    return !field.isEmpty() &&
           std::all_of(field.begin(), field.end(), [](QChar c) { return c.isLetterOrNumber() || c == u'_'; });
}

void setCriteria(DirectAccess& r, const QString& criteria, const QString& value)
{
    r.outcome = DirectAccess::Outcome::Filter;
    r.criteria = criteria;
    r.value = value;
}

void codeCriteria(DirectAccess& r, QString code)
{
    code = FixAzertyDigits(code);
    if (code.size() == 6 && code.startsWith(u'0'))
        code.remove(0, 1);
    const bool asin = code.startsWith(QStringLiteral("B0"));
    if (code.size() == 10 && !asin)
        code = Isbn10To13(code);
    if (code.startsWith(QStringLiteral("B0"))) {
        setCriteria(r, QStringLiteral("ISBN13 like ?"), code + u'*');
        return;
    }
    if (code.size() < 5)
        code = code.rightJustified(5, u'0');
    if (code.size() == 13 || code.size() == 5)
        setCriteria(r, QStringLiteral("ISBN13 = ?"), code);
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
        if (!isFieldName(field))
            return r;
        if (isNumericGridField(field))
            setCriteria(r, field + QStringLiteral(" = ?"), boxText);
        else
            setCriteria(r, field + QStringLiteral(" like ?"), boxText + u'*');
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
        setCriteria(r, QStringLiteral("NumLivre = ?"), FixAzertyDigits(s.mid(1)));
        r.choosesBookNumberField = true;
        return r;
    }
    if (s[0] > u'@' && !s.startsWith(QStringLiteral("B0"))) {
        setCriteria(r, QStringLiteral("Titre like ?"), s + u'*');
        return r;
    }
    codeCriteria(r, s);
    return r;
}

FieldSearch fieldSearch(const QString& field, const QString& operatorText, const QString& value, SearchPanel panel)
{
    const bool numeric = isNumericGridField(field);
    FieldSearch r;
    if (!isFieldName(field))
        return r;
    r.value = value;
    if (operatorText == QStringLiteral("=") || operatorText == QStringLiteral("<") ||
        operatorText == QStringLiteral(">") || operatorText == QStringLiteral("<>")) {
        r.criteria = field + u' ' + operatorText + QStringLiteral(" ?");
    } else if (operatorText == QStringLiteral("Contient")) {
        if (numeric) {
            r.criteria = field + QStringLiteral(" = ?");
            r.operatorText = QStringLiteral(" =");
        } else {
            r.criteria = field + QStringLiteral(" like ?");
            r.value = u'%' + value + u'%';
        }
    } else if (operatorText == QStringLiteral("Commence")) {
        if (numeric) {
            r.criteria = field + QStringLiteral(" = ?");
            r.operatorText = panel == SearchPanel::InField ? QStringLiteral(" = ") : QStringLiteral(" like ");
        } else {
            r.criteria = field + QStringLiteral(" like ?");
            r.value = value + u'%';
        }
    }
    return r;
}

}  // namespace catalogue
