// The engine's function table against what SQLite has registered and what the README lists.
#include <sqlite3.h>

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include "EngineFixture.h"
#include "engine/Dialect.h"

namespace {

using Key = QPair<QString, int>;  // a function's name and arity

// name and arity -> registered as deterministic
QMap<Key, bool> registered(sqlite3* db, const char* where) {
    QMap<Key, bool> out;
    const QByteArray sql =
        QByteArray("SELECT name, narg, flags FROM pragma_function_list WHERE ") + where;
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr), SQLITE_OK);
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        const Key key{QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))),
                      sqlite3_column_int(st, 1)};
        out.insert(key, (sqlite3_column_int(st, 2) & SQLITE_DETERMINISTIC) != 0);
    }
    sqlite3_finalize(st);
    return out;
}

// The backquoted names of the README's sentence that lists the engine's functions.
QStringList readmeFunctions() {
    QFile file(QStringLiteral(MES_SOURCE_DIR "/README.md"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(file.readAll()).replace(u'\n', u' ');
    const QString lead =
        QStringLiteral("Its functions, as the engine's function table lists them:");
    const qsizetype from = text.indexOf(lead);
    if (from < 0) return {};
    const QString sentence = text.mid(from + lead.size()).section(QStringLiteral(". "), 0, 0);
    QStringList names;
    static const QRegularExpression quoted(QStringLiteral("`([A-Z_]+)`"));
    for (auto it = quoted.globalMatch(sentence); it.hasNext();) names << it.next().captured(1);
    return names;
}

TEST_F(EngineTest, FunctionTableAgreesWithTheRegistrationAndTheReadme) {
    using engine::FunctionRule;
    const QMap<Key, bool> ours = registered(db_.handle(), "name LIKE 'tsql\\_%' ESCAPE '\\'");
    const QMap<Key, bool> all = registered(db_.handle(), "1");
    ASSERT_FALSE(ours.isEmpty());
    QSet<Key> listed;
    QStringList tsql;
    for (const engine::FunctionInfo* f = engine::functionsBegin(); f != engine::functionsEnd();
         ++f) {
        if (f->rule != FunctionRule::Internal) tsql << QLatin1String(f->name);
        const QString target = QString::fromLatin1(f->target).toLower();
        if (f->rule == FunctionRule::Native) {
            // SQLite's own, with a fixed arity or any (-1).
            const bool has = all.contains({target, f->minArgs}) || all.contains({target, -1});
            EXPECT_TRUE(has) << f->name;
            continue;
        }
        // CAST and CONVERT call their runtime functions with the type added: those
        // arities are the runtime entries'.
        if (f->rule == FunctionRule::Cast || f->rule == FunctionRule::Convert) continue;
        for (int n = f->minArgs; n <= f->maxArgs; ++n) {
            const Key key{target, n};
            listed.insert(key);
            ASSERT_TRUE(ours.contains(key)) << f->name << " with " << n << " arguments";
            EXPECT_EQ(ours.value(key), f->deterministic) << f->name << " with " << n;
        }
    }
    for (auto it = ours.cbegin(); it != ours.cend(); ++it)
        EXPECT_TRUE(listed.contains(it.key()))
            << it.key().first.toStdString() << "/" << it.key().second << " is not in the table";
    QStringList readme = readmeFunctions();
    readme.sort();
    tsql.sort();
    EXPECT_EQ(readme, tsql);
}

}  // namespace
