#pragma once

#include "engine/Pieces.h"
#include "engine/StaticTypes.h"

namespace engine {

// Makes every comparison of a statement (= <> != < <= > >= !< !>, IN lists,
// BETWEEN, simple CASE) compare as SQL Server compares: a text meeting a number becomes that
// number or fails as the server fails, two texts compare under CI_AS. MIN, MAX,
// GROUP BY and DISTINCT of a computed text follow CI_AS too.
class ComparisonRewriter {
  public:
    explicit ComparisonRewriter(const StaticTypes& types) : types_(types) {}

    void rewrite(Pieces& s) const;

  private:
    struct Operand {
        int from;
        int to;
        TypeSpec type;
    };

    Operand operand(const Pieces& s, int from, int to) const;
    bool comparesCiAs(const Pieces& s, const Operand& left, const Operand& right) const;
    bool isCiColumn(const Pieces& s, const Operand& o) const;
    int comparison(Pieces& s, int op) const;
    int inList(Pieces& s, int in) const;
    int between(Pieces& s, int at) const;
    int simpleCase(Pieces& s, int at) const;
    // x compared with each item; returns the pieces added up to x's end.
    int matchList(Pieces& s, const Operand& x, const std::vector<Operand>& items) const;
    void collateTextKeys(Pieces& s) const;
    void collateKey(Pieces& s, int from, int to) const;

    const StaticTypes& types_;
};

}  // namespace engine
