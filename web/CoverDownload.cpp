#include "web/CoverDownload.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/net/Error.h"
#include "platform/picture/PictureConversion.h"
#include "platform/picture/PictureFile.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <cstdio>

namespace web {

CoverDownload::CoverDownload(app::TFrmPrin& frm, browser::WebLimits limits)
    : m_frm(frm), m_transfer(frm.networkWaiting()), m_limits(limits)
{
}

browser::WebLimits CoverDownload::defaultLimits()
{
    browser::WebLimits limits;
    limits.maxBytes = 10 * 1024 * 1024;
    return limits;
}

bool CoverDownload::DownloadCover(const QString& url, const QString& fileName, qint64 markSize)
{
    const QString cover = files::folderFilePath(m_frm.AppDir + catalogue::kCoversFolder, fileName);
    if (cover.isEmpty())
        return false;
    const QString target = files::nativePath(cover);
    const QString fetched = target + QStringLiteral(".download");
    const auto cleanUp = qScopeGuard([&fetched] { QFile::remove(fetched); });
    try {
        m_transfer.download(url, fetched, m_limits);
    } catch (const net::Error&) {
        return false;
    }
    const qint64 size = QFileInfo(fetched).size();
    if (size < kMinimumSize || size == markSize)
        return false;
    QFile file(fetched);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    file.close();
    if (!picture::decodePicture(bytes))
        return false;
    if (picture::detectFormat(bytes) != picture::Format::Jpeg)
        return picture::convertToJpeg(fetched, target);
    // A rename within the folder replaces the old cover in one step.
    return std::rename(QFile::encodeName(fetched).constData(), QFile::encodeName(target).constData()) == 0;
}

}  // namespace web
