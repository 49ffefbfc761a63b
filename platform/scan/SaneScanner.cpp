#include "platform/scan/SaneScanner.h"

#include "platform/scan/Dib.h"
#include "platform/scan/Texts.h"
#include "platform/ui/Application.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <QElapsedTimer>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace scan {

namespace {

// As the program's other waits: the window is painted and answers while the scanner works.
constexpr qint64 kMessagesEveryMs = 50;

SANE_Handle handleOf(void* h) { return static_cast<SANE_Handle>(h); }

struct FoundOption {
    SANE_Int index = -1;
    const SANE_Option_Descriptor* descriptor = nullptr;
};

FoundOption findOption(SANE_Handle h, const char* name)
{
    SANE_Int count = 0;
    if (sane_control_option(h, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return {};
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(h, i);
        if (d && d->name && qstrcmp(d->name, name) == 0 && SANE_OPTION_IS_ACTIVE(d->cap)
            && SANE_OPTION_IS_SETTABLE(d->cap))
            return {i, d};
    }
    return {};
}

bool isNumber(const SANE_Option_Descriptor* d)
{
    return (d->type == SANE_TYPE_INT || d->type == SANE_TYPE_FIXED) && d->size == sizeof(SANE_Word);
}

double wordValue(const SANE_Option_Descriptor* d, SANE_Word w) { return d->type == SANE_TYPE_FIXED ? SANE_UNFIX(w) : w; }
SANE_Word valueWord(const SANE_Option_Descriptor* d, double v)
{
    return d->type == SANE_TYPE_FIXED ? SANE_FIX(v) : SANE_Word(std::lround(v));
}

std::optional<double> numberValue(SANE_Handle h, const FoundOption& o)
{
    if (!o.descriptor || !isNumber(o.descriptor))
        return std::nullopt;
    SANE_Word w = 0;
    if (sane_control_option(h, o.index, SANE_ACTION_GET_VALUE, &w, nullptr) != SANE_STATUS_GOOD)
        return std::nullopt;
    return wordValue(o.descriptor, w);
}

void setNumber(SANE_Handle h, const FoundOption& o, std::optional<double> value)
{
    if (!o.descriptor || !isNumber(o.descriptor) || !value)
        return;
    SANE_Word w = valueWord(o.descriptor, *value);
    sane_control_option(h, o.index, SANE_ACTION_SET_VALUE, &w, nullptr);
}

QString optionText(double value) { return QString::number(value, 'g', 6); }

// The values a resolution box offers: the device's list, or the usual ones within its range.
QStringList resolutionChoices(const SANE_Option_Descriptor* d, double current)
{
    QStringList values;
    if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word* list = d->constraint.word_list;
        for (SANE_Word i = 1; i <= list[0]; ++i)
            values << optionText(wordValue(d, list[i]));
        return values;
    }
    double low = 1, high = 9600;
    if (d->constraint_type == SANE_CONSTRAINT_RANGE) {
        low = wordValue(d, d->constraint.range->min);
        high = wordValue(d, d->constraint.range->max);
    }
    for (double v : {75.0, 100.0, 150.0, 200.0, 300.0, 600.0, 1200.0})
        if (v >= low && v <= high)
            values << optionText(v);
    if (!values.contains(optionText(current)))
        values.prepend(optionText(current));
    return values;
}

QString statusText(SANE_Status status) { return QString::fromUtf8(sane_strstatus(status)); }

// 16-bit samples come in the machine's order; the DIB keeps their upper 8 bits.
QByteArray eightBitSamples(const QByteArray& samples)
{
    QByteArray out(samples.size() / 2, '\0');
    const quint16* in = reinterpret_cast<const quint16*>(samples.constData());
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = char(in[i] >> 8);
    return out;
}

struct Frame {
    SANE_Parameters parameters{};
    QByteArray bytes;
    int reduction = 1;  // pixels of the page for one of the frame, in each direction
};

// How much a page is reduced so that it fits ui::kMaxPicturePixels; a page whose height is not
// known beforehand (a hand scanner) is taken as square.
int reductionFor(const SANE_Parameters& p)
{
    const qint64 width = std::max(p.pixels_per_line, 1);
    const qint64 height = p.lines > 0 ? p.lines : width;
    int factor = 1;
    while ((width / factor) * (height / factor) > ui::kMaxPicturePixels)
        ++factor;
    return factor;
}

// Rows shrunk while they come in: each block of factor x factor pixels gives its mean, as 8-bit
// samples. The page is never held at its full size.
class RowReducer {
public:
    RowReducer(const SANE_Parameters& p, int factor)
        : m_parameters(p), m_factor(factor), m_channels(p.format == SANE_FRAME_RGB ? 3 : 1),
          m_width(p.pixels_per_line / factor), m_sums(size_t(m_width) * size_t(m_channels), 0)
    {
    }

