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
};

struct FunctionInfo {
    const char* name;  // T-SQL name, upper case
    FunctionRule rule;
    const char* target;  // the SQLite function called
    int minArgs;
    int maxArgs;
};

// The entry for a T-SQL function name, nullptr when the engine does not support it.
const FunctionInfo* findFunction(const QString& name);

// A DATEDIFF unit (or its abbreviation) in canonical form; empty when unknown.
QString datediffUnit(const QString& name);

// DATEDIFF: the number of unit boundaries crossed from a to b.
qint64 datediffBoundaries(const QString& unit, const QDateTime& a, const QDateTime& b);

// ISNUMERIC's reading of a text.
bool isNumericText(const QString& text);

}  // namespace engine
