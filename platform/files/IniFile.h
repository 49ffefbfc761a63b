#pragma once
// A settings file with the semantics of Windows profile files: sections and keys match without
// regard to case; every read opens the file afresh and every write reaches the disk at once.
// The file is Windows-1252 with CR LF. Lines that are neither a section, a key nor a comment are
// ignored.
#include <QString>

namespace files {

class IniFile {
public:
    // Windows path text (see WindowsPath.h).
    explicit IniFile(const QString& path);

    bool exists() const;
    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;

    // A missing key gives the default; a present but empty key gives "".
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // Whole numbers, "0x"/"$" hexadecimal; anything else gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Read as an integer, non-zero meaning true; words such as "true" give the default.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // Updates the first matching key in place (its spelling kept), else appends the key at the
    // end of its section, else the section at the end of the file. Returns false when the file
    // cannot be written.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);  // "1" / "0"

private:
    QString m_path;
};

}  // namespace files
