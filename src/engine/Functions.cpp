#include "engine/Functions.h"

#include <sqlite3.h>

#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/DateTimeText.h"
#include "engine/Decimal.h"
#include "engine/Dialect.h"
#include "engine/EngineError.h"
#include "engine/Value.h"

namespace engine {

namespace {

using Args = sqlite3_value**;

Value arg(Args argv, int i) { return readValue(argv[i]); }

QString textOf(const Value& v) { return v.type == Value::Type::Text ? v.s : numberText(v); }

template <typename F>
void guarded(sqlite3_context* ctx, F&& f) {
    try {
        resultValue(ctx, f());
    } catch (const EngineError& e) {
        const QByteArray msg = e.message().toUtf8();
        sqlite3_result_error(ctx, msg.constData(), static_cast<int>(msg.size()));
    }
}

[[noreturn]] void fail(const QString& message) { throw EngineError(SQLITE_ERROR, message); }

// A quoted type argument ('numeric(18,2)'), parsed once per statement: SQLite keeps
// it with the constant argument, so a call per row reads no text.
const TypeSpec& typeArg(sqlite3_context* ctx, Args argv, int i) {
    if (auto* cached = static_cast<const TypeSpec*>(sqlite3_get_auxdata(ctx, i))) return *cached;
    auto* parsed = new TypeSpec(parseTypeSpec(arg(argv, i).s));
    sqlite3_set_auxdata(ctx, i, parsed, [](void* p) { delete static_cast<TypeSpec*>(p); });
    // SQLite may drop it at once (an argument that is not constant): read it back.
    if (auto* kept = static_cast<const TypeSpec*>(sqlite3_get_auxdata(ctx, i))) return *kept;
    thread_local TypeSpec last;
    last = parseTypeSpec(arg(argv, i).s);
    return last;
}

// Brings a text operand to the other operand's number type, as T-SQL's type
// precedence does (a number beats a character type).
Value asNumber(const Value& v, const Value& other) {
    if (v.isNumber()) return v;
    return textAsNumberLike(v.s, other.isNumber() ? other : Value::ofReal(0));
}

[[noreturn]] void numericOverflow() {
    fail(QStringLiteral("Arithmetic overflow error converting expression to data type numeric."));
}

bool exact(const Value& v, Decimal* d) {
    if (v.type == Value::Type::Int) {
        *d = Decimal::ofInt(v.i);
        return true;
    }
    return Decimal::fromDouble(v.r, d);
}

// Numbers with places are decimals: a sum of cents leaves no binary remainder.
// Only a double beyond 15 digits with places left stays binary.
Value arithmetic(const Value& a, const Value& b, bool add) {
    if (a.isNull() || b.isNull()) return Value::null();
    if (a.type == Value::Type::Text && b.type == Value::Type::Text) {
        if (add) return Value::ofText(a.s + b.s);
        fail(QStringLiteral("Operand data type varchar is invalid for subtract operator."));
    }
    const Value x = asNumber(a, b);
    const Value y = asNumber(b, a);
    if (x.type == Value::Type::Int && y.type == Value::Type::Int) {
        qint64 r = 0;
        const bool overflow =
            add ? __builtin_add_overflow(x.i, y.i, &r) : __builtin_sub_overflow(x.i, y.i, &r);
        if (overflow)
            fail(QStringLiteral(
                "Arithmetic overflow error converting expression to data type bigint."));
        return Value::ofInt(r);
    }
    Decimal dx, dy, r;
    if (exact(x, &dx) && exact(y, &dy)) {
        if (!engine::add(dx, add ? dy : negate(dy), &r)) numericOverflow();
        return Value::ofReal(r.toDouble());
    }
    return Value::ofReal(add ? x.number() + y.number() : x.number() - y.number());
}

Value product(const Value& a, const Value& b) {
    if (a.isNull() || b.isNull()) return Value::null();
    if (a.type == Value::Type::Text && b.type == Value::Type::Text)
        fail(QStringLiteral("Operand data type varchar is invalid for multiply operator."));
    const Value x = asNumber(a, b);
    const Value y = asNumber(b, a);
    if (x.type == Value::Type::Int && y.type == Value::Type::Int) {
        qint64 r = 0;
        if (__builtin_mul_overflow(x.i, y.i, &r))
            fail(QStringLiteral(
                "Arithmetic overflow error converting expression to data type bigint."));
        return Value::ofInt(r);
    }
    Decimal dx, dy, r;
    if (exact(x, &dx) && exact(y, &dy)) {
        if (!multiply(dx, dy, &r)) numericOverflow();
        return Value::ofReal(r.toDouble());
    }
    return Value::ofReal(x.number() * y.number());
}

void fnAdd(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] { return arithmetic(arg(argv, 0), arg(argv, 1), true); });
}

