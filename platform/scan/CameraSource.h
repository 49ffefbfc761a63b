#pragma once
// A camera as an image source, through Qt Multimedia: its own dialog is a live view with a
// button that takes the still.
#include "platform/scan/ImageSource.h"

#include <QList>
#include <memory>

namespace ui {
class Image;
}

namespace scan {

// The cameras of the machine, in the system's order; none without an application object.
QList<SourceEntry> cameraSources();

class CameraSource : public ImageSource {
public:
    CameraSource(ui::Application& application, const QByteArray& deviceId, const QString& label);
    ~CameraSource() override;

    bool open() override;
    SourceDialog& dialog() override;
    TransferResult transfer(QByteArray& dib) override;
    int endTransfer() override { return 0; }
    QString lastFailure() const override { return m_failure; }
    void close() override;

private:
    struct Capture;
    // The live view follows the camera while the dialog is open.
    void showFrames();

    ui::Application& m_application;
    QByteArray m_deviceId;
    QString m_label;
    std::unique_ptr<Capture> m_capture;
    std::unique_ptr<SourceDialog> m_dialog;
    ui::Image* m_view = nullptr;
    QString m_failure;
};

}  // namespace scan
