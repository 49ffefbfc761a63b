#pragma once
// The tables of the delivered French language file, for tests that compare what was shown.
#include "app/LanguageFile.h"
#include "platform/text/TextLines.h"

inline const app::LanguageTables& deliveredFrench()
{
    static const app::LanguageTables tables = [] {
        QStringList lines;
        text::readTextLines(QStringLiteral(QVL_SOURCE_DIR "/data/Languages/francais.txt"), lines);
        return app::parseLanguageLines(lines);
    }();
    return tables;
}
