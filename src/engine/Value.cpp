#include "engine/Value.h"

#include <sqlite3.h>

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "engine/DateTimeText.h"
#include "engine/Decimal.h"
#include "engine/EngineError.h"

namespace engine {

namespace {

[[noreturn]] void fail(const QString& message) { throw EngineError(SQLITE_ERROR, message); }

QString typeWord(const TypeSpec& t) {
    switch (t.base) {
        case TypeSpec::Base::Int:
            return t.name.isEmpty() ? QStringLiteral("int") : t.name;
        case TypeSpec::Base::Numeric:
            return QStringLiteral("numeric");
        case TypeSpec::Base::Float:
            return QStringLiteral("float");
        default:
            return t.name;
    }
}

qint64 intLimit(const TypeSpec& t) {
    if (t.name == QLatin1String("bigint")) return std::numeric_limits<qint64>::max();
    if (t.name == QLatin1String("smallint")) return 32767;
    if (t.name == QLatin1String("tinyint")) return 255;
    return 2147483647;
}

const QString kVarchar = QStringLiteral("varchar");

// `from` names the text's own type in the messages: varchar or nvarchar.
Value textToInt(const QString& text, const TypeSpec& t, const QString& from = kVarchar) {
    const QString s = text.trimmed();
    if (s.isEmpty()) return Value::ofInt(0);
    static const QRegularExpression re(QStringLiteral("^[+-]?\\d+$"));
    if (!re.match(s).hasMatch()) {
        fail(QStringLiteral("Conversion failed when converting the %1 value '%2' to data type %3.")
                 .arg(from, text, typeWord(t)));
    }
    bool ok = false;
    const qint64 v = s.toLongLong(&ok);
    if (!ok || v > intLimit(t) || v < -intLimit(t) - 1) {
        fail(QStringLiteral("The conversion of the %1 value '%2' overflowed an %3 column.")
                 .arg(from, text, typeWord(t)));
    }
    return Value::ofInt(v);
}

// A decimal text as written: "2.345" rounds to 2.35 as the text says.
Decimal textToDecimal(const QString& text, const QString& from = kVarchar) {
    const QString s = text.trimmed();
    static const QRegularExpression re(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    Decimal d;
    if (!re.match(s).hasMatch() || !Decimal::fromText(s, &d))
        fail(QStringLiteral("Error converting data type %1 to numeric.").arg(from));
    return d;
}

double textToFloat(const QString& text, const QString& from = kVarchar) {
    const QString s = text.trimmed();
    if (s.isEmpty()) return 0;
    static const QRegularExpression re(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!re.match(s).hasMatch())
        fail(QStringLiteral("Error converting data type %1 to float.").arg(from));
    return s.toDouble();
}

// Rounds half away from zero to `scale` places and checks the precision.
Value toNumeric(const Decimal& v, const TypeSpec& t, const char* from) {
    if (!t.scaleGiven) {
        if (v.isIntegral() && v.digits() - v.scale <= 15)
            return Value::ofInt(static_cast<qint64>(v.atScale(0).units));
        return Value::ofReal(v.toDouble());
    }
    const Decimal rounded = v.atScale(t.scale);
    if (rounded.digits() > t.precision && rounded.units != 0) {
        fail(QStringLiteral("Arithmetic overflow error converting %1 to data type numeric.")
                 .arg(QLatin1String(from)));
    }
    if (t.scale == 0) return Value::ofInt(static_cast<qint64>(rounded.units));
    return Value::ofReal(rounded.toDouble());
}

// A number as the decimal it carries; a double of 16 digits and more with places
// left, by the digits it shows.
Decimal decimalOf(const Value& v) {
    if (v.type == Value::Type::Int) return Decimal::ofInt(v.i);
    Decimal d;
    if (Decimal::fromDouble(v.r, &d)) return d;
    if (std::isfinite(v.r) && Decimal::fromText(QString::number(v.r, 'f', 0), &d)) return d;
    fail(QStringLiteral("Arithmetic overflow error converting float to data type numeric."));
}

Value toInt(double v, const TypeSpec& t) {
    const double truncated = std::trunc(v);
    if (truncated > static_cast<double>(intLimit(t)) ||
        truncated < -static_cast<double>(intLimit(t)) - 1) {
        fail(QStringLiteral("Arithmetic overflow error converting expression to data type %1.")
                 .arg(typeWord(t)));
    }
    return Value::ofInt(static_cast<qint64>(truncated));
}

Value toNumberType(const Value& v, const TypeSpec& t) {
    switch (t.base) {
        case TypeSpec::Base::Int:
            if (v.type == Value::Type::Text) return textToInt(v.s, t);
            if (v.type == Value::Type::Int) return toInt(static_cast<double>(v.i), t);
            return toInt(v.r, t);
        case TypeSpec::Base::Numeric:
            if (v.type == Value::Type::Text) return toNumeric(textToDecimal(v.s), t, "varchar");
            return toNumeric(decimalOf(v), t, v.type == Value::Type::Int ? "int" : "numeric");
        default:
            if (v.type == Value::Type::Text) return Value::ofReal(textToFloat(v.s));
            return Value::ofReal(v.number());
    }
}

Value toDatetime(const Value& v, const TypeSpec& t) {
    QDateTime dt;
    if (v.type == Value::Type::Text) {
        if (!parseDatetime(v.s, &dt)) {
            fail(QStringLiteral(
                "Conversion failed when converting date and/or time from character string."));
        }
    } else {
        // A number counts days from 1900-01-01, as SQL Server's datetime does.
        const double days = v.number();
        dt = QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC)
                 .addMSecs(static_cast<qint64>(std::llround(days * 86400000.0)));
    }
    if (t.base == TypeSpec::Base::Date) return Value::ofText(dt.date().toString(Qt::ISODate));
    return Value::ofText(datetimeText(dt));
}

QString padChar(QString s, const TypeSpec& t) {
    if (t.base == TypeSpec::Base::Char && t.length > 0 && s.size() < t.length)
        s += QString(t.length - s.size(), QLatin1Char(' '));
    return s;
}

}  // namespace

Value readValue(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            return Value::ofInt(sqlite3_value_int64(v));
        case SQLITE_FLOAT:
            return Value::ofReal(sqlite3_value_double(v));
        case SQLITE_NULL:
            return Value::null();
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
            return Value::ofText(QString::fromUtf8(text, sqlite3_value_bytes(v)));
        }
    }
}

