#pragma once

// The great days a user jumps to from the day chooser, dated in a Gregorian year by
// the same calendar that titles the days.

#include "base/interface_language.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

namespace MdlLectarium {

enum class Feast {
    Nineveh,
    Lent,
    Palm_Sunday,
    Easter,
    Ascension,
    Pentecost,
    Christmas,
    Theophany,
    // The other feasts of the Lord, the fixed feasts the calendar titles, and the
    // starts of the fasts of the year.
    Nayrouz,
    Cross,
    Nativity_Fast,
    Circumcision,
    Cana,
    Presentation,
    Annunciation,
    Covenant_Thursday,
    Thomas_Sunday,
    Entry_Into_Egypt,
    Apostles_Fast,
    Apostles,
    Virgin_Fast,
    Transfiguration,
    Assumption,
};

// In the order the day chooser lists them.
constexpr std::array<Feast, 8> All_Feasts{Feast::Nineveh,   Feast::Lent,      Feast::Palm_Sunday,
                                          Feast::Easter,    Feast::Ascension, Feast::Pentecost,
                                          Feast::Christmas, Feast::Theophany};

// Every feast of the extended list.
constexpr std::array<Feast, 23> Year_Feast_Kinds{Feast::Nineveh,       Feast::Lent,
                                                 Feast::Palm_Sunday,   Feast::Easter,
                                                 Feast::Ascension,     Feast::Pentecost,
                                                 Feast::Christmas,     Feast::Theophany,
                                                 Feast::Nayrouz,       Feast::Cross,
                                                 Feast::Nativity_Fast, Feast::Circumcision,
                                                 Feast::Cana,          Feast::Presentation,
                                                 Feast::Annunciation,  Feast::Covenant_Thursday,
                                                 Feast::Thomas_Sunday, Feast::Entry_Into_Egypt,
                                                 Feast::Apostles_Fast, Feast::Apostles,
                                                 Feast::Virgin_Fast,   Feast::Transfiguration,
                                                 Feast::Assumption};

// The Arabic name shown in the list.
QString Feast_Name(Feast feast);

// The day of the feast in the Gregorian year: the first day of the Fast of Nineveh and
// of Great Lent, the feast day itself for the others. Every one of them falls inside
// that year, so the date keeps the year it was asked for.
// A fixed feast that falls twice or not at all in a far-off year (the Julian calendar
// drifts) gives its first day or an invalid date.
QDate Feast_Date(Feast feast, int gregorianYear);

// A day of the reader's own (the patron saint's commemoration) by its Coptic date.
struct Coptic_Feast {
    QString name;
    int copticMonth = 0;
    int copticDay = 0;
};

// One row of the year's feast list.
struct Year_Feast {
    QString name;
    QDate date;
};

// The feasts of a Gregorian year in the order of their days, with the reader's own
// days among them; a feast not kept that year (the Annunciation in Holy Week or on
// Easter) is left out.
// Under English the feasts of the Lord by their English names; the reader's own days keep
// the names they were given.
QList<Year_Feast> Year_Feasts(int gregorianYear, const QList<Coptic_Feast>& own = {},
                              Interface_Language language = Interface_Language::Classic);

// The row as the list shows it: the name, the Gregorian and the Coptic date.
QString Year_Feast_Label(const Year_Feast& feast, Interface_Language language = Interface_Language::Classic);

// The day of the Gregorian year whose Coptic date is the given one; invalid if none.
QDate Coptic_Day_In_Year(int gregorianYear, int copticMonth, int copticDay);

} // namespace MdlLectarium
