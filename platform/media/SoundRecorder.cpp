#include "platform/media/SoundRecorder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace media {

namespace {

// PulseAudio and PipeWire's PulseAudio service listen on this socket of the session.
bool soundServerRuns()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
}

}  // namespace

QString SoundRecorder::findProgram()
{
    const QString parecord = QStandardPaths::findExecutable(QStringLiteral("parecord"));
    if (!parecord.isEmpty() && soundServerRuns())
        return parecord;
    return QStandardPaths::findExecutable(QStringLiteral("arecord"));
}

QStringList SoundRecorder::argumentsFor(const QString& program, const WaveFormat& format)
{
    const bool eightBits = format.bitsPerSample == 8;
    if (QFileInfo(program).fileName() == u"parecord")
        return {QStringLiteral("--raw"), eightBits ? QStringLiteral("--format=u8") : QStringLiteral("--format=s16le"),
                QStringLiteral("--rate=%1").arg(format.samplesPerSec),
                QStringLiteral("--channels=%1").arg(format.channels)};
    return {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-f"),
            eightBits ? QStringLiteral("U8") : QStringLiteral("S16_LE"), QStringLiteral("-r"),
            QString::number(format.samplesPerSec), QStringLiteral("-c"), QString::number(format.channels)};
}

SoundRecorder::SoundRecorder(const QString& program) : m_program(program) {}

SoundRecorder::~SoundRecorder()
{
    discard();
}

bool SoundRecorder::start(const WaveFormat& format)
{
    discard();
    if (m_program.isEmpty())
        return false;
    m_samples = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/qvl-recording-XXXXXX.raw"));
    if (!m_samples->open())
        return false;
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(m_program);
    m_process->setArguments(argumentsFor(m_program, format));
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(m_samples->fileName());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    m_process->start();
    if (!m_process->waitForStarted()) {
        discard();
        return false;
    }
    return true;
}

std::optional<QByteArray> SoundRecorder::finish()
{
    if (!m_process)
        return std::nullopt;
    // Asked to end, the recorders write out what they hold; one without a device has ended
    // already, without a sample.
    m_process->terminate();
    if (!m_process->waitForFinished(2000))
        m_process->kill();
    m_process->waitForFinished();
    m_process.reset();
    m_samples->seek(0);
    const QByteArray samples = m_samples->readAll();
    m_samples.reset();
    if (samples.isEmpty())
        return std::nullopt;
    return samples;
}

void SoundRecorder::discard()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished();
    }
    m_process.reset();
    m_samples.reset();
}

}  // namespace media