void resultValue(sqlite3_context* ctx, const Value& v) {
    switch (v.type) {
        case Value::Type::Null:
            sqlite3_result_null(ctx);
            break;
        case Value::Type::Int:
            sqlite3_result_int64(ctx, v.i);
            break;
        case Value::Type::Real:
            sqlite3_result_double(ctx, v.r);
            break;
        case Value::Type::Text: {
            const QByteArray utf8 = v.s.toUtf8();
            sqlite3_result_text(ctx, utf8.constData(), static_cast<int>(utf8.size()),
                                SQLITE_TRANSIENT);
            break;
        }
    }
}

namespace {

TypeSpec readTypeSpec(const QString& text) {
    TypeSpec t;
    static const QRegularExpression re(
        QStringLiteral(
            R"(^\s*([A-Za-z_ ]+?)\s*(?:\(\s*(max|\d+)\s*(?:,\s*(\d+)\s*)?\))?\s*(?:collate\s+\w+\s*)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(text);
    if (!m.hasMatch()) return t;
    t.name = m.captured(1).toLower().simplified();
    const QString arg1 = m.captured(2).toLower();
    const QString& n = t.name;
    if (n == QLatin1String("varchar") || n == QLatin1String("nvarchar") ||
        n == QLatin1String("text") || n == QLatin1String("ntext") ||
        n == QLatin1String("character varying")) {
        t.base = TypeSpec::Base::Text;
    } else if (n == QLatin1String("char") || n == QLatin1String("nchar") ||
               n == QLatin1String("character")) {
        t.base = TypeSpec::Base::Char;
        t.length = 1;
    } else if (n == QLatin1String("int") || n == QLatin1String("integer") ||
               n == QLatin1String("bigint") || n == QLatin1String("smallint") ||
               n == QLatin1String("tinyint") || n == QLatin1String("bit")) {
        t.base = TypeSpec::Base::Int;
        if (n == QLatin1String("integer")) t.name = QStringLiteral("int");
    } else if (n == QLatin1String("numeric") || n == QLatin1String("decimal") ||
               n == QLatin1String("money")) {
        t.base = TypeSpec::Base::Numeric;
        if (n == QLatin1String("money")) t.scale = 4;
    } else if (n == QLatin1String("float") || n == QLatin1String("real") ||
               n == QLatin1String("double")) {
        t.base = TypeSpec::Base::Float;
    } else if (n == QLatin1String("datetime") || n == QLatin1String("smalldatetime") ||
               n == QLatin1String("datetime2")) {
        t.base = TypeSpec::Base::Datetime;
    } else if (n == QLatin1String("date")) {
        t.base = TypeSpec::Base::Date;
    }
    if (!arg1.isEmpty()) {
        if (t.isText()) {
            t.length = arg1 == QLatin1String("max") ? 0 : arg1.toInt();
        } else if (t.base == TypeSpec::Base::Numeric) {
            t.precision = arg1.toInt();
            t.scale = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
            t.scaleGiven = true;
        }
    }
    return t;
}

}  // namespace

TypeSpec parseTypeSpec(const QString& text) {
    // Statements and every call of the conversion functions name a handful of types.
    thread_local QHash<QString, TypeSpec> cache;
    const auto it = cache.constFind(text);
    if (it != cache.constEnd()) return *it;
    if (cache.size() > 256) cache.clear();
    return *cache.insert(text, readTypeSpec(text));
}

QString typeText(const TypeSpec& t) {
    if (t.isText()) {
        const QString base =
            t.base == TypeSpec::Base::Char ? QStringLiteral("char") : QStringLiteral("varchar");
        return t.length > 0 ? QStringLiteral("%1(%2)").arg(base).arg(t.length)
                            : base + QStringLiteral("(max)");
    }
    // A bare NUMERIC (the embedded schema's quantities) keeps any scale.
    if (t.base == TypeSpec::Base::Numeric && !t.scaleGiven) return QStringLiteral("numeric");
    if (t.base == TypeSpec::Base::Numeric)
        return QStringLiteral("numeric(%1,%2)").arg(t.precision).arg(t.scale);
    if (t.base == TypeSpec::Base::Int) return t.name.isEmpty() ? QStringLiteral("int") : t.name;
    if (t.base == TypeSpec::Base::Float) return QStringLiteral("float");
    if (t.base == TypeSpec::Base::Date) return QStringLiteral("date");
    return QStringLiteral("datetime");
}

QString textTypeName(const TypeSpec& t) {
    for (const char* name : {"nvarchar", "nchar", "char"}) {
        if (t.name == QLatin1String(name)) return t.name;
    }
    return kVarchar;
}

QString numberText(const Value& v) {
    if (v.type == Value::Type::Int) return QString::number(v.i);
    const double r = v.r;
    if (std::isfinite(r) && r == std::trunc(r) && std::fabs(r) < 1e15)
        return QString::number(static_cast<qint64>(r));
    return QString::number(r, 'g', 15);
}

Value storeAs(const Value& v, const TypeSpec& t) {
    if (v.isNull() || t.base == TypeSpec::Base::Unknown) return v;
    if (t.isNumeric()) return toNumberType(v, t);
    if (t.base == TypeSpec::Base::Datetime || t.base == TypeSpec::Base::Date)
        return toDatetime(v, t);
    QString s = v.type == Value::Type::Text ? v.s : numberText(v);
    if (t.length > 0 && s.size() > t.length) {
        // Blanks beyond the length are dropped quietly; anything else is an error.
        if (!s.mid(t.length).trimmed().isEmpty())
            fail(QStringLiteral("String or binary data would be truncated."));
        s.truncate(t.length);
    }
    return Value::ofText(padChar(s, t));
}

Value castAs(const Value& v, const TypeSpec& t, int decimalScale) {
    if (v.isNull()) return v;
    if (t.base == TypeSpec::Base::Unknown)
        fail(QStringLiteral("CAST to type %1 is not supported").arg(t.name));
    if (t.isNumeric()) return toNumberType(v, t);
    if (t.base == TypeSpec::Base::Datetime || t.base == TypeSpec::Base::Date)
        return toDatetime(v, t);
    const int length = t.length < 0 ? (t.base == TypeSpec::Base::Char ? 1 : 30) : t.length;
    if (v.type == Value::Type::Text) {
        QString s = v.s;
        if (length > 0) s.truncate(length);
        TypeSpec padded = t;
        padded.length = length;
        return Value::ofText(padChar(s, padded));
    }
    const QString s = decimalScale >= 0 ? decimalOf(v).atScale(decimalScale).text() : numberText(v);
    if (length > 0 && s.size() > length) {
        if (v.type == Value::Type::Int) return Value::ofText(QStringLiteral("*"));
        fail(QStringLiteral("Arithmetic overflow error converting numeric to data type varchar."));
    }
    TypeSpec padded = t;
    padded.length = length;
    return Value::ofText(padChar(s, padded));
}

Value numberFromText(const QString& text, const TypeSpec& type, const QString& from) {
    switch (type.base) {
        case TypeSpec::Base::Int:
            return textToInt(text, type, from);
        case TypeSpec::Base::Numeric:
            return toNumeric(textToDecimal(text, from), type, from.toLatin1().constData());
        default:
            return Value::ofReal(textToFloat(text, from));
    }
}

Value textAsNumberLike(const QString& text, const Value& like) {
    if (like.type == Value::Type::Int) return textToInt(text, parseTypeSpec(QStringLiteral("int")));
    return Value::ofReal(textToDecimal(text).toDouble());
}

int compareText(const QString& a, const QString& b) {
    auto trimmedLength = [](const QString& s) {
        int n = s.size();
        while (n > 0 && s[n - 1] == u' ') --n;
        return n;
    };
    return QStringView(a)
        .left(trimmedLength(a))
        .compare(QStringView(b).left(trimmedLength(b)), Qt::CaseInsensitive);
}

}  // namespace engine
