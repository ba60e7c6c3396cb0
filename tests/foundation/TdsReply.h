#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace testsupport {

// What SQL Server sends back for one batch, statement by statement, as TDS
// tokens: result sets of text columns, row counts, errors. Every statement but
// the last ends with DONE_MORE, as the server ends them.
class TdsReply {
  public:
    // A statement that returns rows; a null QString is NULL.
    TdsReply& rows(const QStringList& columns, const QList<QStringList>& rows);
    // A statement that changed n rows.
    TdsReply& count(qint64 n);
    // A statement that failed (class 14, as a broken key does).
    TdsReply& error(int number, const QString& message);

    QByteArray tokens() const;

    // The pieces the fake server needs too.
    static QByteArray done(quint16 status, qint64 count);
    static void putU16(QByteArray& b, quint16 v);
    static void putU32(QByteArray& b, quint32 v);
    static void putText(QByteArray& b, const QString& s);  // UCS-2, little-endian

    static constexpr quint16 kMore = 0x01, kError = 0x02, kCount = 0x10, kAttention = 0x20;

  private:
    struct Statement {
        QByteArray tokens;  // before its DONE
        quint16 status;
        qint64 count;
    };
    QList<Statement> statements_;
};

}  // namespace testsupport
