#pragma once

#include <QMap>
#include <QString>

namespace mes {

// The ODBC drivers the driver manager has registered (odbcinst.ini).
class OdbcDrivers {
  public:
    // The attributes of the driver registered under name ("Driver", "TDS_Version",
    // ...); false when no driver has that name.
    static bool find(const QString& name, QMap<QString, QString>* attributes);
};

}  // namespace mes