    void append(const char* data, qsizetype length, QByteArray& out)
    {
        while (length > 0) {
            const qsizetype take = std::min<qsizetype>(length, m_parameters.bytes_per_line - m_line.size());
            m_line.append(data, take);
            data += take;
            length -= take;
            if (m_line.size() == m_parameters.bytes_per_line) {
                addLine(out);
                m_line.clear();
            }
        }
    }

    // The parameters of the rows given out, out bytes long.
    SANE_Parameters reducedParameters(qsizetype out) const
    {
        SANE_Parameters p = m_parameters;
        p.depth = 8;
        p.pixels_per_line = m_width;
        p.bytes_per_line = m_width * m_channels;
        p.lines = p.bytes_per_line > 0 ? int(out / p.bytes_per_line) : 0;
        return p;
    }

private:
    int sample(int x, int channel) const
    {
        const auto* line = reinterpret_cast<const uchar*>(m_line.constData());
        const qsizetype index = qsizetype(x) * m_channels + channel;
        switch (m_parameters.depth) {
        case 1: return line[index / 8] >> (7 - index % 8) & 1 ? 0 : 255;  // a set bit is black
        case 16: return reinterpret_cast<const quint16*>(line)[index] >> 8;
        default: return line[index];
        }
    }

    void addLine(QByteArray& out)
    {
        for (int x = 0; x < m_width * m_factor; ++x)
            for (int c = 0; c < m_channels; ++c)
                m_sums[size_t(x / m_factor) * size_t(m_channels) + size_t(c)] += quint32(sample(x, c));
        if (++m_linesInBlock < m_factor)
            return;
        const quint32 block = quint32(m_factor) * quint32(m_factor);
        for (quint32& sum : m_sums) {
            out.append(char((sum + block / 2) / block));
            sum = 0;
        }
        m_linesInBlock = 0;
    }

    SANE_Parameters m_parameters;
    int m_factor;
    int m_channels;
    int m_width;
    std::vector<quint32> m_sums;
    QByteArray m_line;
    int m_linesInBlock = 0;
};

// Reads one frame to its end, reduced to fit the picture bound, letting messages through while
// the scanner works; the status that ended it (EOF when complete).
SANE_Status readFrame(SANE_Handle h, Frame& frame, const std::function<void()>& letMessagesThrough)
{
    if (SANE_Status s = sane_get_parameters(h, &frame.parameters); s != SANE_STATUS_GOOD)
        return s;
    frame.reduction = frame.parameters.bytes_per_line > 0 ? reductionFor(frame.parameters) : 1;
    std::optional<RowReducer> reducer;
    if (frame.reduction > 1)
        reducer.emplace(frame.parameters, frame.reduction);
    QVarLengthArray<SANE_Byte, 65536> buffer(65536);
    QElapsedTimer sinceMessages;
    sinceMessages.start();
    for (;;) {
        SANE_Int length = 0;
        const SANE_Status s = sane_read(h, buffer.data(), SANE_Int(buffer.size()), &length);
        const auto* data = reinterpret_cast<const char*>(buffer.data());
        if (length > 0 && reducer)
            reducer->append(data, length, frame.bytes);
        else if (length > 0)
            frame.bytes.append(data, length);
        if (s != SANE_STATUS_GOOD) {
            if (reducer)
                frame.parameters = reducer->reducedParameters(frame.bytes.size());
            return s;
        }
        if (sinceMessages.elapsed() >= kMessagesEveryMs) {
            letMessagesThrough();
            sinceMessages.restart();
        }
    }
}

// The frames of one page as a raster: grey (1 or 8 bits) or colour, in one frame or three.
std::optional<Raster> rasterOf(const std::vector<Frame>& frames, int dotsPerInch)
{
    if (frames.empty())
        return std::nullopt;
    const SANE_Parameters& p = frames.front().parameters;
    if (p.bytes_per_line <= 0 || p.pixels_per_line <= 0)
        return std::nullopt;
    Raster r;
    r.width = p.pixels_per_line;
    r.dotsPerInch = dotsPerInch / frames.front().reduction;
    // A hand scanner does not know its height before the end.
    r.height = int(frames.front().bytes.size() / p.bytes_per_line);
    if (r.height <= 0)
        return std::nullopt;
    const qsizetype samples = qsizetype(r.width) * r.height;
    auto samples8 = [&](const Frame& f, int perPixel) {
        QByteArray packed;
        packed.reserve(samples * perPixel);
        const int used = r.width * perPixel * (f.parameters.depth == 16 ? 2 : 1);
        for (int y = 0; y < r.height; ++y)
            packed.append(f.bytes.constData() + qsizetype(y) * f.parameters.bytes_per_line, used);
        return f.parameters.depth == 16 ? eightBitSamples(packed) : packed;
    };
    switch (p.format) {
    case SANE_FRAME_GRAY:
        if (p.depth == 1) {
            r.bitsPerPixel = 1;
            r.bytesPerLine = p.bytes_per_line;
            r.rows = frames.front().bytes.left(qsizetype(r.height) * p.bytes_per_line);
        } else {
            r.bitsPerPixel = 8;
            r.bytesPerLine = r.width;
            r.rows = samples8(frames.front(), 1);
        }
        return r;
    case SANE_FRAME_RGB:
        if (p.depth == 1)
            return std::nullopt;
        r.bitsPerPixel = 24;
        r.bytesPerLine = r.width * 3;
        r.rows = samples8(frames.front(), 3);
        return r;
    default: {
        // Three passes, one colour each.
        QByteArray channels[3];
        for (const Frame& f : frames) {
            const int c = f.parameters.format == SANE_FRAME_RED ? 0 : f.parameters.format == SANE_FRAME_GREEN ? 1 : 2;
            if (f.parameters.depth == 1 || f.bytes.size() / f.parameters.bytes_per_line < r.height)
                return std::nullopt;
            channels[c] = samples8(f, 1);
        }
        if (channels[0].size() != samples || channels[1].size() != samples || channels[2].size() != samples)
            return std::nullopt;
        r.bitsPerPixel = 24;
        r.bytesPerLine = r.width * 3;
        r.rows.resize(samples * 3);
        for (qsizetype i = 0; i < samples; ++i)
            for (int c = 0; c < 3; ++c)
                r.rows[3 * i + c] = channels[c][i];
        return r;
    }
    }
}

}  // namespace

