#pragma once

#include <QString>
#include <QTemporaryDir>

// The small lectionary database of the tests, built at test time from the source text
// in tests/lectionary/fixture.
class Lectionary_Fixture final {
public:
    Lectionary_Fixture();

    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    QString path() const { return path_; }
    static QString Source_Folder();
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString path_;
    QString error_;
};