void fnSub(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] { return arithmetic(arg(argv, 0), arg(argv, 1), false); });
}

void fnMul(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] { return product(arg(argv, 0), arg(argv, 1)); });
}

// tsql_sum(numeric): SUM in decimal, exact over any number of cents. Integers
// alone give an integer, as SQLite's SUM does. SQLite's aggregate memory is
// aligned for 8 bytes only: the 128-bit total is copied in and out.
struct DecimalSum {
    unsigned char total[sizeof(Decimal)];
    double binary;  // the plain sum, once a value is beyond a decimal
    qint64 count;   // AVG's values
    int scale;      // AVG's places
    bool any;
    bool places;
    bool inexact;

    Decimal get() const {
        Decimal d;
        std::memcpy(&d, total, sizeof d);
        return d;
    }
    void set(const Decimal& d) { std::memcpy(total, &d, sizeof d); }
};

void sumStep(sqlite3_context* ctx, int, Args argv) {
    auto* sum = static_cast<DecimalSum*>(sqlite3_aggregate_context(ctx, sizeof(DecimalSum)));
    if (!sum) return sqlite3_result_error_nomem(ctx);
    const int type = sqlite3_value_numeric_type(argv[0]);
    if (type == SQLITE_NULL) return;
    if (!sum->any) sum->set(Decimal());
    sum->any = true;
    const double d = sqlite3_value_double(argv[0]);
    sum->binary += d;
    if (sum->inexact) return;
    Decimal v;
    if (type == SQLITE_INTEGER) {
        v = Decimal::ofInt(sqlite3_value_int64(argv[0]));
    } else {
        sum->places = true;
        if (!Decimal::fromDouble(d, &v)) {
            sum->inexact = true;
            return;
        }
    }
    Decimal total;
    if (!add(sum->get(), v, &total)) {
        static const char kOverflow[] =
            "Arithmetic overflow error converting expression to data type numeric.";
        return sqlite3_result_error(ctx, kOverflow, -1);
    }
    sum->set(total);
}

void sumFinal(sqlite3_context* ctx) {
    auto* sum = static_cast<DecimalSum*>(sqlite3_aggregate_context(ctx, 0));
    if (!sum || !sum->any) return sqlite3_result_null(ctx);
    if (sum->inexact) return sqlite3_result_double(ctx, sum->binary);
    const Decimal t = sum->get();
    if (!sum->places && t.scale == 0 && t.units >= std::numeric_limits<qint64>::min() &&
        t.units <= std::numeric_limits<qint64>::max())
        return sqlite3_result_int64(ctx, static_cast<qint64>(t.units));
    sqlite3_result_double(ctx, t.toDouble());
}

// tsql_avg(value, scale): AVG of decimals at the server's scale, the quotient cut
// (not rounded) there as the server's division does; of integers (scale 0) an
// integer.
void avgStep(sqlite3_context* ctx, int, Args argv) {
    auto* sum = static_cast<DecimalSum*>(sqlite3_aggregate_context(ctx, sizeof(DecimalSum)));
    if (!sum) return sqlite3_result_error_nomem(ctx);
    sum->scale = sqlite3_value_int(argv[1]);
    if (sqlite3_value_type(argv[0]) != SQLITE_NULL) ++sum->count;
    sumStep(ctx, 1, argv);
}

