#include "platform/db/SqlLexer.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Error.h"

namespace db {

bool Token::isKeyword(const char* keyword) const
{
    return kind == Kind::Name && !bracketed && text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

bool Token::isSymbol(const char* symbol) const
{
    return kind == Kind::Symbol && text == QLatin1String(symbol);
}

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || (c.unicode() >= 0x80 && !c.isSpace());
}

[[noreturn]] void syntaxError(const QString& near)
{
    throw Error(Error::Kind::Syntax, errorTexts().syntaxNear.arg(near));
}

}  // namespace

std::vector<Token> tokenize(const QString& text)
{
    std::vector<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token token;
        if (c == u'\'' || c == u'"') {
            token.kind = Token::Kind::Text;
            qsizetype j = i + 1;
            for (;; ++j) {
                if (j >= n)
                    syntaxError(text.mid(i));
                if (text[j] == c) {
                    if (j + 1 < n && text[j + 1] == c) {
                        token.text += c;
                        ++j;
                        continue;
                    }
                    break;
                }
                token.text += text[j];
            }
            i = j + 1;
        } else if (c == u'[') {
            const qsizetype close = text.indexOf(u']', i + 1);
            if (close < 0)
                syntaxError(text.mid(i));
            token.kind = Token::Kind::Name;
            token.bracketed = true;
            token.text = text.mid(i + 1, close - i - 1);
            i = close + 1;
        } else if (c == u'?') {
            token.kind = Token::Kind::Parameter;
            ++i;
        } else if (c == u':' && i + 1 < n && isNameChar(text[i + 1])) {
            qsizetype j = i + 1;
            while (j < n && isNameChar(text[j]))
                ++j;
            token.kind = Token::Kind::Parameter;
            token.text = text.mid(i + 1, j - i - 1);
            i = j;
        } else if (c.isDigit() && c.unicode() < 0x80) {
            qsizetype j = i;
            while (j < n && text[j].isDigit() && text[j].unicode() < 0x80)
                ++j;
            if (j + 1 < n && text[j] == u'.' && text[j + 1].isDigit()) {
                ++j;
                while (j < n && text[j].isDigit() && text[j].unicode() < 0x80)
                    ++j;
            }
            token.kind = Token::Kind::Number;
            token.text = text.mid(i, j - i);
            i = j;
        } else if (isNameChar(c)) {
            qsizetype j = i;
            while (j < n && isNameChar(text[j]))
                ++j;
            token.kind = Token::Kind::Name;
            token.text = text.mid(i, j - i);
            i = j;
        } else {
            static const char* const symbols[] = {"<>", "<=", ">=", "=", "<", ">", "(", ")", ",", "*", ";", "-"};
            for (const char* symbol : symbols) {
                if (QStringView(text).mid(i).startsWith(QLatin1String(symbol))) {
                    token.kind = Token::Kind::Symbol;
                    token.text = QLatin1String(symbol);
                    break;
                }
            }
            if (token.kind != Token::Kind::Symbol)
                syntaxError(text.mid(i, 20));
            i += token.text.size();
        }
        tokens.push_back(std::move(token));
    }
    tokens.push_back(Token{});
    return tokens;
}

}  // namespace db
