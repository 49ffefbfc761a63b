#include "platform/scan/SourceSelectionDialog.h"

#include "platform/scan/Texts.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"

namespace scan {

SourceSelectionDialog::SourceSelectionDialog(ui::Application& application, const QList<SourceEntry>& sources,
                                             int cameraCount, const QString& selectedId)
    : ui::Form(application, QStringLiteral("SourceSelection")), m_sources(sources)
{
    setCaption(texts().chooseSource);
    setBounds(QRect(380, 220, 440, 320));
    setVisible(false);
    setClientSize(QSize(440, 280));

    auto* heading = create<ui::Label>(QStringLiteral("SourcesLabel"));
    heading->setBounds(QRect(12, 10, 416, 17));
    heading->setCaption(texts().sourcesHeading);
    SourceList = create<ui::ListBox>(QStringLiteral("SourceList"));
    SourceList->setBounds(QRect(12, 30, 416, 170));
    QStringList labels;
    int selected = sources.isEmpty() ? -1 : 0;
    for (int i = 0; i < sources.size(); ++i) {
        labels << sources[i].label;
        if (sources[i].id == selectedId)
            selected = i;
    }
    SourceList->setItems(labels);
    SourceList->setItemIndex(selected);

    NoCameraLabel = create<ui::Label>(QStringLiteral("NoCameraLabel"));
    NoCameraLabel->setBounds(QRect(12, 206, 416, 17));
    NoCameraLabel->setCaption(sources.isEmpty() ? texts().noSource : texts().noCamera);
    NoCameraLabel->setVisible(cameraCount == 0);

    SelectButton = create<ui::Button>(QStringLiteral("SelectButton"));
    SelectButton->setBounds(QRect(196, 236, 112, 30));
    SelectButton->setCaption(texts().select);
    SelectButton->setModalResult(ui::ModalResult::Ok);
    SelectButton->setDefault(true);
    SelectButton->setEnabled(!sources.isEmpty());
    CancelButton = create<ui::Button>(QStringLiteral("CancelButton"));
    CancelButton->setBounds(QRect(316, 236, 112, 30));
    CancelButton->setCaption(texts().cancel);
    CancelButton->setModalResult(ui::ModalResult::Cancel);
}

std::optional<SourceEntry> SourceSelectionDialog::selected() const
{
    const int i = SourceList->itemIndex();
    if (modalResult() != ui::ModalResult::Ok || i < 0 || i >= m_sources.size())
        return std::nullopt;
    return m_sources[i];
}

}  // namespace scan
