#pragma once
// The book screen's page view tells in its status bar that a download has ended.
namespace app {
class TFrmPrin;
}

namespace web {

class DownloadNotice {
public:
    explicit DownloadNotice(app::TFrmPrin& frm);

    void WebBrowser13DownloadComplete();

private:
    app::TFrmPrin& m_frm;
};

}  // namespace web
