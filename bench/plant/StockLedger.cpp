#include "StockLedger.h"

#include <algorithm>
#include <map>

#include "PlantText.h"

namespace mesbench {

namespace {

// Of the receipt rows left to the history, the share received while booking; each
// of them also splits one take over two lots. The rest is stock on hand at the end.
constexpr double kBookedReceiptShare = 0.45;

}  // namespace

StockLedger::StockLedger(sqlite3* db, const PlantMasters& masters, const PlantCalendar& calendar)
    : masters_(masters),
      calendar_(calendar),
      store_(db, "S_PRODUCT_STORE",
             {"product_code", "lot_no", "reg_date", "ipgo_no", "ipgo_no_sub", "ipgo_su", "culgo_no",
              "culgo_no_sub", "culgo_su", "culgo_type", "jego_su", "last_date", "last_time",
              "user_id"}),
      finishedStore_(db, "P_PRODUCT_STORE",
                     {"product_code", "lot_no", "reg_date", "ipgo_no", "ipgo_no_sub", "ipgo_su",
                      "culgo_type", "jego_su", "last_date", "last_time", "user_id"}),
      lotHistory_(db, "S_LOT_HISTORY",
                  {"ipgo_no_sub", "ipgo_product_code", "culgo_no_sub", "culgo_product_code",
                   "lot_no", "culgo_lot_no", "process_code", "equipment_code", "reg_date"}),
      goodsReceipt_(db, "P_PRODUCT_IPGO",
                    {"ipgo_no", "ipgo_no_sub", "ipgo_date", "product_code", "lot_no",
                     "operation_no_sub", "ipgo_su", "palette_su", "ipgo_price", "ipgo_price_sum",
                     "bigo", "employee_no", "last_date", "last_time", "user_id"}),
      materialReceipt_(db, "M_MATERIAL_IPHA", {"product_code", "lot_no", "ipha_date", "ipha_su"}),
      balance_(masters.products.size() + masters.materials.size(), 0),
      finishedBalance_(masters.products.size(), 0),
      lots_(masters.materials.size()),
      receiptDay_(masters.materials.size(), -1),
      receiptsThatDay_(masters.materials.size(), 0) {}

long long StockLedger::need(const PlannedOrder& o, const Component& c) {
    return static_cast<long long>(o.good + o.bad) * c.usage100 / 100;
}

void StockLedger::write(const std::vector<PlannedOrder>& orders, long long targetRows) {
    std::vector<std::vector<int>> endingOn(calendar_.days());
    long long bookingRows = 0;
    long long consumption = 0;
    for (std::size_t i = 0; i < orders.size(); ++i) {
        const PlannedOrder& o = orders[i];
        const HistoryProduct& p = masters_.products[o.product];
        endingOn[o.endDay()].push_back(static_cast<int>(i));
        bookingRows += 1 + static_cast<long long>(p.components.size()) + (p.finished ? 2 : 0);
        for (const Component& c : p.components) consumption += need(o, c);
    }
    // One lot size for all materials: much-used materials are received more often.
    const long long receipts = std::max<long long>(
        1, static_cast<long long>(kBookedReceiptShare *
                                  std::max<long long>(0, targetRows - bookingRows)));
    lotSize_ = std::max<long long>(100, (consumption / receipts + 99) / 100 * 100);

    const int lastDay = calendar_.days() - 1;
    for (int day = 0; day <= lastDay; ++day) {
        std::map<int, long long> demand;
        for (int i : endingOn[day]) {
            const PlannedOrder& o = orders[i];
            for (const Component& c : masters_.products[o.product].components)
                demand[c.material] += need(o, c);
        }
        for (const auto& [material, qty] : demand) {
            long long stock = 0;
            for (const Lot& lot : lots_[material]) stock += lot.left;
            for (; stock < qty; stock += lotSize_) receive(material, day, lotSize_);
        }
        for (int i : endingOn[day]) book(orders[i], day);
    }
    // Stock on hand: the first materials first, so the fifty-component product has
    // every component in stock.
    const int materials = static_cast<int>(masters_.materials.size());
    for (int m = 0; rows() < targetRows; m = (m + 1) % materials) receive(m, lastDay, lotSize_);
    for (int m = 0; m < std::min(50, materials); ++m)
        if (lots_[m].empty()) receive(m, lastDay, lotSize_);
}

void StockLedger::receive(int material, int day, long long qty) {
    if (receiptDay_[material] != day) {
        receiptDay_[material] = day;
        receiptsThatDay_[material] = 0;
    }
    const std::string lot =
        'L' + calendar_.lotDate(day) + format("-%03d", ++receiptsThatDay_[material]);
    const std::string& code = masters_.materials[material];
    const long long idx =
        materialReceipt_.text(code).text(lot).text(calendar_.date(day)).integer(qty).insert();
    const std::string receiptNo = 'M' + calendar_.key(day);
    const int item = static_cast<int>(masters_.products.size()) + material;
    storeRow(item, lot, day, receiptNo, receiptNo + format("%03lld", idx), qty, {}, {}, 0,
             "자재입고", "083000");
    lots_[material].push_back({lot, qty});
}

void StockLedger::book(const PlannedOrder& o, int day) {
    const HistoryProduct& p = masters_.products[o.product];
    const std::string opSeq = calendar_.key(o.day) + format("%03d", o.runCounter);
    const std::string opSeqSub = opSeq + "001";
    const std::string lot = calendar_.lotDate(o.day) + '/' + PlantMasters::kProcesses[p.process];
    const std::string time = hhmmss(o.endMinute());
    storeRow(o.product, lot, day, opSeq, opSeqSub, o.good, {}, {}, 0, "재공품추가", time);
    for (const Component& c : p.components) take(o, c.material, need(o, c), day);
    if (!p.finished) return;
    storeRow(o.product, lot, day, {}, {}, 0, opSeq, opSeqSub, o.good, "제품투입", time);
    const std::string& date = calendar_.date(day);
    goodsReceipt_.text(opSeq)
        .text(opSeqSub)
        .text(date)
        .text(p.code)
        .text(lot)
        .text(opSeqSub)
        .integer(o.good)
        .integer(0)
        .integer(0)
        .integer(0)
        .text("")
        .text("")
        .text(date)
        .text(time)
        .text("")
        .insert();
    finishedBalance_[o.product] += o.good;
    finishedStore_.text(p.code)
        .text(lot)
        .text(date)
        .text(opSeq)
        .text(opSeqSub)
        .integer(o.good)
        .text("제품입고")
        .integer(finishedBalance_[o.product])
        .text(date)
        .text(time)
        .text("")
        .insert();
}

void StockLedger::take(const PlannedOrder& o, int material, long long qty, int day) {
    const HistoryProduct& p = masters_.products[o.product];
    const std::string opSeq = calendar_.key(o.day) + format("%03d", o.runCounter);
    const std::string opSeqSub = opSeq + "001";
    const std::string produced =
        calendar_.lotDate(o.day) + '/' + PlantMasters::kProcesses[p.process];
    const int item = static_cast<int>(masters_.products.size()) + material;
    auto& lots = lots_[material];
    // A zero need still books a row, against the first lot.
    do {
        const std::string lot = lots.empty() ? std::string("0") : lots.front().number;
        const long long portion = lots.empty() ? qty : std::min(qty, lots.front().left);
        storeRow(item, lot, day, {}, {}, 0, opSeq, opSeqSub, portion, "재공품소모",
                 hhmmss(o.endMinute()));
        lotHistory_.text(opSeqSub)
            .text(p.code)
            .text("")
            .text(masters_.materials[material])
            .text(produced)
            .text(lot)
            .text(PlantMasters::kProcesses[p.process])
            .text(masters_.machines[o.machine].code)
            .text(calendar_.date(day))
            .insert();
        qty -= portion;
        if (!lots.empty() && (lots.front().left -= portion) == 0) lots.pop_front();
    } while (qty > 0);
}

void StockLedger::storeRow(int item, const std::string& lot, int day, const std::string& inNo,
                           const std::string& inSub, long long in, const std::string& outNo,
                           const std::string& outSub, long long out, const char* type,
                           const std::string& time) {
    const int products = static_cast<int>(masters_.products.size());
    const std::string& code =
        item < products ? masters_.products[item].code : masters_.materials[item - products];
    const std::string& date = calendar_.date(day);
    balance_[item] += in - out;
    store_.text(code).text(lot).text(date);
    if (inNo.empty())
        store_.null().null().null();
    else
        store_.text(inNo).text(inSub).integer(in);
    if (outNo.empty())
        store_.null().null().null();
    else
        store_.text(outNo).text(outSub).integer(out);
    store_.text(type).integer(balance_[item]).text(date).text(time).text("").insert();
}

}  // namespace mesbench
