// Text documents in either code page (UTF-8 or Arabic Windows 1256), with any line
// ends: Decode_Text_File and Read_Text_File, and a document saved from what was read.

#include "base/basic_text.h"
#include "documents/text_file.h"
#include "fuzz/fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

using namespace MdlLectarium;
using Lectarium_Fuzz::Check;

namespace {

QString withoutLineEnds(QString text) {
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

// Bytes that the reader takes for UTF-8: not plain ASCII, and valid UTF-8.
bool readsAsUtf8(const QByteArray& bytes) {
    bool ascii = true;
    for (char b : bytes)
        ascii = ascii && static_cast<unsigned char>(b) < 128;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return !ascii && !utf8.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = Lectarium_Fuzz::Input_Bytes(data, size);
    const QString decoded = Decode_Text_File(bytes);

    const QDir folder(Lectarium_Fuzz::Scratch_Folder());
    const QString path = folder.filePath(QStringLiteral("document.txt"));
    Lectarium_Fuzz::Write_File(path, bytes);
    const Text_Read read = Read_Text_File(path);
    Check(read.ok, "a readable file is read", read.error);
    Check(read.text.isEmpty() || read.text.endsWith(QLatin1String("\r\n")), "every line ends with CR LF");
    if (!read.truncated) {
        Check(withoutLineEnds(read.text) == withoutLineEnds(decoded), "nothing but line ends changes");
    } else {
        Check(read.text.size() > Text_Read_Limit, "truncated only past the limit");
        Check(withoutLineEnds(decoded).startsWith(withoutLineEnds(read.text)), "truncated text is a prefix");
    }

    // Saving what was read as the document window does (without the line end the
    // reading added, in the encoding it was read in, ending as the file ended), and
    // reading it again gives the same text. A 1256 document whose saved bytes happen to
    // form UTF-8 reads back as UTF-8: the two cannot be told apart, so that case is left
    // out.
    if (read.truncated || read.text.isEmpty())
        return 0;
    const QString document = read.text.chopped(2);
    const QString saved = folder.filePath(QStringLiteral("saved.txt"));
    QString error;
    if (!Write_Text_File(saved, document, &error, read.encoding, read.endsWithLineEnd)) {
        bool encodable = true;
        To_Cp1256(document, &encodable);
        Check(!encodable, "a save fails only for characters outside the code page", error);
        Check(!QFile::exists(saved), "a failed save leaves no file");
        return 0;
    }
    QFile file(saved);
    Check(file.open(QIODevice::ReadOnly), "saved file opens");
    const QByteArray written = file.readAll();
    file.close();
    const bool ambiguous = read.encoding == Text_Encoding::Cp1256 && readsAsUtf8(written);
    // A file whose line ends are all CR LF comes back byte for byte, with or without one
    // after its last line.
    const QByteArray withoutCrLf = QByteArray(bytes).replace("\r\n", "");
    if (!withoutCrLf.contains('\r') && !withoutCrLf.contains('\n'))
        Check(written == bytes, "an unchanged document is saved as the same bytes");
    const Text_Read back = Read_Text_File(saved);
    QFile::remove(saved);
    Check(back.ok, "saved file reads", back.error);
    if (!ambiguous)
        Check(back.text == read.text, "a saved document reads back the same");
    return 0;
}
