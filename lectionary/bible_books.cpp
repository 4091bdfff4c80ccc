#include "lectionary/bible_books.h"

#include <initializer_list>

namespace MdlLectarium {

std::array<Book_Record, Book_Count + 1> Bible_Books;
std::array<Integer, Book_Count + 1> Chapter_Counts{};
std::array<QString, Group_Count + 1> Group_Names;
std::array<std::array<Integer, 15>, Group_Count + 1> Group_Books{};

namespace {
struct Book_Row {
    const char* fileName;
    const char* abbreviation;
    const char* bookName;
    Integer chapters;
};

// Books 1..73 in order.
const Book_Row bookRows[Book_Count] = {
    {"GENESIS.BIB", "تك", "التكوين", 50},
    {"EXODUS.BIB", "خر", "الخروج", 40},
    {"LEVITICU.BIB", "لا", "اللاويين", 27},
    {"NUMBERS.BIB", "عد", "العدد", 36},
    {"DEUTERON.BIB", "تث", "التثنية", 34},
    {"JOSHUA.BIB", "يش", "يشوع", 24},
    {"JUDGES.BIB", "قض", "القضاة", 21},
    {"RUTH.BIB", "را", "راعوث", 4},
    {"SAMUEL_1.BIB", "1صم", "صموئيل الأول", 31},
    {"SAMUEL_2.BIB", "2صم", "صموئيل الثانى", 24},
    {"KINGS_1.BIB", "1مل", "الملوك الأول", 22},
    {"KINGS_2.BIB", "2مل", "الملوك الثانى", 25},
    {"CHRONI_1.BIB", "1اخبار", "أخبار الأيام الأول", 29},
    {"CHRONI_2.BIB", "2اخبار", "أخبار الأيام الثانى", 36},
    {"EZRA.BIB", "عز", "عزرا", 10},
    {"NEHEMIAH.BIB", "نح", "نحميا", 13},
    {"TOBIA.BIB", "طوبيا", "طوبيا", 14},
    {"JEHODEAT.BIB", "يهوديت", "يهوديت", 16},
    {"ESTHER.BIB", "اس", "أستير بالتتمة", 16},
    {"JOP.BIB", "اي", "أيوب", 42},
    {"PSALMS.BIB", "مز", "المزامير", 151},
    {"PROVERBS.BIB", "ام", "الأمثال", 31},
    {"ECCLESIA.BIB", "جا", "الجامعة", 12},
    {"THE_SONG.BIB", "نش", "نشيد الأنشاد", 8},
    {"WISDOM.BIB", "الحكمة", "الحكمة", 19},
    {"SERAKH.BIB", "سيراخ", "سيراخ", 51},
    {"ISAIAH.BIB", "اش", "أشعياء", 66},
    {"JEREMIAH.BIB", "ار", "أرمياء", 52},
    {"LAMENTAT.BIB", "مرا", "مراثى أرمياء", 5},
    {"BARROK.BIB", "با", "باروك", 6},
    {"EZEKIEL.BIB", "حز", "حزقيال", 48},
    {"DANIEL.BIB", "دا", "دانيال بالتتمة", 14},
    {"HOSEA.BIB", "هو", "هوشع", 14},
    {"JOEL.BIB", "يؤ", "يوئيل", 3},
    {"AMOS.BIB", "عا", "عاموس", 9},
    {"OBADIAH.BIB", "عو", "عوبديا", 1},
    {"JONAH.BIB", "يون", "يونان", 4},
    {"MICAH.BIB", "مي", "ميخا", 7},
    {"NAHUM.BIB", "نا", "ناحوم", 3},
    {"HABAKKUK.BIB", "حب", "حبقوق", 3},
    {"ZEPHANIA.BIB", "صف", "صفنيا", 3},
    {"HAGGAI.BIB", "حج", "حجي", 2},
    {"ZECHARIA.BIB", "زك", "زكريا", 14},
    {"MALACHI.BIB", "ملا", "ملاخي", 4},
    {"MKABED_1.BIB", "1مكابين", "مكابيين الأول", 16},
    {"MKABED_2.BIB", "2مكابين", "مكابيين الثانى", 15},
    {"MATTHEW.BIB", "مت", "متى", 28},
    {"MARK.BIB", "مر", "مرقس", 16},
    {"LUKE.BIB", "لو", "لوقا", 24},
    {"JOHN.BIB", "يو", "يوحنا", 21},
    {"THE_ACTS.BIB", "اع", "أعمال الرسل", 28},
    {"ROMANS.BIB", "رو", "الرسالة إلى أهل رومية", 16},
    {"CORINT_1.BIB", "1كو", "الرسالة الأولى إلى أهل كورنثوس", 16},
    {"CORINT_2.BIB", "2كو", "الرسالة الثانية إلى أهل كورنثوس", 13},
    {"GALATION.BIB", "غل", "الرسالة إلى أهل غلاطية", 6},
    {"EPHESION.BIB", "اف", "الرسالة إلى أهل أفسس", 6},
    {"PHILIPPI.BIB", "في", "الرسالة إلى أهل فيلبي", 4},
    {"COLOSSIA.BIB", "كو", "الرسالة إلى أهل كولوسى", 4},
    {"THESSA_1.BIB", "1تس", "الرسالة الأولى إلى أهل تسالونيكى", 5},
    {"THESSA_2.BIB", "2تس", "الرسالة الثانية إلى أهل تسالونيكى", 3},
    {"TIMOTH_1.BIB", "1تي", "الرسالة الأولى إلى أهل تيموثاوس", 6},
    {"TIMOTH_2.BIB", "2تي", "الرسالة الثانية إلى أهل تيموثاوس", 4},
    {"TITUS.BIB", "تي", "الرسالة إلى تيطس", 3},
    {"PHILEMON.BIB", "فل", "الرسالة إلى فليمون", 1},
    {"HEBREWS.BIB", "عب", "الرسالة إلى العبرانيين", 13},
    {"JAMES.BIB", "يع", "رسالة يعقوب", 5},
    {"PETER_1.BIB", "1بط", "رسالة بطرس الأولى", 5},
    {"PETER_2.BIB", "2بط", "رسالة بطرس الثانية", 3},
    {"JOHN_1.BIB", "1يو", "رسالة يوحنا الأولى", 5},
    {"JOHN_2.BIB", "2يو", "رسالة يوحنا الثانية", 1},
    {"JOHN_3.BIB", "3يو", "رسالة يوحنا الثالثة", 1},
    {"JUDE.BIB", "يه", "رسالة يهوذا", 1},
    {"REVELATI.BIB", "رؤ", "رؤيا يوحنا", 22},
};

struct Group_Row {
    const char* name;
    std::initializer_list<Integer> books;
};
} // namespace

void Init_Bible_Tables() {
    const Group_Row groupRows[Group_Count] = {
        {"الشريعة", {1, 2, 3, 4, 5}},
        {"الأسفار التاريخية", {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19}},
        {"الأسفار الشعرية", {20, 21, 22, 23, 24}},
        {"الأنبياء الكبار", {27, 28, 29, 31, 32}},
        {"الأنبياء الصغار", {33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44}},
        {"الأسفار القانونية الثانية", {17, 18, 25, 26, 30, 45, 46}},
        {"الأناجيل الأربعة", {47, 48, 49, 50}},
        {"التاريخ", {51}},
        {"رسائل بولس الرسول", {52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65}},
        {"رسائل الجامعة", {66, 67, 68, 69, 70, 71, 72}},
        {"نبوات", {73}},
    };

    Bible_Books[0] = Book_Record{};
    Chapter_Counts[0] = 0;
    for (int i = 0; i < Book_Count; ++i) {
        const Book_Row& row = bookRows[i];
        Bible_Books[i + 1] = Book_Record{QString::fromUtf8(row.fileName), QString::fromUtf8(row.abbreviation),
                                         QString::fromUtf8(row.bookName)};
        Chapter_Counts[i + 1] = row.chapters;
    }
    Group_Names[0].clear();
    for (auto& column : Group_Books)
        column.fill(0);
    for (int g = 0; g < Group_Count; ++g) {
        const Group_Row& row = groupRows[g];
        Group_Names[g + 1] = QString::fromUtf8(row.name);
        Integer n = 0;
        for (Integer book : row.books)
            Group_Books[g + 1][++n] = book;
        Group_Books[g + 1][0] = n;
    }
}

Integer Book_Old(Integer book) {
    return book > Old_Testament_Books ? Integer(0) : Integer(-1);
}

Integer Book_Bible(Integer book) {
    return book > Old_Testament_Books ? Integer(book - Old_Testament_Books) : book;
}

Integer Book_Number(Integer old, Integer bible) {
    return old != 0 ? bible : Integer(bible + Old_Testament_Books);
}

Integer Find_Book(const QString& abbreviation) {
    // Every book is compared; the abbreviations are distinct, so the last match is the
    // only one.
    Integer found = 0;
    for (int i = 1; i <= Book_Count; ++i)
        if (Bible_Books[i].Abbreviation == abbreviation)
            found = Integer(i);
    return found;
}

} // namespace MdlLectarium
