#pragma once

#include <QString>
#include <vector>

namespace engine {

// The node kinds of a parsed T-SQL batch. What each kind keeps in text and kids
// is given beside it; pos is the offset in the batch text where the node begins.
enum class NodeKind {
    // Expressions
    Literal,   // text: a number, 'string' or N'string' as written, or NULL
    Column,    // kids: Name parts, t.a or s.t.a; a Star last for t.*
    Name,      // text: one part of a name, without its brackets or quotes
    Star,      // *
    Variable,  // text: @name
    Call,      // text: the function's name, upper case; kids: the arguments
    Cast,      // kids: the expression and its Type
    Type,      // text: a data type as written, without spacing: numeric(10,2)
    Case,      // kids: the operand of a simple CASE (if any), When..., Else
    When,      // kids: the condition or value, the result
    Else,      // kids: the result
    Unary,     // text: - + ~ NOT; kids: the operand
    Binary,    // text: the operator, upper case (AND, OR, =, <>, +, ...); kids: left, right
    Between,   // kids: the value, low, high; Not flag
    In,        // kids: the value, then the list or one Query; Not flag
    Like,      // kids: the value, the pattern, the escape (if any); Not flag
    IsNull,    // kids: the value; Not flag
    Exists,    // kids: a Query
    Subquery,  // kids: a Query used as a value
    Paren,     // kids: the expression written in parentheses
    Collate,   // text: the collation; kids: the expression (written by the passes)
    Verbatim,  // text: SQLite's SQL a rule writes after the passes, printed as it stands

    // Queries
    Query,         // kids: a Select or a SetOperation, then an OrderBy (if any)
    SetOperation,  // text: UNION, UNION ALL, EXCEPT or INTERSECT; kids: left, right
    Select,        // kids: Top, SelectList, From, Where, GroupBy, Having, each if written;
                   // Distinct flag
    Top,           // kids: the count
    SelectList,    // kids: SelectItem...
    SelectItem,    // kids: the expression; text: the alias, if any
    From,          // kids: the table sources, as the commas list them
    Table,         // kids: Name parts; text: the alias, if any
    Derived,       // kids: a Query; text: its alias
    Join,          // text: JOIN, LEFT JOIN, RIGHT JOIN, FULL JOIN or CROSS JOIN;
                   // kids: left, right, the ON condition (if any)
    Where,         // kids: the condition
    GroupBy,       // kids: the expressions
    Having,        // kids: the condition
    OrderBy,       // kids: OrderItem...
    OrderItem,     // kids: the expression; Descending flag

    // Statements
    Insert,      // kids: Table, ColumnList (if written), then Values or a Query
    ColumnList,  // kids: Name...
    Values,      // kids: Row...
    Row,         // kids: the values
    Update,      // kids: Table, SetList, From, Where, the last two if written
    SetList,     // kids: Assignment...
    Assignment,  // kids: the Column, the value
    Delete,      // kids: Table, From, Where, the last two if written; text: FROM when
                 // written before the table
    Definition,  // text: a CREATE, DROP or ALTER statement as written, kept whole
    If,          // kids: the condition, Block, Block for ELSE (if written)
    Block,       // kids: the statements
    Batch,       // kids: the statements
};

enum NodeFlag : unsigned {
    Not = 1,
    Distinct = 2,
    Descending = 4,
    Synthetic = 8,   // written by a pass, not rewritten again
    EmptyAlias = 16  // a SelectItem named "" as SQL Server names a computed column
};

struct Node {
    NodeKind kind;
    QString text;
    int pos = 0;
    int end = 0;  // where a statement or an IF's condition ends
    unsigned flags = 0;
    std::vector<Node> kids;

    bool has(NodeFlag f) const { return flags & f; }
    // The first kid of the kind, nullptr when there is none.
    const Node* find(NodeKind k) const {
        for (const Node& n : kids)
            if (n.kind == k) return &n;
        return nullptr;
    }
    Node* find(NodeKind k) {
        for (Node& n : kids)
            if (n.kind == k) return &n;
        return nullptr;
    }
};

inline Node node(NodeKind kind, int pos, const QString& text = QString()) {
    return Node{kind, text, pos};
}

}  // namespace engine
