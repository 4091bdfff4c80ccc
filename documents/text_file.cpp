#include "documents/text_file.h"

#include "shell/basic_text.h"

#include <QFile>
#include <QSaveFile>

namespace MdlLectarium {

Integer Active_Text_Source = 0;
bool Text_Changed = false;
bool Text_Untitled = false;

Text_Read Read_Text_File(const QString& path)
{
    Text_Read result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
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
    result.ok = true;
    return result;
}

bool Write_Text_File(const QString& path, const QString& text, QString* error)
{
    bool encodable = true;
    const QByteArray bytes = To_Cp1256(text + QLatin1String("\r\n"), &encodable);
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString To_Box_Text(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return out;
}

QString From_Box_Text(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return out;
}

} // namespace MdlLectarium
