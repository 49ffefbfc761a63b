#pragma once
// The French of the texts that Qt's own French translation leaves in English: the folders' type
// in the file dialog, the two-sided printing choices of the print dialog.
#include <QTranslator>

namespace ui {

class ToolkitFrenchSupplement : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override;
};

}  // namespace ui
