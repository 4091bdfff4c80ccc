#pragma once

// The 73 books of the Bible as the program numbers them: books 1..46 the Old
// Testament with its deuterocanonical books, 47..73 the New Testament. The tables
// are filled once at start-up and only read afterwards.

#include "base/integer.h"

#include <QString>

#include <array>

namespace MdlLectarium {

struct Book_Record {
    QString File_Name;    // 8.3 name of the book; kept, but nothing reads it
    QString Abbreviation; // the short form used in reading references
    QString Book_Name;    // the full name shown in lists and captions
};

constexpr int Book_Count = 73;
constexpr int Old_Testament_Books = 46;
constexpr int Group_Count = 11;
constexpr int Psalms_Book = 21;

extern std::array<Book_Record, Book_Count + 1> Bible_Books; // 1..73
extern std::array<Integer, Book_Count + 1> Chapter_Counts;  // 1..73
extern std::array<QString, Group_Count + 1> Group_Names;    // 1..11
// Group_Books[group][0] is the number of books of the group, rows 1..n its books.
extern std::array<std::array<Integer, 15>, Group_Count + 1> Group_Books;

// Fills the four tables above (the last step of Init_Tables).
void Init_Bible_Tables();

// Book number 1..73 to the Old and Bible keys of the table Bible: -1 and the number
// for the Old Testament, 0 and number - 46 for the New.
Integer Book_Old(Integer book);
Integer Book_Bible(Integer book);
// The reverse: any non-zero Old counts as true.
Integer Book_Number(Integer old, Integer bible);

// 1..73 for an abbreviation that equals one of the table exactly, 0 otherwise.
Integer Find_Book(const QString& abbreviation);

} // namespace MdlLectarium
