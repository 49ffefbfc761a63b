#include "platform/db/Error.h"

namespace db {

Error::Error(Kind kind, const QString& message)
    : std::runtime_error(message.toStdString()), kind_(kind)
{
}

}  // namespace db