void avgFinal(sqlite3_context* ctx) {
    auto* sum = static_cast<DecimalSum*>(sqlite3_aggregate_context(ctx, 0));
    if (!sum || !sum->any) return sqlite3_result_null(ctx);
    if (sum->inexact) return sqlite3_result_double(ctx, sum->binary / sum->count);
    const Decimal t = sum->get();
    const int scale = std::max(sum->scale, t.scale);
    const __int128 q = t.atScale(scale).units / sum->count;
    if (scale == 0) return sqlite3_result_int64(ctx, static_cast<qint64>(q));
    sqlite3_result_double(ctx, Decimal{q, scale}.toDouble());
}

// tsql_cmp(a, op, b): a comparison where a quoted value meets a computed one.
void fnCmp(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value a = arg(argv, 0);
        const Value b = arg(argv, 2);
        if (a.isNull() || b.isNull()) return Value::null();
        int c = 0;
        if (a.type == Value::Type::Text && b.type == Value::Type::Text) {
            c = compareText(a.s, b.s);
        } else {
            const double x = asNumber(a, b).number();
            const double y = asNumber(b, a).number();
            c = x < y ? -1 : (x > y ? 1 : 0);
        }
        const QString op = arg(argv, 1).s;
        bool r = false;
        if (op == QLatin1String("="))
            r = c == 0;
        else if (op == QLatin1String("<>") || op == QLatin1String("!="))
            r = c != 0;
        else if (op == QLatin1String("<") || op == QLatin1String("!>"))
            r = op == QLatin1String("<") ? c < 0 : c <= 0;
        else if (op == QLatin1String(">") || op == QLatin1String("!<"))
            r = op == QLatin1String(">") ? c > 0 : c >= 0;
        else if (op == QLatin1String("<="))
            r = c <= 0;
        else if (op == QLatin1String(">="))
            r = c >= 0;
        return Value::ofInt(r ? 1 : 0);
    });
}

// tsql_num(value, 'number type', 'text type'): a text compared with a number.
void fnNum(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value v = arg(argv, 0);
        if (v.type != Value::Type::Text) return v;
        return numberFromText(v.s, typeArg(ctx, argv, 1), arg(argv, 2).s);
    });
}

// tsql_to(value, 'declared type'): the conversion of a value stored into a column.
void fnStore(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] { return storeAs(arg(argv, 0), typeArg(ctx, argv, 1)); });
}

// tsql_cast(value, 'type'[, 'decimal type of the value'])
void fnCast(sqlite3_context* ctx, int argc, Args argv) {
    guarded(ctx, [&] {
        const int places = argc > 2 ? typeArg(ctx, argv, 2).scale : -1;
        return castAs(arg(argv, 0), typeArg(ctx, argv, 1), places);
    });
}

// tsql_convert('type', value, style, value_is_datetime[, 'decimal type of the value'])
void fnConvert(sqlite3_context* ctx, int argc, Args argv) {
    guarded(ctx, [&] {
        const TypeSpec& type = typeArg(ctx, argv, 0);
        const Value v = arg(argv, 1);
        const Value style = arg(argv, 2);
        const bool fromDatetime = arg(argv, 3).i != 0;
        if (v.isNull()) return v;
        if (type.isText() && fromDatetime) {
            QDateTime dt;
            if (!parseDatetime(textOf(v), &dt))
                fail(QStringLiteral(
                    "Conversion failed when converting date and/or time from character string."));
            QString text;
            const int s = style.isNull() ? 0 : static_cast<int>(style.number());
            if (!formatDatetimeStyle(dt, s, &text))
                fail(QStringLiteral("CONVERT style %1 is not supported by the embedded engine")
                         .arg(s));
            return castAs(Value::ofText(text), type);
        }
        return castAs(v, type, argc > 4 ? typeArg(ctx, argv, 4).scale : -1);
    });
}

