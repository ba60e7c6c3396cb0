#pragma once

#include "engine/Value.h"

namespace engine {

// SQL Server's precision and scale of decimal results: what a CAST of the result
// to text shows and what a column of it would hold.

// T-SQL's data-type precedence, highest first: datetime, float, numeric, int,
// text; 0 for a type the engine does not tell.
int typeRank(const TypeSpec& t);

// The type of a number literal: 0.45 is numeric(2,2), 20 an int, 1e3 a float.
TypeSpec numberLiteralType(const QString& text);

// An integer or numeric type as the decimal it takes part in arithmetic as
// (int is numeric(10,0)); other types unchanged.
TypeSpec asDecimal(const TypeSpec& t);

// The result of a op b for op one of + - * / %, by type precedence; for two
// decimals the server's precision and scale, capped at 38 digits.
TypeSpec operatorResult(char op, const TypeSpec& a, const TypeSpec& b);

// SUM and AVG of a column of type t.
TypeSpec sumResult(const TypeSpec& t);
TypeSpec avgResult(const TypeSpec& t);

// The type of CASE, COALESCE and UNION branches of types a and b.
TypeSpec branchResult(const TypeSpec& a, const TypeSpec& b);

// numeric(p,s) for an exact decimal type, or an empty text.
QString decimalTypeText(const TypeSpec& t);

}  // namespace engine
