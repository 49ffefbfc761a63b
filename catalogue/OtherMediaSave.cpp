#include "catalogue/OtherMediaSave.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/OtherMediaLayout.h"
#include "catalogue/OtherMediaScreen.h"
#include "catalogue/PriceText.h"
#include "platform/db/Transaction.h"
#include "platform/files/FileOps.h"
#include "platform/text/PascalText.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/RichEdit.h"

namespace catalogue {

namespace {

const QString kNoCode = QStringLiteral("00000");

// Semicolons and tildes would break the journal and the exports.
QString cleaned(const QString& s, int length)
{
    return ControlCharsToSpaces(ReplaceAll(ReplaceAll(s.left(length), QStringLiteral(";"), QStringLiteral(" ")),
                                           QStringLiteral("~"), QStringLiteral(" ")));
}

}  // namespace

OtherMediaSave::OtherMediaSave(app::TFrmPrin& frm) : m_frm(frm)
{
    frm.get<ui::Control>(QStringLiteral("Button33")).onClick = [this] { Button33Click(); };
}

void OtherMediaSave::Button33Click()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Button32")).show();
    auto& title = f.get<ui::Edit>(QStringLiteral("Edit31"));
    title.setColor(ui::colors::white);
    if (title.text().isEmpty()) {
        title.setColor(ui::colors::red);
        title.setFocus();
        return;
    }
    db::Table& items = f.db.ADOTable1;
    items.setFilter(kOtherMediaFilter);
    items.setFiltered(true);
    items.setActive(true);

    const QString code = cleanFields();
    const int stored = listStoredCopies(m_frm, m_frm.db.ars, code);
    m_frm.db.ars.close();
    {
        db::Transaction transaction(f.db.ADOConnection1);
        insertItem(code, stored + 1);
        transaction.commit();
    }
    items.close();
    items.open();
    items.last();
    clearEntry();
    farewell(code);
}

int OtherMediaSave::listStoredCopies(app::TFrmPrin& frm, db::Query& copies, const QString& code)
{
    copies.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"), {text::Trim(code)});
    copies.open();
    auto& list = frm.get<ui::RichEdit>(QStringLiteral("RichEdit5"));
    list.clear();
    int count = 0;
    for (copies.first(); !copies.eof(); copies.next())
        list.addLine(copies.fieldByName(QStringLiteral("Titre")).asString() + u' ' + QString::number(++count));
    return count;
}

// Writes each field back as it will be stored, and returns the code.
QString OtherMediaSave::cleanFields()
{
    auto field = [this](const char* name) -> ui::CustomEdit& { return m_frm.get<ui::CustomEdit>(QString::fromLatin1(name)); };
    auto clean = [&field](const char* name, int length) { field(name).setText(cleaned(field(name).text(), length)); };
    clean("Edit31", 80);
    clean("Edit32", 50);
    clean("Edit33", 50);

    QString code = field("Edit30").text().left(20);
    if (code.isEmpty())
        code = kNoCode;
    field("Edit30").setText(code);
    if (code != kNoCode && code.size() < 13)
        field("Edit24").setText(u'*' + code + u'*');
    else if (code.size() == 13)
        field("Edit24").setText(Ean13ToFontText(code));

    clean("Edit38", 20);
    if (field("Edit38").text().isEmpty())
        field("Edit38").setText(code);
    clean("Edit24", 20);
    field("Edit37").setText(field("Edit37").text().left(50));
    field("Edit87").setText(priceForStorage(field("Edit87").text()));
    return text::Trim(code);
}

void OtherMediaSave::insertItem(const QString& code, int copyNumber)
{
    app::TFrmPrin& f = m_frm;
    auto text = [&f](const char* name) { return f.get<ui::CustomEdit>(QString::fromLatin1(name)).text(); };
    const db::Params values = {
        text::Trim(text("Edit31")), text::Trim(text("Edit32")), text::Trim(code), text::Trim(text("Edit38")), text::Trim(text("Edit33")),
        db::Value::boolean(f.get<ui::CheckBox>(QStringLiteral("CheckBox34")).checked()),
        text::Trim(text("ComboBox6")), text::Trim(code + QStringLiteral(".jpg")), copyNumber,
        db::Value::boolean(true), text::Trim(text("Edit24")), text::Trim(text("Edit37")), text::Trim(text("Edit87")),
    };
    db::Query& ars = f.db.ars;
    ars.setSql(QStringLiteral("Insert into table1 (Titre,Auteur,Isbn13,Isbn10,Editeur,Imp_Codebarres,Type,Images,"
                              "NbrExemplaire,Maxexemplaire,CodeBarres,proprio,Prix_Client) Values (?,?,?,?,?,?,?,?,?,?,?,?,?)"),
               values);
    ars.execSql();
    if (code != kNoCode)
        return;
    // An item without a code is known by its number.
    const qint64 numLivre = f.db.ADOConnection1.lastInsertKey();
    const QString internal = QString::number(numLivre).rightJustified(5, u'0');
    ars.setSql(QStringLiteral("UPDATE table1 SET Isbn13 = ?, CodeBarres = ?, images = ? WHERE numlivre = ?"),
               {internal, u'*' + internal + u'*', internal + QStringLiteral(".jpg"), numLivre});
    ars.execSql();
}

void OtherMediaSave::clearEntry()
{
    for (const char* name : {"Edit31", "Edit32", "Edit33", "Edit34", "Edit38", "Edit24", "Edit87", "Edit88", "Edit89",
                             "Edit90", "Edit30"})
        m_frm.get<ui::CustomEdit>(QString::fromLatin1(name)).clear();
}

// The accepted item's cover shrinks down and away below the tabs.
void OtherMediaSave::farewell(const QString& code)
{
    app::TFrmPrin& f = m_frm;
    QString name = code + QStringLiteral(".jpg");
    if (!files::fileExists(f.AppDir + kCoversFolder + name))
        name = kNoPicture;
    auto& pages = f.get<ui::Control>(QStringLiteral("PageControl3"));
    auto& image = f.get<ui::Image>(QStringLiteral("Image26"));
    pages.hide();
    image.setBounds(otherMediaLayout::kFarewellStart);
    showCoverFile(f, image, kCoversFolder, name, kNoPicture);
    image.show();
    QRect r = image.bounds();
    do {
        if (r.height() > 280)
            r.setHeight(r.height() - 4);
        if (r.top() < 815)
            r.moveTop(r.top() + 6);
        if (r.width() > 110)
            r.setWidth(r.width() - 11);
        image.setBounds(r);
        if (f.settings.AnimationOn)
            f.Delay(1);
    } while (!(r.height() < 310 && r.top() > 575 && r.width() < 150));
    // Hidden again, so that it never lies over the list of copies.
    image.hide();
    pages.show();
    f.get<ui::Edit>(QStringLiteral("Edit30")).setFocus();
}

}  // namespace catalogue
