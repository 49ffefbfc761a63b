#pragma once
// The input/output error of the file routines; handlers show it in the standard error box.
#include <QString>
#include <stdexcept>

namespace files {

class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace files
