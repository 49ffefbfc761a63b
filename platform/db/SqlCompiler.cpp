#include "platform/db/SqlCompiler.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Coercion.h"
#include "platform/db/Error.h"
#include "platform/db/TextForm.h"

#include <QSet>

namespace db {

namespace {

const char* operatorText(CompareOp op)
{
    switch (op) {
    case CompareOp::Equal: return " = ?";
    case CompareOp::NotEqual: return " <> ?";
    case CompareOp::Less: return " < ?";
    case CompareOp::Greater: return " > ?";
    case CompareOp::LessOrEqual: return " <= ?";
    case CompareOp::GreaterOrEqual: return " >= ?";
    case CompareOp::Like: return " LIKE ? ESCAPE '\\'";
    }
    return " = ?";
}

QString escapedForLike(QStringView text, bool keepWildcards)
{
    QString out;
    for (const QChar c : text) {
        if (c == u'\\' || (!keepWildcards && (c == u'%' || c == u'_')))
            out += u'\\';
        out += c;
    }
    return out;
}

// The pattern in the one syntax the registered LIKE reads, with "\" as its escape.
QString likePattern(const Literal& literal, const Column& column, PatternStyle style)
{
    if (literal.kind == Literal::Kind::Boolean) {
        throw Error(Error::Kind::Conversion,
                    errorTexts().invalidPattern
                        .arg(literal.boolean ? QStringLiteral("True") : QStringLiteral("False"), column.name));
    }
    // A bound pattern is a text; other values are no pattern.
    if (literal.kind == Literal::Kind::Bound && literal.value.kind() != Value::Kind::Text)
        throw Error(Error::Kind::Conversion, errorTexts().invalidPattern.arg(textform::format(literal.value, column.type), column.name));
    const QString& pattern = literal.kind == Literal::Kind::Bound ? literal.value.text() : literal.text;
    if (style == PatternStyle::Statement)
        return escapedForLike(pattern, true);
    QStringView text = pattern;
    const auto isWildcard = [](QChar c) { return c == u'*' || c == u'%'; };
    const bool leading = !text.isEmpty() && isWildcard(text.front());
    if (leading)
        text = text.mid(1);
    const bool trailing = !text.isEmpty() && isWildcard(text.back());
    if (trailing)
        text.chop(1);
    return (leading ? QStringLiteral("%") : QString()) + escapedForLike(text, false)
        + (trailing ? QStringLiteral("%") : QString());
}

void appendCondition(NativeSql& out, const Condition& c, const TableSchema& table, PatternStyle style)
{
    if (c.kind != Condition::Kind::Compare) {
        const QString joint = c.kind == Condition::Kind::And ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
        out.text += u'(';
        for (size_t i = 0; i < c.operands.size(); ++i) {
            if (i > 0)
                out.text += joint;
            appendCondition(out, c.operands[i], table, style);
        }
        out.text += u')';
        return;
    }
    const Column& column = table.column(table.require(c.column));
    out.text += quotedIdentifier(column.name) + QLatin1String(operatorText(c.op));
    out.binds.push_back(c.op == CompareOp::Like ? Value(likePattern(c.value, column, style))
                                                : coerceComparand(c.value, column));
}

QString orderText(const TableSchema& table, const std::vector<OrderTerm>& order)
{
    QString text;
    for (const OrderTerm& term : order) {
        text += quotedIdentifier(table.column(table.require(term.column)).name)
            + (term.descending ? QStringLiteral(" DESC, ") : QStringLiteral(", "));
    }
    return text + QStringLiteral("rowid");
}

void appendWhere(NativeSql& out, const std::optional<Condition>& where, const TableSchema& table)
{
    if (!where)
        return;
    out.text += QStringLiteral(" WHERE ");
    appendCondition(out, *where, table, PatternStyle::Statement);
}

const Column& writableColumn(const TableSchema& table, const QString& name, QSet<int>& seen, bool update)
{
    const int index = table.require(name);
    if (seen.contains(index)) {
        throw Error(Error::Kind::Syntax,
                    errorTexts().duplicateDestination.arg(table.column(index).name));
    }
    seen.insert(index);
    const Column& column = table.column(index);
    if (update && column.readOnly())
        throw Error(Error::Kind::State, errorTexts().fieldNotUpdatable.arg(column.name));
    return column;
}

NativeSql compile(const SelectStatement& s, const Schema& schema)
{
    const TableSchema& table = schema.table(s.table);
    return compileSelect(table, selectedFields(table, s), s.where, std::nullopt, s.order);
}

NativeSql compile(const UpdateStatement& s, const Schema& schema)
{
    const TableSchema& table = schema.table(s.table);
    NativeSql out{QStringLiteral("UPDATE %1 SET ").arg(quotedIdentifier(table.name())), {}};
    QSet<int> seen;
    for (size_t i = 0; i < s.assignments.size(); ++i) {
        const Column& column = writableColumn(table, s.assignments[i].first, seen, true);
        out.text += (i > 0 ? QStringLiteral(", ") : QString()) + quotedIdentifier(column.name) + QStringLiteral(" = ?");
        out.binds.push_back(coerceLiteral(s.assignments[i].second, column));
    }
    appendWhere(out, s.where, table);
    return out;
}

NativeSql compile(const InsertStatement& s, const Schema& schema)
{
    const TableSchema& table = schema.table(s.table);
    if (s.columns.size() != s.values.size()) {
        throw Error(Error::Kind::Syntax,
                    errorTexts().valueCountMismatch);
    }
    QString names;
    QString marks;
    NativeSql out;
    QSet<int> seen;
    for (size_t i = 0; i < s.columns.size(); ++i) {
        const Column& column = writableColumn(table, s.columns[i], seen, false);
        names += (i > 0 ? QStringLiteral(", ") : QString()) + quotedIdentifier(column.name);
        marks += i > 0 ? QStringLiteral(", ?") : QStringLiteral("?");
        out.binds.push_back(coerceLiteral(s.values[i], column));
    }
    out.text = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quotedIdentifier(table.name()), names, marks);
    return out;
}

NativeSql compile(const DeleteStatement& s, const Schema& schema)
{
    const TableSchema& table = schema.table(s.table);
    NativeSql out{QStringLiteral("DELETE FROM %1").arg(quotedIdentifier(table.name())), {}};
    appendWhere(out, s.where, table);
    return out;
}

}  // namespace

