#include "app/LanguageForm.h"

#include "app/LanguageChooser.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"

namespace app {

TForm4::TForm4(ui::Application& application, const QString& languageText)
    : ui::Form(application, QStringLiteral("Form4"))
    , m_languageText(languageText)
{
    setCaption(QStringLiteral("Form4"));
    setBounds(QRect(400, 300, 360, 220));
    setVisible(false);

    Label1 = create<ui::Label>(QStringLiteral("Label1"));
    Label1->setBounds(QRect(24, 16, 300, 37));
    Label1->setCaption(QStringLiteral("Language "));
    ui::Font big;
    big.name = QStringLiteral("MS Sans Serif");
    big.size = 20;
    big.bold = true;
    big.color = ui::colors::teal;
    Label1->setFont(big);

    ComboBox1 = create<ui::ComboBox>(QStringLiteral("ComboBox1"));
    ComboBox1->setBounds(QRect(24, 72, 300, 21));

    Button1 = create<ui::Button>(QStringLiteral("Button1"));
    Button1->setBounds(QRect(128, 120, 97, 33));
    Button1->setCaption(QStringLiteral("OK"));

    onShow = [this] { FormShow(); };
    Button1->onClick = [this] { Button1Click(); };
}

void TForm4::FormShow()
{
    LanguageChooser chooser(m_settings, m_languageText);
    ComboBox1->setItems(chooser.fileNames());
    Label1->setCaption(chooser.labelText());
}

void TForm4::Button1Click()
{
    LanguageChooser chooser(m_settings, m_languageText);
    const auto label = chooser.accept(ComboBox1->text());
    if (!label)
        return;
    Label1->setCaption(*label);
    application().showMessage(LanguageChooser::RestartMessage);
    close();
}

}  // namespace app
