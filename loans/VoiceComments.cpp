#include "loans/VoiceComments.h"

#include "app/FrmPrin.h"
#include "app/ProgramServices.h"
#include "app/TextRoutines.h"
#include "catalogue/ControlPlacement.h"
#include "loans/VoiceCommentIcons.h"
#include "platform/media/SoundCommands.h"
#include "platform/ui/Application.h"
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

VoiceComments::VoiceComments(app::TFrmPrin& frm) : m_frm(frm)
{
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
    const std::pair<const char*, const char*> clicks[] = {
        {"Image16", "Image16Click"}, {"Image61", "Image16Click"}, {"Image67", "Image67Click"},
        {"Image18", "Image18Click"}, {"Image53", "Image53Click"}, {"Image63", "Image17Click"},
        {"Image69", "Image69Click"}, {"Image19", "Image19Click"}, {"Image54", "Image19Click"},
    };
    for (const auto& [control, handler] : clicks) {
        if (auto* c = frm.find<ui::Control>(QString::fromLatin1(control))) {
            const QString name = QString::fromLatin1(handler);
            c->onClick = [&frm, name] { frm.handlers.run(name); };
        }
    }
    bindHover("Image16", "Image61", false);
    bindHover("Image17", "Image63", true);
    bindHover("Image55", "Image65", true);
    bindHover("Image51", "Image67", true);
    bindHover("Image52", "Image69", true);
}

// Entering the plain icon shows its highlighted copy over it; leaving the copy takes it away.
void VoiceComments::bindHover(const char* plain, const char* highlighted, bool hidePlain)
{
    const QString plainName = QString::fromLatin1(plain);
    const QString copyName = QString::fromLatin1(highlighted);
    auto enter = [this, plainName, copyName, hidePlain] {
        if (hidePlain)
            m_frm.setVisibleIfBuilt(plainName, false);
        m_frm.setVisibleIfBuilt(copyName, true);
    };
    auto leave = [this, plainName, copyName, hidePlain] {
        m_frm.setVisibleIfBuilt(copyName, false);
        if (hidePlain)
            m_frm.setVisibleIfBuilt(plainName, true);
    };
    m_frm.handlers.bind(plainName + QStringLiteral("MouseEnter"), enter);
    m_frm.handlers.bind(copyName + QStringLiteral("MouseLeave"), leave);
    if (auto* c = m_frm.find<ui::Control>(plainName))
        c->onMouseEnter = enter;
    if (auto* c = m_frm.find<ui::Control>(copyName))
        c->onMouseLeave = leave;
}

void VoiceComments::setShown(std::initializer_list<const char*> names, bool shown)
{
    for (const char* name : names)
        m_frm.setVisibleIfBuilt(QString::fromLatin1(name), shown);
}

QString VoiceComments::codeOf(const char* field) const
{
    const auto* control = m_frm.find<ui::Control>(QString::fromLatin1(field));
    return control ? control->text() : QString();
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
        m_frm.application().showMessage(kNotSaved + path);
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
    setShown({"Image16", "Image17", "Image19"}, false);
    setShown({"Image18", "Image62"}, true);
    startRecording();
}

void VoiceComments::Image67Click()
{
    setShown({"Image16", "Image17", "Image19"}, false);
    setShown({"Image18", "Image68"}, true);
    startRecording();
}

void VoiceComments::Image18Click()
{
    saveRecording(codeOf("DBEdit2"));
    setShown({"Image16", "Image17"}, true);
    setShown({"Image18", "Image19", "Image61", "Image62"}, false);
}

void VoiceComments::Image53Click()
{
    saveRecording(codeOf("Edit48"));
    setShown({"Image51"}, true);
    setShown({"Image67", "Image68"}, false);
}

void VoiceComments::Image17Click()
{
    setShown({"Image16", "Image17", "Image18", "Image65"}, false);
    setShown({"Image19", "Image64", "Image66"}, true);
    play(codeOf("DBEdit2"));
}

void VoiceComments::Image65Click()
{
    setShown({"Image16", "Image17", "Image18", "Image65"}, false);
    setShown({"Image19", "Image64", "Image66"}, true);
    play(codeOf("Edit39"));
}

void VoiceComments::Image44Click()
{
    setShown({"Image44", "Image16", "Image17", "Image19", "Image52", "Image69"}, false);
    setShown({"Image18", "Image68", "Image70"}, true);
    play(codeOf("Edit39"));
}

void VoiceComments::Image69Click()
{
    play(codeOf("Edit48"));
    setShown({"Image52", "Image69"}, false);
    setShown({"Image70"}, true);
}

void VoiceComments::Image19Click()
{
    m_frm.services().sound.send(QStringLiteral("close all"));
    setShown({"Image16", "Image17", "Image55", "Image52"}, true);
    setShown({"Image18", "Image19", "Image63", "Image64", "Image65", "Image66", "Image69", "Image70"}, false);
}

void placeComplementsVoiceIcons(app::TFrmPrin& frm)
{
    auto* tab = frm.find<ui::TabSheet>(QStringLiteral("TabSheet2"));
    if (!tab)
        return;
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
    for (const Icon& icon : icons) {
        auto* image = catalogue::placeControl<ui::Image>(frm, icon.name, tab, QRect(icon.place, QSize(32, 32)));
        image->setStretch(true);
        image->setPicture(voiceIconPicture(icon.kind));
        image->setHint(QString::fromUtf8(icon.hint));
        image->setShowHint(*icon.hint != 0);
        image->setVisible(icon.shown);
    }
}

}  // namespace loans
