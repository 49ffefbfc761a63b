#include "web/CoverCrop.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/ComplementsLayout.h"
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
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>
#include <cstdio>

namespace web {

namespace {

const QString kUndoCopy = QStringLiteral("temp.jpg");

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

CoverCrop::CoverCrop(app::TFrmPrin& frm, const catalogue::BookEntryControls& entry)
    : m_frm(frm), m_cover(entry.complements.cover), m_scratch(entry.complements.coverScratch)
{
    m_cover.onMouseEnter = [this] { Image3MouseEnter(); };
    m_cover.onMouseDown = [this](ui::MouseButton, ui::ShiftState, int x, int y) { Image3MouseDown(x, y); };
    m_cover.onMouseMove = [this](ui::ShiftState, int x, int y) { Image3MouseMove(x, y); };
    m_cover.onMouseUp = [this](ui::MouseButton, ui::ShiftState, int x, int y) { Image3MouseUp(x, y); };
    ui::TabSheet* complements = &entry.complementsTab;
    auto* undo = frm.create<ui::SpeedButton>(QStringLiteral("SpeedButton44"), complements);
    undo->setBounds(QRect(660, catalogue::layout::kCommandRowTop, 150, catalogue::layout::kCommandRowHeight));
    undo->setText(QStringLiteral("Annuler image recadrée"));
    undo->onClick = [this] { SpeedButton44Click(); };
    m_firstCorner = frm.create<ui::Edit>(QStringLiteral("Edit35"), complements);
    m_firstCorner->setBounds(QRect(272, 366, 70, 21));
    m_secondCorner = frm.create<ui::Edit>(QStringLiteral("Edit36"), complements);
    m_secondCorner->setBounds(QRect(272, 391, 70, 21));
    // Made after the cover, on its frame, so that it lies over the picture.
    m_selection = frm.create<ui::FocusFrame>(QStringLiteral("CropSelection"), &entry.complements.coverFrame);
    m_selection->setEnabled(false);
    m_selection->hide();
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
    m_selection->setBounds(NormaliseSelection(StartPlace, EndPlace, m_cover).translated(m_cover.bounds().topLeft()));
    m_selection->show();
}

void CoverCrop::showCoordinates(const QString& first, const QString& second)
{
    m_firstCorner->setText(first);
    m_secondCorner->setText(second);
}

void CoverCrop::Image3MouseEnter()
{
    m_cover.setCursor(ui::Cursor::Cross);
    const QRect window = m_frm.bounds();
    showCoordinates(QString::number(window.left()), QString::number(window.top()));
}

void CoverCrop::Image3MouseDown(int x, int y)
{
    if (!m_cover.picture() || ownCoverName().isEmpty())
        return;
    StartPlace = EndPlace = QPoint(x, y);
    Capturing = true;
    showSelection();
    showCoordinates(pointText(m_cover.clientToScreen(StartPlace)), pointText(m_cover.clientToScreen(EndPlace)));
}

void CoverCrop::Image3MouseMove(int x, int y)
{
    m_cover.setCursor(ui::Cursor::Cross);
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
    m_selection->hide();
    showCoordinates(QString::number(x), QString::number(y));
    EndPlace = QPoint(qMin(x, kReleaseLimit.x()), qMin(y, kReleaseLimit.y()));
    if (std::abs(EndPlace.x() - StartPlace.x()) <= kSmallestSelection ||
        std::abs(EndPlace.y() - StartPlace.y()) <= kSmallestSelection)
        return;
    auto* entry = m_frm.findPart<catalogue::BookEntryScreen>();
    const QString cover = ownCoverName();
    if (!entry || !m_cover.picture() || cover.isEmpty())
        return;
    // Display coordinates to the picture's; halves round to even.
    auto scaled = [scale = entry->CoverCropScale](QPoint p) {
        return QPoint(int(std::nearbyint(p.x() * scale.width())), int(std::nearbyint(p.y() * scale.height())));
    };
    const QPoint a = scaled(StartPlace);
    const QPoint b = scaled(EndPlace);
    const QPoint from(qMin(a.x(), b.x()), qMin(a.y(), b.y()));
    const QPoint to(qMax(a.x(), b.x()), qMax(a.y(), b.y()));
    const ui::PicturePtr cropped =
        stretchedSelection(*m_cover.picture(), from, to, kStretchedCorner, m_scratch.bounds().size());
    // The undo copy keeps the cover as it was before its first crop: neither a stray click nor
    // a second crop replaces it.
    if (m_undoCover != cover) {
        writeCoverFile(files::nativePath(m_frm.AppDir + catalogue::kCoversFolder + kUndoCopy),
                       picture::encodeJpeg(*m_cover.picture(), picture::kConvertedQuality));
        m_undoCover = cover;
    }
    writeCoverFile(files::nativePath(m_frm.AppDir + catalogue::kCoversFolder + cover),
                   picture::encodeJpeg(*cropped, picture::kConvertedQuality));
    m_cover.setPicture(cropped);
    // A further crop cuts from the cropped picture.
    entry->recordCoverCropScale(cropped->size());
    m_scratch.clearPicture();
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
    m_cover.setPicture(restored);
    if (auto* entry = m_frm.findPart<catalogue::BookEntryScreen>(); entry && restored)
        entry->recordCoverCropScale(restored->size());
}

}  // namespace web
