#pragma once
// The tokens of the Jet subset: names (also [bracketed]), 'quoted' and "quoted" texts with
// doubled quotes inside, unsigned numbers as written, and the few symbols. Tokens may abut
// ('x'ORDER BY); blanks, tabs and line ends separate.
#include <QString>
#include <vector>

namespace db {

struct Token {
    enum class Kind { End, Name, Text, Number, Parameter, Symbol };
    Kind kind = Kind::End;
    QString text;          // name, text without quotes, number or symbol as written, parameter's name ("" for "?")
    bool bracketed = false;  // a [name], never a keyword

    bool isKeyword(const char* keyword) const;
    bool isSymbol(const char* symbol) const;
};

// Throws Error of kind Syntax for an unterminated quote or an unknown character.
std::vector<Token> tokenize(const QString& text);

}  // namespace db
