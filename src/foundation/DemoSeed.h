#pragma once

#include <QDateTime>
#include <QString>

namespace mes {

// Fills the placeholders of the demo plant's seed script: ${D±n} (date "yyyy-MM-dd"),
// ${K±n} ("yyyyMMdd"), ${L±n} ("yyMMdd"), ${T±m} (time "HH:mm" m minutes from now,
// kept within today), ${NOW} and ${IP}. False with error on a placeholder it does not
// know, so that no unfilled text reaches the database.
bool gfDEMO_EXPAND(const QString& script, const QDateTime& now, const QString& ip, QString* result,
                   QString* error);

}  // namespace mes
