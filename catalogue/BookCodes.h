#pragma once
// The kinds of code a book row holds, and where its cover pictures lie.
#include <QString>

namespace catalogue {

// The covers folder of the program folder, and the placeholder shown for a missing cover.
inline const QString kCoversFolder = QStringLiteral("livres\\Jaquettes\\");
inline const QString kNoPicture = QStringLiteral("No_picture.jpg");
// The storage places' pictures, named after the places, and the placeholder for a place without one.
inline const QString kPlacePicturesFolder = QStringLiteral("Photo_Rangement\\");
inline const QString kNoPlacePicture = QStringLiteral("No_place.jpg");

// The EAN of a periodical: "378" or "379", its issue number kept apart.
inline bool isPressCode(const QString& code)
{
    return code.startsWith(QLatin1String("378")) || code.startsWith(QLatin1String("379"));
}

inline bool isIsbn13Prefix(const QString& code)
{
    return code.startsWith(QLatin1String("978")) || code.startsWith(QLatin1String("979"));
}

// Decimal digits only, and at least one.
inline bool isAllDigits(const QString& s)
{
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return !s.isEmpty();
}

}  // namespace catalogue
