#include "base/program_files.h"
#include "documents/text_file.h"
#include "tests/support/temp_folder.h"

#include <QtTest>

using namespace MdlLectarium;

class Test_Text_File final : public QObject {
    Q_OBJECT

private slots:
    void reads_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("one line without end") << QByteArray("abc") << QStringLiteral("abc\r\n");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\r\nb\r\n");
        QTest::newRow("line feeds") << QByteArray("a\nb\n") << QStringLiteral("a\r\nb\r\n");
        QTest::newRow("blank lines kept") << QByteArray("a\r\n\r\nb") << QStringLiteral("a\r\n\r\nb\r\n");
        QTest::newRow("commas, quotes, leading blanks")
            << QByteArray("  \"x\", 'y',z  \r\n") << QStringLiteral("  \"x\", 'y',z  \r\n");
        QTest::newRow("code page 1256")
            << QByteArray("\xC8\xD3\xE3 \xC7\xE1\xE1\xE5\r\n") << QStringLiteral("بسم الله\r\n");
        QTest::newRow("UTF-8") << QStringLiteral("بسم الله\n").toUtf8() << QStringLiteral("بسم الله\r\n");
        QTest::newRow("UTF-8 with mark")
            << QByteArray("\xEF\xBB\xBF") + QStringLiteral("سلام").toUtf8() << QStringLiteral("سلام\r\n");
    }

    void reads() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("a.txt"), bytes);
        const Text_Read read = Read_Text_File(folder.file(QStringLiteral("a.txt")));
        QVERIFY(read.ok);
        QCOMPARE(read.text, text);
        QVERIFY(!read.truncated);
    }

    // Reading stops once the text is past the limit, at the end of the line that
    // crossed it.
    void stopsPastTheLimit() {
        Temp_Program_Folder folder;
        QByteArray bytes;
        for (int i = 0; i < 400; ++i)
            bytes += QByteArray(98, 'a' + i % 26) + "\r\n"; // 40000 characters
        folder.write(QStringLiteral("long.txt"), bytes);
        const Text_Read read = Read_Text_File(folder.file(QStringLiteral("long.txt")));
        QVERIFY(read.ok);
        QVERIFY(read.truncated);
        QCOMPARE(read.text.size(), 29100); // 291 lines of 100
        QVERIFY(read.text.endsWith(QLatin1String("\r\n")));
        QCOMPARE(read.text, QString::fromLatin1(bytes.left(29100)));
    }

    void exactlyAtTheLimitIsNotTruncated() {
        Temp_Program_Folder folder;
        QByteArray bytes;
        for (int i = 0; i < 291; ++i)
            bytes += QByteArray(98, 'x') + "\r\n";
        folder.write(QStringLiteral("long.txt"), bytes);
        const Text_Read read = Read_Text_File(folder.file(QStringLiteral("long.txt")));
        QVERIFY(!read.truncated);
        QCOMPARE(read.text.size(), 29100);
    }

    // A file of one endless UTF-8 line: only its start is read, cut inside a character,
    // and still read as UTF-8.
    void hugeLineReadsOnlyItsStart() {
        Temp_Program_Folder folder;
        QByteArray bytes = "x";
        while (bytes.size() < 3 * Text_Read_Byte_Limit)
            bytes += "\xD9\x86"; // Arabic noon
        folder.write(QStringLiteral("huge.txt"), bytes);
        const Text_Read read = Read_Text_File(folder.file(QStringLiteral("huge.txt")));
        QVERIFY(read.ok);
        QVERIFY(read.truncated);
        QCOMPARE(read.text, QStringLiteral("x") + QString((Text_Read_Byte_Limit - 2) / 2, QChar(0x0646)) +
                                QStringLiteral("\r\n"));
    }

    void missingFileIsAnError() {
        Temp_Program_Folder folder;
        const Text_Read read = Read_Text_File(folder.file(QStringLiteral("none.txt")));
        QVERIFY(!read.ok);
        QVERIFY(!read.error.isEmpty());
    }

    void writesCodePageAndOneLineEnd() {
        Temp_Program_Folder folder;
        QVERIFY(Write_Text_File(folder.file(QStringLiteral("out.txt")), QStringLiteral("بسم\r\nالله")));
        QCOMPARE(folder.read(QStringLiteral("out.txt")), QByteArray("\xC8\xD3\xE3\r\n\xC7\xE1\xE1\xE5\r\n"));
    }

    // Read, then written back as the document window saves an unchanged document (the
    // text without the line end the reading added, in its encoding, ending as the file
    // ended): the same bytes.
    void savedAsReadGivesTheSameBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("CR LF at the end") << QByteArray("12345678\r\n");
        QTest::newRow("no line end at the end") << QByteArray("a\r\nb");
        QTest::newRow("blank lines at the end") << QByteArray("a\r\n\r\n\r\n");
        QTest::newRow("only a line end") << QByteArray("\r\n");
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + QStringLiteral("سلام\r\n").toUtf8();
        QTest::newRow("two byte-order marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xD8\xB3\r\n");
    }
    void savedAsReadGivesTheSameBytes() {
        QFETCH(QByteArray, bytes);
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("a.txt"), bytes);
        const Text_Read read = Read_Text_File(folder.file(QStringLiteral("a.txt")));
        QVERIFY(read.ok);
        QVERIFY(Write_Text_File(folder.file(QStringLiteral("a.txt")),
                                read.text.chopped(read.text.isEmpty() ? 0 : 2), nullptr, read.encoding,
                                read.endsWithLineEnd));
        QCOMPARE(folder.read(QStringLiteral("a.txt")), bytes);
    }

    // A failed save leaves the file that was there as it was.
    void failedWritesLeaveTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("character outside the code page")
            << QStringLiteral("old.txt") << QStringLiteral("ok ✝ ok");
        QTest::newRow("missing folder") << QStringLiteral("no-such-folder/old.txt") << QStringLiteral("text");
    }

    void failedWritesLeaveTheOldFile() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        Temp_Program_Folder folder;
        folder.write(QStringLiteral("old.txt"), "keep me\r\n");
        QString error;
        QVERIFY(!Write_Text_File(folder.file(name), text, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(folder.read(QStringLiteral("old.txt")), QByteArray("keep me\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
    }

    void boxTextLineEnds() {
        QCOMPARE(To_Box_Text(QStringLiteral("a\r\nb\r\n")), QStringLiteral("a\nb\n"));
        QCOMPARE(From_Box_Text(QStringLiteral("a\nb")), QStringLiteral("a\r\nb"));
        QCOMPARE(From_Box_Text(To_Box_Text(QStringLiteral("x\r\n\r\ny"))), QStringLiteral("x\r\n\r\ny"));
    }
};

QTEST_APPLESS_MAIN(Test_Text_File)
#include "test_text_file.moc"
