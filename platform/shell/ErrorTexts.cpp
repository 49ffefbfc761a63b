#include "platform/shell/ErrorTexts.h"

namespace shell {

namespace {

ErrorTexts currentErrorTexts;

}  // namespace

const ErrorTexts& errorTexts() { return currentErrorTexts; }

void setErrorTexts(const ErrorTexts& texts) { currentErrorTexts = texts; }

}  // namespace shell
