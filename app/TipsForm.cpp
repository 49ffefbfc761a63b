#include "app/TipsForm.h"

#include "app/FrmPrin.h"
#include "platform/files/FileError.h"
#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"

#include <QRandomGenerator>
#include <optional>

namespace app {

namespace {

const QString kInstructionsMarker = QStringLiteral("ZZZZZZZZZZ");
// Tips stand on lines 7 to 30; "Suivant" may come up on any of the first 50 lines.
constexpr int kFirstTipLine = 7;
constexpr int kTipCount = 24;
constexpr int kNextLineRange = 50;
// A file whose first lines are all empty must not hold the window: after this many empty draws
// the box stays empty.
constexpr int kNextDrawLimit = 200;

// A line by its number from 1; past the end of the file it reads as empty.
QString line(const QStringList& lines, int number) { return lines.value(number - 1); }

std::optional<QStringList> readTips(const QString& windowsPath)
{
    QStringList lines;
    if (!files::readTextFileLines(files::nativePath(windowsPath), lines))
        return std::nullopt;
    return lines;
}

// A caption the file leaves blank keeps the one shown, so the window's buttons stay readable.
void setCaptionFrom(ui::Control& control, const QString& text)
{
    if (!text.trimmed().isEmpty())
        control.setCaption(text);
}

}  // namespace

TForm2::TForm2(ui::Application& application, const TFrmPrin& main)
    : ui::Form(application, QStringLiteral("Form2")), m_main(main)
{
    setCaption(QStringLiteral("QvlZantor"));
    setBounds(QRect(380, 260, 520, 340));
    setVisible(false);

    Label1 = create<ui::Label>(QStringLiteral("Label1"));
    Label1->setBounds(QRect(16, 12, 480, 29));
    Label1->setCaption(QStringLiteral("Le Saviez-vous ?  \u00bfSab\u00eda usted ?"));
    ui::Font title;
    title.size = 16;
    title.bold = true;
    title.color = ui::colors::navy;
    Label1->setFont(title);

    RichEdit1 = create<ui::RichEdit>(QStringLiteral("RichEdit1"));
    RichEdit1->setBounds(QRect(16, 48, 480, 200));

    Button1 = create<ui::Button>(QStringLiteral("Button1"));
    Button1->setBounds(QRect(16, 262, 113, 33));
    Button1->setCaption(QStringLiteral("Suivant"));
    Button1->onClick = [this] { Button1Click(); };

    Button2 = create<ui::Button>(QStringLiteral("Button2"));
    Button2->setBounds(QRect(383, 262, 113, 33));
    Button2->setCaption(QStringLiteral("Terminer"));
    Button2->onClick = [this] { Button2Click(); };

    randomDraw = [](int range) { return int(QRandomGenerator::global()->bounded(range)); };
    onShow = [this] { FormShow(); };
}

QString TForm2::tipsFile() const
{
    // Under the program folder: the working folder of a program started from a menu is elsewhere.
    return m_main.AppDir + QStringLiteral("Languages\\info_") + m_main.LanguageText;
}

void TForm2::FormShow()
{
    const std::optional<QStringList> lines = readTips(tipsFile());
    if (!lines)
        return;
    if (m_main.InventoryMode) {
        // Without the marker there are no instructions to show.
        const int marker = int(lines->indexOf(kInstructionsMarker));
        QString instructions;
        if (marker >= 0)
            for (const QString& l : lines->mid(marker + 1))
                instructions += l + QStringLiteral("\r\n");
        RichEdit1->setText(instructions);
    } else {
        setCaptionFrom(*Label1, line(*lines, 1));
        setCaptionFrom(*Button1, line(*lines, 2));
        setCaptionFrom(*Button2, line(*lines, 3));
        // The seconds of the time of day say how many numbers are drawn; the last one is kept.
        const int seconds = application().clock().currentDateTime().time().second();
        int r = 0;
        for (int i = 0; i < seconds + 2; ++i)
            r = randomDraw(kTipCount);
        RichEdit1->setText(line(*lines, r + kFirstTipLine));
    }
    Button2->setFocus();
}

void TForm2::Button1Click()
{
    const std::optional<QStringList> lines = readTips(tipsFile());
    if (!lines)
        throw files::FileError(QStringLiteral("Erreur d'E/S : impossible de lire le fichier %1").arg(tipsFile()));
    QString tip;
    for (int draw = 0; draw < kNextDrawLimit && tip.trimmed().isEmpty(); ++draw)
        tip = line(*lines, randomDraw(kNextLineRange) + 1);
    RichEdit1->setText(tip.trimmed().isEmpty() ? QString() : tip);
}

void TForm2::Button2Click() { close(); }

}  // namespace app
