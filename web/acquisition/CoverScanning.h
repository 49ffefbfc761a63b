#pragma once
// Covers that no web source knows, scanned (or photographed) into the covers folder: on the book
// record's Compléments tab, on the new-book tab "Essentiel" and on the other-media record. A book
// with a 13-character code shares its scan with the maker's online base.
#include <QString>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
struct OtherMediaControls;
}  // namespace catalogue

namespace acquisition {

class ScanSequence;

class CoverScanning {
public:
    // Either screen may be null where it is not built: its scans are never asked for.
    CoverScanning(app::TFrmPrin& frm, ScanSequence& sequence, const catalogue::BookEntryControls* entry,
                  const catalogue::OtherMediaControls* otherMedia);

    // Book record, Compléments tab.
    void SpeedButton23Click();
    // New book, "Essentiel" tab.
    void Image59Click();
    // Other-media record, Compléments tab.
    void SpeedButton25Click();

    // Sends a stored scan (its name with ".jpg", 13 characters or more before it) to the
    // base's folder of its code; with the FTP exchange on only. A failed connection or transfer
    // is told and the cover stays local.
    void UploadScannedCover(const QString& fileName);

private:
    // A shorter name has no code folder in the base: the scan goes to the base's title folder
    // under the title's key, the name the title banks look it up by.
    void uploadByTitle(const QString& coverName, const QString& title);
    void upload(const QString& localName, const QString& remotePath);

    app::TFrmPrin& m_frm;
    ScanSequence& m_sequence;
    const catalogue::BookEntryControls* m_entry;
    const catalogue::OtherMediaControls* m_otherMedia;
};

}  // namespace acquisition
