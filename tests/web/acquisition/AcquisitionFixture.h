#pragma once
// The main window with the book, other-media, loan and borrower screens and the scanning and
// photo controls, logged in as administrator, over SANE's test scanners (portrait pages of
// 314 x 393 unless a test gives other settings).
#include "ColumnValues.h"
#include "MainWindowFixture.h"
#include "catalogue/OtherMediaLayout.h"

#include "catalogue/BookEntryLayout.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/BookSave.h"
#include "catalogue/ComplementsTab.h"
#include "catalogue/OtherMediaScreen.h"
#include "catalogue/RecordNavigation.h"
#include "loans/LoanInstaller.h"
#include "pupils/PupilsInstaller.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "tools/bench/SaneTestBackend.h"
#include "web/acquisition/AcquisitionInstaller.h"

#include <QImage>
#include <optional>

class AcquisitionTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, {[](app::TFrmPrin& frm) {
                               auto& entry =
                                   frm.addPart<catalogue::BookEntryScreen>(frm, catalogue::buildBookEntryControls(frm));
                               frm.addPart<catalogue::BookSave>(frm, entry);
                               auto& complements = frm.addPart<catalogue::ComplementsTab>(frm, entry);
                               frm.addPart<catalogue::RecordNavigation>(frm, entry, complements);
                           },
                           [](app::TFrmPrin& frm) {
                               frm.addPart<catalogue::OtherMediaScreen>(frm, catalogue::buildOtherMediaControls(frm));
                           },
                           [](app::TFrmPrin& frm) { loans::installLoanScreen(frm); },
                           // Its import options decide which borrowers get a card picture.
                           [](app::TFrmPrin& frm) { pupils::installPupilScreens(frm); },
                           [](app::TFrmPrin& frm) { acquisition::installAcquisition(frm); }});
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
        dialogs.clearLog();
    }

    void run(const QString& sql, const db::Params& params = {}) { frm().db.ADOConnection1.execute(sql, params); }
    QStringList column(const QString& sql, const char* field)
    {
        return columnValues(frm().db.ADOConnection1, sql, field);
    }
    void addBorrower(int number, const QString& surname, const QString& firstName)
    {
        run(QStringLiteral("Insert into Emprunteurs (NumEmprunteur, EmpNom, EmpPrenom, Classe) Values (?, ?, ?, 'CM1')"),
            {number, surname, firstName});
    }

    // The size of a picture file of the program folder; none when it is missing or no picture.
    std::optional<QSize> pictureSize(const QString& relative) const
    {
        const QImage image(program.folder(relative));
        return image.isNull() ? std::nullopt : std::optional<QSize>(image.size());
    }
    // Texts of the message boxes shown, in order.
    QStringList messages() const
    {
        QStringList texts;
        for (const ui::DialogRecord& r : dialogs.log())
            if (r.kind == ui::DialogRecord::Kind::Message)
                texts << r.text;
        return texts;
    }
    bool scannerDialogShown() const
    {
        for (const ui::DialogRecord& r : dialogs.log())
            if (r.kind == ui::DialogRecord::Kind::Form && r.text == QLatin1String("ScanOptions"))
                return true;
        return false;
    }

    ui::CustomEdit& edit(const char* name) { return frm().get<ui::CustomEdit>(QString::fromLatin1(name)); }
    ui::Image& image(const char* name) { return frm().get<ui::Image>(QString::fromLatin1(name)); }
    QString message(int entry) { return frm().tables.message(entry); }

    // Pages of 590 x 393, wider than high.
    static QByteArray landscapeSettings()
    {
        return SaneTestBackend::portraitSettings() + "br_x 150.0\n";
    }
};
