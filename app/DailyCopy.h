#pragma once
// The copies every way out leaves of the open database: the day's copy in the fixed daily
// folder, and its ZIP archive made by the 7-Zip command-line archiver.
#include <QString>

namespace db {
class Connection;
}

namespace app {

// "C:\Sauvegardes_journalieres\"
QString dailyFolder();
// The day's copy, dailyFolder() + "Test1_" + date + "_.bib".
QString dailyCopyPath(const QString& backupDateText);
// Its archive, dailyFolder() + "Test1_" + date + "_.ZIP".
QString dailyArchivePath(const QString& backupDateText);

// A consistent copy of the open database (the backup API), the target folder made when it is
// missing. False when the copy could not be made; the target is then as it was.
bool copyOpenDatabase(db::Connection& connection, const QString& targetWindowsPath);

// Zips one file with 7-Zip ("7za", else "7z") and waits for it: the archive replaces the old one
// only once 7-Zip has ended with exit code 0. False when no archiver was found, it failed, or it
// did not end within the time limit.
bool zipFile(const QString& archiveWindowsPath, const QString& fileWindowsPath);

}  // namespace app
