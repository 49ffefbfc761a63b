#pragma once
// The one error type of the network layer: callers catch it and skip the operation.
#include <QString>
#include <stdexcept>

namespace net {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message);
    QString message() const;
};

}  // namespace net
