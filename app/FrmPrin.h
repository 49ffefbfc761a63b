#pragma once
// The main window. It owns every control of every screen, the data objects and the network
// clients for the whole run. Its own layout (screens, toolbar, menus) is built here; each
// screen adds its controls inside its panel and binds its handlers by name.
#include "app/DatabaseObjects.h"
#include "app/HandlerTable.h"
#include "app/LanguageTables.h"
#include "app/ProgramServices.h"
#include "app/Settings.h"
#include "app/Thesaurus.h"
#include "platform/files/TextFileRecord.h"
#include "platform/net/FtpClient.h"
#include "platform/net/HttpClient.h"
#include "platform/ui/Form.h"

#include <QSize>
#include <memory>
#include <typeindex>
#include <unordered_map>

namespace ui {
class Control;
class Panel;
}  // namespace ui

namespace app {

class TFrmPrin : public ui::Form {
    // First, so that the members below can use it while they are built.
    ProgramServices& m_services;

public:
    explicit TFrmPrin(ProgramServices& services);

    ProgramServices& services() const { return m_services; }
    HandlerTable handlers;

    // Values set at start and read everywhere.
    QString AppDir;
    QString AppDrive;
    QString BackupDateText;
    QString ProgramVersion;
    QString AmazonSite;
    QString LanguageText;
    int LastNumLivre = 0;
    QSize CoverFrameSize;
    bool InventoryMode = false;
    // An ISBN list is being looked up and saved one code after the other.
    bool IsbnListMode = false;

    // What the last look-up of a book code left for the save: the cover file a source stored,
    // whether the cover was scanned ("True"/"False", empty until known), the book's language
    // (kept apart from the interface's language file), whether a source found the book and
    // whether a cover was shown or stored. Their older names, still used for the book screen:
    // LookupCoverName, CoverScanned, BookDataFound and LookupFound, in that order (the old
    // LookupFound is CoverFound here, the old BookDataFound is LookupFound here).
    QString CoverFileName;
    QString ScannedCoverFlag;
    QString BookLanguage;
    bool LookupFound = false;
    bool CoverFound = false;
    // The cover or photo being worked on: the scans set it without ".jpg", the cover buttons
    // and the book screen's navigation with it.
    QString CoverName;
    // The book screen's page view finished a download; the page fetches clear it.
    bool DownloadDone = false;
    Settings settings;
    LanguageTables tables;
    Thesaurus ThesaurusTable;
    DatabaseObjects db;
    // The window's one text file, taken in turn by every writer of journals, lists and pages.
    files::TextFileRecord OutputFile;

    // The window's HTTP client: the one the version check created, once it succeeded.
    std::unique_ptr<net::HttpClient> IdHTTP1;
    net::FtpClient IdFTP1;
    // How network calls wait: letting the window's messages through.
    net::Waiting networkWaiting();

    // Start-up, in its fixed order (OnCreate).
    void FormCreate();
    void StartupQuestion();
    // Every start: cover file names follow the book's 13-character code (and issue number for
    // press codes). The picture files are not touched.
    void RepairCoverNames();

    // Window routines shared by every screen.
    void HideAllScreens();
    void Delay(int milliseconds);
    void FlushKeyboardInput();
    void ShowBalloonHint(ui::WinControl& control, int icon, const QString& title, const QString& text,
                         ui::Color backColor, ui::Color textColor);
    bool CopyFolder(const QString& source, const QString& dest);
    // Ends the program when the name is the program's own executable; nothing else is ever ended.
    bool KillProcessByName(const QString& exeName);
    // Moves the pointer to an offset from the active window's outer top-left corner.
    void MovePointer(int x, int y);
    // Slides a screen in from above (`step` pixels a step) until its top reaches `until`.
    void SlideIn(ui::Control& panel, int until, int step = 14);

    // A message-table text in the standard message box.
    void ShowMessageEntry(int entry);
    // Where the window's own controls are looked up by their designed names; nullptr for a
    // control whose screen is not built.
    ui::Control* control(const QString& name) const;
    // nullptr for a control of a screen left out of a window built in part (a test of one screen);
    // once every screen is built, a missing one is a programming error: std::out_of_range.
    template <class T>
    T* builtControl(const QString& name) const
    {
        return m_everyScreenBuilt ? &get<T>(name) : find<T>(name);
    }
    // Skips, as builtControl() does, a control of a screen left out.
    void setVisibleIfBuilt(const QString& name, bool visible);
    void everyScreenBuilt() { m_everyScreenBuilt = true; }

    static QString programExeName();

    // The objects of the screens, owned by the window for its whole run, one of each type, so
    // that a screen of a later subsystem reaches the screens it builds on.
    template <class T, class... Args>
    T& addPart(Args&&... args)
    {
        auto part = std::make_shared<T>(std::forward<Args>(args)...);
        m_parts[std::type_index(typeid(T))] = part;
        return *part;
    }
    template <class T>
    T* findPart() const
    {
        const auto it = m_parts.find(std::type_index(typeid(T)));
        return it == m_parts.end() ? nullptr : static_cast<T*>(it->second.get());
    }

private:
    void buildScreens();
    void buildToolbar();
    void buildMenu();
    // A copy of the open database; a failure is ignored.
    void copyDatabaseTo(const QString& windowsPath);
    void registerFont(const QString& windowsPath);
    void applyLanguage();
    void applySettingsToControls();
    void loadThesaurus();

    std::unordered_map<std::type_index, std::shared_ptr<void>> m_parts;
    bool m_everyScreenBuilt = false;
};

}  // namespace app
