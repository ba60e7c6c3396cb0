#pragma once

#include <QHash>
#include <QStringList>

#include "engine/Pieces.h"
#include "engine/SchemaInfo.h"

namespace engine {

// The types the expressions of one statement have on SQL Server, as far as the
// text and the declared columns tell them. Qualifiers are resolved through the
// statement's own table references (FROM, JOIN, UPDATE, INTO).
class StaticTypes {
  public:
    StaticTypes(const SchemaInfo& schema, const Pieces& s);

    // Type of s[from..to]; Unknown when the text does not tell.
    TypeSpec of(const Pieces& s, int from, int to) const;

    // s[from..to] is a column of a table that compares text under CI_AS.
    bool isCaseInsensitiveColumn(const Pieces& s, int from, int to) const;

  private:
    struct Column {
        bool resolved = false;  // found in a table of the statement
        TypeSpec type;
        bool caseInsensitive = false;
    };

    Column column(const Pieces& s, int from, int to) const;
    Column lookUp(const Pieces& s, int from, int to) const;
    TypeSpec callType(const Pieces& s, int from, int to) const;
    TypeSpec caseType(const Pieces& s, int from) const;
    TypeSpec operatorType(const Pieces& s, int from, int to, bool* found) const;
    void addReference(const Pieces& s, int at);

    const SchemaInfo& schema_;
    QHash<QString, QString> tableOf_;  // lower-case alias or name -> table, "" derived or ambiguous
    QStringList tables_;
    mutable QHash<QString, Column> columns_;  // by the reference as written
};

// The type of higher T-SQL precedence (datetime > float > numeric > int > text);
// Unknown when either is.
TypeSpec higherType(const TypeSpec& a, const TypeSpec& b);

}  // namespace engine
