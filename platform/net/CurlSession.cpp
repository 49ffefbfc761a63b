#include "platform/net/CurlSession.h"

#include "platform/net/Error.h"
#include "platform/net/ErrorTexts.h"

#include <QIODevice>
#include <QScopeGuard>
#include <sys/select.h>

namespace net {

namespace {

constexpr int kMessageInterval = 50;  // ms between two calls of processMessages

void initialiseLibraryOnce()
{
    static const CURLcode code = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (code != CURLE_OK)
        throw Error(errorTexts().libraryFailed.arg(curl_easy_strerror(code)));
}

// How long to wait for libcurl's sockets before the next call. libcurl can stop between two steps
// with no socket to watch and no timer set (an FTP data connection still to open after a passive
// reply read early); then only a new call moves it on: at once the first time, then every
// millisecond while it still watches nothing.
int pollInterval(CURLM* multi, int& turnsWithoutSocket)
{
    fd_set read, write, error;
    FD_ZERO(&read);
    FD_ZERO(&write);
    FD_ZERO(&error);
    int highest = -1;
    curl_multi_fdset(multi, &read, &write, &error, &highest);
    if (highest >= 0) {
        turnsWithoutSocket = 0;
        return kMessageInterval;
    }
    return turnsWithoutSocket++ == 0 ? 0 : 1;
}

curl_off_t bytesMoved(CURL* easy)
{
    curl_off_t down = 0;
    curl_off_t up = 0;
    curl_easy_getinfo(easy, CURLINFO_SIZE_DOWNLOAD_T, &down);
    curl_easy_getinfo(easy, CURLINFO_SIZE_UPLOAD_T, &up);
    return down + up;
}

}  // namespace

CurlSession::CurlSession(Waiting waiting) : waiting_(std::move(waiting))
{
    initialiseLibraryOnce();
    open();
}

CurlSession::~CurlSession()
{
    close();
}

void CurlSession::open()
{
    easy_ = curl_easy_init();
    multi_ = curl_multi_init();
    if (!easy_ || !multi_) {
        close();
        throw Error(errorTexts().noConnectionHandle);
    }
}

void CurlSession::close()
{
    if (multi_)
        curl_multi_cleanup(multi_);
    if (easy_)
        curl_easy_cleanup(easy_);
    multi_ = nullptr;
    easy_ = nullptr;
}

void CurlSession::closeConnections()
{
    if (running_)
        throw Error(errorTexts().closeWhileRunning);
    close();
    open();
}

CURL* CurlSession::prepare(const QString& what, const QByteArray& url, const char* protocols)
{
    if (running_)
        throw Error(errorTexts().anotherRequestRunning.arg(what));
    what_ = what;
    // libcurl 7.88 loses the list of cookie files at a reset (a leak on every request of a
    // cookie-keeping caller). Dropping it first keeps the cookies of a share, where the program
    // keeps them.
    curl_easy_setopt(easy_, CURLOPT_COOKIEFILE, nullptr);
    curl_easy_reset(easy_);
    sink_ = nullptr;
    source_ = nullptr;
    maxBytes_ = 0;
    received_ = 0;
    tooLarge_ = false;
    replies_ = nullptr;
    replyBytes_ = 0;
    repliesTooLong_ = false;
    callbackFailure_ = nullptr;
    errorText_[0] = '\0';
    curl_easy_setopt(easy_, CURLOPT_URL, url.constData());
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, protocols);
    curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, errorText_);
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    return easy_;
}

void CurlSession::receiveInto(QIODevice& sink, qint64 maxBytes)
{
    sink_ = &sink;
    maxBytes_ = maxBytes;
    // A size announced beyond the limit fails before the body starts.
    curl_easy_setopt(easy_, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxBytes));
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &CurlSession::write);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
}

