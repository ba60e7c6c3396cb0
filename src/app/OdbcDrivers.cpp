#include "app/OdbcDrivers.h"

#include <sql.h>
#include <sqlext.h>

#include <QStringList>

namespace mes {

bool OdbcDrivers::find(const QString& name, QMap<QString, QString>* attributes) {
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))) return false;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    bool found = false;
    SQLCHAR description[256];
    SQLCHAR attrs[2048];
    SQLSMALLINT descriptionLength = 0;
    SQLSMALLINT attrsLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (!found &&
           SQL_SUCCEEDED(SQLDrivers(env, direction, description, sizeof(description),
                                    &descriptionLength, attrs, sizeof(attrs), &attrsLength))) {
        direction = SQL_FETCH_NEXT;
        if (QString::fromLocal8Bit(reinterpret_cast<char*>(description)) != name) continue;
        found = true;
        // The attributes come as "key=value" texts, each ended by a NUL.
        const char* p = reinterpret_cast<char*>(attrs);
        const char* end = p + qMin<int>(attrsLength, sizeof(attrs));
        while (p < end && *p) {
            const QString pair = QString::fromLocal8Bit(p);
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            if (eq > 0) attributes->insert(pair.left(eq).trimmed(), pair.mid(eq + 1).trimmed());
            p += qstrlen(p) + 1;
        }
    }
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return found;
}

}  // namespace mes
