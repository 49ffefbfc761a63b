#include "platform/scan/Twain.h"

#include "platform/scan/CameraSource.h"
#include "platform/scan/DefaultSource.h"
#include "platform/scan/SaneScanner.h"
#include "platform/scan/SaneSession.h"
#include "platform/scan/SourceSelectionDialog.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"

namespace scan {

namespace {

const QString kErrorCaption = QStringLiteral("TWAIN Error");
const QString kSaneSource = QStringLiteral("sane:");
const QString kCameraSource = QStringLiteral("camera:");

}  // namespace

Twain::Twain(ui::Application& application) : m_application(application) {}

Twain::~Twain() { closeAll(); }

void Twain::errorBox(const QString& text)
{
    m_application.messageBox(text, kErrorCaption, ui::MessageButtons::Ok, ui::MessageIcon::Warning);
}

void Twain::TWAIN_ReportLastError() { errorBox(QStringLiteral("TWAIN_ReportLastError: an error occurred")); }

void Twain::TWAIN_ReleaseImage(ImageHandle image) { delete image; }

bool Twain::loadSourceManager()
{
    if (m_state >= 2)
        return true;
    m_sane = std::make_unique<SaneSession>();
    if (!m_sane->initialised()) {
        m_sane.reset();
        return false;
    }
    m_state = 2;
    return true;
}

bool Twain::openSourceManager()
{
    m_sources = m_sane->devices();
    const QList<SourceEntry> cameras = cameraSources();
    m_cameraCount = int(cameras.size());
    m_sources += cameras;
    m_state = 3;
    m_lastReturn = TwainReturn::Success;
    return true;
}

bool Twain::openDefaultSource()
{
    m_lastReturn = TwainReturn::Failure;
    if (m_state != 3)
        return false;
    const std::optional<SourceEntry> entry = defaultSourceAmong(m_sources);
    if (!entry)
        return false;
    if (entry->id.startsWith(kSaneSource))
        m_source = std::make_unique<SaneScanner>(m_application, entry->id.mid(kSaneSource.size()), entry->label);
    else
        m_source = std::make_unique<CameraSource>(m_application, entry->id.mid(kCameraSource.size()).toUtf8(),
                                                  entry->label);
    if (!m_source->open()) {
        m_source.reset();
        return false;
    }
    m_lastReturn = TwainReturn::Success;
    m_state = 4;
    return true;
}

bool Twain::enableSource()
{
    if (m_state != 4)
        return false;
    m_source->dialog().onTransferReady = [this] { transferReady(); };
    m_lastReturn = TwainReturn::Success;
    m_state = 5;
    return true;
}

void Twain::runMessageLoop()
{
    // The dialog is modal: the main window gets no input meanwhile, its painting goes on.
    SourceDialog& dialog = m_source->dialog();
    const ui::ModalResult result = m_application.runModal(dialog);
    if (result != ui::ModalResult::Ok && m_state >= 5)
        m_state = 4;  // the user closed the dialog: the source is disabled
}

void Twain::transferReady()
{
    if (m_state != 5 || m_currentImage)
        return;
    m_state = 6;
    transferLoop();
    if (m_currentImage)
        m_source->dialog().setModalResult(ui::ModalResult::Ok);
}

void Twain::transferLoop()
{
    int tries = 0;
    while (m_state == 6) {
        QByteArray dib;
        const TransferResult result = m_source->transfer(dib);
        m_currentImage = nullptr;
        if (result == TransferResult::Done) {
            m_lastReturn = TwainReturn::XferDone;
            m_currentImage = new Dib{std::move(dib)};
            storeImage(m_currentImage);
            m_state = 7;
        } else if (result == TransferResult::Cancelled || ++tries >= kTransferTries) {
            m_lastReturn = TwainReturn::Cancel;
            if (result == TransferResult::Failed)
                errorBox(m_source->lastFailure());
            m_state = 7;
        } else {
            m_lastReturn = TwainReturn::Failure;
            continue;
        }
        tries = 0;
        m_state = m_source->endTransfer() != 0 ? 6 : 5;
    }
}

void Twain::storeImage(ImageHandle image)
{
    if (m_imageCount < kImageSlots) {
        m_images[size_t(m_imageCount++)] = image;
        return;
    }
    // No slot is left: the image is the last one of the acquisition and nobody will release it.
    m_currentImage = nullptr;
    TWAIN_ReleaseImage(image);
}

void Twain::closeAll()
{
    if (m_source) {
        m_source->close();
        m_source.reset();
    }
    m_sources.clear();
    m_sane.reset();
    m_state = 1;
}

bool Twain::TWAIN_SelectImageSource(ui::Form& window)
{
    if (m_state != 1)
        return false;
    if (!loadSourceManager()) {
        errorBox(QStringLiteral("Unable to load Source Manager (TWAIN_32.DLL)"));
        return false;
    }
    openSourceManager();
    SourceSelectionDialog dialog(m_application, m_sources, m_cameraCount, storedDefaultSource());
    m_application.runModal(dialog);
    const std::optional<SourceEntry> chosen = dialog.selected();
    if (chosen)
        storeDefaultSource(chosen->id);
    m_lastReturn = chosen ? TwainReturn::Success : TwainReturn::Cancel;
    closeAll();
    return chosen.has_value();
}

ImageHandle Twain::TWAIN_AcquireImages(ui::Form& window)
{
    if (m_state != 1)
        return nullptr;
    m_currentImage = nullptr;
    m_images.fill(nullptr);
    m_imageCount = 0;
    try {
        if (!loadSourceManager())
            errorBox(QStringLiteral("Unable to load Source Manager (TWAIN_32.DLL)"));
        else if (openSourceManager() && !openDefaultSource())
            TWAIN_ReportLastError();
        else if (enableSource())
            runMessageLoop();
    } catch (...) {
        closeAll();
        throw;
    }
    closeAll();
    return m_currentImage;
}

void DrawDibIntoImage(ImageHandle image, ui::Image& picture)
{
    if (image)
        picture.setPicture(dibPicture(image->bytes));
}

}  // namespace scan
