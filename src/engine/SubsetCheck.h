#pragma once

#include "engine/SyntaxTree.h"

namespace engine {

// Walks a parsed batch and refuses, at the node's position, what the parser reads
// but the engine cannot run: functions missing from the function table or called
// with another number of arguments, types it does not know, DATEDIFF units and
// CONVERT styles it cannot read, TOP inside a set operation, LIKE patterns with
// [ ].
class SubsetCheck {
  public:
    void check(const Node& n) const;

  private:
    void call(const Node& n) const;
    void setOperation(const Node& n) const;
};

}  // namespace engine
