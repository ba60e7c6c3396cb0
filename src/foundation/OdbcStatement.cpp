#include "foundation/OdbcStatement.h"

#include <sql.h>
#include <sqlext.h>
#include <QDateTime>
#include <algorithm>

namespace mes {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC wide characters must be UTF-16");

namespace {

constexpr SQLLEN kChunk = 4096;  // bytes per SQLGetData call for long values

QString fromWide(const SQLWCHAR* text, qsizetype chars) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), chars);
}

// Long text and binary values arrive in pieces; a piece that fills the buffer
// is truncated, the rest follows on the next call.
template <typename Append>
bool readPieces(SQLHSTMT h, int col, SQLSMALLINT cType, qsizetype unit, bool* isNull,
                Append&& append) {
    char buf[kChunk];
    const qsizetype room = cType == SQL_C_WCHAR ? kChunk - unit : kChunk;  // minus terminator
    for (;;) {
        SQLLEN ind = 0;
        const SQLRETURN rc =
            SQLGetData(h, static_cast<SQLUSMALLINT>(col + 1), cType, buf, kChunk, &ind);
        if (rc == SQL_NO_DATA) return true;
        if (!SQL_SUCCEEDED(rc)) return false;
        if (ind == SQL_NULL_DATA) {
            *isNull = true;
            return true;
        }
        const bool more = rc == SQL_SUCCESS_WITH_INFO && (ind == SQL_NO_TOTAL || ind > room);
        append(buf, more ? room : static_cast<qsizetype>(ind));
        if (!more) return true;
    }
}

}  // namespace

QVariant gfNUMERIC_VALUE(const QString& text) {
    // The embedded engine keeps a NUMERIC as SQLite does: a whole value as an
    // integer, any other as a double. The screens get the same from both.
    const QString t = text.trimmed();
    const qsizetype dot = t.indexOf(u'.');
    const bool whole = dot < 0 || QStringView(t).mid(dot + 1).count(u'0') == t.size() - dot - 1;
    bool ok = false;
    if (whole) {
        const qlonglong v = QStringView(t).left(dot < 0 ? t.size() : dot).toLongLong(&ok);
        if (ok) return v;
    }
    const double d = t.toDouble(&ok);
    return ok ? QVariant(d) : QVariant(t);
}

OdbcStatement::OdbcStatement(void* hdbc, int timeoutSeconds) : hdbc_(hdbc) {
    if (!hdbc_ || !SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, hdbc_, &hstmt_))) {
        hstmt_ = nullptr;
        failed_ = true;
        return;
    }
    // A driver that cannot time out statements still runs them.
    SQLSetStmtAttr(hstmt_, SQL_ATTR_QUERY_TIMEOUT,
                   reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(timeoutSeconds)), 0);
    ready_ = true;
}

OdbcStatement::~OdbcStatement() {
    if (hstmt_) SQLFreeHandle(SQL_HANDLE_STMT, hstmt_);
}

bool OdbcStatement::check(short rc) {
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return true;
    failed_ = true;
    return false;
}

bool OdbcStatement::execute(const QString& sql) {
    if (!isValid()) return false;
    auto* text = const_cast<SQLWCHAR*>(reinterpret_cast<const SQLWCHAR*>(sql.utf16()));
    return check(SQLExecDirectW(hstmt_, text, static_cast<SQLINTEGER>(sql.size())));
}

bool OdbcStatement::nextResult() {
    if (!isValid() || failed_) return false;
    const SQLRETURN rc = SQLMoreResults(hstmt_);
    return check(rc) && rc != SQL_NO_DATA;
}

bool OdbcStatement::hasColumns() const {
    SQLSMALLINT count = 0;
    return isValid() && SQL_SUCCEEDED(SQLNumResultCols(hstmt_, &count)) && count > 0;
}

qint64 OdbcStatement::rowsAffected() const {
    SQLLEN rows = -1;
    if (!isValid() || !SQL_SUCCEEDED(SQLRowCount(hstmt_, &rows))) return -1;
    return rows;
}

