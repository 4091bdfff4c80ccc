#pragma once

// The great days a user jumps to from the day chooser, dated in a Gregorian year by
// the same calendar that titles the days.

#include <QDate>
#include <QString>

#include <array>

namespace MdlLectarium {

enum class Feast { Nineveh, Lent, Palm_Sunday, Easter, Ascension, Pentecost, Christmas, Theophany };

// In the order the day chooser lists them.
constexpr std::array<Feast, 8> All_Feasts{Feast::Nineveh,   Feast::Lent,      Feast::Palm_Sunday,
                                          Feast::Easter,    Feast::Ascension, Feast::Pentecost,
                                          Feast::Christmas, Feast::Theophany};

// The Arabic name shown in the list.
QString Feast_Name(Feast feast);

// The day of the feast in the Gregorian year: the first day of the Fast of Nineveh and
// of Great Lent, the feast day itself for the others. Every one of them falls inside
// that year, so the date keeps the year it was asked for.
QDate Feast_Date(Feast feast, int gregorianYear);

} // namespace MdlLectarium
