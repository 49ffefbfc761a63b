#include "web/acquisition/CoverScanning.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/OtherMediaControls.h"
#include "platform/db/Table.h"
#include "platform/files/WindowsPath.h"
#include "platform/net/Error.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/WebBrowser.h"
#include "web/acquisition/ScanSequence.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace acquisition {

namespace {

constexpr int kCoverWide = 350;
constexpr int kCoverOther = 500;
constexpr int kCodeLength = 13;

const QString kCovers = catalogue::kCoversFolder;

// What was typed or stored by hand for a file name: its digits only.
QString digitsOf(const QString& text)
{
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits;
}

}  // namespace

CoverScanning::CoverScanning(app::TFrmPrin& frm, ScanSequence& sequence, const catalogue::BookEntryControls* entry,
                             const catalogue::OtherMediaControls* otherMedia)
    : m_frm(frm), m_sequence(sequence), m_entry(entry), m_otherMedia(otherMedia)
{}

void CoverScanning::SpeedButton23Click()
{
    app::TFrmPrin& f = m_frm;
    db::Table& books = f.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return;
    ui::Image& cover = m_entry->complements.cover;
    const int count = m_sequence.acquireInto(cover);
    if (count < 1)
        return;

    auto field = [&books](const char* name) { return books.fieldByName(QString::fromLatin1(name)).asString(); };
    auto setImages = [&books](const QString& value) {
        books.edit();
        books.fieldByName(QStringLiteral("Images")).setAsString(value);
        books.post();
    };
    const QString isbn13 = field("Isbn13");
    if (field("Images") == QLatin1String(".jpg"))
        setImages(QString());
    const QString images = field("Images");
    // A name that is no code (a title's, or one of the placeholders) gives way to the code's.
    if (images.isEmpty() || images == catalogue::kNoPicture || images.startsWith(u'.') || images.at(0) > u'B')
        setImages(isbn13 + QStringLiteral(".jpg"));
    f.CoverName = text::Copy(field("Images"), 1, int(field("Images").size()) - 4);
    if (catalogue::isPressCode(isbn13)) {
        f.CoverName = isbn13 + u'_' + digitsOf(field("Isbn10"));
        f.CoverFileName = f.CoverName;
    }
    if (!m_sequence.storeScan(cover, kCovers, f.CoverName, kCoverWide, kCoverOther, ScanSequence::countText(count)))
        return;

    if (f.settings.Qvlbool) {
        if (f.CoverName.size() >= kCodeLength)
            UploadScannedCover(f.CoverName + QStringLiteral(".jpg"));
        else
            uploadByTitle(f.CoverName, field("Titre"));
    }
    f.db.ars.setSql(QStringLiteral("UPDATE table1 SET Emprunte = True WHERE NumLivre = ?"),
                    {books.fieldByName(QStringLiteral("numlivre")).asInteger()});
    f.db.ars.execSql();
}

void CoverScanning::Image59Click()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::BookEntryControls& c = *m_entry;
    ui::Edit& title = c.title;
    ui::Edit& code = c.isbn13;
    if (title.text().isEmpty()) {
        f.ShowMessageEntry(88);
        return;
    }
    if (!code.text().isEmpty() && code.text().size() <= 5) {
        code.setText((QStringLiteral("00000") + code.text()).right(5));
        c.coverName.setText(code.text() + QStringLiteral(".jpg"));
    }
    if (code.text().isEmpty()) {
        db::Query& ars = f.db.ars;
        ars.clearSql();
        ars.addSql(QStringLiteral("SELECT * FROM table1 order by numlivre"));
        ars.open();
        ars.last();
        // An empty catalogue starts at the first number.
        const qint64 last = ars.isEmpty() ? 0 : ars.fieldByName(QStringLiteral("numlivre")).asInteger();
        ars.close();
        const QString next = QString::number(last + 1);
        code.setText(next.size() < 5 ? (QStringLiteral("00000") + next).right(5) : next);
    }
    f.CoverName = code.text();
    f.CoverFileName = code.text() + QStringLiteral(".jpg");
    if (catalogue::isPressCode(code.text())) {
        f.CoverName = code.text() + u'_' + digitsOf(c.issueNumber.text());
        f.CoverFileName = f.CoverName + QStringLiteral(".jpg");
    }
    if (!m_sequence.ScanToJpegFile(c.foundCover, kCovers, f.CoverName, kCoverWide, kCoverOther, f.tables.message(89),
                                   false))
        return;
    if (f.CoverName.size() >= kCodeLength)
        UploadScannedCover(f.CoverName + QStringLiteral(".jpg"));
    else
        uploadByTitle(f.CoverName, title.text());
    c.coverView.navigate(QStringLiteral("file:") +
                         files::nativePath(f.AppDir + kCovers + f.CoverName + QStringLiteral(".jpg")));
    f.ScannedCoverFlag = QStringLiteral("True");
}

void CoverScanning::SpeedButton25Click()
{
    app::TFrmPrin& f = m_frm;
    const catalogue::OtherMediaControls& c = *m_otherMedia;
    if (c.storedTitle.text().isEmpty())
        return;
    f.CoverName = c.storedCode.text();
    c.coverName.setText(f.CoverName + QStringLiteral(".jpg"));
    ui::Image& picture = c.cover;
    const int count = m_sequence.acquireInto(picture);
    if (count >= 1)
        m_sequence.storeScan(picture, kCovers, f.CoverName, kCoverWide, kCoverOther, ScanSequence::countText(count));
}

void CoverScanning::UploadScannedCover(const QString& fileName)
{
    upload(fileName, QStringLiteral("/livres/") + fileName.left(7) + u'/' + fileName);
}

void CoverScanning::uploadByTitle(const QString& coverName, const QString& title)
{
    const QString key = sharedbase::TitleBankKey(title);
    if (sharedbase::isSafeRemoteName(key))
        upload(coverName + QStringLiteral(".jpg"), QStringLiteral("/livres/alpha/") + key + QStringLiteral(".jpg"));
}

void CoverScanning::upload(const QString& localName, const QString& remotePath)
{
    if (!m_frm.settings.ftpbool)
        return;
    net::FtpClient& ftp = m_frm.IdFTP1;
    const app::MakerHost& maker = m_frm.settings.maker;
    try {
        ftp.disconnect();
        ftp.connect({maker.ftpHost, maker.ftpPort, maker.ftpUser, maker.ftpPassword, true});
        // The base's folder of the code may be new.
        try {
            ftp.makeDir(remotePath.left(remotePath.lastIndexOf(u'/') + 1));
        } catch (const net::Error&) {
        }
        ftp.put(files::nativePath(m_frm.AppDir + kCovers + localName), remotePath);
    } catch (const net::Error& error) {
        m_frm.application().showMessage(QString::fromUtf8(error.what()));
    }
    ftp.disconnect();
}

}  // namespace acquisition
