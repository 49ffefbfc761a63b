#pragma once
// "Coordonnées": the identity of the school that runs the library (official id, name, town,
// e-mail address and académie code), looked up by its id in the school directory of the database
// (table identification) and kept in memory and in the settings file.
#include "app/SchoolCoordinatesControls.h"

#include <QString>

namespace app {

class TFrmPrin;

class SchoolCoordinates {
public:
    // Binds its handlers to the controls of the screen Identification and on the main window.
    SchoolCoordinates(TFrmPrin& frm, const SchoolCoordinatesControls& controls);

    const SchoolCoordinatesControls& controls() const { return m_controls; }

    void Coordonnes1Click();
    void Button67Click();
    void Button69Click();
    void Button70Click();

private:
    TFrmPrin& m_frm;
    SchoolCoordinatesControls m_controls;
};

}  // namespace app
