#include "web/AmazonSiteChoice.h"

#include "app/FrmPrin.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"

#include <string_view>

namespace web {

namespace {

struct SiteFlag {
    const char* site;
    const char* flag;
    const char* marker;
    const char* hint;
    int left;
    void (AmazonSiteChoice::*click)();
};

const SiteFlag kSiteFlags[] = {
    {"fr", "Image76", "Image71", "Recherche livre français", 878, &AmazonSiteChoice::Image76Click},
    {"de", "Image75", "Image72", "Recherche livre allemand", 912, &AmazonSiteChoice::Image75Click},
    {"com", "Image74", "Image73", "Recherche livre anglais", 946, &AmazonSiteChoice::Image74Click},
};

constexpr int kSiteFlagTop = 72;
constexpr QSize kSiteFlagSize(32, 22);

ui::PicturePtr sitePicture(const char* site, const char* suffix)
{
    return picture::loadPictureFile(files::nativePath(files::appDir() + QStringLiteral("Reserve\\Drapeaux\\") +
                                                      QString::fromLatin1(site) + QString::fromLatin1(suffix) +
                                                      QStringLiteral(".png")));
}

}  // namespace

AmazonSiteChoice::AmazonSiteChoice(app::TFrmPrin& frm, ui::TabSheet& entryTab) : m_frm(frm)
{
    for (const SiteFlag& s : kSiteFlags) {
        auto* flag = frm.create<ui::Image>(QString::fromLatin1(s.flag), &entryTab);
        flag->setBounds(QRect(QPoint(s.left, kSiteFlagTop), kSiteFlagSize));
        flag->setPicture(sitePicture(s.site, ""));
        flag->setHint(QString::fromUtf8(s.hint));
        flag->setShowHint(true);
        flag->onClick = [this, click = s.click] { (this->*click)(); };
    }
    // The markers lie over their flags: a click on the site already chosen changes nothing.
    for (size_t i = 0; i < std::size(kSiteFlags); ++i) {
        const SiteFlag& s = kSiteFlags[i];
        auto* marker = frm.create<ui::Image>(QString::fromLatin1(s.marker), &entryTab);
        marker->setBounds(QRect(QPoint(s.left, kSiteFlagTop), kSiteFlagSize));
        marker->setPicture(sitePicture(s.site, "_choisi"));
        marker->setVisible(s.site == std::string_view("fr"));
        m_markers[i] = marker;
    }
}

void AmazonSiteChoice::Image74Click() { choose("com"); }

void AmazonSiteChoice::Image75Click() { choose("de"); }

void AmazonSiteChoice::Image76Click() { choose("fr"); }

void AmazonSiteChoice::choose(const char* site)
{
    m_frm.AmazonSite = QString::fromLatin1(site);
    for (size_t i = 0; i < std::size(kSiteFlags); ++i)
        m_markers[i]->setVisible(kSiteFlags[i].site == std::string_view(site));
}

}  // namespace web
