#pragma once

#include <QString>

#include "workorders/KeyedWrite.h"
#include "workorders/OrderStatements.h"
#include "workorders/RunStatements.h"

namespace mes {

// Inserts the run and sets its order in progress in one transaction. Op_Seq is
// read for the run's jisiDate and written into run (with Op_Seq_sub); a key
// taken meanwhile by another terminal is read again. Unchanged: the order was
// no longer at '1' (started meanwhile, here or elsewhere); nothing was written.
// Failed: nothing was written (reported through the error log).
KeyedWrite::Outcome gfSTART_WORK_RUN(RunValues* run, const QString& location,
                                     int attempts = KeyedWrite::kAttempts);

// Inserts a work order numbered by its date; the number goes to prodNo.
bool gfREGISTER_WORK_ORDER(const OrderValues& order, const QString& location, QString* prodNo,
                           int attempts = KeyedWrite::kAttempts);

}  // namespace mes
