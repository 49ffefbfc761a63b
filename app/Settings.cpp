#include "app/Settings.h"

#include "platform/text/PascalText.h"

namespace app {

QString academieFromMail(const QString& mailEcole) { return text::Copy(mailEcole, 16, 3); }

}  // namespace app
