#include "lectionary/statements.h"

#include "base/basic_text.h"
#include "lectionary/bible_books.h"

namespace MdlLectarium {

const QString Tips_Table = QStringLiteral("Tips");
const QString Ceremony_Table = QStringLiteral("Ceremony");

namespace {
QString n(Integer value) {
    return Num_Text(static_cast<qint64>(value));
}

QString bookTest(Integer old, Integer bible) {
    return QStringLiteral("SELECT * FROM Bible WHERE Old = ") + n(old) + QStringLiteral(" and Bible = ") +
           n(bible);
}
} // namespace

QString Quoted_Text(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return quoted;
}

QString Psalmos_Statement(const QString& scrambledKey) {
    return QStringLiteral("SELECT * FROM Psalmos WHERE Sign Like '") + Quoted_Text(scrambledKey) +
           QStringLiteral("'");
}

QString Verse_Statement(Integer old, Integer bible, Integer chapter, Integer verse) {
    return bookTest(old, bible) + QStringLiteral(" and Part = ") + n(chapter) +
           QStringLiteral(" and Sign_No = ") + n(verse);
}

QString Verse_Range_Statement(Integer old, Integer bible, Integer chapter, Integer firstVerse,
                              Integer lastVerse) {
    return bookTest(old, bible) + QStringLiteral(" and Part = ") + n(chapter) +
           QStringLiteral(" and Sign_No >= ") + n(firstVerse) + QStringLiteral(" and Sign_No <= ") +
           n(lastVerse);
}

QString Chapter_Range_Statement(Integer old, Integer bible, Integer firstChapter, Integer lastChapter) {
    return bookTest(old, bible) + QStringLiteral(" and Part >= ") + n(firstChapter) +
           QStringLiteral(" and Part <= ") + n(lastChapter);
}

QString Chapter_Statement(Integer old, Integer bible, Integer chapter) {
    return bookTest(old, bible) + QStringLiteral(" and Part = ") + n(chapter);
}

QString Search_All_Statement(const QString& scrambledTerm) {
    return QStringLiteral("SELECT * FROM Bible WHERE INSTR (1,Sign,'") + Quoted_Text(scrambledTerm) +
           QStringLiteral("') <>0");
}

QString Search_Old_Statement(const QString& scrambledTerm) {
    return QStringLiteral("SELECT * FROM Bible WHERE Old = -1 and  INSTR (Sign,'") +
           Quoted_Text(scrambledTerm) + QStringLiteral("') <>0");
}

QString Search_New_Statement(const QString& scrambledTerm) {
    return QStringLiteral("SELECT * FROM Bible WHERE Old = 0 and  INSTR (1,Sign,'") +
           Quoted_Text(scrambledTerm) + QStringLiteral("') <>0");
}

QString Search_Books_Statement(const QList<Integer>& books, const QString& scrambledTerm) {
    QString sql = QStringLiteral("SELECT * FROM Bible WHERE ( ");
    for (Integer book : books)
        sql += QStringLiteral(" ( Old = ") + n(Book_Old(book)) + QStringLiteral(" And Bible = ") +
               n(Book_Bible(book)) + QStringLiteral(" ) or ");
    sql.chop(4);
    return sql + QStringLiteral(" ) and  INSTR (1,Sign,'") + Quoted_Text(scrambledTerm) +
           QStringLiteral("') <>0");
}

QString Story_Statement(Integer month, Integer day) {
    return QStringLiteral("SELECT * FROM Story WHERE Month = ") + n(month) + QStringLiteral(" and Day = ") +
           n(day);
}

QString Year_Statement(Integer month, Integer day) {
    return QStringLiteral("SELECT * FROM  Year WHERE Month = ") + n(month) + QStringLiteral(" and Day = ") +
           n(day);
}

QString Suns_Statement(Integer month, Integer sunday) {
    return QStringLiteral("SELECT * FROM Suns WHERE Month = ") + n(month) + QStringLiteral(" and Sun = ") +
           n(sunday);
}

QString Jonah_Statement(Integer day) {
    return QStringLiteral("SELECT * FROM Jonah WHERE Day = ") + n(day);
}

QString Fast_Statement(Integer week, Integer day) {
    return QStringLiteral("SELECT * FROM Fast WHERE Week = ") + n(week) + QStringLiteral(" and Day = ") +
           n(day);
}

QString Fifty_Statement(Integer week, Integer day) {
    return QStringLiteral("SELECT * FROM Fifty WHERE Week = ") + n(week) + QStringLiteral(" and Day = ") +
           n(day);
}

QString Pain_First_Day_Statement() {
    return QStringLiteral("SELECT * FROM Pain WHERE Day = 1 ");
}

QString Pain_Statement(Integer day) {
    return QStringLiteral("SELECT * FROM Pain WHERE Day = ") + n(day);
}

} // namespace MdlLectarium
