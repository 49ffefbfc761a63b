#pragma once
// The shared online book base as the periodical-issue panel reads it: the record of one issue
// and its cover, at paths under the base's "/livres/" folder. The web look-up provides it.
#include <QString>

namespace catalogue {

class IssueSharedBase {
public:
    virtual ~IssueSharedBase() = default;

    enum class Answer {
        Found,
        Missing,      // the base answered that it has no such record
        Unreachable,  // the page could not be loaded, or the load was cancelled
    };
    // The text of the record page at `path`.
    virtual Answer readRecord(const QString& path, QString& text) = 0;
    // Stores the cover at `path` in the covers folder as `fileName`; false when the base has no
    // cover there or it could not be stored. `url` receives the address it was taken from.
    virtual bool downloadCover(const QString& path, const QString& fileName, QString& url) = 0;
};

}  // namespace catalogue
