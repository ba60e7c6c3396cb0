#include "engine/UpdateFrom.h"

#include "engine/EngineError.h"
#include "engine/TreeShapes.h"

namespace engine {

namespace {

// The table sources of FROM in order, with the conditions of their joins.
void flatten(Node& n, std::vector<Node>& refs, std::vector<Node>& conditions) {
    if (n.kind == NodeKind::Paren) unsupportedAt(QStringLiteral("UPDATE ... FROM with ( )"), n.pos);
    if (n.kind != NodeKind::Join) {
        refs.push_back(std::move(n));
        return;
    }
    if (n.text != QLatin1String("JOIN"))
        unsupportedAt(QStringLiteral("UPDATE ... FROM with %1").arg(n.text), n.pos);
    flatten(n.kids[0], refs, conditions);
    flatten(n.kids[1], refs, conditions);
    conditions.push_back(std::move(n.kids[2]));
}

}  // namespace

QString updateFrom(Node& update) {
    const QString target = update.kids[0].kids[0].text;
    Node* from = update.find(NodeKind::From);
    std::vector<Node> refs, conditions;
    for (Node& k : from->kids) flatten(k, refs, conditions);

    auto matches = [&](const Node& ref, bool byAlias) {
        const QString name =
            byAlias ? ref.text
                    : (ref.text.isEmpty() && ref.kind == NodeKind::Table ? ref.kids.back().text
                                                                         : QString());
        return !name.isEmpty() && name.compare(target, Qt::CaseInsensitive) == 0;
    };
    int hit = -1;
    for (int pass = 0; pass < 2 && hit < 0; ++pass) {
        for (int k = 0; k < static_cast<int>(refs.size()) && hit < 0; ++k)
            if (matches(refs[k], pass == 0)) hit = k;
    }
    if (hit < 0) {
        // A target outside FROM joins every row of FROM, as SQLite's UPDATE ... FROM does.
        if (refs.size() > 1)
            unsupportedAt(QStringLiteral("UPDATE ... FROM with joins not naming the target"),
                          from->pos);
        from->kids = std::move(refs);
        return target;
    }
    Node& t = refs[hit];
    if (t.kind != NodeKind::Table)
        unsupportedAt(QStringLiteral("UPDATE of a derived table"), t.pos);
    const QString table = t.kids.back().text;
    Node updated = node(NodeKind::Table, update.kids[0].pos, t.text);
    updated.kids.push_back(node(NodeKind::Name, t.pos, table));
    update.kids[0] = std::move(updated);

    // Join conditions and the original condition, each in parentheses.
    Node* where = update.find(NodeKind::Where);
    if (where) conditions.push_back(std::move(where->kids[0]));
    std::vector<Node> others;
    for (int k = 0; k < static_cast<int>(refs.size()); ++k)
        if (k != hit) others.push_back(std::move(refs[k]));
    std::vector<Node> kids;
    for (Node& k : update.kids) {
        if (k.kind == NodeKind::From || k.kind == NodeKind::Where) continue;
        kids.push_back(std::move(k));
    }
    if (!others.empty()) {
        Node f = node(NodeKind::From, from->pos);
        f.kids = std::move(others);
        kids.push_back(std::move(f));
    }
    if (!conditions.empty()) {
        Node w = node(NodeKind::Where, update.pos);
        std::vector<Node> terms;
        for (Node& c : conditions) terms.push_back(parenthesised(std::move(c)));
        w.kids.push_back(allOf(std::move(terms)));
        kids.push_back(std::move(w));
    }
    update.kids = std::move(kids);
    return table;
}

}  // namespace engine
