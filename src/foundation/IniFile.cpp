#include "foundation/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace mes {

namespace {

QStringList readLines(const QString& path, bool* endsWithNewline) {
    QFile f(path);
    *endsWithNewline = true;
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(f.readAll());
    if (text.isEmpty()) return {};
    *endsWithNewline = text.endsWith(QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (*endsWithNewline) lines.removeLast();
    for (QString& l : lines) {
        if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
    }
    return lines;
}

// "[name]" with blanks allowed around the name.
bool sectionName(const QString& line, QString* name) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')) || !t.contains(QLatin1Char(']'))) return false;
    *name = t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
    return true;
}

bool keyOf(const QString& line, QString* key, QString* value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';'))) return false;
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) return false;
    *key = line.left(eq).trimmed();
    if (value) *value = line.mid(eq + 1);
    return true;
}

}  // namespace

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) const {
    bool endsWithNewline = true;
    QStringList lines = readLines(path_, &endsWithNewline);
    const QString entry = key + QLatin1Char('=') + value;
    int sectionStart = -1;
    int insertAt = -1;
    bool done = false;
    for (int i = 0; i < lines.size() && !done; ++i) {
        QString name;
        if (sectionName(lines[i], &name)) {
            if (sectionStart >= 0) break;  // end of our section
            if (name.compare(section, Qt::CaseInsensitive) == 0) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0) continue;
        QString k;
        if (keyOf(lines[i], &k, nullptr)) {
            if (k.compare(key, Qt::CaseInsensitive) == 0) {
                lines[i] = entry;
                done = true;
            } else {
                insertAt = i + 1;
            }
        }
    }
    if (!done) {
        if (sectionStart < 0) {
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        } else {
            lines.insert(insertAt, entry);
        }
    }
    QSaveFile f(path_);
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(lines.join(QStringLiteral("\r\n")).toUtf8());
    f.write("\r\n");
    return f.commit();
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def,
                            int capacity) const {
    bool endsWithNewline = true;
    const QStringList lines = readLines(path_, &endsWithNewline);
    bool inSection = false;
    QString result = def;
    for (const QString& line : lines) {
        QString name;
        if (sectionName(line, &name)) {
            if (inSection) break;
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString k, v;
        if (inSection && keyOf(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0) {
            result = v.trimmed();
            // A value wrapped in matching quotes loses them, as the profile calls do.
            if (result.size() >= 2 &&
                ((result.startsWith(QLatin1Char('"')) && result.endsWith(QLatin1Char('"'))) ||
                 (result.startsWith(QLatin1Char('\'')) && result.endsWith(QLatin1Char('\''))))) {
                result = result.mid(1, result.size() - 2);
            }
            break;
        }
    }
    if (capacity > 0 && result.size() > capacity - 1) result.truncate(capacity - 1);
    return result;
}

}  // namespace mes
