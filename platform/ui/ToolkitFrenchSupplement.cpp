#include "platform/ui/ToolkitFrenchSupplement.h"

#include <cstring>

namespace ui {

namespace {

struct SupplementText {
    const char* context;
    const char* source;
    const char* french;
};

const SupplementText kSupplementTexts[] = {
    {"QAbstractFileIconProvider", "Folder", "Dossier"},
    {"QAbstractFileIconProvider", "Drive", "Lecteur"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Impression recto verso"},
    {"QPrintSettingsOutput", "Off", "Recto seul"},
    {"QPrintSettingsOutput", "Long side binding", "Reliure sur le bord long"},
    {"QPrintSettingsOutput", "Short side binding", "Reliure sur le bord court"},
    {"QPrintSettingsOutput", "Pages", "Pages"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. "
     "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Indiquez des pages ou des intervalles séparés par des virgules. Un intervalle s'écrit avec deux numéros "
     "séparés par un tiret. Par exemple, 3,5-7,9 imprime les pages 3, 5, 6, 7 et 9."},
};

}  // namespace

QString ToolkitFrenchSupplement::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (!context || !sourceText)
        return {};
    for (const SupplementText& t : kSupplementTexts)
        if (std::strcmp(t.context, context) == 0 && std::strcmp(t.source, sourceText) == 0)
            return QString::fromUtf8(t.french);
    return {};
}

bool ToolkitFrenchSupplement::isEmpty() const
{
    return false;
}

}  // namespace ui
