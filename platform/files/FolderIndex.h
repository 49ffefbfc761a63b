#pragma once

#include <QString>

// The names of the folders the program looks names up in without regard to case, kept so that
// a name that does not exist costs a look-up in a table instead of a listing of its folder: a
// folder of covers or records grows to tens of thousands of files, and the program asks for
// missing ones (new covers, new records) one after another.
//
// Each folder is listed once, then kept up to date by the kernel's notifications of what is
// created, deleted or renamed in it, whoever does it; a folder that cannot be watched is listed
// at every look-up, as before.
namespace files {

// The entry of native folder `folder` named `name` without regard to case (ASCII upper-casing,
// as the program's SameText); empty when there is none. When several entries differ only by
// case, the first of them in code-unit order.
QString caseInsensitiveEntry(const QString& folder, const QString& name);

}  // namespace files
