#pragma once
// Text clean-up shared by every screen. Several of these build file names and keys under which
// data is already stored (cover files, shared-base records), so their replacement lists and
// their order are part of the stored format: change nothing without migrating the data.
#include <QString>

// Replaces occurrences of OldText until none is left, searching again from the start, so a
// replacement that forms a new occurrence with its surroundings is replaced too ("a___b" with
// "__" -> "_" gives "a_b"). When NewText contains OldText each occurrence is replaced once, left
// to right, instead of looping for ever.
QString ReplaceAll(const QString& s, const QString& oldText, const QString& newText);

QString RemoveAccents(const QString& s);
QString RemoveFrenchAccents(const QString& s);
QString ToSafeFileName(const QString& s);
QString ControlCharsToSpaces(const QString& s);
// Digits typed on an unshifted French keyboard ("à&é\"'(-è_ç") mapped back to 0-9.
QString FixAzertyDigits(const QString& s);
QString FixAzertyDigitsByChar(const QString& s);
QString KeepDigitsAndComma(const QString& s);
QString KeepDigitsAndX(const QString& s);
QString Spaces(int count);
QString CarriageReturns(int count);
QString TextAfter(const QString& delim, const QString& s);
QString TextBefore(const QString& delim, const QString& s);

// Size of a file formatted with a number pattern ("0" is the only one used): bytes below
// 1 MiB, mebibytes above. Empty for an empty name; throws files::FileError when the file
// cannot be opened.
QString FileSizeText(const QString& pattern, const QString& fileName);
