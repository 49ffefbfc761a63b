#pragma once
// The book screen's page view tells in its status bar that a download has ended.
namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}
namespace ui {
class StatusBar;
}

namespace web {

class DownloadNotice {
public:
    DownloadNotice(app::TFrmPrin& frm, const catalogue::BookEntryControls& entry);

    void WebBrowser13DownloadComplete();

private:
    app::TFrmPrin& m_frm;
    ui::StatusBar& m_status;
};

}  // namespace web
