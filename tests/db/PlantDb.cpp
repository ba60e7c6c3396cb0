#include "PlantDb.h"

#include <sqlite3.h>

namespace plantdb {

PlantDb::PlantDb(const QString& path) { db_.open(path); }

QList<QVariantList> PlantDb::rows(const QString& sql) const {
    QList<QVariantList> out;
    error_.clear();
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_.handle(), text.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        error_ = QString::fromUtf8(sqlite3_errmsg(db_.handle()));
        return out;
    }
    const int cols = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QVariantList row;
        for (int c = 0; c < cols; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_NULL:
                    row << QVariant();
                    break;
                case SQLITE_INTEGER:
                    row << QVariant(qlonglong(sqlite3_column_int64(stmt, c)));
                    break;
                case SQLITE_FLOAT:
                    row << QVariant(sqlite3_column_double(stmt, c));
                    break;
                default:
                    row << QVariant(QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(stmt, c))));
            }
        }
        out << row;
    }
    sqlite3_finalize(stmt);
    return out;
}

QVariant PlantDb::value(const QString& sql) const {
    const auto r = rows(sql);
    return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
}

QStringList PlantDb::tables() const {
    QStringList out;
    for (const auto& r :
         rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                             "AND name NOT LIKE 'sqlite_%' AND name <> 'S_PRODUCT_STORE_LOT' "
                             "ORDER BY name"))) {
        out << r.first().toString();
    }
    return out;
}

QStringList PlantDb::columns(const QString& table) const {
    QStringList out;
    for (const auto& r : rows(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        out << r.at(1).toString().toLower();
    }
    return out;
}

QString PlantDb::declaredCollation(const QString& table, const QString& column) const {
    const char* type = nullptr;
    const char* coll = nullptr;
    const QByteArray t = table.toUtf8();
    const QByteArray c = column.toUtf8();
    if (sqlite3_table_column_metadata(db_.handle(), nullptr, t.constData(), c.constData(), &type,
                                      &coll, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return {};
    }
    return QString::fromUtf8(coll);
}

QString PlantDb::declaredType(const QString& table, const QString& column) const {
    const char* type = nullptr;
    const QByteArray t = table.toUtf8();
    const QByteArray c = column.toUtf8();
    if (sqlite3_table_column_metadata(db_.handle(), nullptr, t.constData(), c.constData(), &type,
                                      nullptr, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return {};
    }
    return QString::fromUtf8(type ? type : "");
}

bool PlantDb::exec(const QString& sql) {
    char* msg = nullptr;
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_exec(db_.handle(), text.constData(), nullptr, nullptr, &msg);
    error_ = msg ? QString::fromUtf8(msg) : QString();
    sqlite3_free(msg);
    return rc == SQLITE_OK;
}

}  // namespace plantdb
