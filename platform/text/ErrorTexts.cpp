#include "platform/text/ErrorTexts.h"

namespace text {

namespace {

ErrorTexts currentErrorTexts;

}  // namespace

const ErrorTexts& errorTexts() { return currentErrorTexts; }

void setErrorTexts(const ErrorTexts& texts) { currentErrorTexts = texts; }

}  // namespace text