void CurlSession::sendFrom(QIODevice& source, qint64 size)
{
    source_ = &source;
    curl_easy_setopt(easy_, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy_, CURLOPT_READFUNCTION, &CurlSession::read);
    curl_easy_setopt(easy_, CURLOPT_READDATA, this);
    curl_easy_setopt(easy_, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
}

void CurlSession::collectReplies(QByteArrayList& lines)
{
    replies_ = &lines;
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &CurlSession::reply);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
}

size_t CurlSession::write(char* data, size_t size, size_t count, void* session) noexcept
{
    auto* self = static_cast<CurlSession*>(session);
    const qint64 bytes = qint64(size * count);
    if (bytes > self->maxBytes_ - self->received_) {
        self->tooLarge_ = true;
        return 0;
    }
    try {
        const qint64 written = self->sink_->write(data, bytes);
        if (written != bytes)
            return 0;
        self->received_ += bytes;
        return size_t(bytes);
    } catch (...) {
        self->callbackFailure_ = std::current_exception();
        return 0;
    }
}

size_t CurlSession::read(char* data, size_t size, size_t count, void* session) noexcept
{
    auto* self = static_cast<CurlSession*>(session);
    try {
        const qint64 got = self->source_->read(data, qint64(size * count));
        return got < 0 ? CURL_READFUNC_ABORT : size_t(got);
    } catch (...) {
        self->callbackFailure_ = std::current_exception();
        return CURL_READFUNC_ABORT;
    }
}

size_t CurlSession::reply(char* data, size_t size, size_t count, void* session) noexcept
{
    auto* self = static_cast<CurlSession*>(session);
    const qint64 bytes = qint64(size * count);
    if (bytes > kReplyLimit - self->replyBytes_) {
        self->repliesTooLong_ = true;
        return 0;
    }
    try {
        self->replies_->append(QByteArray(data, qsizetype(bytes)).trimmed());
        self->replyBytes_ += bytes;
        return size_t(bytes);
    } catch (...) {
        self->callbackFailure_ = std::current_exception();
        return 0;
    }
}

void CurlSession::run()
{
    if (curl_multi_add_handle(multi_, easy_) != CURLM_OK)
        throw Error(errorTexts().cannotStart.arg(what_));
    running_ = true;
    const auto finish = qScopeGuard([this] {
        curl_multi_remove_handle(multi_, easy_);
        running_ = false;
    });

    curl_off_t lastBytes = 0;
    qint64 lastMove = waiting_.now();
    int turnsWithoutSocket = 0;
    for (;;) {
        int stillRunning = 0;
        curl_multi_perform(multi_, &stillRunning);
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(multi_, &queued)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == easy_) {
                check(message->data.result);
                return;
            }
        }
        const curl_off_t bytes = bytesMoved(easy_);
        if (bytes != lastBytes) {
            lastBytes = bytes;
            lastMove = waiting_.now();
        } else if (waiting_.now() - lastMove >= waiting_.limit.count()) {
            throw Error(errorTexts().noAnswer.arg(what_, QString::number(double(waiting_.limit.count()) / 1000.0)));
        }
        if (waiting_.processMessages)
            waiting_.processMessages();
        curl_multi_poll(multi_, nullptr, 0, pollInterval(multi_, turnsWithoutSocket), nullptr);
    }
}

void CurlSession::check(CURLcode code)
{
    if (callbackFailure_)
        std::rethrow_exception(std::exchange(callbackFailure_, nullptr));
    if (code == CURLE_OK)
        return;
    if (tooLarge_ || code == CURLE_FILESIZE_EXCEEDED)
        throw Error(errorTexts().answerTooLarge.arg(what_, QString::number(maxBytes_)));
    if (repliesTooLong_)
        throw Error(errorTexts().repliesTooLong.arg(what_, QString::number(kReplyLimit)));
    QString reason = QString::fromUtf8(errorText_).trimmed();
    if (code == CURLE_WRITE_ERROR && sink_)
        reason = sink_->errorString();
    if (reason.isEmpty())
        reason = QString::fromUtf8(curl_easy_strerror(code));
    throw Error(errorTexts().failed.arg(what_, reason));
}

}  // namespace net
