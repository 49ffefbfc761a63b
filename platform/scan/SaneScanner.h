#pragma once
// A SANE scanner as an image source. Its dialog offers the device's resolution, mode and area
// with the device's defaults; each transfer scans one page with what the dialog holds. A
// document feeder goes on with the next page while it has paper.
#include "platform/scan/ImageSource.h"
#include "platform/scan/ScanOptionsDialog.h"

#include <memory>

namespace scan {

class SaneScanner : public ImageSource {
public:
    // deviceName as SANE names it; the SANE library must stay initialised meanwhile.
    SaneScanner(ui::Application& application, const QString& deviceName, const QString& label);
    ~SaneScanner() override;

    bool open() override;
    SourceDialog& dialog() override;
    TransferResult transfer(QByteArray& dib) override;
    int endTransfer() override;
    QString lastFailure() const override { return m_failure; }
    void close() override;

private:
    void applyDialogValues();
    bool feederSelected() const;

    ui::Application& m_application;
    QString m_deviceName;
    QString m_label;
    void* m_handle = nullptr;
    std::unique_ptr<ScanOptionsDialog> m_dialog;
    bool m_pageStarted = false;  // the feeder's next page is already started
    QString m_failure;
};

}  // namespace scan
