#include "production/HeldEntriesFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "foundation/AppPaths.h"

namespace mes {

namespace {

const QString kFormat = QStringLiteral("mes-held-entries");

QJsonArray strings(const QStringList& list) { return QJsonArray::fromStringList(list); }

bool toStrings(const QJsonValue& v, QStringList* out) {
    if (!v.isArray()) return false;
    for (const QJsonValue& s : v.toArray()) {
        if (!s.isString()) return false;
        *out << s.toString();
    }
    return true;
}

}  // namespace

QByteArray HeldEntriesFile::serialize(const RunEntries& e) {
    QJsonArray cells;
    for (const QStringList& row : e.lotCells) cells.append(strings(row));
    QJsonObject o{{QStringLiteral("format"), kFormat},
                  {QStringLiteral("version"), kVersion},
                  {QStringLiteral("run"), e.runKey},
                  {QStringLiteral("good"), e.good},
                  {QStringLiteral("bad"), e.bad},
                  {QStringLiteral("made"), e.made},
                  {QStringLiteral("goodLoaded"), e.goodLoaded},
                  {QStringLiteral("badLoaded"), e.badLoaded},
                  {QStringLiteral("goodFixed"), e.goodFixed},
                  {QStringLiteral("lotIdx"), int(e.lotIdx)},
                  {QStringLiteral("lotCells"), cells},
                  {QStringLiteral("lotMarks"), strings(e.lotMarks)},
                  {QStringLiteral("unit"), e.unit},
                  {QStringLiteral("startTime"), e.startTime},
                  {QStringLiteral("endTime"), e.endTime},
                  {QStringLiteral("counterStart"), double(e.counterStart)},
                  {QStringLiteral("counterLast"), double(e.counterLast)},
                  {QStringLiteral("counterStrokes"), double(e.counterStrokes)},
                  {QStringLiteral("typedCounts"), e.typedCounts}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<RunEntries> HeldEntriesFile::parse(const QByteArray& data, QString* why) {
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return std::nullopt;
    };
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &err);
    // A file cut short never closes its object, so it never parses.
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        return fail(QStringLiteral("unreadable: ") + err.errorString());
    const QJsonObject o = doc.object();
    if (o.value(QStringLiteral("format")).toString() != kFormat)
        return fail(QStringLiteral("not a held-entries file"));
    if (o.value(QStringLiteral("version")).toInt(-1) != kVersion)
        return fail(QStringLiteral("version %1, expected %2")
                        .arg(o.value(QStringLiteral("version")).toVariant().toString())
                        .arg(kVersion));
    RunEntries e;
    const QString textKeys[] = {"run",       "good", "bad",       "made",   "goodLoaded",
                                "badLoaded", "unit", "startTime", "endTime"};
    QString* fields[] = {&e.runKey,    &e.good, &e.bad,       &e.made,   &e.goodLoaded,
                         &e.badLoaded, &e.unit, &e.startTime, &e.endTime};
    for (int i = 0; i < 9; ++i) {
        const QJsonValue v = o.value(textKeys[i]);
        if (!v.isString()) return fail(textKeys[i] + QStringLiteral(" missing"));
        *fields[i] = v.toString();
    }
    if (e.runKey.isEmpty()) return fail(QStringLiteral("no run"));
    const QJsonValue fixed = o.value(QStringLiteral("goodFixed"));
    const QJsonValue idx = o.value(QStringLiteral("lotIdx"));
    if (!fixed.isBool() || !idx.isDouble() || idx.toInt() < 0 || idx.toInt() > 32767)
        return fail(QStringLiteral("counts mode or lot cursor missing"));
    e.goodFixed = fixed.toBool();
    e.lotIdx = qint16(idx.toInt());
    // The stroke counter's readings: whole numbers well inside a double's exact range.
    qint64* counter[] = {&e.counterStart, &e.counterLast, &e.counterStrokes};
    const char* counterKeys[] = {"counterStart", "counterLast", "counterStrokes"};
    for (int i = 0; i < 3; ++i) {
        const QJsonValue v = o.value(QLatin1String(counterKeys[i]));
        if (!v.isDouble() || v.toDouble() != double(qint64(v.toDouble())) || v.toDouble() < -1)
            return fail(QLatin1String(counterKeys[i]) + QStringLiteral(" missing"));
        *counter[i] = qint64(v.toDouble());
    }
    const QJsonValue typed = o.value(QStringLiteral("typedCounts"));
    if (!typed.isBool()) return fail(QStringLiteral("typedCounts missing"));
    e.typedCounts = typed.toBool();
    const QJsonValue cells = o.value(QStringLiteral("lotCells"));
    if (!cells.isArray()) return fail(QStringLiteral("lot rows missing"));
    for (const QJsonValue& row : cells.toArray()) {
        QStringList r;
        if (!toStrings(row, &r)) return fail(QStringLiteral("lot row unreadable"));
        e.lotCells << r;
    }
    if (!toStrings(o.value(QStringLiteral("lotMarks")), &e.lotMarks) ||
        e.lotMarks.size() != e.lotCells.size())
        return fail(QStringLiteral("lot marks unreadable"));
    return e;
}

QString HeldEntriesFile::path() {
    return QDir(AppPaths::configDir()).filePath(QStringLiteral("held_entries.json"));
}

bool HeldEntriesFile::save(const RunEntries& entries) {
    QSaveFile f(path());
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QByteArray data = serialize(entries);
    if (f.write(data) != data.size()) {
        f.cancelWriting();
        return false;
    }
    // commit() flushes, syncs and renames over the old file.
    return f.commit();
}

std::optional<RunEntries> HeldEntriesFile::load(QString* why) {
    QFile f(path());
    if (!f.exists()) return std::nullopt;
    if (!f.open(QIODevice::ReadOnly)) {
        if (why) *why = QStringLiteral("cannot open: ") + f.errorString();
        return std::nullopt;
    }
    return parse(f.readAll(), why);
}

void HeldEntriesFile::discard() { QFile::remove(path()); }

}  // namespace mes
