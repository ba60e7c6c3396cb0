#pragma once

#include <QString>

struct sqlite3_value;
struct sqlite3_context;

namespace engine {

// A run-time value of the T-SQL layer: SQLite's storage classes.
struct Value {
    enum class Type { Null, Int, Real, Text };
    Type type = Type::Null;
    qint64 i = 0;
    double r = 0;
    QString s;

    static Value null() { return {}; }
    static Value ofInt(qint64 v) { return {Type::Int, v, 0, {}}; }
    static Value ofReal(double v) { return {Type::Real, 0, v, {}}; }
    static Value ofText(QString v) { return {Type::Text, 0, 0, std::move(v)}; }

    bool isNull() const { return type == Type::Null; }
    bool isNumber() const { return type == Type::Int || type == Type::Real; }
    double number() const { return type == Type::Int ? static_cast<double>(i) : r; }
};

Value readValue(sqlite3_value* v);
void resultValue(sqlite3_context* ctx, const Value& v);

// A declared or CAST type: "varchar(10)", "NUMERIC(10,2)", "int", "datetime".
struct TypeSpec {
    enum class Base { Unknown, Text, Char, Int, Numeric, Float, Datetime, Date };
    Base base = Base::Unknown;
    int length = -1;  // characters; -1 none given, 0 for MAX
    int precision = 18;
    int scale = 0;
    bool scaleGiven = false;  // NUMERIC(p,s); a bare NUMERIC keeps any scale
    QString name;             // the type name as written, lower case

    bool isText() const { return base == Base::Text || base == Base::Char; }
    bool isNumeric() const {
        return base == Base::Int || base == Base::Numeric || base == Base::Float;
    }
};

TypeSpec parseTypeSpec(const QString& text);
// The type as parseTypeSpec reads it back ("varchar(10)", "numeric(18,2)", "int").
QString typeText(const TypeSpec& t);
// A text type as SQL Server names it in conversion messages: varchar, nvarchar ...
QString textTypeName(const TypeSpec& t);

// The failures below throw EngineError with SQL Server's wording.

// Converts a value to a type as an INSERT/UPDATE stores it (too long text fails).
Value storeAs(const Value& v, const TypeSpec& type);
// Converts as CAST/CONVERT do (too long text is cut; a number too long for the
// text gives "*"). A number written as text shows decimalScale places when given,
// as a decimal of that scale does.
Value castAs(const Value& v, const TypeSpec& type, int decimalScale = -1);

// A text meeting a number of the given type becomes that number, as T-SQL's type
// precedence says (a bare NUMERIC keeps any scale); from is the text's own type
// in the messages ("nvarchar").
Value numberFromText(const QString& text, const TypeSpec& type, const QString& from);

// A text read as the number type of `like` (int when like is an integer, else numeric).
Value textAsNumberLike(const QString& text, const Value& like);

// Number as SQL Server writes it as text.
QString numberText(const Value& v);

// SQL Server's default text comparison: case-insensitive, trailing blanks ignored.
int compareText(const QString& a, const QString& b);

}  // namespace engine
