#include "platform/net/Error.h"

namespace net {

Error::Error(const QString& message) : std::runtime_error(message.toStdString()) {}

QString Error::message() const
{
    return QString::fromStdString(what());
}

}  // namespace net
