#include "platform/browser/Texts.h"

namespace browser {

namespace {

Texts currentTexts;

}  // namespace

const Texts& texts() { return currentTexts; }

void setTexts(const Texts& given) { currentTexts = given; }

}  // namespace browser
