#include "web/acquisition/CardPictures.h"

#include "app/BorrowerPhotoFile.h"
#include "app/FrmPrin.h"
#include "platform/files/FileOps.h"

#include <QRandomGenerator>

namespace acquisition {

CardDraw systemCardDraw()
{
    return [] { return int(QRandomGenerator::global()->bounded(1, kCardPictureCount + 1)); };
}

QString cardPicturePath(int n)
{
    return QStringLiteral("Cartes\\Carte (") + QString::number(n) + QStringLiteral(").jpg");
}

int giveCardPictures(app::TFrmPrin& frm, const CardDraw& draw, const std::function<bool(const QString&)>& qualifies)
{
    db::Query& ars = frm.db.ars;
    ars.clearSql();
    ars.addSql(QStringLiteral("Select * FROM Emprunteurs"));
    ars.open();
    files::forceDirectories(frm.AppDir + app::kBorrowerPhotosFolder);
    int copied = 0;
    for (ars.first(); !ars.eof(); ars.next()) {
        if (!qualifies(ars.fieldByName(QStringLiteral("NumINE")).asString()))
            continue;
        const int n = draw();
        // The name every screen looks the photo up by.
        const QString photo = app::borrowerPhotoPath(ars.fieldByName(QStringLiteral("EmpNom")).asString(),
                                                     ars.fieldByName(QStringLiteral("EmpPrenom")).asString());
        if (photo.isEmpty() || files::fileExists(frm.AppDir + photo))
            continue;
        if (files::copyFile(frm.AppDir + cardPicturePath(n), frm.AppDir + photo))
            ++copied;
    }
    ars.refresh();
    ars.first();
    return copied;
}

}  // namespace acquisition
