#include "platform/richtext/ErrorTexts.h"

namespace richtext {

namespace {

ErrorTexts currentErrorTexts;

}  // namespace

const ErrorTexts& errorTexts() { return currentErrorTexts; }

void setErrorTexts(const ErrorTexts& texts) { currentErrorTexts = texts; }

}  // namespace richtext
