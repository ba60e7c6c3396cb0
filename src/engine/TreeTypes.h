#pragma once

#include <QHash>
#include <QStringList>

#include "engine/SchemaInfo.h"
#include "engine/SyntaxTree.h"

namespace engine {

// The types the expressions of one statement have on SQL Server, as far as the
// tree and the declared columns tell them. Qualifiers are resolved through the
// statement's own table references, at any depth.
class TreeTypes {
  public:
    TreeTypes(const SchemaInfo& schema, const Node& statement);

    // Unknown when the tree does not tell.
    TypeSpec of(const Node& n) const;
    // n is a column of a table that compares text under CI_AS.
    bool isCaseInsensitiveColumn(const Node& n) const;

  private:
    struct Column {
        bool resolved = false;  // found in a table of the statement
        TypeSpec type;
        bool caseInsensitive = false;
    };

    void addReferences(const Node& n);
    void name(const QString& key, const QString& table);
    Column column(const Node& n) const;
    Column lookUp(const QString& qualifier, const QString& name) const;
    TypeSpec arithmetic(const Node& n) const;
    TypeSpec caseType(const Node& n) const;
    TypeSpec callType(const Node& n) const;

    const SchemaInfo& schema_;
    QHash<QString, QString> tableOf_;  // lower-case alias or name -> table, "" derived or ambiguous
    QStringList tables_;
    mutable QHash<QString, Column> columns_;  // by qualifier.name as written
};

// The type of higher T-SQL precedence (datetime > float > numeric > int > text);
// Unknown when either is.
TypeSpec higherType(const TypeSpec& a, const TypeSpec& b);

}  // namespace engine
