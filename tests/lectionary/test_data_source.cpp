#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/scrambled_text.h"
#include "lectionary/sqlite_database.h"
#include "lectionary/statements.h"
#include "tests/lectionary/fixture.h"

#include <QTest>

#include <sqlite3.h>

using namespace MdlLectarium;

namespace {
enum Read { Raw, Flipped, Shifted };
}

class Test_Data_Source final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(fixture_.ok(), qPrintable(fixture_.error()));
        Init_Bible_Tables();
    }

    // Every statement the windows send, exactly as written, answered on the fixture.
    void statementsAnswered_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("literal");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("value");

        const QString light = Flip_Text(QStringLiteral("light"));
        QTest::newRow("psalm table") << Psalmos_Statement(Flip_Text(QStringLiteral("1: 1-2")))
                                     << QStringLiteral("SELECT * FROM Psalmos WHERE Sign Like '") +
                                            Flip_Text(QStringLiteral("1: 1-2")) + QStringLiteral("'")
                                     << 1 << "Data" << int(Flipped) << 0 << 0
                                     << QStringLiteral(
                                            "Psalm one from the psalm table\r\nwith a second line");
        QTest::newRow("one verse") << Verse_Statement(-1, 1, 1, 12)
                                   << QStringLiteral(
                                          "SELECT * FROM Bible WHERE Old = -1 and Bible =  1 and Part =  1 "
                                          "and Sign_No =  12")
                                   << 1 << "Sign" << int(Flipped) << 0 << 0
                                   << QStringLiteral("Genesis 1:12 verse");
        QTest::newRow("verse range") << Verse_Range_Statement(0, 4, 1, 2, 3)
                                     << QStringLiteral(
                                            "SELECT * FROM Bible WHERE Old =  0 and Bible =  4 and Part =  1 "
                                            "and Sign_No >=  2 and Sign_No <=  3")
                                     << 2 << "Sign" << int(Flipped) << 0 << 0 << QStringLiteral("John 1:2");
        QTest::newRow("chapter range")
            << Chapter_Range_Statement(0, 4, 1, 3)
            << QStringLiteral("SELECT * FROM Bible WHERE Old =  0 and Bible =  4 and Part >=  1 and "
                              "Part <=  3")
            << 10 << "Sign" << int(Flipped) << 0 << 0 << QStringLiteral("John 1:1");
        QTest::newRow("chapter") << Chapter_Statement(0, 1, 5)
                                 << QStringLiteral(
                                        "SELECT * FROM Bible WHERE Old =  0 and Bible =  1 and Part =  5")
                                 << 4 << "Sign_No" << int(Raw) << 0 << 0 << QStringLiteral("1");
        QTest::newRow("search, whole bible")
            << Search_All_Statement(light)
            << QStringLiteral("SELECT * FROM Bible WHERE INSTR (1,Sign,'") + light + QStringLiteral("') <>0")
            << 2 << "Sign" << int(Flipped) << 0 << 0
            << QStringLiteral("God said, Let there be light, and there was light.");
        QTest::newRow("search, first testament")
            << Search_Old_Statement(light)
            << QStringLiteral("SELECT * FROM Bible WHERE Old = -1 and  INSTR (Sign,'") + light +
                   QStringLiteral("') <>0")
            << 1 << "Part" << int(Raw) << 0 << 0 << QStringLiteral("1");
        QTest::newRow("search, second testament")
            << Search_New_Statement(light)
            << QStringLiteral("SELECT * FROM Bible WHERE Old = 0 and  INSTR (1,Sign,'") + light +
                   QStringLiteral("') <>0")
            << 1 << "Sign" << int(Flipped) << 0 << 0 << QStringLiteral("Matthew 5:2 light of the world");
        QTest::newRow("search, chosen books")
            << Search_Books_Statement({5, 47}, light)
            << QStringLiteral("SELECT * FROM Bible WHERE (  ( Old = -1 And Bible =  5 ) or  ( Old =  0 And "
                              "Bible =  1 ) ) "
                              "and  INSTR (1,Sign,'") +
                   light + QStringLiteral("') <>0")
            << 1 << "Sign_No" << int(Raw) << 0 << 0 << QStringLiteral("2");
        QTest::newRow("tips") << Tips_Table << QStringLiteral("Tips") << 3 << "Tip" << int(Shifted)
                              << int(Fixed_First_Key) << 0 << QStringLiteral("النصيحة الأولى");
        QTest::newRow("story")
            << Story_Statement(1, 1) << QStringLiteral("SELECT * FROM Story WHERE Month =  1 and Day =  1")
            << 1 << "Data" << int(Shifted) << 1 << 1
            << QStringLiteral("قصة تجريبية لليوم الأول من توت\r\nسطر ثان\tبعد علامة جدولة \\ وخط مائل");
        QTest::newRow("year") << Year_Statement(13, 6)
                              << QStringLiteral("SELECT * FROM  Year WHERE Month =  13 and Day =  6") << 1
                              << "6" << int(Shifted) << 13 << 6 << QStringLiteral("كو 1: 1");
        QTest::newRow("sundays") << Suns_Statement(1, 1)
                                 << QStringLiteral("SELECT * FROM Suns WHERE Month =  1 and Sun =  1") << 1
                                 << "2" << int(Shifted) << 1 << 1 << QStringLiteral("يو 1: 3");
        QTest::newRow("nineveh") << Jonah_Statement(2) << QStringLiteral("SELECT * FROM Jonah WHERE Day =  2")
                                 << 1 << "10" << int(Shifted) << int(Fixed_First_Key) << 2
                                 << QStringLiteral("تك 1: 1");
        QTest::newRow("lent") << Fast_Statement(1, 3)
                              << QStringLiteral("SELECT * FROM Fast WHERE Week =  1 and Day =  3") << 1
                              << "18" << int(Shifted) << 1 << 3 << QStringLiteral("تك 1: 5");
        QTest::newRow("lent, week 0")
            << Fast_Statement(0, 1) << QStringLiteral("SELECT * FROM Fast WHERE Week =  0 and Day =  1") << 1
            << "11" << int(Shifted) << 0 << 1 << QStringLiteral("تك 1: 2");
        QTest::newRow("fifty days") << Fifty_Statement(7, 7)
                                    << QStringLiteral("SELECT * FROM Fifty WHERE Week =  7 and Day =  7") << 1
                                    << "9" << int(Shifted) << 7 << 7 << QStringLiteral("مت 5: 1");
        QTest::newRow("rites") << Ceremony_Table << QStringLiteral("Ceremony") << 3 << "Title" << int(Flipped)
                               << 0 << 0 << QStringLiteral("طقس رقم 1");
        QTest::newRow("holy week, funeral button")
            << Pain_First_Day_Statement() << QStringLiteral("SELECT * FROM Pain WHERE Day = 1 ") << 3
            << "Description" << int(Shifted) << int(Fixed_First_Key) << 1 << QStringLiteral("الساعة الأولى");
        QTest::newRow("holy week") << Pain_Statement(2) << QStringLiteral("SELECT * FROM Pain WHERE Day =  2")
                                   << 1 << "Data" << int(Shifted) << int(Fixed_First_Key) << 2
                                   << QStringLiteral("نص مخزن\r\nسطر ثان");
        QTest::newRow("no row") << Year_Statement(2, 2)
                                << QStringLiteral("SELECT * FROM  Year WHERE Month =  2 and Day =  2") << 0
                                << "1" << int(Raw) << 0 << 0 << QString();
    }
    void statementsAnswered() {
        QFETCH(QString, statement);
        QFETCH(QString, literal);
        QFETCH(int, count);
        QFETCH(QString, field);
        QFETCH(int, read);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, value);
        QCOMPARE(statement, literal);

        Data_Source source(QStringLiteral("Data_Reading"));
        source.setDatabaseName(fixture_.path());
        source.setRecordSource(statement);
        QVERIFY2(source.refresh(), qPrintable(source.lastError()));
        QCOMPARE(source.recordCount(), count);
        QCOMPARE(source.eof(), count == 0);
        QString text = source.text(field);
        if (read == Flipped)
            text = Flip_Text(text);
        else if (read == Shifted)
            Unshift_Text(Integer(first), Integer(second), text);
        QCOMPARE(text, value);
    }

    // A key whose scrambled form holds a wildcard or a letter matches only itself.
    void likeIsExact_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("data");
        QTest::newRow("percent") << QStringLiteral("ع") << QStringLiteral("%")
                                 << QStringLiteral("stored as a percent sign");
        QTest::newRow("underscore") << QStringLiteral("\u00a0") << QStringLiteral("_")
                                    << QStringLiteral("stored as an underscore");
        QTest::newRow("small letter")
            << QStringLiteral("…") << QStringLiteral("z") << QStringLiteral("stored as a small z");
        QTest::newRow("capital letter")
            << QStringLiteral("¥") << QStringLiteral("Z") << QStringLiteral("stored as a capital Z");
    }
    void likeIsExact() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, data);
        QCOMPARE(Flip_Text(key), stored);
        Data_Source source;
        source.setDatabaseName(fixture_.path());
        source.setRecordSource(Psalmos_Statement(Flip_Text(key)));
        QVERIFY(source.refresh());
        QCOMPARE(source.recordCount(), 1);
        QCOMPARE(Flip_Text(source.text(QStringLiteral("Data"))), data);
    }

    void likeWithoutAMatch() {
        Data_Source source;
        source.setDatabaseName(fixture_.path());
        source.setRecordSource(Psalmos_Statement(Flip_Text(QStringLiteral("1: 1-"))));
        QVERIFY(source.refresh());
        QCOMPARE(source.recordCount(), 0);
        QVERIFY(source.eof());
    }

    void searchTermWithAQuote() {
        // Tah scrambles to the single quote; the statement must stay well formed.
        Data_Source source;
        source.setDatabaseName(fixture_.path());
        source.setRecordSource(Search_All_Statement(Flip_Text(QStringLiteral("بسيط"))));
        QVERIFY2(source.refresh(), qPrintable(source.lastError()));
        QCOMPARE(source.recordCount(), 1);
        QCOMPARE(Flip_Text(source.text(QStringLiteral("Sign"))), QStringLiteral("بسيط ولطيف"));
    }

    void rowsInStoredOrder() {
        Data_Source source;
        source.setDatabaseName(fixture_.path());
        // John is chosen before Genesis, but Genesis is stored first.
        source.setRecordSource(Search_Books_Statement({50, 1}, Flip_Text(QStringLiteral(" 1:1"))));
        QVERIFY(source.refresh());
        QStringList hits;
        for (source.moveFirst(); !source.eof(); source.moveNext())
            hits << Flip_Text(source.text(QStringLiteral("Sign")));
        QCOMPARE(hits, (QStringList{"Genesis 1:1 verse", "Genesis 1:10 verse", "Genesis 1:11 verse",
                                    "Genesis 1:12 verse", "John 1:1"}));

        source.setRecordSource(Pain_First_Day_Statement());
        QVERIFY(source.refresh());
        QStringList hours;
        for (; !source.eof(); source.moveNext()) {
            QString text = source.text(QStringLiteral("Description"));
            Unshift_Text(Fixed_First_Key, 1, text);
            hours << text;
        }
        QCOMPARE(hours, (QStringList{"الساعة الأولى", "الساعة السادسة", "الساعة التاسعة"}));

        source.setRecordSource(Ceremony_Table);
        QVERIFY(source.refresh());
        QList<int> rites;
        for (; !source.eof(); source.moveNext())
            rites << source.number(QStringLiteral("No"));
        QCOMPARE(rites, (QList<int>{1, 2, 1}));
    }

    void nullIsNotEmpty() {
        Data_Source source;
        source.setDatabaseName(fixture_.path());
        source.setRecordSource(Year_Statement(1, 1));
        QVERIFY(source.refresh());
        QVERIFY(source.canRead(QStringLiteral("6")));
        QVERIFY(source.isNull(QStringLiteral("6")));
        QCOMPARE(source.text(QStringLiteral("6")), QString());
        QVERIFY(!source.isNull(QStringLiteral("8")));
        QVERIFY(source.field(QStringLiteral("8")).isValid());
        QCOMPARE(source.field(QStringLiteral("8")).toString(), QString());
        // A field the row does not have cannot be read.
        QVERIFY(!source.canRead(QStringLiteral("10")));

        source.setRecordSource(Story_Statement(1, 2));
        QVERIFY(source.refresh());
        QVERIFY(source.isNull(QStringLiteral("Pic_Name")));
        QVERIFY(!source.isNull(QStringLiteral("Pic_Data")));
    }

    void booleansAreMinusOneAndZero() {
        Data_Source source;
        source.setDatabaseName(fixture_.path());
        source.setRecordSource(Chapter_Statement(-1, 1, 1));
        QVERIFY(source.refresh());
        QCOMPARE(source.recordCount(), 12);
        QCOMPARE(source.field(QStringLiteral("Old")).toLongLong(), -1LL);
        source.setRecordSource(Chapter_Statement(0, 1, 5));
        QVERIFY(source.refresh());
        QCOMPARE(source.field(QStringLiteral("Old")).toLongLong(), 0LL);
    }

    void walkingTheRows() {
        Data_Source source(QStringLiteral("Data_Tips"));
        QCOMPARE(source.name(), QStringLiteral("Data_Tips"));
        QVERIFY(source.eof());
        QCOMPARE(source.recordCount(), 0);
        source.setDatabaseName(fixture_.path());
        source.setRecordSource(Tips_Table);
        QVERIFY(source.refresh());
        QCOMPARE(source.absolutePosition(), 0);
        QCOMPARE(source.number(QStringLiteral("no")), Integer(1)); // names without regard to case
        source.moveLast();
        QCOMPARE(source.number(QStringLiteral("No")), Integer(3));
        QCOMPARE(source.percentPosition(), 66);
        source.moveNext();
        QVERIFY(source.eof());
        QVERIFY(!source.canRead(QStringLiteral("No")));
        QCOMPARE(source.number(QStringLiteral("No")), Integer(0));
        source.moveNext();
        QVERIFY(source.eof());
        source.moveFirst();
        QCOMPARE(source.number(QStringLiteral("No")), Integer(1));
        source.moveNext();
        QCOMPARE(source.number(QStringLiteral("No")), Integer(2));
        source.close();
        QVERIFY(source.eof());
        QVERIFY(!source.isOpen());
        QCOMPARE(source.recordCount(), 0);
    }

    void failuresLeaveAnEmptyResult() {
        Data_Source source;
        source.setRecordSource(Tips_Table);
        QVERIFY(!source.refresh()); // no database name
        QVERIFY(!source.lastError().isEmpty());

        source.setDatabaseName(fixture_.folder() + QStringLiteral("/absent.mdb"));
        QVERIFY(!source.refresh());
        QVERIFY(source.lastError().contains(QStringLiteral("absent.mdb")));
        QVERIFY(source.eof());

        source.setDatabaseName(fixture_.path());
        source.setRecordSource(QStringLiteral("SELECT * FROM Nothing"));
        QVERIFY(!source.refresh());
        QVERIFY(source.eof());
        QCOMPARE(source.recordCount(), 0);

        // The program never writes the database; the file is open read-only.
        source.setRecordSource(QStringLiteral("DELETE FROM Tips"));
        QVERIFY(!source.refresh());
        source.setRecordSource(Tips_Table);
        QVERIFY(source.refresh());
        QCOMPARE(source.recordCount(), 3);
    }

    void notADatabase() {
        QFile file(fixture_.folder() + QStringLiteral("/text.mdb"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            QByteArray("Standard Jet DB is not what this is, but it is long enough to be read as one. ")
                .repeated(20));
        file.close();
        Data_Source source;
        source.setDatabaseName(file.fileName());
        source.setRecordSource(Tips_Table);
        QVERIFY(!source.refresh());
        QVERIFY(!source.lastError().isEmpty());
    }

    void sourcesShareOneConnection() {
        int opened = 0;
        Set_Database_Opener([&](const QString& path, QString& error) -> std::shared_ptr<Database> {
            ++opened;
            return Sqlite_Database::Open_File(path, error);
        });
        const QString path = fixture_.path() + QStringLiteral("#shared"); // a name no other test opened
        QFile::copy(fixture_.path(), path);
        {
            Data_Source a, b;
            a.setDatabaseName(path);
            b.setDatabaseName(path);
            a.setRecordSource(Tips_Table);
            b.setRecordSource(Ceremony_Table);
            QVERIFY(a.refresh());
            QVERIFY(b.refresh());
            QCOMPARE(opened, 1);
            QCOMPARE(a.recordCount(), 3);
        }
        Data_Source c;
        c.setDatabaseName(path);
        c.setRecordSource(Tips_Table);
        QVERIFY(c.refresh());
        QCOMPARE(opened, 2); // the last holder let it go
        Set_Database_Opener({});
    }

    // The engine on a database that another reader filled in memory.
    void inMemoryEngine_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("instr with a start")
            << QStringLiteral("SELECT INSTR (1,'abcabc','c')") << QVariant(3LL);
        QTest::newRow("instr from a later start")
            << QStringLiteral("SELECT INSTR (4,'abcabc','c')") << QVariant(6LL);
        QTest::newRow("instr counts characters")
            << QStringLiteral("SELECT INSTR (2,'ذهب ذهب','ذ')") << QVariant(5LL);
        QTest::newRow("instr absent") << QStringLiteral("SELECT INSTR (1,'abc','d')") << QVariant(0LL);
        QTest::newRow("instr past the end") << QStringLiteral("SELECT INSTR (9,'abc','c')") << QVariant(0LL);
        QTest::newRow("instr of null") << QStringLiteral("SELECT INSTR (1,NULL,'d')") << QVariant();
        QTest::newRow("instr without a start")
            << QStringLiteral("SELECT INSTR ('abcabc','c')") << QVariant(3LL);
        QTest::newRow("like is exact") << QStringLiteral("SELECT 'abc' Like 'abc'") << QVariant(1LL);
        QTest::newRow("like keeps case") << QStringLiteral("SELECT 'abc' Like 'ABC'") << QVariant(0LL);
        QTest::newRow("like has no percent") << QStringLiteral("SELECT 'abc' Like '%'") << QVariant(0LL);
        QTest::newRow("like has no underscore") << QStringLiteral("SELECT 'a' Like '_'") << QVariant(0LL);
    }
    void inMemoryEngine() {
        QFETCH(QString, statement);
        QFETCH(QVariant, value);
        sqlite3* handle = nullptr;
        QCOMPARE(sqlite3_open(":memory:", &handle), SQLITE_OK);
        auto database = std::make_shared<Sqlite_Database>(handle);
        Data_Source source;
        source.setDatabase(database);
        source.setRecordSource(statement);
        QVERIFY2(source.refresh(), qPrintable(source.lastError()));
        QCOMPARE(source.recordCount(), 1);
        const QVariant result = source.field(source.fieldNames().value(0));
        QCOMPARE(result.isNull(), value.isNull());
        if (!value.isNull())
            QCOMPARE(result.toLongLong(), value.toLongLong());
    }

    void moduleConnections() {
        QCOMPARE(Data_Bible().name(), QStringLiteral("Data_Bible"));
        QCOMPARE(Data_Bible_Search().name(), QStringLiteral("Data_Bible_Search"));
        QVERIFY(&Data_Bible() != &Data_Bible_Search());
    }

private:
    Lectionary_Fixture fixture_;
};

QTEST_GUILESS_MAIN(Test_Data_Source)
#include "test_data_source.moc"
