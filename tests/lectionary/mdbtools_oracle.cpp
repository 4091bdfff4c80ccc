#include "tests/lectionary/mdbtools_oracle.h"

#include <mdbtools.h>

#include <QFile>

#include <memory>
#include <vector>

QMap<QString, Oracle_Table> Read_With_Mdbtools(const QString& path, const QByteArray& jet3Charset,
                                               QString& error) {
    QMap<QString, Oracle_Table> tables;
    // mdbtools decodes Jet 3 texts with the code page named here when it opens a file.
    qputenv("MDB_JET3_CHARSET", jet3Charset);
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    qunsetenv("MDB_JET3_CHARSET");
    if (!mdb) {
        error = QStringLiteral("mdbtools cannot open %1").arg(path);
        return tables;
    }
    constexpr size_t bindSize = 1 << 20;
    mdb_set_bind_size(mdb, bindSize);
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_read_catalog(mdb, MDB_TABLE);
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (!mdb_is_user_table(entry))
            continue;
        MdbTableDef* table = mdb_read_table(entry);
        if (!table)
            continue;
        mdb_read_columns(table);
        mdb_rewind_table(table);
        Oracle_Table out;
        std::vector<std::unique_ptr<char[]>> buffers;
        for (unsigned c = 0; c < table->num_cols; ++c) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
            out.columns << QString::fromUtf8(column->name);
            out.types << column->col_type;
            buffers.emplace_back(new char[bindSize]());
            mdb_bind_column(table, static_cast<int>(c + 1), buffers.back().get(), nullptr);
        }
        while (mdb_fetch_row(table)) {
            QStringList row;
            for (const auto& buffer : buffers)
                row << QString::fromUtf8(buffer.get());
            out.rows << row;
        }
        tables.insert(QString::fromUtf8(entry->object_name), out);
        mdb_free_tabledef(table);
    }
    mdb_close(mdb);
    return tables;
}

bool Oracle_Text(int type, const QVariant& value, QString& text) {
    if (value.isNull()) {
        text.clear();
        return true;
    }
    switch (type) {
    case MDB_BOOL:
        text = value.toLongLong() != 0 ? QStringLiteral("1") : QStringLiteral("0");
        return true;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_DATETIME:
        text = value.toString();
        return true;
    case MDB_NUMERIC:
        if (value.typeId() != QMetaType::LongLong)
            return false;
        text = value.toString();
        return true;
    default:
        return false;
    }
}

QString Compare_With_Mdbtools(MdlLectarium::Database& database, const QMap<QString, Oracle_Table>& oracle) {
    for (auto table = oracle.cbegin(); table != oracle.cend(); ++table) {
        MdlLectarium::Result_Set mine;
        QString error;
        if (!database.Run(table.key(), mine, error))
            return QStringLiteral("%1: %2").arg(table.key(), error);
        if (mine.fields != table->columns)
            return QStringLiteral("%1: columns %2, mdbtools %3")
                .arg(table.key(), mine.fields.join(QLatin1Char(',')), table->columns.join(QLatin1Char(',')));
        if (static_cast<qsizetype>(mine.rows.size()) != table->rows.size())
            return QStringLiteral("%1: %2 rows, mdbtools %3")
                .arg(table.key())
                .arg(mine.rows.size())
                .arg(table->rows.size());
        for (qsizetype r = 0; r < table->rows.size(); ++r)
            for (qsizetype c = 0; c < table->columns.size(); ++c) {
                QString text;
                if (!Oracle_Text(table->types[c], mine.rows[static_cast<size_t>(r)][static_cast<size_t>(c)],
                                 text))
                    continue;
                if (text != table->rows[r][c])
                    return QStringLiteral("%1 row %2 %3: %4, mdbtools %5")
                        .arg(table.key())
                        .arg(r)
                        .arg(table->columns[c], text, table->rows[r][c]);
            }
    }
    return QString();
}
