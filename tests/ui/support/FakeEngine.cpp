#include "ui/support/FakeEngine.h"

namespace uitest {

bool FakeEngine::open(mes::DbError* err) {
    open_ = opens_;
    if (!opens_ && err) *err = mes::DbError{17, QStringLiteral("server does not exist")};
    return open_;
}

bool FakeEngine::exec(const QString& sql, qint64* rows, mes::DbError* err) {
    if (log_) log_->append(sql);
    mes::RecordData ignored;
    if (rows) *rows = 0;
    return answer_ ? answer_(sql, &ignored, err) : true;
}

bool FakeEngine::query(const QString& sql, mes::RecordData* out, mes::DbError* err) {
    if (log_) log_->append(sql);
    return answer_ ? answer_(sql, out, err) : true;
}

}  // namespace uitest
