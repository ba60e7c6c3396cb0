#include "TdsReply.h"

namespace testsupport {

void TdsReply::putU16(QByteArray& b, quint16 v) { b.append(char(v & 0xff)).append(char(v >> 8)); }

void TdsReply::putU32(QByteArray& b, quint32 v) {
    putU16(b, quint16(v & 0xffff));
    putU16(b, quint16(v >> 16));
}

void TdsReply::putText(QByteArray& b, const QString& s) {
    for (QChar c : s) putU16(b, c.unicode());
}

QByteArray TdsReply::done(quint16 status, qint64 count) {
    QByteArray b(1, char(0xFD));
    putU16(b, status);
    putU16(b, 0);  // current command
    putU32(b, quint32(count));
    putU32(b, quint32(quint64(count) >> 32));
    return b;
}

TdsReply& TdsReply::rows(const QStringList& columns, const QList<QStringList>& rows) {
    QByteArray b(1, char(0x81));  // COLMETADATA: every column NVARCHAR(4000)
    putU16(b, quint16(columns.size()));
    for (const QString& name : columns) {
        putU32(b, 0);       // user type
        putU16(b, 0x0001);  // nullable
        b.append(char(0xE7));
        putU16(b, 8000);
        b.append("\x09\x04\xD0\x00\x34", 5);  // Latin1_General_CI_AS
        b.append(char(name.size()));
        putText(b, name);
    }
    for (const QStringList& row : rows) {
        b.append(char(0xD1));
        for (const QString& v : row) {
            putU16(b, v.isNull() ? 0xFFFF : quint16(v.size() * 2));
            putText(b, v);
        }
    }
    statements_ << Statement{b, kCount, rows.size()};
    return *this;
}

TdsReply& TdsReply::count(qint64 n) {
    statements_ << Statement{{}, kCount, n};
    return *this;
}

TdsReply& TdsReply::error(int number, const QString& message) {
    QByteArray body;
    putU32(body, quint32(number));
    body.append(char(1)).append(char(14));  // state, class
    putU16(body, quint16(message.size()));
    putText(body, message);
    body.append(char(4));
    putText(body, QStringLiteral("fake"));
    body.append(char(0));  // procedure
    putU32(body, 1);       // line
    QByteArray b(1, char(0xAA));
    putU16(b, quint16(body.size()));
    statements_ << Statement{b + body, kError, 0};
    return *this;
}

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
