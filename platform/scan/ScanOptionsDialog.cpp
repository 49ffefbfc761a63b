#include "platform/scan/ScanOptionsDialog.h"

#include "platform/scan/Texts.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

namespace scan {

namespace {

std::optional<double> typedNumber(const QString& text)
{
    bool ok = false;
    const double value = QString(text).replace(u',', u'.').trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString areaText(double value) { return QString::number(value, 'g', 6); }

}  // namespace

ScanOptionsDialog::ScanOptionsDialog(ui::Application& application, const QString& deviceLabel,
                                     const ScanChoices& choices)
    : SourceDialog(application, QStringLiteral("ScanOptions"))
{
    setCaption(deviceLabel);
    setBounds(QRect(360, 240, 420, 260));
    setVisible(false);

    auto label = [this](const char* name, QPoint at, const QString& caption) {
        auto* l = create<ui::Label>(QString::fromLatin1(name));
        l->setBounds(QRect(at, QSize(150, 17)));
        l->setCaption(caption);
    };
    int top = 16;
    if (choices.resolutions) {
        label("ResolutionLabel", QPoint(16, top + 3), texts().resolution);
        ResolutionBox = create<ui::ComboBox>(QStringLiteral("ResolutionBox"));
        ResolutionBox->setBounds(QRect(176, top, 120, 23));
        ResolutionBox->setItems(*choices.resolutions);
        ResolutionBox->setText(choices.resolution);
        top += 34;
    }
    if (choices.modes) {
        label("ModeLabel", QPoint(16, top + 3), texts().mode);
        ModeBox = create<ui::ComboBox>(QStringLiteral("ModeBox"));
        ModeBox->setBounds(QRect(176, top, 120, 23));
        ModeBox->setItems(*choices.modes);
        ModeBox->setText(choices.mode);
        top += 34;
    }
    if (choices.area) {
        label("AreaLabel", QPoint(16, top), texts().area.arg(choices.areaUnit));
        top += 22;
        static const char* const edges[] = {"AreaLeft", "AreaTop", "AreaRight", "AreaBottom"};
        const QString captions[] = {texts().left, texts().top, texts().right, texts().bottom};
        for (int i = 0; i < 4; ++i) {
            const int left = 16 + i * 98;
            label((QByteArray(edges[i]) + "Label").constData(), QPoint(left, top), captions[i]);
            AreaEdits[size_t(i)] = create<ui::Edit>(QString::fromLatin1(edges[i]));
            AreaEdits[size_t(i)]->setBounds(QRect(left, top + 18, 80, 23));
            AreaEdits[size_t(i)]->setText(areaText((*choices.area)[size_t(i)]));
        }
        top += 52;
    }

    ScanButton = create<ui::Button>(QStringLiteral("ScanButton"));
    ScanButton->setBounds(QRect(176, top + 8, 110, 30));
    ScanButton->setCaption(texts().scan);
    ScanButton->setDefault(true);
    ScanButton->onClick = [this] {
        if (onTransferReady)
            onTransferReady();
    };
    CancelButton = create<ui::Button>(QStringLiteral("CancelButton"));
    CancelButton->setBounds(QRect(294, top + 8, 110, 30));
    CancelButton->setCaption(texts().cancel);
    CancelButton->setModalResult(ui::ModalResult::Cancel);
    setClientSize(QSize(420, top + 54));
}

std::optional<double> ScanOptionsDialog::resolution() const
{
    return ResolutionBox ? typedNumber(ResolutionBox->text()) : std::nullopt;
}

std::optional<QString> ScanOptionsDialog::mode() const
{
    return ModeBox && !ModeBox->text().isEmpty() ? std::optional<QString>(ModeBox->text()) : std::nullopt;
}

std::optional<double> ScanOptionsDialog::areaEdge(int edge) const
{
    const ui::Edit* e = AreaEdits[size_t(edge)];
    return e ? typedNumber(e->text()) : std::nullopt;
}

}  // namespace scan
