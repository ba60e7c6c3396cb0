#include "TdsReply.h"

#include <QDateTime>

namespace testsupport {

namespace {

// Bytes of a NUMERIC/DECIMAL value of this precision: sign plus magnitude.
int numericSize(int precision) {
    if (precision <= 9) return 5;
    if (precision <= 19) return 9;
    if (precision <= 28) return 13;
    return 17;
}

void putTypeInfo(QByteArray& b, const TdsColumn& c) {
    switch (c.type) {
        case TdsColumn::Type::NVarChar:
            b.append(char(0xE7));
            TdsReply::putU16(b, 8000);
            b.append("\x09\x04\xD0\x00\x34", 5);  // Latin1_General_CI_AS
            break;
        case TdsColumn::Type::Int:
            b.append(char(0x26)).append(char(4));
            break;
        case TdsColumn::Type::Numeric:
        case TdsColumn::Type::Decimal:
            b.append(char(c.type == TdsColumn::Type::Numeric ? 0x6C : 0x6A));
            b.append(char(numericSize(c.precision)));
            b.append(char(c.precision)).append(char(c.scale));
            break;
        case TdsColumn::Type::DateTime:
            b.append(char(0x6F)).append(char(8));
            break;
    }
}

void putNumeric(QByteArray& b, const TdsColumn& c, const QString& text) {
    QString digits = text.trimmed();
    const bool negative = digits.startsWith(u'-');
    if (negative) digits.remove(0, 1);
    const qsizetype dot = digits.indexOf(u'.');
    QString whole = dot < 0 ? digits : digits.left(dot);
    QString fraction = dot < 0 ? QString() : digits.mid(dot + 1);
    fraction = fraction.leftJustified(c.scale, u'0', true);
    unsigned __int128 magnitude = 0;
    for (QChar d : whole + fraction) magnitude = magnitude * 10 + unsigned(d.unicode() - '0');
    const int size = numericSize(c.precision);
    b.append(char(size)).append(char(negative ? 0 : 1));
    for (int i = 0; i < size - 1; ++i, magnitude >>= 8) b.append(char(magnitude & 0xff));
}

void putValue(QByteArray& b, const TdsColumn& c, const QString& v) {
    switch (c.type) {
        case TdsColumn::Type::NVarChar:
            TdsReply::putU16(b, v.isNull() ? 0xFFFF : quint16(v.size() * 2));
            TdsReply::putText(b, v);
            return;
        case TdsColumn::Type::Int:
            if (v.isNull()) break;
            b.append(char(4));
            TdsReply::putU32(b, quint32(v.toInt()));
            return;
        case TdsColumn::Type::Numeric:
        case TdsColumn::Type::Decimal:
            if (v.isNull()) break;
            putNumeric(b, c, v);
            return;
        case TdsColumn::Type::DateTime: {
            if (v.isNull()) break;
            const QDateTime t = QDateTime::fromString(v, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
            b.append(char(8));
            TdsReply::putU32(b, quint32(QDate(1900, 1, 1).daysTo(t.date())));
            TdsReply::putU32(b, quint32((t.time().msecsSinceStartOfDay() * 3 + 5) / 10));
            return;
        }
    }
    b.append(char(0));  // NULL of a nullable fixed-length type
}

}  // namespace

void TdsReply::putU16(QByteArray& b, quint16 v) { b.append(char(v & 0xff)).append(char(v >> 8)); }

void TdsReply::putU32(QByteArray& b, quint32 v) {
    putU16(b, quint16(v & 0xffff));
    putU16(b, quint16(v >> 16));
}

void TdsReply::putText(QByteArray& b, const QString& s) {
    for (QChar c : s) putU16(b, c.unicode());
}

QByteArray TdsReply::done(quint16 status, qint64 count, quint8 token) {
    QByteArray b(1, char(token));
    putU16(b, status);
    putU16(b, 0);  // current command
    putU32(b, quint32(count));
    putU32(b, quint32(quint64(count) >> 32));
    return b;
}

QByteArray TdsReply::errorToken(int number, const QString& message, int severity) {
    QByteArray body;
    putU32(body, quint32(number));
    body.append(char(1)).append(char(severity));  // state, class
    putU16(body, quint16(message.size()));
    putText(body, message);
    body.append(char(4));
    putText(body, QStringLiteral("fake"));
    body.append(char(0));  // procedure
    putU32(body, 1);       // line
    QByteArray b(1, char(0xAA));
    putU16(b, quint16(body.size()));
    return b + body;
}

TdsReply& TdsReply::rows(const QStringList& columns, const QList<QStringList>& rows) {
    QList<TdsColumn> typed;
    for (const QString& name : columns) typed << TdsColumn::text(name);
    return this->rows(typed, rows);
}

TdsReply& TdsReply::rows(const QList<TdsColumn>& columns, const QList<QStringList>& rows) {
    QByteArray b(1, char(0x81));  // COLMETADATA
    putU16(b, quint16(columns.size()));
    for (const TdsColumn& c : columns) {
        putU32(b, 0);       // user type
        putU16(b, 0x0001);  // nullable
        putTypeInfo(b, c);
        b.append(char(c.name.size()));
        putText(b, c.name);
    }
    for (const QStringList& row : rows) {
        b.append(char(0xD1));
        for (qsizetype i = 0; i < columns.size(); ++i) putValue(b, columns[i], row.value(i));
    }
    statements_ << Statement{b, kCount, rows.size()};
    return *this;
}

TdsReply& TdsReply::count(qint64 n, const QList<qint64>& triggerCounts) {
    QByteArray b;
    for (qint64 t : triggerCounts) b += done(kCount | kMore, t, kDoneInProc);
    statements_ << Statement{b, kCount, n};
    return *this;
}

TdsReply& TdsReply::silentCount(qint64 n) {
    statements_ << Statement{{}, 0, n};
    return *this;
}

TdsReply& TdsReply::error(int number, const QString& message, int severity) {
    statements_ << Statement{errorToken(number, message, severity), kError, 0};
    return *this;
}

TdsReply& TdsReply::endsTransaction() {
    rollsBack_ = true;
    return *this;
}

bool TdsReply::failed() const {
    for (const Statement& s : statements_) {
        if (s.status & kError) return true;
    }
    return false;
}

qint64 TdsReply::lastCount() const { return statements_.isEmpty() ? 0 : statements_.last().count; }

QByteArray TdsReply::tokens() const {
    if (statements_.isEmpty()) return done(0, 0);
    QByteArray b;
    for (qsizetype i = 0; i < statements_.size(); ++i) {
        const Statement& s = statements_[i];
        const quint16 more = i + 1 < statements_.size() ? kMore : 0;
        b += s.tokens + done(s.status | more, s.count);
    }
    return b;
}

}  // namespace testsupport
