#include "OrderWriter.h"

#include <algorithm>

#include "PlantText.h"

namespace mesbench {

namespace {

const char* const kPalettes[] = {"PL-01", "PL-02", "PL-03", "PL-03"};

}  // namespace

OrderWriter::OrderWriter(sqlite3* db, const PlantMasters& masters, const PlantCalendar& calendar)
    : masters_(masters),
      calendar_(calendar),
      order_(db, "B_JAKUPJISI_MASTER",
             {"prod_no",
              "seq",
              "jisi_date",
              "juya_gubun",
              "customer_code",
              "customer_name",
              "process_code",
              "equipment_code",
              "product_code",
              "cproduct_code",
              "product_name_detail",
              "plan_qty",
              "order_qty",
              "qty",
              "bad_qty",
              "employee_su",
              "employee_no",
              "end_yn",
              "chulha_yn",
              "palette_code",
              "sunbun",
              "last_date",
              "last_time",
              "user_id"}),
      run_(db, "P_SANGSAN_MASTER",
           {"prod_no",        "seq",          "op_seq",        "op_seq_sub", "process_code",
            "equipment_code", "product_code", "customer_code", "jisiqty",    "qty",
            "bad_qty",        "unit_code",    "sdate",         "edate",      "stime",
            "etime",          "min",          "jisi_date",     "jakup_date", "employee_su",
            "employee_no",    "lot_no",       "last_date",     "last_time",  "user_id"}),
      defect_(db, "P_BADQTY",
              {"prod_no", "seq", "op_seq", "op_seq_sub", "processbad_code", "bad_qty",
               "process_code", "equipment_code", "bigo", "product_code", "employee_no", "last_date",
               "last_time", "user_id"}),
      stop_(db, "P_BIGADONG",
            {"prod_no", "seq", "op_seq", "op_seq_sub", "equipment_code", "bigadong_code",
             "biga_date", "sdate", "stime", "edate", "etime", "min", "employee_su", "bigo",
             "last_date", "last_time", "user_id"}),
      mould_(db, "Q_MOLDTEST_RESULT",
             {"op_seq_sub", "product_code", "test_date", "cylinder1", "sacul1", "speed1", "mm1",
              "cylinder2", "sacul2", "speed2", "mm2", "time_s_ju", "time_n_ju", "time_h_ju",
              "cv_ju1", "shot_ju1", "gadong_ju1"}) {}

void OrderWriter::write(const std::vector<PlannedOrder>& orders, Random& random) {
    for (const PlannedOrder& o : orders) {
        const HistoryProduct& p = masters_.products[o.product];
        const HistoryCustomer& customer = masters_.customers[p.customer];
        const char* process = PlantMasters::kProcesses[p.process];
        const std::string& machine = masters_.machines[o.machine].code;
        const std::string& employee = masters_.employees[o.employee];
        const std::string& date = calendar_.date(o.day);
        const std::string& endDate = calendar_.date(o.endDay());
        const std::string endTime = hhmmss(o.endMinute());
        const std::string prodNo = calendar_.key(o.day) + format("%03d", o.counter);
        const std::string seq = prodNo + "001";
        const std::string opSeq = calendar_.key(o.day) + format("%03d", o.runCounter);

        // The end of a run replaces the ordered quantity with the good total.
        order_.text(prodNo).text(seq).text(date);
        if (o.shift)
            order_.text(std::string(1, o.shift));
        else
            order_.null();
        order_.text(customer.code)
            .text(customer.name)
            .text(process)
            .text(machine)
            .text(p.code)
            .text(p.code)
            .text(p.detail)
            .integer(o.planQty)
            .integer(o.good)
            .integer(o.good)
            .integer(o.bad)
            .integer(o.workers)
            .text(employee)
            .text("3")
            .text(o.issued ? "1" : "0")
            .text(kPalettes[p.process])
            .integer(1)
            .text(endDate)
            .text(endTime)
            .text("")
            .insert();

        // The end writes the order's date as the run's start date.
        run_.text(prodNo)
            .text(seq)
            .text(opSeq)
            .text(opSeq + "001")
            .text(process)
            .text(machine)
            .text(p.code)
            .text(customer.code)
            .integer(o.planQty)
            .integer(o.good)
            .integer(o.bad)
            .text("EA")
            .text(date)
            .text(endDate)
            .text(hhmm(o.startMinute))
            .text(hhmm(o.endMinute()))
            .integer(o.minutes)
            .text(date)
            .text(date)
            .integer(o.workers)
            .text(employee)
            .text(calendar_.lotDate(o.day) + '/' + process)
            .text(endDate)
            .text(endTime)
            .text("")
            .insert();

        writeDefects(o, opSeq, random);
        writeStops(o, opSeq, random);
        if (p.process == 1) writeMouldSheet(o, seq);
    }
}

void OrderWriter::writeDefects(const PlannedOrder& o, const std::string& opSeq, Random& random) {
    const HistoryProduct& p = masters_.products[o.product];
    const auto& causes = masters_.defectCauses[p.process];
    if (o.bad == 0 || causes.empty()) return;
    const int parts = std::min({random.between(1, 3), o.bad, static_cast<int>(causes.size())});
    const int firstCause = random.below(static_cast<int>(causes.size()));
    int left = o.bad;
    for (int i = 0; i < parts; ++i) {
        // The causes' quantities add up to the run's bad count.
        const int qty = i + 1 == parts ? left : random.between(1, left - (parts - i - 1));
        left -= qty;
        defect_.text("")
            .text("")
            .text(opSeq)
            .text(opSeq + "001")
            .text(causes[(firstCause + i) % causes.size()])
            .integer(qty)
            .text(PlantMasters::kProcesses[p.process])
            .text(masters_.machines[o.machine].code)
            .text("")
            .text(p.code)
            .text("")
            .text(calendar_.date(o.endDay()))
            .text(hhmmss(o.endMinute()))
            .text("")
            .insert();
    }
}

void OrderWriter::writeStops(const PlannedOrder& o, const std::string& opSeq, Random& random) {
    const int roll = random.below(100);
    const int stops = roll < 40 ? 0 : (roll < 85 ? 1 : 2);
    const std::string& machine = masters_.machines[o.machine].code;
    const std::string opSeqSub = opSeq + "001";
    for (int i = 0; i < stops; ++i) {
        const int length = random.between(5, std::max(5, std::min(60, o.minutes / 3)));
        const int from = o.startMinute + random.between(0, std::max(0, o.minutes - length));
        const int to = from + length;
        const std::string& fromDate = calendar_.date(o.startDay + from / 1440);
        const std::string& toDate = calendar_.date(o.startDay + to / 1440);
        // The timed stop carries the order's date, its cause row the day it was entered.
        stop_.text("")
            .text("")
            .text(opSeq)
            .text(opSeqSub)
            .text(machine)
            .text("")
            .text(calendar_.date(o.day))
            .text(fromDate)
            .text(hhmm(from % 1440))
            .text(toDate)
            .text(hhmm(to % 1440))
            .integer(length)
            .integer(0)
            .text("")
            .text(toDate)
            .text(hhmmss(to % 1440))
            .text("")
            .insert();
        const auto& causes = masters_.stopCauses;
        stop_.text("")
            .text("")
            .text(opSeq)
            .text(opSeqSub)
            .text(machine)
            .text(causes[random.below(static_cast<int>(causes.size()))])
            .text(toDate)
            .null()
            .null()
            .null()
            .null()
            .integer(length)
            .integer(o.workers)
            .text("")
            .text(toDate)
            .text(hhmmss(to % 1440))
            .text("")
            .insert();
    }
}

void OrderWriter::writeMouldSheet(const PlannedOrder& o, const std::string& seq) {
    // One sheet per order and date; its op_seq_sub holds the order's seq.
    mould_.text(seq)
        .text(masters_.products[o.product].code)
        .text(calendar_.date(o.day))
        .real(230)
        .real(85)
        .real(60)
        .real(45)
        .real(225)
        .real(80)
        .real(55)
        .real(38)
        .real(3.5)
        .real(18)
        .real(6.2)
        .real(400 + o.counter % 40)
        .real(200)
        .real(7.2)
        .insert();
}

}  // namespace mesbench
