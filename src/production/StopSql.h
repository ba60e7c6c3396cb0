#pragma once

#include <QString>

namespace mes {

// What a machine stop records (the run and the moment it starts).
struct StopStart {
    QString opSeqSub;   // work-run key; its first 11 characters are the order's Op_seq
    QString equipment;  // equipment code
    QString orderDate;  // work-order date
    QString date;       // "yyyy-MM-dd"
    QString hhmm;       // "HH:mm"
    QString hhmmss;     // "HHmmss"
    QString userId;     // logged-in employee (empty: nobody logs in)
};

// Opens a timed stop (no cause).
QString gfSTOP_INSERT_SQL(const StopStart& s);
// Closes every open timed stop (no cause) of the run on this equipment; minutes
// from the server clock.
QString gfSTOP_CLOSE_SQL(const QString& date, const QString& hhmm, const QString& equipment,
                         const QString& opSeqSub);
// The live flag of the machine: "TRUE" stopped, "FALSE" running.
QString gfREAL_TIME_SQL(const QString& flag, const QString& equipment);

}  // namespace mes