NativeSql compileCondition(const Condition& condition, const TableSchema& table, PatternStyle style)
{
    NativeSql out;
    appendCondition(out, condition, table, style);
    return out;
}

TableSchema selectedFields(const TableSchema& table, const SelectStatement& select)
{
    return select.columns.empty() ? table : table.projected(select.columns);
}

QString nativeSelectList(const TableSchema& fields)
{
    QString list = QStringLiteral("rowid");
    for (const Column& column : fields.columns())
        list += QStringLiteral(", ") + quotedIdentifier(column.name);
    return list;
}

NativeSql compileSelect(const TableSchema& table, const TableSchema& fields, const std::optional<Condition>& where,
                        const std::optional<Condition>& filter, const std::vector<OrderTerm>& order)
{
    NativeSql out{QStringLiteral("SELECT %1 FROM %2").arg(nativeSelectList(fields), quotedIdentifier(table.name())), {}};
    if (where || filter)
        out.text += QStringLiteral(" WHERE ");
    if (where) {
        out.text += u'(';
        appendCondition(out, *where, table, PatternStyle::Statement);
        out.text += u')';
    }
    if (filter) {
        out.text += where ? QStringLiteral(" AND (") : QStringLiteral("(");
        appendCondition(out, *filter, table, PatternStyle::Filter);
        out.text += u')';
    }
    out.text += QStringLiteral(" ORDER BY ") + orderText(table, order);
    return out;
}

NativeSql compileStatement(const Statement& statement, const Schema& schema)
{
    return std::visit([&](const auto& s) { return compile(s, schema); }, statement);
}

}  // namespace db
