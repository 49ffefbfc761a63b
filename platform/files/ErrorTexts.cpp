#include "platform/files/ErrorTexts.h"

namespace files {

namespace {

ErrorTexts currentErrorTexts;

}  // namespace

const ErrorTexts& errorTexts() { return currentErrorTexts; }

void setErrorTexts(const ErrorTexts& texts) { currentErrorTexts = texts; }

}  // namespace files
