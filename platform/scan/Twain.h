#pragma once
// Image acquisition as the screens use it, in the states 1 to 7 of the TWAIN standard, on SANE
// for scanners and Qt Multimedia for cameras. Every operation is self-contained: it starts the
// source manager (SANE), opens what it needs, closes everything and ends SANE before it
// returns. The source's own dialog is always shown and its defaults decide resolution, mode and
// area. One operation at a time; the screens always give the main window.
#include "platform/scan/Dib.h"
#include "platform/scan/ImageSource.h"

#include <array>
#include <memory>

namespace ui {
class Application;
class Form;
class Image;
}  // namespace ui

namespace scan {

class SaneSession;

// The answers of the source manager and of the sources, with the standard's values.
enum class TwainReturn { Success = 0, Failure = 1, Cancel = 3, DsEvent = 4, XferDone = 6 };

class Twain {
public:
    static constexpr int kImageSlots = 999;
    // A transfer that fails is asked for again this often before it counts as cancelled.
    static constexpr int kTransferTries = 3;

    explicit Twain(ui::Application& application);
    ~Twain();

    // The list of the sources; the one chosen becomes the default source that every later
    // acquisition opens. True when the user chose one.
    bool TWAIN_SelectImageSource(ui::Form& window);
    // One acquisition with the default source's dialog; fills the image list. The current image
    // (the last one transferred), or none.
    ImageHandle TWAIN_AcquireImages(ui::Form& window);
    int TWAIN_ImageCount() const { return m_imageCount; }
    // index below TWAIN_ImageCount().
    ImageHandle TWAIN_ImageAt(int index) const { return m_images[size_t(index)]; }
    // Frees an image of the list; nothing for none.
    static void TWAIN_ReleaseImage(ImageHandle image);
    // The generic error box.
    void TWAIN_ReportLastError();

    int TwainState() const { return m_state; }
    TwainReturn lastReturn() const { return m_lastReturn; }

private:
    bool loadSourceManager();
    bool openSourceManager();
    bool openDefaultSource();
    bool enableSource();
    void runMessageLoop();
    // The source's scan button: a batch of transfers.
    void transferReady();
    void transferLoop();
    void storeImage(ImageHandle image);
    void closeAll();
    void errorBox(const QString& text);

    ui::Application& m_application;
    int m_state = 1;
    TwainReturn m_lastReturn = TwainReturn::Success;
    std::unique_ptr<SaneSession> m_sane;
    QList<SourceEntry> m_sources;
    int m_cameraCount = 0;
    std::unique_ptr<ImageSource> m_source;
    std::array<ImageHandle, kImageSlots> m_images{};
    int m_imageCount = 0;
    ImageHandle m_currentImage = nullptr;
};

// Paints the DIB, pixel for pixel, into a picture of the DIB's own size that becomes the
// control's picture; the control keeps its size and the image stays the caller's.
void DrawDibIntoImage(ImageHandle image, ui::Image& picture);

}  // namespace scan
