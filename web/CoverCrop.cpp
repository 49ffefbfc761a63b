#include "web/CoverCrop.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/files/FileError.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/JpegWriter.h"
#include "platform/picture/PictureConversion.h"
#include "platform/picture/PictureFile.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FocusFrame.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/SpeedButton.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>
#include <cstdio>

namespace web {

namespace {

const QString kUndoCopy = QStringLiteral("temp.jpg");
const QString kSelectionFrame = QStringLiteral("CropSelection");

// The rectangle spanned by a and b, edges in order, clipped to the control's own rectangle.
QRect NormaliseSelection(QPoint a, QPoint b, const ui::Control& control)
{
    const QRect spanned(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())), QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
    return spanned.intersected(QRect(QPoint(0, 0), control.bounds().size()));
}

QString pointText(QPoint p) { return QString::number(p.x()) + u' ' + QString::number(p.y()); }

void writeCoverFile(const QString& nativePath, const QByteArray& jpeg)
{
    QSaveFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.commit())
        throw files::FileError(QStringLiteral("Impossible d'écrire ") + nativePath);
}

// The rectangle (x1, y1)-(x2, y2) of the source stretched into (0, 0)-corner of a white picture
// of the given size; what lies outside the source stays white.
ui::PicturePtr stretchedSelection(const ui::Picture& source, QPoint from, QPoint to, QPoint corner, QSize size)
{
    constexpr quint32 white = 0xFFFFFFFFu;
    std::vector<quint32> pixels(size_t(size.width()) * size_t(size.height()), white);
    const int width = to.x() - from.x();
    const int height = to.y() - from.y();
    for (int y = 0; y < qMin(corner.y(), size.height()); ++y) {
        const int sy = from.y() + int(qint64(y) * height / corner.y());
        for (int x = 0; x < qMin(corner.x(), size.width()); ++x) {
            const int sx = from.x() + int(qint64(x) * width / corner.x());
            if (sx >= 0 && sy >= 0 && sx < source.width() && sy < source.height())
                pixels[size_t(y) * size_t(size.width()) + size_t(x)] = source.pixel(sx, sy);
        }
    }
    return std::make_shared<ui::Picture>(size.width(), size.height(), std::move(pixels));
}

}  // namespace

CoverCrop::CoverCrop(app::TFrmPrin& frm) : m_frm(frm)
{
    auto* cover = frm.find<ui::Image>(QStringLiteral("Image3"));
    auto* complements = frm.find<ui::TabSheet>(QStringLiteral("TabSheet2"));
    if (!cover || !complements)
        return;
    cover->onMouseEnter = [this] { Image3MouseEnter(); };
    cover->onMouseDown = [this](ui::MouseButton, ui::ShiftState, int x, int y) { Image3MouseDown(x, y); };
    cover->onMouseMove = [this](ui::ShiftState, int x, int y) { Image3MouseMove(x, y); };
    cover->onMouseUp = [this](ui::MouseButton, ui::ShiftState, int x, int y) { Image3MouseUp(x, y); };
    auto* undo = frm.create<ui::SpeedButton>(QStringLiteral("SpeedButton44"), complements);
    undo->setBounds(QRect(660, 420, 150, 24));
    undo->setText(QStringLiteral("Annuler image recadrée"));
    undo->onClick = [this] { SpeedButton44Click(); };
    for (const auto& [name, top] : {std::pair("Edit35", 366), std::pair("Edit36", 391)})
        if (!frm.find<ui::Edit>(QString::fromLatin1(name)))
            frm.create<ui::Edit>(QString::fromLatin1(name), complements)->setBounds(QRect(272, top, 70, 21));
    // Made after the cover, on its frame, so that it lies over the picture.
    if (ui::WinControl* frame = cover->parent()) {
        auto* selection = frm.create<ui::FocusFrame>(kSelectionFrame, frame);
        selection->setEnabled(false);
        selection->hide();
    }
}

QString CoverCrop::ownCoverName() const
{
    db::Table& books = m_frm.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return {};
    const QString name = books.fieldByName(QStringLiteral("Images")).asString();
    if (name == catalogue::kNoPicture || name == kUndoCopy)
        return {};
    return files::folderFileName(name);
}

void CoverCrop::showSelection()
{
    const auto& cover = m_frm.get<ui::Control>(QStringLiteral("Image3"));
    auto& frame = m_frm.get<ui::Control>(kSelectionFrame);
    frame.setBounds(NormaliseSelection(StartPlace, EndPlace, cover).translated(cover.bounds().topLeft()));
    frame.show();
}

