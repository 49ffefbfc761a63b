#pragma once
// "Vérif_Images" of the tools menu: books whose cover name is a leftover (nine characters, or
// the placeholder's) get their code's name; cover files named with a doubled underscore lose
// it, together with the books that name them; empty and unreadable cover files go, pictures of
// another format are stored as JPEG. The placeholder is never touched.
#include <QString>

namespace app {
class TFrmPrin;
}

namespace web {

class CoverFolderCheck {
public:
    explicit CoverFolderCheck(app::TFrmPrin& frm);

    void VrifImages1Click();

private:
    void repairCoverNames();
    void checkCoverFile(const QString& name);

    app::TFrmPrin& m_frm;
};

}  // namespace web