bool OdbcStatement::readValue(int col, short sqlType, QVariant* out) {
    SQLLEN ind = 0;
    const auto get = [&](SQLSMALLINT cType, void* target, SQLLEN size) {
        const SQLRETURN rc =
            SQLGetData(hstmt_, static_cast<SQLUSMALLINT>(col + 1), cType, target, size, &ind);
        return check(rc) && rc != SQL_NO_DATA;
    };
    // Text in pieces, converted by the driver to UTF-16; null leaves *out unset.
    const auto readText = [&](QString* text, bool* isNull) {
        const qsizetype unit = sizeof(SQLWCHAR);
        const bool ok =
            readPieces(hstmt_, col, SQL_C_WCHAR, unit, isNull, [&](const char* p, qsizetype n) {
                *text += fromWide(reinterpret_cast<const SQLWCHAR*>(p), n / unit);
            });
        failed_ = failed_ || !ok;
        return ok;
    };
    *out = QVariant();
    switch (sqlType) {
        case SQL_BIT:
        case SQL_TINYINT:
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIGINT: {
            SQLBIGINT v = 0;
            if (!get(SQL_C_SBIGINT, &v, sizeof(v))) return false;
            if (ind == SQL_NULL_DATA) return true;
            *out = sqlType == SQL_BIGINT ? QVariant(qlonglong(v)) : QVariant(int(v));
            return true;
        }
        case SQL_DECIMAL:
        case SQL_NUMERIC: {
            // As text, which the driver writes exactly with the column's scale.
            QString text;
            bool isNull = false;
            const bool ok = readText(&text, &isNull);
            if (ok && !isNull) *out = gfNUMERIC_VALUE(text);
            return ok;
        }
        case SQL_REAL:
        case SQL_FLOAT:
        case SQL_DOUBLE: {
            double v = 0;
            if (!get(SQL_C_DOUBLE, &v, sizeof(v))) return false;
            if (ind != SQL_NULL_DATA) *out = v;
            return true;
        }
        case SQL_TYPE_DATE:
        case SQL_DATE: {
            SQL_DATE_STRUCT d{};
            if (!get(SQL_C_TYPE_DATE, &d, sizeof(d))) return false;
            if (ind != SQL_NULL_DATA) *out = QDate(d.year, d.month, d.day);
            return true;
        }
        case SQL_TYPE_TIME:
        case SQL_TIME: {
            SQL_TIME_STRUCT t{};
            if (!get(SQL_C_TYPE_TIME, &t, sizeof(t))) return false;
            if (ind != SQL_NULL_DATA) *out = QTime(t.hour, t.minute, t.second);
            return true;
        }
        case SQL_TYPE_TIMESTAMP:
        case SQL_TIMESTAMP: {
            SQL_TIMESTAMP_STRUCT t{};
            if (!get(SQL_C_TYPE_TIMESTAMP, &t, sizeof(t))) return false;
            if (ind != SQL_NULL_DATA) {
                *out = QDateTime(QDate(t.year, t.month, t.day),
                                 QTime(t.hour, t.minute, t.second, int(t.fraction / 1000000)));
            }
            return true;
        }
        case SQL_BINARY:
        case SQL_VARBINARY:
        case SQL_LONGVARBINARY: {
            QByteArray bytes("");
            bool isNull = false;
            const bool ok = readPieces(hstmt_, col, SQL_C_BINARY, 1, &isNull,
                                       [&](const char* p, qsizetype n) { bytes.append(p, n); });
            failed_ = failed_ || !ok;
            if (ok && !isNull) *out = bytes;
            return ok;
        }
        default: {
            // Text of every kind, and whatever else.
            QString text = QStringLiteral("");
            bool isNull = false;
            const bool ok = readText(&text, &isNull);
            if (ok && !isNull) *out = text;
            return ok;
        }
    }
}

bool OdbcStatement::fetchAll(RecordData* out) {
    if (!isValid()) return false;
    SQLSMALLINT count = 0;
    if (!check(SQLNumResultCols(hstmt_, &count))) return false;
    RecordData data;
    QList<SQLSMALLINT> types;
    for (SQLUSMALLINT c = 1; c <= count; ++c) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        if (!check(SQLDescribeColW(hstmt_, c, name, 256, &nameLength, &type, &size, &digits,
                                   &nullable))) {
            return false;
        }
        data.columns << fromWide(name, qMin<qsizetype>(nameLength, 255));
        types << type;
    }
    for (;;) {
        const SQLRETURN rc = SQLFetch(hstmt_);
        if (rc == SQL_NO_DATA) break;
        if (!check(rc)) return false;
        QVariantList row;
        row.reserve(count);
        for (int c = 0; c < count; ++c) {
            QVariant v;
            if (!readValue(c, types[c], &v)) return false;
            row << v;
        }
        data.rows << std::move(row);
    }
    if (out) *out = std::move(data);
    return true;
}

QList<OdbcDiagnostic> OdbcStatement::diagnostics() const {
    if (hstmt_) {
        QList<OdbcDiagnostic> records = diagnosticsOf(SQL_HANDLE_STMT, hstmt_);
        if (!records.isEmpty()) return records;
    }
    return diagnosticsOf(SQL_HANDLE_DBC, hdbc_);
}

QList<OdbcDiagnostic> OdbcStatement::diagnosticsOf(short handleType, void* handle) {
    QList<OdbcDiagnostic> records;
    if (!handle) return records;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLWCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER native = 0;
        SQLWCHAR text[SQL_MAX_MESSAGE_LENGTH] = {};
        SQLSMALLINT length = 0;
        const SQLRETURN rc = SQLGetDiagRecW(handleType, handle, i, state, &native, text,
                                            SQL_MAX_MESSAGE_LENGTH, &length);
        if (!SQL_SUCCEEDED(rc)) break;
        const qsizetype chars = std::clamp<qsizetype>(length, 0, SQL_MAX_MESSAGE_LENGTH - 1);
        records << OdbcDiagnostic{fromWide(state, SQL_SQLSTATE_SIZE), native,
                                  fromWide(text, chars)};
    }
    return records;
}

bool OdbcStatement::connectionDead(void* hdbc) {
    if (!hdbc) return true;
    SQLUINTEGER dead = SQL_CD_FALSE;
    const SQLRETURN rc = SQLGetConnectAttr(hdbc, SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr);
    return SQL_SUCCEEDED(rc) && dead == SQL_CD_TRUE;
}

}  // namespace mes
