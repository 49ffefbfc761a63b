#pragma once
// One image source (a SANE scanner or a camera) as the acquisition state machine drives it:
// open, show its own dialog, deliver images by native transfer, end each transfer with the
// count of images still pending, close. One class per kind of source.
#include "platform/ui/Form.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace scan {

// The source's own dialog. The source sets the scan button up to call onTransferReady; a
// Cancel (or closing the window) asks for the source to be closed.
class SourceDialog : public ui::Form {
public:
    using ui::Form::Form;
    std::function<void()> onTransferReady;
};

enum class TransferResult { Done, Cancelled, Failed };

class ImageSource {
public:
    virtual ~ImageSource() = default;

    // False when the device cannot be opened (gone, busy).
    virtual bool open() = 0;
    // Built once the source is open; kept by the source until it closes.
    virtual SourceDialog& dialog() = 0;
    // One image as a packed DIB; Cancelled when the user or the device stopped it.
    virtual TransferResult transfer(QByteArray& dib) = 0;
    // After each transfer: how many images of the batch are still to come.
    virtual int endTransfer() = 0;
    // What went wrong with the last transfer that failed, in the device's words.
    virtual QString lastFailure() const = 0;
    virtual void close() = 0;
};

// A source as the selection dialog lists it.
struct SourceEntry {
    QString id;     // "sane:<device name>" or "camera:<device id>"
    QString label;  // what the list shows
};

}  // namespace scan
