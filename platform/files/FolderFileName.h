#pragma once
// File names that come from data (the database, an import, a web page, a borrower's names) are
// joined to the folder meant to hold them. Such a name may only name a file of that folder: a
// separator, a drive or a control character would reach elsewhere, and so would "." or ".." as the
// whole name, so such a name is no file at all; dots within a name ("DUPONT_J..jpg") are only
// dots. Every place that reads, writes or deletes a file by such a name asks here.
#include <QString>

namespace files {

// The name itself when it names a file of its folder; empty otherwise (and for an empty name).
QString folderFileName(const QString& name);
// folder + name (Windows text, the folder ending in "\"); empty when the name is no file of it.
QString folderFilePath(const QString& folder, const QString& name);
// Whether the folder holds a file by that name; false for a name that is no file of it.
bool folderFileExists(const QString& folder, const QString& name);

}  // namespace files
