#include "app/TipsForm.h"

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"

namespace app {

TForm2::TForm2(ui::Application& application) : ui::Form(application, QStringLiteral("Form2"))
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

    Button2 = create<ui::Button>(QStringLiteral("Button2"));
    Button2->setBounds(QRect(383, 262, 113, 33));
    Button2->setCaption(QStringLiteral("Terminer"));
    Button2->onClick = [this] { Button2Click(); };
}

void TForm2::Button2Click() { close(); }

}  // namespace app
