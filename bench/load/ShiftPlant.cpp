#include "ShiftPlant.h"

#include <QDate>
#include <QStringList>
#include <random>

#include "ShiftNames.h"
#include "engine/Database.h"
#include "engine/EngineError.h"
#include "foundation/TerminalClock.h"

namespace mesload {

namespace {

QString q(const QString& v) {
    QString s = v;
    return u'\'' + s.replace(u'\'', QStringLiteral("''")) + u'\'';
}

QStringList mastersOf(const ShiftNames& n) {
    const QString p = n.product();
    QStringList sql{
        QStringLiteral("INSERT INTO B_CUSTOMER (customer_code, customer_name) VALUES (%1, %2)")
            .arg(q(n.customer()), q(QStringLiteral("시뮬 고객 %1 \"교대\"").arg(n.terminal))),
        QStringLiteral("INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, "
                       "ipaddress) VALUES (%1, %2, '1000', '192.0.2.%3')")
            .arg(q(n.machine()), q(QStringLiteral("시뮬 프레스 %1호기").arg(n.terminal)))
            .arg(n.addressByte()),
        QStringLiteral(
            "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, eono, product_name, standard, "
            "unit_code, type, product_type_code, abc, customer_code, process_code, "
            "equipment_code, use_yn) VALUES (%1, %1, 'A', %2, 'SPCC t2.0', 'EA', '완제품', '01', "
            "'A', %3, '1000', %4, '1')")
            .arg(q(p), q(QStringLiteral("시뮬 브라켓 '%1'").arg(n.terminal)), q(n.customer()),
                 q(n.machine())),
        QStringLiteral("INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) VALUES "
                       "(%1, NULL, %2, 1)")
            .arg(q(QStringLiteral("BOM-") + p), q(p))};
    for (int k = 0; k < ShiftNames::kComponents; ++k) {
        const QString c = n.component(k);
        sql << QStringLiteral(
                   "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, eono, product_name, "
                   "standard, unit_code, type, product_type_code, abc, use_yn) VALUES (%1, %1, "
                   "'', %2, '', %3, '원자재', '03', 'C', '1')")
                   .arg(q(c), q(QStringLiteral("시뮬 자재 ") + c),
                        q(k == 1 ? QStringLiteral("KG") : QStringLiteral("EA")));
        sql << QStringLiteral(
                   "INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) "
                   "VALUES (%1, %2, %3, %4)")
                   .arg(q(QStringLiteral("BOM-") + c), q(QStringLiteral("BOM-") + p), q(c))
                   .arg(ShiftNames::usage(k));
    }
    return sql;
}

}  // namespace

bool prepareShiftPlant(const QString& path, int terminals, int runs, quint64 seed, QString* error) {
    std::mt19937_64 rng(seed);
    const QDate today = mes::TerminalClock::now().date();
    try {
        engine::Database db;
        db.open(path);
        db.begin();
        for (int t = 0; t < terminals; ++t) {
            const ShiftNames n{t};
            for (const QString& s : mastersOf(n)) db.executeNative(s);
            // About a run's need per lot: some runs take one lot, some several,
            // and the last runs may find none left.
            const int lots = runs / 2 + 3;
            for (int k = 0; k < ShiftNames::kComponents; ++k) {
                std::uniform_int_distribution<int> size(1000, int(24000 * ShiftNames::usage(k)));
                const QString c = n.component(k);
                qint64 balance = 0;
                for (int l = 0; l < lots; ++l) {
                    const int qty = size(rng);
                    balance += qty;
                    const QString lot = ShiftNames::lot(c, l);
                    const QString date =
                        today.addDays(l - lots).toString(QStringLiteral("yyyy-MM-dd"));
                    db.executeNative(
                        QStringLiteral(
                            "INSERT INTO S_PRODUCT_STORE (product_code, lot_no, reg_date, ipgo_no, "
                            "ipgo_no_sub, ipgo_su, culgo_type, jego_su, last_date, last_time, "
                            "user_id) VALUES (%1, %2, %3, 'SIM', %4, %5, '자재입고', %6, %3, "
                            "'080000', 'sim')")
                            .arg(q(c), q(lot), q(date), q(QStringLiteral("SIM-") + lot))
                            .arg(qty)
                            .arg(balance));
                }
            }
        }
        db.commit();
    } catch (const engine::EngineError& e) {
        *error = e.message();
        return false;
    }
    return true;
}

}  // namespace mesload
