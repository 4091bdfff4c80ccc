#include "lectionary/scrambled_text.h"

#include "base/basic_text.h"

#include <QRegularExpression>

#include <algorithm>

namespace MdlLectarium {

const QString Line_Break = QStringLiteral("\r\n");

QString Flip_Text(const QString& text) {
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = Cp1256_Code(text[i]);
        out[i] = code < 0 ? text[i] : Cp1256_Char(255 - code);
    }
    return out;
}

Integer Shift_Amount(Integer firstKey, Integer secondKey, qsizetype position) {
    // The counter runs 2, 3, ..., 15 and starts again at 2.
    const int k = 2 + static_cast<int>(position % 14);
    const int shift = static_cast<int>(firstKey) - static_cast<int>(secondKey) + k;
    return static_cast<Integer>(std::clamp(shift, -8, 7));
}

void Unshift_Text(Integer firstKey, Integer secondKey, QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = Cp1256_Code(text[i]);
        if (code < 0)
            continue;
        const int shown = code - Shift_Amount(firstKey, secondKey, i);
        // Only a text that was not written by the shift form gets here.
        text[i] = (shown < 0 || shown > 255) ? QChar(QChar::ReplacementCharacter) : Cp1256_Char(shown);
    }
}

bool Shift_Text(Integer firstKey, Integer secondKey, const QString& text, QString& stored,
                qsizetype* badPosition, QString* reason) {
    stored = QString(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = Cp1256_Code(text[i]);
        QString why;
        int storedCode = 0;
        if (code < 0) {
            why = QStringLiteral("has no code in code page 1256");
        } else {
            storedCode = code + Shift_Amount(firstKey, secondKey, i);
            if (storedCode < 1 || storedCode > 255)
                why = QStringLiteral("(code %1) shifts to code %2, outside 1..255").arg(code).arg(storedCode);
        }
        if (!why.isEmpty()) {
            if (badPosition)
                *badPosition = i;
            if (reason)
                *reason = why;
            stored.clear();
            return false;
        }
        stored[i] = Cp1256_Char(storedCode);
    }
    return true;
}

QString Verse_Line(Integer verse, const QString& text) {
    return Num_Text(static_cast<qint64>(verse)).mid(1) + QLatin1Char(' ') + text;
}

QString Chapter_Heading(Integer chapter) {
    return Line_Break + QStringLiteral("الأصحاح رقم  ") + Num_Text(static_cast<qint64>(chapter)) + Line_Break;
}

QString Chapter_Headings_In(const QString& passage, Interface_Language language) {
    if (language != Interface_Language::English)
        return passage;
    static const QRegularExpression heading(QStringLiteral("الأصحاح رقم\\s*(\\d+)"));
    return QString(passage).replace(heading, QStringLiteral("Chapter \\1"));
}

} // namespace MdlLectarium
