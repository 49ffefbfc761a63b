// Values read as text the way the program writes them into screens and files.
#include "platform/db/Coercion.h"
#include "platform/db/Error.h"
#include "platform/db/TextForm.h"
#include "tests/platform/db/TestDatabase.h"

#include <gtest/gtest.h>

using db::FieldType;
using db::Value;

namespace {

TEST(TextForm, EveryTypeReadsInItsFrenchForm)
{
    const std::tuple<Value, FieldType, const char*> cases[] = {
        {Value::boolean(true), FieldType::Boolean, "Vrai"},
        {Value::boolean(false), FieldType::Boolean, "Faux"},
        {Value(0), FieldType::DateTime, "30/12/1899"},
        {Value(45999), FieldType::DateTime, "08/12/2025"},
        {Value(45999.5858796296), FieldType::DateTime, "08/12/2025 14:03:40"},
        {Value(-1.25), FieldType::DateTime, "29/12/1899 06:00:00"},
        {Value(12.5), FieldType::Currency, "12,5"},
        {Value(0.0), FieldType::Currency, "0"},
        {Value(1250), FieldType::Currency, "1250"},
        {Value(-0.0001), FieldType::Currency, "-0,0001"},
        {Value(42), FieldType::Integer, "42"},
        {Value(-7), FieldType::SmallInt, "-7"},
        {Value(QStringLiteral("L'école")), FieldType::Text, "L'école"},
    };
    for (const auto& [value, type, text] : cases)
        EXPECT_EQ(db::textform::format(value, type), QString::fromUtf8(text)) << text;
    for (FieldType type : {FieldType::Text, FieldType::Memo, FieldType::Integer, FieldType::Boolean,
                           FieldType::DateTime, FieldType::Currency})
        EXPECT_EQ(db::textform::format(Value(), type), "");
}

db::Column columnOf(FieldType type, int size = 0) { return db::Column{QStringLiteral("F"), type, size}; }

TEST(TextForm, TextsAreParsedAsTheColumnTypeAndRoundTrip)
{
    const std::tuple<FieldType, const char*, const char*> cases[] = {
        {FieldType::Currency, "12,50", "12,5"},
        {FieldType::Currency, " 12.50 € ", "12,5"},
        {FieldType::Currency, "0,00", "0"},
        {FieldType::Currency, "1,23456", "1,2346"},
        {FieldType::Integer, " 0012 ", "12"},
        {FieldType::Integer, "", ""},
        {FieldType::DateTime, "8/12/2025", "08/12/2025"},
        {FieldType::DateTime, "08/12/2025 14:03:07", "08/12/2025 14:03:07"},
        {FieldType::DateTime, "08/12/2025 00:00", "08/12/2025"},
        {FieldType::Boolean, "vrai", "Vrai"},
        {FieldType::Boolean, "FALSE", "Faux"},
        {FieldType::Text, "  as typed ", "  as typed "},
    };
    for (const auto& [type, text, form] : cases) {
        const Value v = db::coerce(Value(QString::fromUtf8(text)), columnOf(type));
        EXPECT_EQ(db::textform::format(v, type), QString::fromUtf8(form)) << text;
    }
    for (const auto& [type, text] : std::initializer_list<std::pair<FieldType, const char*>>{
             {FieldType::Integer, "12,5"},
             {FieldType::Integer, "2147483648"},
             {FieldType::SmallInt, "32768"},
             {FieldType::DateTime, "31/02/2025"},
             {FieldType::DateTime, "hier"},
             {FieldType::Boolean, "-1"},
             {FieldType::Currency, "12,50,1"}})
        EXPECT_THROW(db::coerce(Value(QString::fromUtf8(text)), columnOf(type)), db::Error) << text;
}

TEST(TextForm, SizesCountUtf16UnitsAndNumbersBecomeTheirText)
{
    const db::Column title = columnOf(FieldType::Text, 3);
    EXPECT_EQ(db::coerce(Value(QStringLiteral("éàü")), title), Value(QStringLiteral("éàü")));
    EXPECT_THROW(db::coerce(Value(QStringLiteral("a😀b")), title), db::Error);
    EXPECT_EQ(db::coerce(Value(12.5), columnOf(FieldType::Text)), Value(QStringLiteral("12,5")));
    EXPECT_EQ(db::coerceLiteral(db::Literal::number("00012"), columnOf(FieldType::Text)),
              Value(QStringLiteral("00012")));
    EXPECT_EQ(db::coerceLiteral(db::Literal::number("-1"), columnOf(FieldType::Boolean)), Value::boolean(true));
}

}  // namespace
