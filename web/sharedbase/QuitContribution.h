#pragma once
// The school's new records and covers offered to the shared online base on the way out. Each
// book row is sent once: "@" in front of its Photo_rangement once its record went, "&" once its
// cover did (a loan rewrites the field, and the row goes again at the next quit). With the FTP
// exchange on, a row is marked only once its transfer succeeded, or its cover was on the host
// already; a row whose transfer failed is left for the next quit and the others go on. With the
// exchange switched off in the school's settings, the records are only written into the covers
// folder and the rows marked; switched off by a failed start-up check, the rows are left for a
// quit that reaches the host.
#include <QString>
#include <functional>

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}
namespace db {
class Query;
}
namespace ui {
class Memo;
}

namespace sharedbase {

class SharedBaseHost;

class QuitContribution {
public:
    // The progress shows on the book screen's entry tab, one line at a time in `progressLine`.
    QuitContribution(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, ui::Memo& progressLine,
                     SharedBaseHost& host)
        : m_frm(frm), m_book(book), m_progressLine(progressLine), m_host(host)
    {}

    // "&Quitter".
    void ContributeToSharedBase();
    // The toolbar's quit: the image bank first; only while the shared base is in use and its
    // host answers.
    void ContributeToSharedBaseWithImageBank();

    // The pause after each cover sent, which spaces the uploads for the host.
    int coverPauseMs = 1000;

private:
    enum class Quit { Menu, Toolbar };
    void recordPass();
    void coverPass(Quit quit);
    // Sends one record file; a record the base has already gets the base's line with its count raised.
    bool sendRecord(const QString& localFile, const QString& remoteFolder, const QString& name);
    // Sends a cover unless the host has it; whether the host has it afterwards.
    bool sendCover(const QString& localFile, const QString& remotePath);
    // Whether a row's record or cover is done with: sent by `send` with the exchange on, kept at
    // the school by its own settings otherwise.
    bool handled(const std::function<bool()>& send) const;
    // A connection for the next transfer. A host that did not answer the first connection is not
    // asked again; one that answered before is given four failed connections, then left.
    bool connected();
    void mark(db::Query& rows, QChar mark);
    void showProgress(bool visible);
    void note(const QString& line);

    app::TFrmPrin& m_frm;
    const catalogue::BookEntryControls& m_book;
    ui::Memo& m_progressLine;
    SharedBaseHost& m_host;
    Quit m_quit = Quit::Menu;
    int m_failedConnections = 0;
    bool m_reached = false;
};

}  // namespace sharedbase
