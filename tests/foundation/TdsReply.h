#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace testsupport {

// A column of a result as SQL Server describes it.
struct TdsColumn {
    enum class Type { NVarChar, Int, Numeric, Decimal, DateTime };
    QString name;
    Type type = Type::NVarChar;
    int precision = 0;
    int scale = 0;

    static TdsColumn text(const QString& n) { return {n, Type::NVarChar}; }
    static TdsColumn integer(const QString& n) { return {n, Type::Int}; }
    static TdsColumn numeric(const QString& n, int p, int s) { return {n, Type::Numeric, p, s}; }
    static TdsColumn decimal(const QString& n, int p, int s) { return {n, Type::Decimal, p, s}; }
    static TdsColumn dateTime(const QString& n) { return {n, Type::DateTime}; }
};

// What SQL Server sends back for one batch, statement by statement, as TDS
// tokens: result sets, row counts, errors. Every statement but the last ends
// with DONE_MORE, as the server ends them.
class TdsReply {
  public:
    // A statement that returns rows of text columns; a null QString is NULL.
    TdsReply& rows(const QStringList& columns, const QList<QStringList>& rows);
    // Rows of typed columns, each value written as SQL Server would print it
    // ("100000.00", "2026-03-01 07:30:00.000"); a null QString is NULL.
    TdsReply& rows(const QList<TdsColumn>& columns, const QList<QStringList>& rows);
    // A statement that changed n rows; the counts of the triggers it fired come
    // first, each in a DONEINPROC, as the server sends them.
    TdsReply& count(qint64 n, const QList<qint64>& triggerCounts = {});
    // A statement that changed n rows under SET NOCOUNT ON: its DONE has no count.
    TdsReply& silentCount(qint64 n);
    // A statement that failed (class 14, as a broken key does).
    TdsReply& error(int number, const QString& message, int severity = 14);
    // The batch ended the server's transaction (a deadlock victim, a ROLLBACK
    // in a trigger): the server rolls back what the transaction held.
    TdsReply& endsTransaction();

    QByteArray tokens() const;
    bool failed() const;
    bool rollsBack() const { return rollsBack_; }
    // What @@ROWCOUNT holds after the batch: the last statement's own count.
    qint64 lastCount() const;

    // The pieces the fake server needs too.
    static QByteArray done(quint16 status, qint64 count, quint8 token = 0xFD);
    static QByteArray errorToken(int number, const QString& message, int severity);
    static void putU16(QByteArray& b, quint16 v);
    static void putU32(QByteArray& b, quint32 v);
    static void putText(QByteArray& b, const QString& s);  // UCS-2, little-endian

    static constexpr quint16 kMore = 0x01, kError = 0x02, kCount = 0x10, kAttention = 0x20;
    static constexpr quint8 kDoneInProc = 0xFF;

  private:
    struct Statement {
        QByteArray tokens;  // before its DONE
        quint16 status;
        qint64 count;
    };
    QList<Statement> statements_;
    bool rollsBack_ = false;
};

}  // namespace testsupport
