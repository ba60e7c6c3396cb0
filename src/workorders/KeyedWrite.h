#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace mes {

struct DbError;

// A write whose new key is read from the server first and inserted by a
// separate request: two terminals can read the same number. The unique key on
// the table turns that into a duplicate-key failure; then the number is read
// again and the write retried, silently. Any other failure, or the last
// attempt, is reported through the error log like gfDB_EXEC_LIST(_CNT).
class KeyedWrite {
  public:
    static constexpr int kAttempts = 5;

    // Reads the number and builds the statements; false when the read failed
    // (already reported).
    using Build = std::function<bool(QStringList* statements)>;

    // Unchanged: a statement touched another number of rows than expected
    // (rolled back, only the location is logged, no box).
    enum class Outcome { Written, Unchanged, Failed };

    // expected: the row count each statement must touch, -1 for any.
    static Outcome run(const Build& build, const QString& location, int expected = -1,
                       int attempts = kAttempts);

    // The failure a duplicate of a unique key gives, on SQL Server and embedded.
    static bool isDuplicateKey(const DbError& err);

    // Attempts that ended in a duplicate key since the last reset (tests, load tool).
    static int collisions();
    static void resetCollisions();
};

}  // namespace mes
