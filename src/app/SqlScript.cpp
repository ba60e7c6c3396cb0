#include "app/SqlScript.h"

#include <QRegularExpression>

namespace engine {

namespace {

QString cellText(const QVariant& v) {
    if (v.isNull()) return QStringLiteral("NULL");
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        return QString::number(d, 'g', 15);
    }
    // Tabs and line ends inside a value would break the columns.
    QString s = v.toString();
    s.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
    return s;
}

}  // namespace

QStringList splitBatches(const QString& script) {
    static const QRegularExpression go(QStringLiteral("^\\s*GO\\s*$"),
                                       QRegularExpression::CaseInsensitiveOption);
    QStringList batches;
    QString current;
    for (const QString& line : script.split(u'\n')) {
        QString bare = line;
        if (bare.endsWith(u'\r')) bare.chop(1);
        if (go.match(bare).hasMatch()) {
            if (!current.trimmed().isEmpty()) batches << current;
            current.clear();
            continue;
        }
        current += line;
        current += u'\n';
    }
    if (!current.trimmed().isEmpty()) batches << current;
    return batches;
}

QString formatOutcome(const Outcome& outcome) {
    QString out;
    if (outcome.hasResult) {
        out += outcome.result.columns.join(u'\t') + u'\n';
        for (const QVariantList& row : outcome.result.rows) {
            QStringList cells;
            for (const QVariant& v : row) cells << cellText(v);
            out += cells.join(u'\t') + u'\n';
        }
    }
    if (outcome.rowsAffected >= 0)
        out += QStringLiteral("(%1 row%2 affected)\n")
                   .arg(outcome.rowsAffected)
                   .arg(outcome.rowsAffected == 1 ? "" : "s");
    return out;
}

}  // namespace engine
