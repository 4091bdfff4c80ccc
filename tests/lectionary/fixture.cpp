#include "tests/lectionary/fixture.h"

#include "lectionary/source_folder.h"

Lectionary_Fixture::Lectionary_Fixture() {
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    path_ = dir_.filePath(QStringLiteral("Lectarium.mdb"));
    MdlLectarium::Build_Database(Source_Folder(), path_, error_);
}

QString Lectionary_Fixture::Source_Folder() {
    return QStringLiteral(LECTIONARY_FIXTURE);
}
