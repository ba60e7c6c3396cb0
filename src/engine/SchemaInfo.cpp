#include "engine/SchemaInfo.h"

#include <sqlite3.h>

namespace engine {

namespace {

QString text(sqlite3_stmt* stmt, int col) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
    return t ? QString::fromUtf8(t) : QString();
}

// Types that convert alike count as one (NVARCHAR(20) and NVARCHAR(30) differ).
QString normalized(const QString& declared) { return declared.simplified().toLower(); }

}  // namespace

void SchemaInfo::load(sqlite3* db) {
    columns_.clear();
    types_.clear();
    byColumn_.clear();
    QStringList tables;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_schema WHERE type = 'table'", -1, &stmt,
                       nullptr);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) tables << text(stmt, 0);
    sqlite3_finalize(stmt);
    for (const QString& table : tables) {
        const QByteArray sql = QStringLiteral("PRAGMA table_info(\"%1\")")
                                   .arg(QString(table).replace(u'"', QStringLiteral("\"\"")))
                                   .toUtf8();
        stmt = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
        QStringList names;
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            const QString column = text(stmt, 1);
            const QString type = normalized(text(stmt, 2));
            names << column;
            types_.insert(table.toLower() + u'.' + column.toLower(), type);
            const QString key = column.toLower();
            auto it = byColumn_.find(key);
            if (it == byColumn_.end()) {
                byColumn_.insert(key, type);
            } else if (*it != type) {
                const TypeSpec a = parseTypeSpec(*it), b = parseTypeSpec(type);
                // Texts of different lengths still agree on being text.
                if (!(a.isText() && b.isText()))
                    *it = QString();
                else if (a.length != b.length)
                    *it = QStringLiteral("nvarchar(max)");
            }
        }
        sqlite3_finalize(stmt);
        columns_.insert(table.toLower(), names);
    }
}

TypeSpec SchemaInfo::columnType(const QString& table, const QString& column) const {
    return parseTypeSpec(types_.value(table.toLower() + u'.' + column.toLower()));
}

QString SchemaInfo::declaredType(const QString& table, const QString& column) const {
    return types_.value(table.toLower() + u'.' + column.toLower());
}

QStringList SchemaInfo::columns(const QString& table) const {
    return columns_.value(table.toLower());
}

TypeSpec SchemaInfo::anyColumnType(const QString& column) const {
    return parseTypeSpec(byColumn_.value(column.toLower()));
}

}  // namespace engine
