#pragma once

// The fixed captions and messages of the readings windows, shared by the windows and
// the command-line companion. Blanks inside them are part of the caption.

#include "base/interface_language.h"

#include <QString>

namespace MdlLectarium {

// Frame captions of the readings window.
extern const QString Story_Frame_Caption;
extern const QString Vespers_Caption;
extern const QString Matins_Caption;
extern const QString Liturgy_Caption;
extern const QString Prophecies_Caption;

// Buttons of the readings window.
extern const QString Ceremony_Button_Caption;
extern const QString Funeral_Button_Caption;

// Captions beside the reading boxes.
extern const QString Psalm_Caption;
extern const QString Gospel_Caption;
extern const QString Pauline_Caption;
extern const QString Catholic_Caption;
extern const QString Acts_Caption;

// The Vespers frame on a Lent Sunday and a Lent Saturday.
extern const QString Evening_Prayer_Caption;
extern const QString Sunday_Eve_Caption;

// The saint window without a picture.
extern const QString No_Picture_Caption;

// Passage window captions and the message of an empty passage.
extern const QString Reading_Caption;
extern const QString No_File_Message;
extern const QString Rite_Caption;

// Holy Week window captions.
extern const QString Pascha_Caption;
extern const QString Apocalypse_Caption;

// The blanks in front of every prophecy entry.
extern const QString Prophecy_Indent;

// A caption above (or the whole-day caption) in the reader's language: its English form,
// with the caption's own blanks around it, under English; the caption itself otherwise.
QString Caption_In(const QString& caption, Interface_Language language);

} // namespace MdlLectarium
