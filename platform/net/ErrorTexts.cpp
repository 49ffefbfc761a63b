#include "platform/net/ErrorTexts.h"

namespace net {

namespace {

ErrorTexts currentErrorTexts;

}  // namespace

const ErrorTexts& errorTexts() { return currentErrorTexts; }

void setErrorTexts(const ErrorTexts& texts) { currentErrorTexts = texts; }

}  // namespace net
