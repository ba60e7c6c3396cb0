#pragma once

#include <QDateTime>
#include <QString>

namespace engine {

// What the translator does with a T-SQL function call.
enum class FunctionRule {
    Native,    // SQLite has it with the same result
    Rename,    // a registered tsql_ function of the same arguments
    Cast,      // CAST(expr AS type)
    Convert,   // CONVERT(type, expr [, style])
    Datediff,  // DATEDIFF(unit, a, b)
    Isnull,    // ISNULL(a, b): result of a's type
    Internal,  // the engine's own runtime function, written only by the translator
};

// The result type of a call, under T-SQL's rules.
enum class ResultRule {
    Int,
    Datetime,
    Sum,             // numeric(38,s) of numeric(p,s), bigint of int ...
    Avg,             // numeric(38,max(s,6)), an integer of integers
    FirstArgument,   // the first argument's type
    Coalesce,        // the precedence of the non-null arguments
    CastAs,          // the type after AS
    ConvertTo,       // the first argument, a type
    QuotedFirst,     // the type quoted as the first argument
    QuotedSecond,    // the type quoted as the second argument
    QuotedLast,      // the type quoted as the last argument
    Additive,        // a + b: texts joined, numbers by precedence
    Multiplicative,  // a * b
    TextOfFirst,     // a text of the first argument's kind
};

// One function of the engine: a T-SQL function the statements may call, or one of
// the engine's own runtime functions its translations call. Arities are those of
// the call as written; a runtime function's are those it is registered with.
struct FunctionInfo {
    const char* name;  // T-SQL name, upper case; for Internal the runtime name
    FunctionRule rule;
    const char* target;  // the SQLite function called
    int minArgs;
    int maxArgs;
    ResultRule result;
    bool deterministic;  // same arguments, same result within and across statements
};

// The entry for a T-SQL function name, nullptr when the engine does not support it.
const FunctionInfo* findFunction(const QString& name);

// The entry of a call in a statement or in its translation: a T-SQL name or a
// runtime name (tsql_left, tsql_add ...); nullptr when neither.
const FunctionInfo* findCallee(const QString& name);

// Every entry, T-SQL functions first.
const FunctionInfo* functionsBegin();
const FunctionInfo* functionsEnd();

// A DATEDIFF unit (or its abbreviation) in canonical form; empty when unknown.
QString datediffUnit(const QString& name);

// DATEDIFF: the number of unit boundaries crossed from a to b.
qint64 datediffBoundaries(const QString& unit, const QDateTime& a, const QDateTime& b);

// ISNUMERIC's reading of a text.
bool isNumericText(const QString& text);

}  // namespace engine
