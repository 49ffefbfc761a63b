#pragma once
// The controls the other-media look-up adds to the other-media screen, made once by
// buildOtherMediaLookup.
#include "platform/ui/ControlClasses.h"

namespace sharedbase {

struct OtherMediaLookupControls {
    ui::Button& priceSiteSearch;  // Button3 "Chasse livres", beside "Rechercher"
    // The hidden view of the price site's pages, and the text of the page it shows.
    ui::WebBrowser& priceSiteView;  // EdgeBrowser1
    ui::Memo& priceSitePage;        // MemoHTML
};

}  // namespace sharedbase
