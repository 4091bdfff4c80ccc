#include "documents/text_file.h"

#include "base/basic_text.h"
#include "base/regular_file.h"
#include "base/safe_file.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace MdlLectarium {

bool Text_Changed = false;
bool Text_Untitled = false;

Text_Encoding Detect_Text_Encoding(const QByteArray& bytes) {
    auto validUtf8 = [](QByteArrayView b) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8.decode(b); // decoding happens on the conversion
        return !utf8.hasError();
    };
    if (bytes.startsWith("\xEF\xBB\xBF") && validUtf8(QByteArrayView(bytes).sliced(3)))
        return Text_Encoding::Utf8_Bom;
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 128; });
    if (!ascii && validUtf8(bytes))
        return Text_Encoding::Utf8;
    return Text_Encoding::Cp1256;
}

QByteArray Encode_Text(const QString& text, Text_Encoding encoding, bool* ok) {
    if (encoding == Text_Encoding::Cp1256)
        return To_Cp1256(text, ok);
    if (ok)
        *ok = true;
    const QByteArray bytes = text.toUtf8();
    return encoding == Text_Encoding::Utf8_Bom ? QByteArray("\xEF\xBB\xBF") + bytes : bytes;
}

Text_Read Read_Text_File(const QString& path) {
    Text_Read result;
    // A named pipe would hold the program until something writes to it, a device never
    // end: only a regular file is opened.
    QFile file;
    if (Open_Regular_File(file, path, &result.error) != File_Kind::Regular)
        return result;
    // Only the start that the window shows is read: a file of hundreds of megabytes
    // costs no more than a small one.
    QByteArray bytes = file.read(Text_Read_Byte_Limit + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    const bool cut = bytes.size() > Text_Read_Byte_Limit;
    if (cut) {
        bytes.truncate(Text_Read_Byte_Limit);
        // A UTF-8 character split by the cut would make the start read as code page 1256.
        for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
            const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
            if (byte >= 0xC0) {
                const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
                if (length > back)
                    bytes.chop(back);
                break;
            }
            if (byte < 0x80)
                break;
        }
    }
    result.encoding = Detect_Text_Encoding(bytes);
    const QString all = Decode_Text_File(bytes);
    // A line ends at CR LF, CR or LF; the end of the file ends the last line.
    qsizetype start = 0;
    const qsizetype n = all.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && all[end] != QLatin1Char('\r') && all[end] != QLatin1Char('\n'))
            ++end;
        result.text += QStringView(all).mid(start, end - start);
        result.text += QLatin1String("\r\n");
        if (end < n && all[end] == QLatin1Char('\r') && end + 1 < n && all[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
        if (result.text.size() > Text_Read_Limit) {
            result.truncated = start < n;
            break;
        }
    }
    // A line longer than what is read ends where the reading stopped.
    result.truncated = result.truncated || cut;
    result.endsWithLineEnd =
        result.truncated || (n > 0 && (all[n - 1] == QLatin1Char('\r') || all[n - 1] == QLatin1Char('\n')));
    result.ok = true;
    return result;
}

bool Write_Text_File(const QString& path, const QString& text, QString* error, Text_Encoding encoding,
                     bool lineEndAtEnd) {
    bool encodable = true;
    const QByteArray bytes =
        Encode_Text(lineEndAtEnd ? text + QLatin1String("\r\n") : text, encoding, &encodable);
    if (!encodable) {
        if (error) {
            QString missing;
            for (QChar ch : text)
                if (Cp1256_Code(ch) < 0 && !missing.contains(ch))
                    missing += ch;
            *error = QStringLiteral("حروف لا تكتب فى الترميز العربى (1256): ") + missing;
        }
        return false;
    }
    return Write_File_Safely(path, bytes, error);
}

QString To_Box_Text(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}

QString From_Box_Text(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

} // namespace MdlLectarium
