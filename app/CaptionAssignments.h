#pragma once
// Captions and hints that the caption table gives to the controls of the main window at start,
// in the order of the entries. Entries 26, 118, 119, 183, 251 and 254 belong to no control.
#include "app/LanguageTables.h"

#include <QString>
#include <functional>
#include <span>

namespace app {

enum class CaptionProperty { Caption, Hint };

struct CaptionAssignment {
    int entry;
    const char* controlName;
    CaptionProperty property;
};

std::span<const CaptionAssignment> captionAssignments();

// Gives each control its text; the setter returns false for a control that does not exist (yet),
// which is skipped. Returns how many controls took their text.
using CaptionSetter = std::function<bool(const QString& controlName, CaptionProperty property, const QString& text)>;
int applyCaptionTable(const LanguageTables& tables, const CaptionSetter& setter);

}  // namespace app
