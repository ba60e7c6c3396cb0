#pragma once

#include "engine/TreeTypes.h"

namespace engine {

// Makes every comparison of a statement's tree (= <> != < <= > >= !< !>, IN lists,
// BETWEEN, simple CASE) compare as SQL Server compares: a text meeting a number
// becomes that number or fails as the server fails, two texts compare under CI_AS.
// MIN, MAX, GROUP BY and DISTINCT of a computed text follow CI_AS too.
class ComparisonPass {
  public:
    explicit ComparisonPass(const TreeTypes& types) : types_(types) {}

    void run(Node& statement) const;

  private:
    void walk(Node& n) const;
    void comparison(Node& n) const;
    void between(Node& n) const;
    // x compared with each item.
    void matchList(Node& x, const std::vector<Node*>& items) const;
    void convertText(Node& text, const TypeSpec& target) const;
    bool comparesCiAs(const Node& left, const Node& right) const;
    void collateKey(Node& n) const;
    void collateTextKeys(Node& n) const;

    const TreeTypes& types_;
};

}  // namespace engine
