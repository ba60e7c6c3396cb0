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

bool hasCiAs(sqlite3* db, const QString& table, const QString& column) {
    const char* collation = nullptr;
    const QByteArray t = table.toUtf8(), c = column.toUtf8();
    if (sqlite3_table_column_metadata(db, nullptr, t.constData(), c.constData(), nullptr,
                                      &collation, nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    return collation && sqlite3_stricmp(collation, "CI_AS") == 0;
}

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
    QHash<QString, QString> typeByName;  // lower-case column -> declared, "" when tables differ
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
            types_[table.toLower()].insert(
                column.toLower(), Column{type, parseTypeSpec(type), hasCiAs(db, table, column)});
            const QString name = column.toLower();
            auto it = typeByName.find(name);
            if (it == typeByName.end()) {
                typeByName.insert(name, type);
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
    for (auto it = typeByName.cbegin(); it != typeByName.cend(); ++it)
        byColumn_.insert(it.key(), parseTypeSpec(it.value()));
}

const SchemaInfo::Column* SchemaInfo::find(const QString& table, const QString& column) const {
    // Names as the statement writes them: lower-cased only when they differ.
    auto t = types_.constFind(table);
    if (t == types_.constEnd() && !table.isLower()) t = types_.constFind(table.toLower());
    if (t == types_.constEnd()) return nullptr;
    auto c = t->constFind(column);
    if (c == t->constEnd() && !column.isLower()) c = t->constFind(column.toLower());
    return c == t->constEnd() ? nullptr : &*c;
}

TypeSpec SchemaInfo::columnType(const QString& table, const QString& column) const {
    const Column* c = find(table, column);
    return c ? c->type : TypeSpec{};
}

QString SchemaInfo::declaredType(const QString& table, const QString& column) const {
    const Column* c = find(table, column);
    return c ? c->declared : QString();
}

bool SchemaInfo::isCaseInsensitive(const QString& table, const QString& column) const {
    const Column* c = find(table, column);
    return c && c->caseInsensitive;
}

QStringList SchemaInfo::columns(const QString& table) const {
    return columns_.value(table.toLower());
}

TypeSpec SchemaInfo::anyColumnType(const QString& column) const {
    return byColumn_.value(column.toLower());
}

}  // namespace engine
