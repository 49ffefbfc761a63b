#pragma once
// The book screen with its Compléments tab and the navigation through the copies, over a small
// catalogue whose covers tell their copies apart: the cover of copy n is 20 + n pixels wide.
#include "BookScreenFixture.h"

#include "catalogue/ComplementsTab.h"
#include "catalogue/RecordNavigation.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/PageControl.h"

#include <QImage>

class ComplementsTest : public BookScreenTest {
protected:
    static std::vector<app::ScreenInstaller> screens()
    {
        std::vector<app::ScreenInstaller> s = bookScreens();
        s.push_back([](app::TFrmPrin& frm) {
            auto& entry = *frm.findPart<catalogue::BookEntryScreen>();
            auto& complements = frm.addPart<catalogue::ComplementsTab>(frm, entry);
            frm.addPart<catalogue::RecordNavigation>(frm, entry, complements);
        });
        return s;
    }

    // Copies "Livre 1" … "Livre n" with their covers, then the login and the Compléments tab.
    void openWithCopies(int copies)
    {
        start({"Cancel"}, screens());
        for (int n = 1; n <= copies; ++n) {
            writeCover(QStringLiteral("c%1.jpg").arg(n), 20 + n);
            addBook(QStringLiteral("97820700000%1").arg(n, 2, 10, QChar(u'0')), QStringLiteral("Livre %1").arg(n),
                    QStringLiteral("c%1.jpg").arg(n));
        }
        logIn();
        selectTab("TabSheet2");
    }
    void writeCover(const QString& name, int width)
    {
        QImage picture(width, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(program.folder(QStringLiteral("livres/Jaquettes/") + name), "JPG");
    }
    void selectTab(const char* name) { input.selectTab(frm().get<ui::TabSheet>(QString::fromLatin1(name))); }

    db::Table& books() { return frm().db.ADOTable1; }
    // The copy shown by a picture, 0 for a picture of no copy.
    int copyShown(const char* picture)
    {
        const ui::PicturePtr& p = image(picture).picture();
        return p && p->size().height() == 30 ? p->size().width() - 20 : 0;
    }
    // The copies of the strip from left to right.
    std::vector<int> strip()
    {
        std::vector<int> copies;
        for (const char* slot : {"Image25", "Image24", "Image23", "Image22", "Image21", "Image20"})
            copies.push_back(copyShown(slot));
        return copies;
    }
    static std::vector<int> run(int first, int count = 6)
    {
        std::vector<int> copies;
        for (int n = first; n < first + count; ++n)
            copies.push_back(n);
        return copies;
    }
    QString currentField(const char* field) { return books().fieldByName(QString::fromLatin1(field)).asString(); }
    QString copyField(int copy, const char* field)
    {
        return column(QStringLiteral("SELECT * FROM Table1 WHERE Titre = 'Livre %1'").arg(copy), field).value(0);
    }
};
