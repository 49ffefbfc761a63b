#pragma once
// The list of the image sources to choose from: the scanners SANE finds, then the cameras. The
// current default is selected; a machine without camera says so under the list.
#include "platform/scan/ImageSource.h"

#include <QList>

namespace ui {
class Button;
class Label;
class ListBox;
}  // namespace ui

namespace scan {

class SourceSelectionDialog : public ui::Form {
public:
    SourceSelectionDialog(ui::Application& application, const QList<SourceEntry>& sources, int cameraCount,
                          const QString& selectedId);

    // The source chosen when the dialog ended with "Sélectionner"; none without a selection.
    std::optional<SourceEntry> selected() const;

    ui::ListBox* SourceList = nullptr;
    ui::Label* NoCameraLabel = nullptr;
    ui::Button* SelectButton = nullptr;
    ui::Button* CancelButton = nullptr;

private:
    QList<SourceEntry> m_sources;
};

}  // namespace scan
