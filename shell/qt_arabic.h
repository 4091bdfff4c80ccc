#pragma once

#include <QString>

namespace Lectarium {

// Text without its keyboard-mnemonic markers: "&&" stays a literal "&", any other "&"
// goes.
QString Without_Mnemonic(const QString& text);

// Installs Qt's own Arabic translation (the standard buttons and the file, font and
// colour dialogs), with its mnemonic markers taken out: a marker inside an Arabic word
// breaks its letters apart, and Alt with an Arabic letter is no shortcut on most
// keyboards. False when the translation is not installed; Qt then speaks English.
bool Install_Qt_Arabic();

// Takes Qt's own Arabic out again, for a change of the interface language.
void Remove_Qt_Arabic();

} // namespace Lectarium
