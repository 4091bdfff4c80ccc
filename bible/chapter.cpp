#include "bible/chapter.h"

#include "base/basic_text.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"

namespace MdlLectarium {

QString Chapter_Statement(Integer book, Integer chapter) {
    return QStringLiteral("SELECT * FROM Bible WHERE Old = ") + Num_Text(qint64(Book_Old(book))) +
           QStringLiteral(" and Bible = ") + Num_Text(qint64(Book_Bible(book))) +
           QStringLiteral(" and Part = ") + Num_Text(qint64(chapter));
}

QString Get_Chapter(Integer book, Integer chapter) {
    return Get_Chapter(Data_Bible(), book, chapter);
}

QString Get_Chapter(Data_Source& dataBible, Integer book, Integer chapter) {
    dataBible.setRecordSource(Chapter_Statement(book, chapter));
    dataBible.refresh();
    QString result;
    for (dataBible.moveFirst(); !dataBible.eof(); dataBible.moveNext()) {
        const Integer verse = dataBible.number(QStringLiteral("Sign_No"));
        result += Verse_Line(verse, Flip_Text(dataBible.text(QStringLiteral("Sign")))) + Line_Break;
    }
    return result;
}

} // namespace MdlLectarium