void fnDatediff(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value a = arg(argv, 1);
        const Value b = arg(argv, 2);
        if (a.isNull() || b.isNull()) return Value::null();
        const TypeSpec dt = parseTypeSpec(QStringLiteral("datetime"));
        QDateTime x, y;
        parseDatetime(storeAs(a, dt).s, &x);
        parseDatetime(storeAs(b, dt).s, &y);
        return Value::ofInt(datediffBoundaries(arg(argv, 0).s, x, y));
    });
}

void fnGetdate(sqlite3_context* ctx, int, Args) {
    auto* clock = static_cast<std::function<QDateTime()>*>(sqlite3_user_data(ctx));
    resultValue(ctx, Value::ofText(datetimeText((*clock)())));
}

// OBJECT_ID(name [, type]): a table (type 'U') or view ('V') of the embedded database.
void fnObjectId(sqlite3_context* ctx, int argc, Args argv) {
    guarded(ctx, [&] {
        const Value nameArg = arg(argv, 0);
        if (nameArg.isNull()) return Value::null();
        QString name = textOf(nameArg).trimmed();
        // "tempdb..##x", "dbo.x", "[dbo].[x]": the last part names the object.
        name = name.mid(name.lastIndexOf(u'.') + 1);
        name.remove(u'[').remove(u']');
        QString kind = argc > 1 && !arg(argv, 1).isNull() ? textOf(arg(argv, 1)).trimmed().toUpper()
                                                          : QString();
        const char* type = kind == QLatin1String("V") ? "view" : "table";
        if (!kind.isEmpty() && kind != QLatin1String("U") && kind != QLatin1String("V"))
            fail(QStringLiteral("OBJECT_ID type '%1' is not supported by the embedded engine")
                     .arg(kind));
        sqlite3* db = sqlite3_context_db_handle(ctx);
        sqlite3_stmt* stmt = nullptr;
        const char* sql =
            "SELECT rowid FROM sqlite_schema WHERE type = ?1 AND name = ?2 COLLATE NOCASE";
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        const QByteArray n = name.toUtf8();
        sqlite3_bind_text(stmt, 1, type, -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 2, n.constData(), static_cast<int>(n.size()), SQLITE_STATIC);
        Value out;
        if (sqlite3_step(stmt) == SQLITE_ROW) out = Value::ofInt(sqlite3_column_int64(stmt, 0));
        sqlite3_finalize(stmt);
        return out;
    });
}

int lengthArg(const Value& v, const char* fn) {
    if (v.isNull()) return -1;
    const qint64 n = v.type == Value::Type::Text ? textAsNumberLike(v.s, Value::ofInt(0)).i
                                                 : static_cast<qint64>(v.number());
    if (n < 0)
        fail(QStringLiteral("Invalid length parameter passed to the %1 function.")
                 .arg(QLatin1String(fn)));
    return static_cast<int>(qMin<qint64>(n, 1 << 30));
}

void fnLeft(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value s = arg(argv, 0);
        const int n = lengthArg(arg(argv, 1), "left");
        if (s.isNull() || n < 0) return Value::null();
        return Value::ofText(textOf(s).left(n));
    });
}

void fnRight(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value s = arg(argv, 0);
        const int n = lengthArg(arg(argv, 1), "right");
        if (s.isNull() || n < 0) return Value::null();
        return Value::ofText(textOf(s).right(n));
    });
}

