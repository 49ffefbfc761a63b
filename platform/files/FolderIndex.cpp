#include "platform/files/FolderIndex.h"

#include "platform/text/PascalText.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringList>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace files {

namespace {

constexpr uint32_t kWatchedChanges =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

QStringList listFolder(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::NoSort);
}

QString firstSameText(const QStringList& entries, const QString& name)
{
    QString found;
    for (const QString& e : entries)
        if (text::SameText(e, name) && (found.isNull() || e < found))
            found = e;
    return found;
}

class Index {
public:
    Index() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~Index()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    QString entry(const QString& folder, const QString& name)
    {
        struct stat st {};
        if (::stat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            return {};
        if (m_fd < 0)
            return firstSameText(listFolder(folder), name);
        applyChanges();
        Folder* f = watched(folder, st);
        if (!f)
            return firstSameText(listFolder(folder), name);
        const QStringList variants = f->names.value(text::UpperCase(name));
        return variants.isEmpty() ? QString() : *std::min_element(variants.begin(), variants.end());
    }

private:
    struct Folder {
        QString path;
        dev_t device = 0;
        ino_t inode = 0;
        QHash<QString, QStringList> names;  // upper-cased name -> its spellings

        void add(const QString& name)
        {
            QStringList& v = names[text::UpperCase(name)];
            if (!v.contains(name))
                v << name;
        }
        void remove(const QString& name)
        {
            const QString key = text::UpperCase(name);
            auto it = names.find(key);
            if (it != names.end() && it->removeOne(name) && it->isEmpty())
                names.erase(it);
        }
    };

    // The folder's index, made (watch first, then the listing, so that no change falls between)
    // when missing or when another folder now stands under its path.
    Folder* watched(const QString& path, const struct stat& st)
    {
        if (auto it = m_byPath.find(path); it != m_byPath.end()) {
            Folder& f = m_folders[*it];
            if (f.device == st.st_dev && f.inode == st.st_ino)
                return &f;
            forget(*it);
        }
        const int wd = inotify_add_watch(m_fd, QFile::encodeName(path).constData(), kWatchedChanges);
        if (wd < 0)
            return nullptr;
        if (m_folders.contains(wd))  // the same folder reached under another path
            m_byPath.remove(m_folders[wd].path);
        Folder& f = m_folders[wd];
        f = Folder{path, st.st_dev, st.st_ino, {}};
        for (const QString& name : listFolder(path))
            f.add(name);
        m_byPath.insert(path, wd);
        return &f;
    }

    void forget(int wd)
    {
        inotify_rm_watch(m_fd, wd);
        m_byPath.remove(m_folders.value(wd).path);
        m_folders.remove(wd);
    }

    void forgetAll()
    {
        for (auto it = m_folders.cbegin(); it != m_folders.cend(); ++it)
            inotify_rm_watch(m_fd, it.key());
        m_folders.clear();
        m_byPath.clear();
    }

    void applyChanges()
    {
        alignas(struct inotify_event) char buffer[64 * 1024];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0) {
                if (n < 0 && errno == EINTR)
                    continue;
                return;
            }
            for (ssize_t at = 0; at < n;) {
                const auto* e = reinterpret_cast<const struct inotify_event*>(buffer + at);
                at += ssize_t(sizeof(struct inotify_event)) + e->len;
                apply(*e);
            }
        }
    }

    void apply(const struct inotify_event& e)
    {
        if (e.mask & IN_Q_OVERFLOW) {  // changes were lost: list again when asked
            forgetAll();
            return;
        }
        auto it = m_folders.find(e.wd);
        if (it == m_folders.end())
            return;
        if (e.mask & IN_IGNORED) {
            m_byPath.remove(it->path);
            m_folders.erase(it);
            return;
        }
        if (e.mask & (IN_DELETE_SELF | IN_MOVE_SELF)) {
            forget(e.wd);
            return;
        }
        const QString name = e.len ? QFile::decodeName(e.name) : QString();
        if (name.isEmpty())
            return;
        if (e.mask & (IN_CREATE | IN_MOVED_TO))
            it->add(name);
        else if (e.mask & (IN_DELETE | IN_MOVED_FROM))
            it->remove(name);
    }

    int m_fd;
    QHash<int, Folder> m_folders;
    QHash<QString, int> m_byPath;
};

}  // namespace

QString caseInsensitiveEntry(const QString& folder, const QString& name)
{
    static Index index;
    return index.entry(folder, name);
}

}  // namespace files
