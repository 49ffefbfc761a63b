#include "web/acquisition/ScanSequence.h"

#include "app/FrmPrin.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/ShownPath.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/JpegWriter.h"
#include "platform/picture/PictureConversion.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"

#include <QSaveFile>

namespace acquisition {

ScanSequence::ScanSequence(app::TFrmPrin& frm) : m_frm(frm), m_twain(frm.application()) {}

void ScanSequence::chooseSource() { m_twain.TWAIN_SelectImageSource(m_frm); }

int ScanSequence::acquireInto(ui::Image& picture)
{
    m_twain.TWAIN_AcquireImages(m_frm);
    const int count = m_twain.TWAIN_ImageCount();
    if (count < 1) {
        m_frm.application().showMessage(QString::number(count) + QStringLiteral("pas de scanner"));
        return count;
    }
    scan::DrawDibIntoImage(m_twain.TWAIN_ImageAt(0), picture);
    for (int i = 0; i < count; ++i)
        scan::Twain::TWAIN_ReleaseImage(m_twain.TWAIN_ImageAt(i));
    return count;
}

bool ScanSequence::storeScan(ui::Image& picture, const QString& folder, const QString& name, int wideSize,
                             int otherSize, const QString& successText, bool showScaled)
{
    const ui::PicturePtr scan = picture.picture();
    if (!scan)
        return false;
    const QString path = files::folderFilePath(m_frm.AppDir + folder, name + QStringLiteral(".jpg"));
    if (path.isEmpty()) {
        m_frm.application().showMessage(QStringLiteral("L'image n'a pas pu être enregistrée : « ") + name +
                                        QStringLiteral(".jpg » ne peut pas être un nom de fichier."));
        return false;
    }
    m_frm.application().showMessage(successText);
    const ui::PicturePtr scaled =
        picture::scaledPicture(*scan, scan->height() < scan->width() ? wideSize : otherSize);
    files::forceDirectories(m_frm.AppDir + folder);
    // Written whole or not at all: a photo or cover half written would replace a good one.
    QSaveFile file(files::nativePath(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(picture::encodeJpeg(*scaled, picture::kScaledQuality)) < 0
        || !file.commit()) {
        m_frm.application().showMessage(QStringLiteral("L'image n'a pas pu être enregistrée : ") + files::shownPath(path));
        return false;
    }
    if (showScaled)
        picture.setPicture(scaled);
    return true;
}

bool ScanSequence::ScanToJpegFile(ui::Image& picture, const QString& folder, const QString& name, int wideSize,
                                  int otherSize, const QString& successText, bool showScaled)
{
    if (acquireInto(picture) < 1)
        return false;
    return storeScan(picture, folder, name, wideSize, otherSize, successText, showScaled);
}

}  // namespace acquisition
