#pragma once

#include <QString>

namespace mes {

// A failure reported by a database engine: the number and the driver's text.
struct DbError {
    qint64 number = 0;
    QString description;

    // The number the client library reports when the connection is gone.
    static constexpr qint64 kConnectionLost = -2147467259;
};

}  // namespace mes
