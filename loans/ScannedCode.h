#pragma once
// The codes the desk screens accept from the scanner or the keyboard, and the rules every screen
// applies to them alike: control words, borrower cards, copy labels, periodical issue numbers and
// the short forms of book codes. Only pure text rules here, and the copy-label look-up that the
// loan and return screens share; what a screen does with a code is the screen's own business.
#include <QString>
#include <optional>

namespace db {
class Connection;
}

namespace loans {

// The Enter that ends every scanner burst, as a field's KeyPress sees it.
inline constexpr QChar kEnter = u'\r';

// Whole-field words, compared exactly and before any other treatment of the field.
inline const QString kSwitchDeskWord = QStringLiteral("RETPRET");
inline const QString kSaveBookWord = QStringLiteral("VLIDE");

// The message of a book label scanned into a borrower field, followed by that field's text.
inline const QString kTwoBooksInARow = QStringLiteral("Vous venez de doucher 2 livres de suite ");

// "E"/"e" and a borrower's number: a borrower card.
bool isBorrowerCard(const QString& code);
// "I"/"i" and the number of one copy: a copy label.
bool isCopyLabel(const QString& code);
// The code without its first character (the prefix of a card or a copy label).
QString withoutPrefix(const QString& code);

// A copy label in the copy-number field keeps only its number there and empties the code field;
// otherwise a copy label in the code field moves its number to the copy-number field.
void moveCopyLabel(QString& code, QString& copyNumber);

// A borrower field's text without a first "E"/"e".
QString withoutCardPrefix(const QString& text);
// More than 4 characters cannot be a borrower number: a book label was scanned there.
bool isTooLongForBorrower(const QString& text);
// The borrower number as an integer (leading zeros go); a text that is no number throws the
// standard conversion error.
int borrowerNumber(const QString& text);

// Amazon identifiers: 10 characters beginning "B0", used as they are.
bool isAsin(const QString& code);
// 10 characters that are not an Amazon identifier: an ISBN-10 to convert.
bool isIsbn10Form(const QString& code);
// 6 characters beginning "0" lose that "0" (a 5-digit internal code read with a leading zero).
QString withoutLeadingZeroOfSix(const QString& code);
// A 12-digit UPC-A becomes its EAN-13 with "0" in front; any other code is unchanged.
QString upcToEan13(const QString& code);
// A title still not found by a code of fewer than 5 characters: "0"s in front up to 5.
QString padInternalCode(const QString& code);

// A periodical issue as stored in Isbn10: a text beginning "0" loses its first and last
// characters; then, unless it already begins with "*", "0"s in front up to 5 characters and
// wrapped in "*". With fixAzerty the unshifted AZERTY digit row is read as digits first.
// Empty when nothing is left after the leading-zero cut, so the caller can ask again.
QString NormaliseIssueNumber(const QString& issue, bool fixAzerty);

// The copy-number field's text for the copy label "I" + rest: rest when it is a copy's number or
// a title's code, else the number of the first copy whose code is "I" + rest, else empty.
// reLabelled tells the last case apart (the loan screen then asks for the borrower again).
struct CopyLabelResolution {
    QString copyNumber;
    bool reLabelled = false;
};
CopyLabelResolution ResolveCopyLabel(db::Connection& connection, const QString& rest);

}  // namespace loans
