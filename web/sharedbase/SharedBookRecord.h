#pragma once
// The record of one title in the shared online base and in the local image bank: one line of 15
// values separated by ";", Windows-1252, ended by CR LF. Its name and folder, and those of the
// covers, follow from the book's code, title and cover name.
#include <QString>
#include <QStringList>

namespace sharedbase {

// The values of a record, in line order.
enum RecordField {
    Title, Code, Author, Publisher, Published, Pages, Cover, Descriptors, Type, Genre, Summary, Keywords,
    Language, Price, ContributorCount, RecordFieldCount
};

// The book row's values a record is made of, as the database gives their text.
struct BookValues {
    QString titre, isbn13, auteur, editeur, dateParution, pages, images, descripteur, type, genre, resume,
        motCle, langue, prixClient;
};

// The line without its line end. A ";", CR or LF inside a value would shift the values of the line
// for every school that reads it, so each becomes a blank (and "|" in the summary); runs of blanks
// are then made one.
QString recordLine(const BookValues& book, int contributorCount = 1);
// The values of a line; missing values are empty.
QStringList recordValues(const QString& line);
// The line with its contributor count raised by one; a count that is no number counts as 1.
QString withRaisedCount(const QString& line);

// The file-name key of a title for every title-based name of the base and of the bank.
QString TitleBankKey(const QString& title);

// Where a book's record lies in the base: the remote folder ("/livres/<7>/" or "/livres/alpha/")
// and the file name. Empty name: the book has nothing to be named by (no code, no title).
struct RecordPlace {
    QString folder;
    QString name;
};
RecordPlace recordPlace(const QString& isbn13, const QString& titre, const QString& images);

// The folder of a cover file `name` under "/livres/": "alpha" when its third character is a
// letter or a sign of code 64 and above, otherwise its first 7 characters. The menu quit sends
// product numbers ("B0" and a digit or sign) to "B000000".
QString coverFolder(const QString& name, bool productNumbersApart);

// A name the base may be asked for or sent: a file of its folder, as for the local folders.
bool isSafeRemoteName(const QString& name);

}  // namespace sharedbase