SaneScanner::SaneScanner(ui::Application& application, const QString& deviceName, const QString& label)
    : m_application(application), m_deviceName(deviceName), m_label(label)
{
}

SaneScanner::~SaneScanner() { close(); }

bool SaneScanner::open()
{
    SANE_Handle h = nullptr;
    if (sane_open(m_deviceName.toUtf8().constData(), &h) != SANE_STATUS_GOOD || !h)
        return false;
    m_handle = h;
    return true;
}

SourceDialog& SaneScanner::dialog()
{
    if (!m_dialog) {
        SANE_Handle h = handleOf(m_handle);
        ScanChoices choices;
        if (const FoundOption o = findOption(h, SANE_NAME_SCAN_RESOLUTION); o.descriptor) {
            if (const std::optional<double> v = numberValue(h, o)) {
                choices.resolutions = resolutionChoices(o.descriptor, *v);
                choices.resolution = optionText(*v);
            }
        }
        if (const FoundOption o = findOption(h, SANE_NAME_SCAN_MODE);
            o.descriptor && o.descriptor->type == SANE_TYPE_STRING
            && o.descriptor->constraint_type == SANE_CONSTRAINT_STRING_LIST) {
            QByteArray value(o.descriptor->size + 1, '\0');
            if (sane_control_option(h, o.index, SANE_ACTION_GET_VALUE, value.data(), nullptr) == SANE_STATUS_GOOD) {
                QStringList modes;
                for (const SANE_String_Const* s = o.descriptor->constraint.string_list; *s; ++s)
                    modes << QString::fromUtf8(*s);
                choices.modes = modes;
                choices.mode = QString::fromUtf8(value.constData());
            }
        }
        std::array<double, 4> area{};
        bool hasArea = true;
        const char* const edges[] = {SANE_NAME_SCAN_TL_X, SANE_NAME_SCAN_TL_Y, SANE_NAME_SCAN_BR_X, SANE_NAME_SCAN_BR_Y};
        for (int i = 0; i < 4 && hasArea; ++i) {
            const FoundOption o = findOption(h, edges[i]);
            const std::optional<double> v = numberValue(h, o);
            hasArea = v.has_value();
            if (v) {
                area[size_t(i)] = *v;
                choices.areaUnit = o.descriptor->unit == SANE_UNIT_MM ? QStringLiteral("mm") : QStringLiteral("pixels");
            }
        }
        if (hasArea)
            choices.area = area;
        m_dialog = std::make_unique<ScanOptionsDialog>(m_application, m_label, choices);
    }
    return *m_dialog;
}

