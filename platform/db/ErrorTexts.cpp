#include "platform/db/ErrorTexts.h"

namespace db {

namespace {

ErrorTexts& currentErrorTexts()
{
    static ErrorTexts texts;
    return texts;
}

}  // namespace

const ErrorTexts& errorTexts() { return currentErrorTexts(); }

void setErrorTexts(const ErrorTexts& texts) { currentErrorTexts() = texts; }

}  // namespace db
