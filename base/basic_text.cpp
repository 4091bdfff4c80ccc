#include "base/basic_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cmath>
#include <cstdlib>

namespace MdlLectarium {

QString Num_Text(qint64 value) {
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

QString Num_Text(double value) {
    QString digits;
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        digits = QString::number(static_cast<qint64>(value));
    else
        digits = QString::number(value, 'g', 15);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

double Leading_Number(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    QByteArray number;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number += text[i++].toLatin1();
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        number += text[i++].toLatin1();
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        number += '.';
        ++i;
        while (i < n && text[i].unicode() < 128 && text[i].isDigit()) {
            number += text[i++].toLatin1();
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E') || text[i] == QLatin1Char('d') ||
                  text[i] == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        QByteArray exponent = "e";
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            exponent += text[j++].toLatin1();
        bool expDigits = false;
        while (j < n && text[j].unicode() < 128 && text[j].isDigit()) {
            exponent += text[j++].toLatin1();
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    return std::strtod(number.constData(), nullptr);
}

double Round_Half_Even(double value) {
    // nearbyint follows the current rounding mode, which is to-nearest-even unless a
    // caller changed it; do the even rule by hand so it cannot depend on that.
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {
// The 128 upper codes of the code page, built once from Qt's converter so the table
// and the converter can never disagree.
const std::array<char16_t, 256>& upperTable() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QByteArray all(256, '\0');
        for (int c = 0; c < 256; ++c)
            all[c] = static_cast<char>(c);
        QStringDecoder decoder("windows-1256");
        const QString text = decoder.decode(all);
        for (int c = 0; c < 256 && c < text.size(); ++c)
            t[c] = text[c].unicode();
        return t;
    }();
    return table;
}
} // namespace

int Cp1256_Code(QChar ch) {
    // Reverse lookup over the whole 16-bit range: the scrambled texts call this for
    // every character, so it must be a single index.
    static const std::array<qint16, 65536> reverse = [] {
        std::array<qint16, 65536> r;
        r.fill(-1);
        const auto& table = upperTable();
        for (int c = 255; c >= 0; --c)
            r[table[c]] = static_cast<qint16>(c);
        return r;
    }();
    return reverse[ch.unicode()];
}

QChar Cp1256_Char(int code) {
    if (code < 0 || code > 255)
        return QChar();
    return QChar(upperTable()[code]);
}

QByteArray To_Cp1256(const QString& text, bool* ok) {
    QByteArray out;
    out.reserve(text.size());
    bool good = true;
    for (QChar ch : text) {
        const int code = Cp1256_Code(ch);
        if (code < 0) {
            good = false;
            out += '?';
        } else {
            out += static_cast<char>(code);
        }
    }
    if (ok)
        *ok = good;
    return out;
}

QString From_Cp1256(const QByteArray& bytes) {
    const auto& table = upperTable();
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out += QChar(table[static_cast<unsigned char>(b)]);
    return out;
}

QString Decode_Text_File(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        // The mark is the file's, the rest is text: a second mark stays in it.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        const QString text = utf8.decode(bytes.mid(3));
        if (!utf8.hasError())
            return text;
    }
    bool ascii = true;
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 128) {
            ascii = false;
            break;
        }
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return From_Cp1256(bytes);
}

} // namespace MdlLectarium
