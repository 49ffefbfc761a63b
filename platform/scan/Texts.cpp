#include "platform/scan/Texts.h"

namespace scan {

namespace {

Texts currentTexts;

}  // namespace

const Texts& texts() { return currentTexts; }

void setTexts(const Texts& given) { currentTexts = given; }

}  // namespace scan
