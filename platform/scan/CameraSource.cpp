#include "platform/scan/CameraSource.h"

#include "platform/scan/Dib.h"
#include "platform/scan/Texts.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"

#include <QCamera>
#include <QCoreApplication>
#include <QImageCapture>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

namespace scan {

namespace {

constexpr int kFrameIntervalMs = 40;
constexpr qint64 kCaptureLimitMs = 10'000;

ui::PicturePtr pictureOf(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<quint32> pixels(size_t(argb.width()) * size_t(argb.height()));
    for (int y = 0; y < argb.height(); ++y)
        std::copy_n(reinterpret_cast<const quint32*>(argb.constScanLine(y)), argb.width(),
                    pixels.begin() + qsizetype(y) * argb.width());
    return std::make_shared<ui::Picture>(argb.width(), argb.height(), std::move(pixels));
}

std::optional<QCameraDevice> cameraById(const QByteArray& id)
{
    for (const QCameraDevice& device : QMediaDevices::videoInputs())
        if (device.id() == id)
            return device;
    return std::nullopt;
}

}  // namespace

QList<SourceEntry> cameraSources()
{
    QList<SourceEntry> found;
    if (!QCoreApplication::instance())
        return found;
    for (const QCameraDevice& device : QMediaDevices::videoInputs())
        found.append({QStringLiteral("camera:") + QString::fromUtf8(device.id()), device.description()});
    return found;
}

struct CameraSource::Capture {
    QCamera camera;
    QMediaCaptureSession session;
    QImageCapture still;
    QVideoSink sink;
    explicit Capture(const QCameraDevice& device) : camera(device) {}
};

CameraSource::CameraSource(ui::Application& application, const QByteArray& deviceId, const QString& label)
    : m_application(application), m_deviceId(deviceId), m_label(label)
{
}

CameraSource::~CameraSource() { close(); }

bool CameraSource::open()
{
    const std::optional<QCameraDevice> device = cameraById(m_deviceId);
    if (!device)
        return false;
    m_capture = std::make_unique<Capture>(*device);
    m_capture->session.setCamera(&m_capture->camera);
    m_capture->session.setImageCapture(&m_capture->still);
    m_capture->session.setVideoSink(&m_capture->sink);
    m_capture->camera.start();
    if (m_capture->camera.error() != QCamera::NoError) {
        m_capture.reset();
        return false;
    }
    return true;
}

SourceDialog& CameraSource::dialog()
{
    if (!m_dialog) {
        m_dialog = std::make_unique<SourceDialog>(m_application, QStringLiteral("CameraView"));
        SourceDialog& d = *m_dialog;
        d.setCaption(m_label);
        d.setBounds(QRect(360, 200, 500, 460));
        d.setVisible(false);
        d.setClientSize(QSize(500, 420));
        m_view = d.create<ui::Image>(QStringLiteral("LiveView"));
        m_view->setBounds(QRect(10, 10, 480, 360));
        m_view->setStretch(true);
        auto* take = d.create<ui::Button>(QStringLiteral("TakeButton"));
        take->setBounds(QRect(250, 380, 120, 30));
        take->setCaption(texts().takePhoto);
        take->setDefault(true);
        take->onClick = [this] {
            if (m_dialog->onTransferReady)
                m_dialog->onTransferReady();
        };
        auto* cancel = d.create<ui::Button>(QStringLiteral("CancelButton"));
        cancel->setBounds(QRect(376, 380, 114, 30));
        cancel->setCaption(texts().cancel);
        cancel->setModalResult(ui::ModalResult::Cancel);
        showFrames();
    }
    return *m_dialog;
}

void CameraSource::showFrames()
{
    if (!m_capture || !m_dialog)
        return;
    QCoreApplication::processEvents();
    const QVideoFrame frame = m_capture->sink.videoFrame();
    if (frame.isValid())
        m_view->setPicture(pictureOf(frame.toImage()));
    m_application.postAfter(kFrameIntervalMs, [this, dialog = m_dialog.get()] {
        if (m_dialog.get() == dialog)
            showFrames();
    });
}

TransferResult CameraSource::transfer(QByteArray& dib)
{
    m_failure.clear();
    if (!m_capture)
        return TransferResult::Failed;
    QImage still;
    bool failed = false;
    QImageCapture& capture = m_capture->still;
    const auto taken = QObject::connect(&capture, &QImageCapture::imageCaptured,
                                        [&still](int, const QImage& image) { still = image; });
    const auto refused = QObject::connect(&capture, &QImageCapture::errorOccurred,
                                          [&](int, QImageCapture::Error, const QString& text) {
                                              failed = true;
                                              m_failure = text;
                                          });
    capture.capture();
    m_application.waitUntil(
        [&] {
            QCoreApplication::processEvents();
            return failed || !still.isNull();
        },
        kCaptureLimitMs);
    QObject::disconnect(taken);
    QObject::disconnect(refused);
    if (still.isNull()) {
        if (m_failure.isEmpty())
            m_failure = texts().noCameraImage;
        return TransferResult::Failed;
    }
    const QImage rgb = still.convertToFormat(QImage::Format_RGB888);
    Raster raster;
    raster.width = rgb.width();
    raster.height = rgb.height();
    raster.bitsPerPixel = 24;
    raster.bytesPerLine = int(rgb.bytesPerLine());
    raster.dotsPerInch = 96;
    raster.rows = QByteArray(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes());
    dib = packDib(raster);
    return TransferResult::Done;
}

void CameraSource::close()
{
    m_dialog.reset();
    m_view = nullptr;
    if (m_capture) {
        m_capture->camera.stop();
        m_capture.reset();
    }
}

}  // namespace scan
