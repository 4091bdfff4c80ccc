#include "lectionary/data_source.h"

#include "lectionary/sqlite_database.h"

#include <QHash>

#include <cmath>

namespace MdlLectarium {

Database::~Database() = default;

namespace {
struct Registry {
    Database_Opener opener;
    QHash<QString, std::weak_ptr<Database>> open;
};

Registry& registry() {
    static Registry r;
    return r;
}
} // namespace

std::shared_ptr<Database> Open_Database(const QString& path, QString& error) {
    Registry& r = registry();
    if (auto existing = r.open.value(path).lock())
        return existing;
    std::shared_ptr<Database> database =
        r.opener ? r.opener(path, error) : Sqlite_Database::Open_File(path, error);
    if (database)
        r.open.insert(path, database);
    return database;
}

void Set_Database_Opener(Database_Opener opener) {
    registry().opener = std::move(opener);
}

Data_Source::Data_Source(QString name) : name_(std::move(name)) {}

void Data_Source::setDatabaseName(const QString& path) {
    if (path == databaseName_ && !givenDatabase_)
        return;
    close();
    databaseName_ = path;
    database_.reset();
    givenDatabase_ = false;
}

void Data_Source::setDatabase(std::shared_ptr<Database> database) {
    close();
    database_ = std::move(database);
    givenDatabase_ = database_ != nullptr;
}

bool Data_Source::connect() {
    if (database_)
        return true;
    if (databaseName_.isEmpty()) {
        lastError_ = QStringLiteral("%1: no database name").arg(name_);
        return false;
    }
    QString error;
    database_ = Open_Database(databaseName_, error);
    if (!database_) {
        lastError_ = error;
        return false;
    }
    return true;
}

bool Data_Source::refresh() {
    rows_ = Result_Set{};
    current_ = 0;
    open_ = false;
    lastError_.clear();
    if (!connect())
        return false;
    Result_Set result;
    QString error;
    if (!database_->Run(recordSource_, result, error)) {
        lastError_ = error;
        return false;
    }
    rows_ = std::move(result);
    open_ = true;
    return true;
}

bool Data_Source::eof() const {
    return !open_ || current_ >= static_cast<int>(rows_.rows.size());
}

int Data_Source::recordCount() const {
    return open_ ? static_cast<int>(rows_.rows.size()) : 0;
}

void Data_Source::moveFirst() {
    current_ = 0;
}

void Data_Source::moveNext() {
    if (!eof())
        ++current_;
}

void Data_Source::moveLast() {
    const int count = recordCount();
    current_ = count > 0 ? count - 1 : 0;
}

void Data_Source::close() {
    rows_ = Result_Set{};
    current_ = 0;
    open_ = false;
}

int Data_Source::absolutePosition() const {
    return eof() ? -1 : current_;
}

int Data_Source::percentPosition() const {
    const int count = recordCount();
    if (count == 0)
        return 0;
    if (eof())
        return 100;
    return static_cast<int>(std::floor(100.0 * current_ / count));
}

int Data_Source::fieldIndex(const QString& field) const {
    for (int i = 0; i < rows_.fields.size(); ++i)
        if (rows_.fields[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool Data_Source::canRead(const QString& field) const {
    return !eof() && fieldIndex(field) >= 0;
}

QVariant Data_Source::field(const QString& field) const {
    if (eof())
        return QVariant();
    const int i = fieldIndex(field);
    if (i < 0)
        return QVariant();
    const auto& row = rows_.rows[static_cast<size_t>(current_)];
    return i < static_cast<int>(row.size()) ? row[static_cast<size_t>(i)] : QVariant();
}

bool Data_Source::isNull(const QString& name) const {
    return field(name).isNull();
}

QString Data_Source::text(const QString& name) const {
    const QVariant value = field(name);
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble());
    return value.toString();
}

Integer Data_Source::number(const QString& name) const {
    const QVariant value = field(name);
    if (value.isNull())
        return 0;
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    return ok ? static_cast<Integer>(n) : Integer(0);
}

Data_Source& Data_Bible() {
    static Data_Source source(QStringLiteral("Data_Bible"));
    return source;
}

Data_Source& Data_Bible_Search() {
    static Data_Source source(QStringLiteral("Data_Bible_Search"));
    return source;
}

} // namespace MdlLectarium
