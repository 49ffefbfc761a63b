#include "platform/db/SqlParser.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Error.h"
#include "platform/db/SqlLexer.h"

namespace db {

namespace {

class Parser {
public:
    explicit Parser(const QString& text) : tokens_(tokenize(text)) {}

    Statement statement()
    {
        Statement result;
        if (accept("SELECT"))
            result = select();
        else if (accept("UPDATE"))
            result = update();
        else if (accept("INSERT"))
            result = insert();
        else if (accept("DELETE"))
            result = remove();
        else
            fail();
        end();
        return result;
    }

    std::optional<Condition> filter()
    {
        if (peek().kind == Token::Kind::End)
            return std::nullopt;
        Condition c = anyOf();
        end();
        return c;
    }

    std::vector<OrderTerm> sort()
    {
        std::vector<OrderTerm> terms;
        if (peek().kind != Token::Kind::End)
            terms = orderTerms();
        end();
        return terms;
    }

private:
    const Token& peek() const { return tokens_[pos_]; }
    const Token& take() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }

    [[noreturn]] void fail() const
    {
        const Token& t = peek();
        if (t.kind == Token::Kind::End)
            throw Error(Error::Kind::Syntax, errorTexts().incompleteStatement);
        QString shown = t.text;
        if (t.kind == Token::Kind::Text)
            shown = u'\'' + t.text + u'\'';
        else if (t.kind == Token::Kind::Parameter)
            shown = t.text.isEmpty() ? QStringLiteral("?") : u':' + t.text;
        throw Error(Error::Kind::Syntax, errorTexts().syntaxNear.arg(shown));
    }

    bool accept(const char* keyword)
    {
        if (!peek().isKeyword(keyword))
            return false;
        ++pos_;
        return true;
    }

    bool acceptSymbol(const char* symbol)
    {
        if (!peek().isSymbol(symbol))
            return false;
        ++pos_;
        return true;
    }

    void expect(const char* keyword)
    {
        if (!accept(keyword))
            fail();
    }

    void expectSymbol(const char* symbol)
    {
        if (!acceptSymbol(symbol))
            fail();
    }

    void end()
    {
        acceptSymbol(";");
        if (peek().kind != Token::Kind::End)
            fail();
    }

    QString name()
    {
        if (peek().kind != Token::Kind::Name || isReserved(peek()))
            fail();
        return take().text;
    }

    static bool isReserved(const Token& t)
    {
        for (const char* k : {"SELECT", "FROM", "WHERE", "ORDER", "BY", "AND", "OR", "LIKE", "SET", "VALUES",
                              "INSERT", "INTO", "UPDATE", "DELETE", "TRUE", "FALSE"}) {
            if (t.isKeyword(k))
                return true;
        }
        return false;
    }

    Literal literal()
    {
        if (peek().kind == Token::Kind::Text)
            return Literal::quoted(take().text);
        if (peek().kind == Token::Kind::Parameter) {
            const QString name = take().text;
            return name.isEmpty() ? Literal::positional(positionals_++) : Literal::named(name);
        }
        if (accept("TRUE"))
            return Literal::truth(true);
        if (accept("FALSE"))
            return Literal::truth(false);
        const bool negative = acceptSymbol("-");
        if (peek().kind != Token::Kind::Number)
            fail();
        return Literal::number((negative ? QStringLiteral("-") : QString()) + take().text);
    }

    Condition comparison()
    {
        Condition c;
        c.column = name();
        static const std::pair<const char*, CompareOp> ops[] = {
            {"=", CompareOp::Equal},        {"<>", CompareOp::NotEqual},     {"<", CompareOp::Less},
            {">", CompareOp::Greater},      {"<=", CompareOp::LessOrEqual}, {">=", CompareOp::GreaterOrEqual}};
        bool found = false;
        for (const auto& [symbol, op] : ops) {
            if (acceptSymbol(symbol)) {
                c.op = op;
                found = true;
                break;
            }
        }
        if (!found) {
            expect("LIKE");
            c.op = CompareOp::Like;
        }
        c.value = literal();
        return c;
    }

    // A statement's condition: comparisons joined by AND.
    Condition allOf()
    {
        Condition first = comparison();
        if (!peek().isKeyword("AND"))
            return first;
        Condition all{Condition::Kind::And, {}, {}, {}, {std::move(first)}};
        while (accept("AND"))
            all.operands.push_back(comparison());
        return all;
    }

    // A filter's condition: OR of AND of comparisons or parenthesised conditions.
    Condition anyOf()
    {
        Condition first = filterTerms();
        if (!peek().isKeyword("OR"))
            return first;
        Condition any{Condition::Kind::Or, {}, {}, {}, {std::move(first)}};
        while (accept("OR"))
            any.operands.push_back(filterTerms());
        return any;
    }

    Condition filterTerms()
    {
        Condition first = filterFactor();
        if (!peek().isKeyword("AND"))
            return first;
        Condition all{Condition::Kind::And, {}, {}, {}, {std::move(first)}};
        while (accept("AND"))
            all.operands.push_back(filterFactor());
        return all;
    }

    Condition filterFactor()
    {
        if (acceptSymbol("(")) {
            Condition inner = anyOf();
            expectSymbol(")");
            return inner;
        }
        return comparison();
    }

    std::optional<Condition> where()
    {
        if (!accept("WHERE"))
            return std::nullopt;
        return allOf();
    }

    std::vector<OrderTerm> orderTerms()
    {
        std::vector<OrderTerm> terms;
        do {
            OrderTerm term{name(), false};
            if (accept("DESC"))
                term.descending = true;
            else
                accept("ASC");
            terms.push_back(term);
        } while (acceptSymbol(","));
        return terms;
    }

    SelectStatement select()
    {
        SelectStatement s;
        if (!acceptSymbol("*")) {
            do
                s.columns.push_back(name());
            while (acceptSymbol(","));
        }
        expect("FROM");
        s.table = name();
        s.where = where();
        if (accept("ORDER")) {
            expect("BY");
            s.order = orderTerms();
        }
        return s;
    }

    UpdateStatement update()
    {
        UpdateStatement s;
        s.table = name();
        expect("SET");
        do {
            QString column = name();
            expectSymbol("=");
            s.assignments.emplace_back(std::move(column), literal());
        } while (acceptSymbol(","));
        s.where = where();
        return s;
    }

    InsertStatement insert()
    {
        InsertStatement s;
        expect("INTO");
        s.table = name();
        expectSymbol("(");
        do
            s.columns.push_back(name());
        while (acceptSymbol(","));
        expectSymbol(")");
        expect("VALUES");
        expectSymbol("(");
        do
            s.values.push_back(literal());
        while (acceptSymbol(","));
        expectSymbol(")");
        return s;
    }

    DeleteStatement remove()
    {
        DeleteStatement s;
        acceptSymbol("*");
        expect("FROM");
        s.table = name();
        s.where = where();
        return s;
    }

    std::vector<Token> tokens_;
    size_t pos_ = 0;
    int positionals_ = 0;
};

}  // namespace

Statement parseStatement(const QString& text) { return Parser(text).statement(); }

std::optional<Condition> parseFilter(const QString& criteria) { return Parser(criteria).filter(); }

std::vector<OrderTerm> parseSort(const QString& sort) { return Parser(sort).sort(); }

}  // namespace db
