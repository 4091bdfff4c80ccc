#include "calendar/selected_day.h"
#include "lectionary/database_file.h"
#include "lectionary/source_folder.h"
#include "readings/saint_search.h"

#include <QtTest>

#include <sqlite3.h>

using namespace MdlLectarium;

class Test_Saint_Search final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Fill_Name_Tables(); }

    // Any part of a name, folded as the Bible search folds.
    void folding_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        const QString mark = QStringLiteral("استشهاد مارمرقس الرسول");
        const QString athanasius = QStringLiteral("نياحة القديس أثناسيوس الرسولي");
        const QString virgin = QStringLiteral("التذكار الشهري لوالدة الإله القديسة مريم العذراء");
        const QString english = QStringLiteral("The Martyrdom of St. Mark the Apostle");
        QTest::newRow("part of a joined name") << "مرقس" << QStringList{mark};
        QTest::newRow("alef with hamza as bare alef") << "اثناسيوس" << QStringList{athanasius};
        QTest::newRow("bare alef in the name, hamza typed") << "الإله" << QStringList{virgin};
        QTest::newRow("alef maqsura as ya") << "موسي" << QStringList{QStringLiteral("نياحة موسى النبي")};
        QTest::newRow("ta marbuta as ha")
            << "نياحه" << QStringList{athanasius, QStringLiteral("نياحة موسى النبي")};
        QTest::newRow("marks and tatweel typed") << "مَرْقـُس" << QStringList{mark};
        QTest::newRow("two names") << "الرسول" << QStringList{mark, athanasius};
        QTest::newRow("English, any case") << "mark THE" << QStringList{english};
        QTest::newRow("blanks around") << "  مرقس  " << QStringList{mark};
        QTest::newRow("nothing") << "بطرس" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("marks only") << "َ" << QStringList{};
    }

    void folding() {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        const QList<Commemoration> all{
            {8, 30, QStringLiteral("استشهاد مارمرقس الرسول")},
            {9, 7, QStringLiteral("نياحة القديس أثناسيوس الرسولي")},
            {1, 21, QStringLiteral("التذكار الشهري لوالدة الإله القديسة مريم العذراء")},
            {8, 30, QStringLiteral("The Martyrdom of St. Mark the Apostle")},
            {1, 8, QStringLiteral("نياحة موسى النبي")},
        };
        QStringList names;
        for (const Commemoration& c : Find_Commemorations(all, text))
            names << c.name;
        QCOMPARE(names, found);
    }

    // Both tables of a built database, a day's lines in day order; a database without
    // Story_En has the Arabic names alone.
    void readsTheDatabase_data() {
        QTest::addColumn<bool>("english");
        QTest::newRow("with Story_En") << true;
        QTest::newRow("without") << false;
    }

    void readsTheDatabase() {
        QFETCH(bool, english);
        QTemporaryDir dir;
        const auto write = [&](const char* name, const QString& content) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.toUtf8());
        };
        write("Story.txt", QStringLiteral("Month\tDay\tData\tPic_Name\tPic_Data\n"
                                          "8\t30\tاستشهاد مارمرقس الرسول\\r\\nنياحة أخرى\t\\N\t\\N\n"
                                          "1\t1\tالنيروز\t\\N\t\\N\n"));
        if (english)
            write("Story_En.txt", QStringLiteral("Month\tDay\tData\n8\t30\tThe Martyrdom of St. Mark\n"));
        QString error;
        const QString path = dir.filePath(QStringLiteral("out.mdb"));
        QVERIFY2(Build_Database(dir.path(), path, error), qPrintable(error));
        if (!english) {
            // As a database of the earlier program: no Story_En table at all.
            sqlite3* db = nullptr;
            QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
            QCOMPARE(sqlite3_exec(db, "DROP TABLE Story_En", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        }
        const auto database = Open_Lectionary_File(path, error);
        QVERIFY2(database, qPrintable(error));
        QCOMPARE(Missing_Lectionary_Fields(*database), QStringList()); // the program starts with it
        QList<Commemoration> all;
        QVERIFY2(Read_Commemorations(*database, all, error), qPrintable(error));
        QList<Commemoration> expected{{1, 1, QStringLiteral("النيروز")},
                                      {8, 30, QStringLiteral("استشهاد مارمرقس الرسول")},
                                      {8, 30, QStringLiteral("نياحة أخرى")}};
        if (english)
            expected.append({8, 30, QStringLiteral("The Martyrdom of St. Mark")});
        QCOMPARE(all, expected);
        // 30 Baramouda is 8 May in 2027.
        QCOMPARE(Commemoration_Date(all[1], 2027), QDate(2027, 5, 8));
        QCOMPARE(Commemoration_Line(all[1], 2027),
                 QStringLiteral("30 برمودة\t2027-05-08\tاستشهاد مارمرقس الرسول"));
    }
};

QTEST_APPLESS_MAIN(Test_Saint_Search)
#include "test_saint_search.moc"