void SaneScanner::applyDialogValues()
{
    SANE_Handle h = handleOf(m_handle);
    // The mode first: it can change which other options are active.
    if (const std::optional<QString> mode = m_dialog->mode()) {
        const FoundOption o = findOption(h, SANE_NAME_SCAN_MODE);
        if (o.descriptor && o.descriptor->type == SANE_TYPE_STRING) {
            QByteArray value = mode->toUtf8().left(o.descriptor->size - 1);
            value.append('\0');
            sane_control_option(h, o.index, SANE_ACTION_SET_VALUE, value.data(), nullptr);
        }
    }
    setNumber(h, findOption(h, SANE_NAME_SCAN_RESOLUTION), m_dialog->resolution());
    const char* const edges[] = {SANE_NAME_SCAN_TL_X, SANE_NAME_SCAN_TL_Y, SANE_NAME_SCAN_BR_X, SANE_NAME_SCAN_BR_Y};
    for (int i = 0; i < 4; ++i)
        setNumber(h, findOption(h, edges[i]), m_dialog->areaEdge(i));
}

bool SaneScanner::feederSelected() const
{
    SANE_Handle h = handleOf(m_handle);
    const FoundOption o = findOption(h, SANE_NAME_SCAN_SOURCE);
    if (!o.descriptor || o.descriptor->type != SANE_TYPE_STRING)
        return false;
    QByteArray value(o.descriptor->size + 1, '\0');
    if (sane_control_option(h, o.index, SANE_ACTION_GET_VALUE, value.data(), nullptr) != SANE_STATUS_GOOD)
        return false;
    const QString source = QString::fromUtf8(value.constData());
    return source.contains(QLatin1String("ADF"), Qt::CaseInsensitive)
           || source.contains(QLatin1String("Feeder"), Qt::CaseInsensitive)
           || source.contains(QLatin1String("Duplex"), Qt::CaseInsensitive);
}

TransferResult SaneScanner::transfer(QByteArray& dib)
{
    SANE_Handle h = handleOf(m_handle);
    m_failure.clear();
    if (!m_pageStarted) {
        applyDialogValues();
        if (const SANE_Status s = sane_start(h); s != SANE_STATUS_GOOD) {
            sane_cancel(h);
            m_failure = statusText(s);
            return s == SANE_STATUS_CANCELLED ? TransferResult::Cancelled : TransferResult::Failed;
        }
    }
    m_pageStarted = false;
    int dotsPerInch = 0;
    if (const std::optional<double> v = numberValue(h, findOption(h, SANE_NAME_SCAN_RESOLUTION)))
        dotsPerInch = int(std::lround(*v));

    std::vector<Frame> frames;
    for (;;) {
        frames.emplace_back();
        const SANE_Status s = readFrame(h, frames.back(), [this] { m_application.processMessages(); });
        if (s != SANE_STATUS_EOF) {
            sane_cancel(h);
            m_failure = statusText(s);
            return s == SANE_STATUS_CANCELLED ? TransferResult::Cancelled : TransferResult::Failed;
        }
        if (frames.back().parameters.last_frame)
            break;
        if (const SANE_Status next = sane_start(h); next != SANE_STATUS_GOOD) {
            sane_cancel(h);
            m_failure = statusText(next);
            return TransferResult::Failed;
        }
    }
    const std::optional<Raster> raster = rasterOf(frames, dotsPerInch);
    if (!raster) {
        sane_cancel(h);
        m_failure = texts().unknownImageFormat;
        return TransferResult::Failed;
    }
    // Only a page longer than it was taken for can pass the bound.
    if (qint64(raster->width) * raster->height > ui::kMaxPicturePixels) {
        sane_cancel(h);
        m_failure = texts().imageTooLarge;
        return TransferResult::Failed;
    }
    dib = packDib(*raster);
    return TransferResult::Done;
}

int SaneScanner::endTransfer()
{
    SANE_Handle h = handleOf(m_handle);
    // A feeder's next page is started now: only the scanner knows whether paper is left.
    if (feederSelected() && sane_start(h) == SANE_STATUS_GOOD) {
        m_pageStarted = true;
        return 1;
    }
    sane_cancel(h);
    return 0;
}

void SaneScanner::close()
{
    m_dialog.reset();
    if (m_handle) {
        sane_cancel(handleOf(m_handle));
        sane_close(handleOf(m_handle));
        m_handle = nullptr;
    }
    m_pageStarted = false;
}

}  // namespace scan