void fnSubstring(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value s = arg(argv, 0);
        const Value startArg = arg(argv, 1);
        const int n = lengthArg(arg(argv, 2), "substring");
        if (s.isNull() || startArg.isNull() || n < 0) return Value::null();
        const qint64 start = startArg.type == Value::Type::Text
                                 ? textAsNumberLike(startArg.s, Value::ofInt(0)).i
                                 : static_cast<qint64>(startArg.number());
        // Characters start..start+n-1, counted from 1; positions before 1 are empty.
        const qint64 from = qMax<qint64>(start, 1);
        const qint64 to = start + n;  // exclusive
        const QString text = textOf(s);
        if (to <= from || from > text.size()) return Value::ofText(QString());
        return Value::ofText(text.mid(static_cast<int>(from - 1), static_cast<int>(to - from)));
    });
}

void fnIsnumeric(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value v = arg(argv, 0);
        if (v.isNull()) return Value::ofInt(0);
        if (v.isNumber()) return Value::ofInt(1);
        return Value::ofInt(isNumericText(v.s) ? 1 : 0);
    });
}

// REPLACE follows the collation: case-insensitive.
void fnReplace(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value s = arg(argv, 0), from = arg(argv, 1), to = arg(argv, 2);
        if (s.isNull() || from.isNull() || to.isNull()) return Value::null();
        QString text = textOf(s);
        const QString f = textOf(from);
        if (f.isEmpty()) return Value::ofText(text);
        return Value::ofText(text.replace(f, textOf(to), Qt::CaseInsensitive));
    });
}

void fnLen(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value v = arg(argv, 0);
        if (v.isNull()) return v;
        QString s = textOf(v);
        int n = s.size();
        while (n > 0 && s[n - 1] == u' ') --n;
        return Value::ofInt(n);
    });
}

// ISNULL whose first argument's type the translator could not tell: the value as it is.
void fnIsnull(sqlite3_context* ctx, int, Args argv) {
    guarded(ctx, [&] {
        const Value a = arg(argv, 0);
        return a.isNull() ? arg(argv, 1) : a;
    });
}

struct Fn {
    const char* name;
    int args;
    void (*fn)(sqlite3_context*, int, Args);
};

constexpr Fn kFunctions[] = {
    {"tsql_add", 2, fnAdd},
    {"tsql_sub", 2, fnSub},
    {"tsql_mul", 2, fnMul},
    {"tsql_cmp", 3, fnCmp},
    {"tsql_num", 3, fnNum},
    {"tsql_to", 2, fnStore},
    {"tsql_cast", 2, fnCast},
    {"tsql_cast", 3, fnCast},
    {"tsql_convert", 4, fnConvert},
    {"tsql_convert", 5, fnConvert},
    {"tsql_datediff", 3, fnDatediff},
    {"tsql_object_id", 1, fnObjectId},
    {"tsql_object_id", 2, fnObjectId},
    {"tsql_left", 2, fnLeft},
    {"tsql_right", 2, fnRight},
    {"tsql_substring", 3, fnSubstring},
    {"tsql_isnumeric", 1, fnIsnumeric},
    {"tsql_replace", 3, fnReplace},
    {"tsql_len", 1, fnLen},
    {"tsql_isnull", 2, fnIsnull},
};

}  // namespace

void registerFunctions(sqlite3* db, std::function<QDateTime()>* statementTime) {
    for (const Fn& f : kFunctions) {
        const FunctionInfo* info = findCallee(QLatin1String(f.name));
        const bool deterministic = info && info->deterministic;
        sqlite3_create_function_v2(db, f.name, f.args,
                                   SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0),
                                   nullptr, f.fn, nullptr, nullptr, nullptr);
    }
    sqlite3_create_function_v2(db, "tsql_sum", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               nullptr, sumStep, sumFinal, nullptr);
    sqlite3_create_function_v2(db, "tsql_avg", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               nullptr, avgStep, avgFinal, nullptr);
    sqlite3_create_function_v2(db, "tsql_getdate", 0, SQLITE_UTF8, statementTime, fnGetdate,
                               nullptr, nullptr, nullptr);
}

}  // namespace engine
