#pragma once
// One libcurl handle pair kept by a client for its life: a request is prepared on the easy
// handle and run on the multi handle from the calling thread, which keeps letting messages
// through while it waits. Connections stay in the multi handle between requests, so an
// FTP login holds until closeConnections().
//
// No C++ exception crosses libcurl: a callback that fails stops the transfer through its return
// value, and run() reports the failure once libcurl has returned.
#include "platform/net/Waiting.h"

#include <QByteArrayList>
#include <QString>
#include <curl/curl.h>
#include <exception>

class QIODevice;

namespace net {

class CurlSession {
public:
    explicit CurlSession(Waiting waiting);
    ~CurlSession();
    CurlSession(const CurlSession&) = delete;
    CurlSession& operator=(const CurlSession&) = delete;

    // Starts a new request: the options of the last one are cleared; `protocols` is a
    // libcurl protocol list such as "http,https". `what` names the request in errors.
    CURL* prepare(const QString& what, const QByteArray& url, const char* protocols);
    // The body goes to `sink`; past `maxBytes` the transfer stops and fails. A server decides
    // how much it sends, so every receiver names the most it accepts.
    void receiveInto(QIODevice& sink, qint64 maxBytes);
    void sendFrom(QIODevice& source, qint64 size);
    // Every reply line the server sends (FTP control replies, HTTP header lines), up to
    // kReplyLimit bytes in all.
    void collectReplies(QByteArrayList& lines);
    static constexpr qint64 kReplyLimit = 64 * 1024;

    // Runs the prepared request to its end. Throws Error("<what>: <reason>") when it fails,
    // when nothing moves for the waiting limit, or when a request of this session is still
    // running further up the stack (a handler entered again during the wait).
    void run();

    // Closes every open connection; the next request opens a new one.
    void closeConnections();

private:
    void open();
    void close();
    static size_t write(char* data, size_t size, size_t count, void* session) noexcept;
    static size_t read(char* data, size_t size, size_t count, void* session) noexcept;
    static size_t reply(char* data, size_t size, size_t count, void* session) noexcept;
    void check(CURLcode code);

    Waiting waiting_;
    CURL* easy_ = nullptr;
    CURLM* multi_ = nullptr;
    bool running_ = false;
    QString what_;
    QIODevice* sink_ = nullptr;
    QIODevice* source_ = nullptr;
    qint64 maxBytes_ = 0;
    qint64 received_ = 0;
    bool tooLarge_ = false;
    QByteArrayList* replies_ = nullptr;
    qint64 replyBytes_ = 0;
    bool repliesTooLong_ = false;
    // What a callback threw, thrown again once libcurl has returned.
    std::exception_ptr callbackFailure_;
    char errorText_[CURL_ERROR_SIZE] = {};
};

}  // namespace net