void CoverCrop::showCoordinates(const QString& first, const QString& second)
{
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit35")).setText(first);
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit36")).setText(second);
}

void CoverCrop::Image3MouseEnter()
{
    m_frm.get<ui::Control>(QStringLiteral("Image3")).setCursor(ui::Cursor::Cross);
    const QRect window = m_frm.bounds();
    showCoordinates(QString::number(window.left()), QString::number(window.top()));
}

void CoverCrop::Image3MouseDown(int x, int y)
{
    if (!m_frm.get<ui::Image>(QStringLiteral("Image3")).picture() || ownCoverName().isEmpty())
        return;
    StartPlace = EndPlace = QPoint(x, y);
    Capturing = true;
    showSelection();
    const auto& image = m_frm.get<ui::Control>(QStringLiteral("Image3"));
    showCoordinates(pointText(image.clientToScreen(StartPlace)), pointText(image.clientToScreen(EndPlace)));
}

void CoverCrop::Image3MouseMove(int x, int y)
{
    m_frm.get<ui::Control>(QStringLiteral("Image3")).setCursor(ui::Cursor::Cross);
    if (Capturing) {
        EndPlace = QPoint(x, y);
        showSelection();
    }
}

void CoverCrop::Image3MouseUp(int x, int y)
{
    if (!Capturing)
        return;
    Capturing = false;
    m_frm.get<ui::Control>(kSelectionFrame).hide();
    showCoordinates(QString::number(x), QString::number(y));
    EndPlace = QPoint(qMin(x, kReleaseLimit.x()), qMin(y, kReleaseLimit.y()));
    if (std::abs(EndPlace.x() - StartPlace.x()) <= kSmallestSelection ||
        std::abs(EndPlace.y() - StartPlace.y()) <= kSmallestSelection)
        return;
    auto* entry = m_frm.findPart<catalogue::BookEntryScreen>();
    auto& image = m_frm.get<ui::Image>(QStringLiteral("Image3"));
    const QString cover = ownCoverName();
    if (!entry || !image.picture() || cover.isEmpty())
        return;
    // Display coordinates to the picture's; halves round to even.
    auto scaled = [scale = entry->CoverCropScale](QPoint p) {
        return QPoint(int(std::nearbyint(p.x() * scale.width())), int(std::nearbyint(p.y() * scale.height())));
    };
    const QPoint a = scaled(StartPlace);
    const QPoint b = scaled(EndPlace);
    const QPoint from(qMin(a.x(), b.x()), qMin(a.y(), b.y()));
    const QPoint to(qMax(a.x(), b.x()), qMax(a.y(), b.y()));
    auto& scratch = m_frm.get<ui::Image>(QStringLiteral("Image87"));
    const ui::PicturePtr cropped =
        stretchedSelection(*image.picture(), from, to, kStretchedCorner, scratch.bounds().size());
    // The undo copy keeps the cover as it was before its first crop: neither a stray click nor
    // a second crop replaces it.
    if (m_undoCover != cover) {
        writeCoverFile(files::nativePath(m_frm.AppDir + catalogue::kCoversFolder + kUndoCopy),
                       picture::encodeJpeg(*image.picture(), picture::kConvertedQuality));
        m_undoCover = cover;
    }
    writeCoverFile(files::nativePath(m_frm.AppDir + catalogue::kCoversFolder + cover),
                   picture::encodeJpeg(*cropped, picture::kConvertedQuality));
    image.setPicture(cropped);
    // A further crop cuts from the cropped picture.
    entry->recordCoverCropScale(cropped->size());
    scratch.clearPicture();
}

void CoverCrop::SpeedButton44Click()
{
    // The undo copy belongs to one cover: another copy's cover is never replaced by it, and
    // without it the cover stays as it is.
    const QString cover = ownCoverName();
    const QString undo = files::nativePath(m_frm.AppDir + catalogue::kCoversFolder + kUndoCopy);
    if (cover.isEmpty() || cover != m_undoCover || !QFile::exists(undo))
        return;
    const QString target = files::nativePath(m_frm.AppDir + catalogue::kCoversFolder + cover);
    if (std::rename(QFile::encodeName(undo).constData(), QFile::encodeName(target).constData()) != 0)
        return;
    m_undoCover.clear();
    const ui::PicturePtr restored = picture::loadPictureFile(target);
    m_frm.get<ui::Image>(QStringLiteral("Image3")).setPicture(restored);
    if (auto* entry = m_frm.findPart<catalogue::BookEntryScreen>(); entry && restored)
        entry->recordCoverCropScale(restored->size());
}

}  // namespace web
