#include "loans/VoiceComments.h"

#include "app/FrmPrin.h"
#include "app/ProgramServices.h"
#include "app/TextRoutines.h"
#include "catalogue/BookEntryScreen.h"
#include "loans/ControlGroups.h"
#include "loans/LoanScreen.h"
#include "loans/ReturnScreen.h"
#include "loans/VoiceCommentIcons.h"
#include "platform/files/ShownPath.h"
#include "platform/media/SoundCommands.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"

namespace loans {

namespace {

const QString kNoDevice =
    QStringLiteral("Aucun périphérique d'enregistrement sur cet ordinateur : le commentaire n'a pas été enregistré.");
const QString kNotSaved = QStringLiteral("Le commentaire n'a pas pu être enregistré dans le fichier ");

}  // namespace

QString commentFile(const QString& appDir, const QString& code)
{
    QString name = code;
    name.replace(u'\\', u'_').replace(u'/', u'_');
    name = ReplaceAll(name, QStringLiteral(".."), QStringLiteral("_"));
    return appDir + QStringLiteral("Commentaires\\") + name + QStringLiteral(".Wav");
}

VoiceComments::VoiceComments(app::TFrmPrin& frm, const ReturnScreen& returns,
                             const std::optional<BookCommentIcons>& book)
    : m_frm(frm), m_returns(returns.controls())
{
    const ReturnControls& r = m_returns;
    const LoanScreen* loanScreen = frm.findPart<LoanScreen>();
    const LoanControls* l = loanScreen ? &loanScreen->controls() : nullptr;
    const BookCommentIcons* b = book ? &*book : nullptr;
    m_icons = Icons{b ? &b->record : nullptr,        b ? &b->recordLit : nullptr,
                    b ? &b->recording : nullptr,     b ? &b->stopRecording : nullptr,
                    b ? &b->play : nullptr,          b ? &b->playLit : nullptr,
                    b ? &b->playing : nullptr,       b ? &b->stopPlaying : nullptr,
                    l ? &l->playComment : nullptr,   l ? &l->playCommentLit : nullptr,
                    l ? &l->playing : nullptr,       l ? &l->bookComment : nullptr,
                    &r.record,                       &r.recordLit,
                    &r.recording,                    &r.stopRecording,
                    &r.play,                         &r.playLit,
                    &r.playing,                      &r.stopPlaying};

    const std::pair<const char*, void (VoiceComments::*)()> handlers[] = {
        {"Image16Click", &VoiceComments::Image16Click}, {"Image67Click", &VoiceComments::Image67Click},
        {"Image18Click", &VoiceComments::Image18Click}, {"Image53Click", &VoiceComments::Image53Click},
        {"Image17Click", &VoiceComments::Image17Click}, {"Image65Click", &VoiceComments::Image65Click},
        {"Image44Click", &VoiceComments::Image44Click}, {"Image69Click", &VoiceComments::Image69Click},
        {"Image19Click", &VoiceComments::Image19Click},
    };
    for (const auto& [name, handler] : handlers)
        frm.handlers.bind(QString::fromLatin1(name), [this, handler] { (this->*handler)(); });

    // The icons of the book screen and of the return screen; the loan screen binds its own by name.
    const Icons& i = m_icons;
    const std::pair<ui::Image*, const char*> clicks[] = {
        {i.bookRecord, "Image16Click"},        {i.bookRecordLit, "Image16Click"},   {i.returnRecordLit, "Image67Click"},
        {i.bookStopRecording, "Image18Click"}, {i.returnStopRecording, "Image53Click"}, {i.bookPlayLit, "Image17Click"},
        {i.returnPlayLit, "Image69Click"},     {i.bookStopPlaying, "Image19Click"}, {i.returnStopPlaying, "Image19Click"},
    };
    for (const auto& [icon, handler] : clicks) {
        if (icon) {
            const QString name = QString::fromLatin1(handler);
            icon->onClick = [&frm, name] { frm.handlers.run(name); };
        }
    }
    bindHover(i.bookRecord, i.bookRecordLit, false);
    bindHover(i.bookPlay, i.bookPlayLit, true);
    bindHover(i.loanPlay, i.loanPlayLit, true);
    bindHover(i.returnRecord, i.returnRecordLit, true);
    bindHover(i.returnPlay, i.returnPlayLit, true);
}

// Entering the plain icon shows its highlighted copy over it; leaving the copy takes it away.
void VoiceComments::bindHover(ui::Image* plain, ui::Image* highlighted, bool hidePlain)
{
    if (!plain)
        return;
    auto enter = [plain, highlighted, hidePlain] {
        if (hidePlain)
            plain->hide();
        highlighted->show();
    };
    auto leave = [plain, highlighted, hidePlain] {
        highlighted->hide();
        if (hidePlain)
            plain->show();
    };
    m_frm.handlers.bind(plain->name() + QStringLiteral("MouseEnter"), enter);
    m_frm.handlers.bind(highlighted->name() + QStringLiteral("MouseLeave"), leave);
    plain->onMouseEnter = enter;
    highlighted->onMouseLeave = leave;
}

QString VoiceComments::bookCode() const
{
    const auto* entry = m_frm.findPart<catalogue::BookEntryScreen>();
    return entry ? entry->controls().complements.isbn13.text() : QString();
}

QString VoiceComments::loanCode() const
{
    const auto* loans = m_frm.findPart<LoanScreen>();
    return loans ? loans->controls().code.text() : QString();
}

QString VoiceComments::returnCode() const
{
    return m_returns.code.text();
}

void VoiceComments::startRecording()
{
    media::SoundCommands& sound = m_frm.services().sound;
    for (const char* command : {"close all", "open new type Waveaudio alias capture", "seek capture to start",
                                "set capture samplespersec 11100", "set capture bitspersample 8",
                                "set capture channels 1", "record capture"})
        sound.send(QString::fromLatin1(command));
}

void VoiceComments::saveRecording(const QString& code)
{
    media::SoundCommands& sound = m_frm.services().sound;
    const QString path = commentFile(m_frm.AppDir, code);
    const media::Status saved = sound.send(QStringLiteral("save capture \"") + path + u'"');
    sound.send(QStringLiteral("stop capture"));
    sound.send(QStringLiteral("close capture"));
    if (saved == media::Status::NotAvailable)
        m_frm.application().showMessage(kNoDevice);
    else if (saved != media::Status::Ok)
        m_frm.application().showMessage(kNotSaved + files::shownPath(path));
}

void VoiceComments::play(const QString& code)
{
    media::SoundCommands& sound = m_frm.services().sound;
    sound.send(QStringLiteral("close all"));
    sound.send(QStringLiteral("open \"") + commentFile(m_frm.AppDir, code) + QStringLiteral("\" alias capture"));
    sound.send(QStringLiteral("set capture time format ms"));
    sound.send(QStringLiteral("play capture"));
}

void VoiceComments::Image16Click()
{
    const Icons& i = m_icons;
    setShown({i.bookRecord, i.bookPlay, i.bookStopPlaying}, false);
    setShown({i.bookStopRecording, i.bookRecording}, true);
    startRecording();
}

void VoiceComments::Image67Click()
{
    const Icons& i = m_icons;
    setShown({i.bookRecord, i.bookPlay, i.bookStopPlaying}, false);
    setShown({i.bookStopRecording, i.returnRecording}, true);
    startRecording();
}

void VoiceComments::Image18Click()
{
    const Icons& i = m_icons;
    saveRecording(bookCode());
    setShown({i.bookRecord, i.bookPlay}, true);
    setShown({i.bookStopRecording, i.bookStopPlaying, i.bookRecordLit, i.bookRecording}, false);
}

void VoiceComments::Image53Click()
{
    const Icons& i = m_icons;
    saveRecording(returnCode());
    setShown({i.returnRecord}, true);
    setShown({i.returnRecordLit, i.returnRecording}, false);
}

void VoiceComments::Image17Click()
{
    const Icons& i = m_icons;
    setShown({i.bookRecord, i.bookPlay, i.bookStopRecording, i.loanPlayLit}, false);
    setShown({i.bookStopPlaying, i.bookPlaying, i.loanPlaying}, true);
    play(bookCode());
}

void VoiceComments::Image65Click()
{
    const Icons& i = m_icons;
    setShown({i.bookRecord, i.bookPlay, i.bookStopRecording, i.loanPlayLit}, false);
    setShown({i.bookStopPlaying, i.bookPlaying, i.loanPlaying}, true);
    play(loanCode());
}

void VoiceComments::Image44Click()
{
    const Icons& i = m_icons;
    setShown({i.loanBookComment, i.bookRecord, i.bookPlay, i.bookStopPlaying, i.returnPlay, i.returnPlayLit}, false);
    setShown({i.bookStopRecording, i.returnRecording, i.returnPlaying}, true);
    play(loanCode());
}

void VoiceComments::Image69Click()
{
    const Icons& i = m_icons;
    play(returnCode());
    setShown({i.returnPlay, i.returnPlayLit}, false);
    setShown({i.returnPlaying}, true);
}

void VoiceComments::Image19Click()
{
    const Icons& i = m_icons;
    m_frm.services().sound.send(QStringLiteral("close all"));
    setShown({i.bookRecord, i.bookPlay, i.loanPlay, i.returnPlay}, true);
    setShown({i.bookStopRecording, i.bookStopPlaying, i.bookPlayLit, i.bookPlaying, i.loanPlayLit, i.loanPlaying,
              i.returnPlayLit, i.returnPlaying},
             false);
}

std::optional<BookCommentIcons> placeComplementsVoiceIcons(app::TFrmPrin& frm)
{
    const auto* entry = frm.findPart<catalogue::BookEntryScreen>();
    if (!entry)
        return std::nullopt;
    struct Icon {
        const char* name;
        QPoint place;
        VoiceIcon kind;
        const char* hint;
        bool shown;
    };
    const Icon icons[] = {
        {"Image16", {548, 244}, VoiceIcon::Record, "Enregistrer un commentaire", true},
        {"Image61", {548, 244}, VoiceIcon::RecordHighlighted, "Enregistrer un commentaire", false},
        {"Image62", {584, 244}, VoiceIcon::Busy, "", false},
        {"Image18", {620, 244}, VoiceIcon::Stop, "Stopper l'enregistrement", false},
        {"Image17", {548, 290}, VoiceIcon::Play, "Ecouter le commentaire", true},
        {"Image63", {548, 290}, VoiceIcon::PlayHighlighted, "Ecouter le commentaire", false},
        {"Image64", {584, 290}, VoiceIcon::Busy, "", false},
        {"Image19", {620, 290}, VoiceIcon::Stop, "Arrêter l'écoute", false},
    };
    std::array<ui::Image*, std::size(icons)> placed;
    for (size_t k = 0; k < std::size(icons); ++k) {
        const Icon& icon = icons[k];
        auto* image = ui::placeControl<ui::Image>(frm, icon.name, &entry->controls().complementsTab,
                                                         QRect(icon.place, QSize(32, 32)));
        image->setStretch(true);
        image->setPicture(voiceIconPicture(icon.kind));
        image->setHint(QString::fromUtf8(icon.hint));
        image->setShowHint(*icon.hint != 0);
        image->setVisible(icon.shown);
        placed[k] = image;
    }
    return BookCommentIcons{.record = *placed[0],
                            .recordLit = *placed[1],
                            .recording = *placed[2],
                            .stopRecording = *placed[3],
                            .play = *placed[4],
                            .playLit = *placed[5],
                            .playing = *placed[6],
                            .stopPlaying = *placed[7]};
}

}  // namespace loans
