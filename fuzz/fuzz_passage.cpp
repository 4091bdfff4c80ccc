// Reading references as the lectionary stores them, typed or damaged: the parser and
// Get_Passage over a small in-memory lectionary built from the test fixture.

#include "fuzz/fuzz_support.h"
#include "lectionary/bible_books.h"
#include "lectionary/data_source.h"
#include "lectionary/passage.h"
#include "lectionary/source_folder.h"
#include "lectionary/sqlite_database.h"

#include <QDir>

#include <sqlite3.h>

using namespace MdlLectarium;
using Lectarium_Fuzz::Check;

namespace {

Data_Source* bible = nullptr;

// The fixture is built to a file once, then copied into memory so that every input
// reads the same database without touching the disk.
std::shared_ptr<Database> inMemoryFixture() {
    const QString path = QDir(Lectarium_Fuzz::Scratch_Folder()).filePath(QStringLiteral("Fixture.mdb"));
    QString error;
    Check(Build_Database(QStringLiteral(LECTIONARY_FIXTURE), path, error), "fixture database", error);
    sqlite3* file = nullptr;
    sqlite3* memory = nullptr;
    Check(sqlite3_open_v2(QFile::encodeName(path).constData(), &file, SQLITE_OPEN_READONLY, nullptr) ==
                  SQLITE_OK &&
              sqlite3_open(":memory:", &memory) == SQLITE_OK,
          "open fixture");
    sqlite3_backup* copy = sqlite3_backup_init(memory, "main", file, "main");
    Check(copy && sqlite3_backup_step(copy, -1) == SQLITE_DONE, "copy fixture");
    sqlite3_backup_finish(copy);
    sqlite3_close_v2(file);
    QFile::remove(path);
    return std::make_shared<Sqlite_Database>(memory);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Init_Bible_Tables();
    static Data_Source source(QStringLiteral("Data_Bible"));
    source.setDatabase(inMemoryFixture());
    bible = &source;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString reference = QString::fromUtf8(Lectarium_Fuzz::Input_Bytes(data, size));
    const Reference_Parts parts = Parse_Reference(reference);
    // Built only for a failed check; the reference may itself hold "%1".
    auto shown = [&] {
        return reference + QStringLiteral(" | ") + parts.book +
               QStringLiteral(" %1 %2 %3 %4 kind %5")
                   .arg(parts.chapter)
                   .arg(parts.verse)
                   .arg(parts.second)
                   .arg(parts.third)
                   .arg(parts.kind);
    };
    auto expect = [&](bool condition, const char* what) {
        Check(condition, what, condition ? QString() : shown());
    };
    expect(parts.chapter >= 0 && parts.verse >= 0 && parts.second >= 0 && parts.third >= 0,
           "numbers of a reference are never negative");
    expect(parts.kind >= 0 && parts.kind <= 5, "one of the six forms");
    expect(!parts.book.contains(QLatin1Char(' ')), "the book ends at a blank");

    const QString passage = Get_Passage(*bible, reference);
    if (Find_Book(parts.book) == 0)
        expect(passage.isEmpty(), "no passage without a book");
    if (Split_Reference(reference).isEmpty())
        expect(passage.isEmpty(), "no passage for a malformed join");
    // The same reference gives the same text: nothing of one lookup leaks into the next.
    expect(Get_Passage(*bible, reference) == passage, "repeatable");
    return 0;
}
