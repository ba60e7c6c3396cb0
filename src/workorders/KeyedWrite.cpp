#include "workorders/KeyedWrite.h"

#include "foundation/DbError.h"
#include "foundation/ErrorLog.h"
#include "foundation/Session.h"

namespace mes {

namespace {
int& collisionCount() {
    static int n = 0;
    return n;
}
}  // namespace

bool KeyedWrite::isDuplicateKey(const DbError& err) {
    // SQL Server: 2627 unique constraint, 2601 unique index.
    if (err.number == 2627 || err.number == 2601) return true;
    return err.description.contains(QStringLiteral("UNIQUE constraint failed"),
                                    Qt::CaseInsensitive);
}

KeyedWrite::Outcome KeyedWrite::run(const Build& build, const QString& location, int expected,
                                    int attempts) {
    DbError err;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        QStringList statements;
        if (!build(&statements)) return Outcome::Failed;
        err = DbError{};
        if (gvSession().tryList(statements, expected, &err)) return Outcome::Written;
        if (!isDuplicateKey(err)) break;
        ++collisionCount();
    }
    gsERR_LOG(err, err.description, location);
    // tryList leaves err empty for a row-count mismatch only.
    return err.number == 0 && err.description.isEmpty() ? Outcome::Unchanged : Outcome::Failed;
}

int KeyedWrite::collisions() { return collisionCount(); }
void KeyedWrite::resetCollisions() { collisionCount() = 0; }

}  // namespace mes
