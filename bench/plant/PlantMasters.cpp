#include "PlantMasters.h"

#include <sqlite3.h>

#include <algorithm>
#include "PlantText.h"
#include "RowInserter.h"
#include "ScaledPlant.h"
#include "engine/EngineError.h"

namespace mesbench {

namespace {

struct Named {
    const char* korean;
    const char* english;
};

const Named kParts[] = {{"브라켓", "BRKT"},  {"멤버", "MBR"},     {"패널", "PNL"},
                        {"커버", "CVR"},     {"하우징", "HSG"},   {"캡", "CAP"},
                        {"플레이트", "PLT"}, {"레일", "RAIL"},    {"힌지", "HINGE"},
                        {"가이드", "GUIDE"}, {"보강재", "REINF"}, {"마운팅", "MTG"}};
const Named kPlaces[] = {{"프론트", "FRT"}, {"리어", "RR"},  {"사이드", "SIDE"},
                         {"센터", "CTR"},   {"어퍼", "UPR"}, {"로어", "LWR"}};
const char* const kSides[] = {"", " LH", " RH"};
const char* const kMachineLetters[] = {"P", "I", "W", "A"};
const char* const kMachineNames[] = {"프레스", "사출", "용접", "조립"};
const char* const kStandards[4][3] = {{"SPCC t1.6", "SPCC t2.0", "SPFH590 t2.3"},
                                      {"PP 흑색", "ABS 회색", "PA66 GF30"},
                                      {"용접 ASSY", "용접 ASSY", "용접 ASSY"},
                                      {"조립품", "조립품", "조립품"}};
const char* const kCompanyHeads[] = {"동양", "삼원", "한일", "미래", "성우",
                                     "대원", "금강", "신흥", "광명", "일진"};
const char* const kCompanyTails[] = {"산업", "정공", "테크", "기공",
                                     "오토", "금속", "화학", "전자"};
const char* const kSurnames[] = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임"};
const char* const kGivenNames[] = {"민준", "서윤", "도현", "하은", "지호", "수아", "현우",
                                   "지민", "준서", "예린", "태윤", "유나", "시우", "채원",
                                   "건우", "다인", "은호", "소율", "선우", "하린"};

struct MaterialKind {
    const char* name;
    const char* code;
    const char* standard;
    bool kg;
};
const MaterialKind kMaterialKinds[] = {{"냉연강판 SPCC", "SPCC", "1219x2438", true},
                                       {"고장력강판 SPFH590", "SPFH", "1219x2438", true},
                                       {"열연강판 SAPH440", "SAPH", "1219x2438", true},
                                       {"PP 수지", "PP", "25kg 포대", true},
                                       {"ABS 수지", "ABS", "25kg 포대", true},
                                       {"PA66 수지", "PA66", "25kg 포대", true},
                                       {"육각 볼트", "BOLT", "M8x20", false},
                                       {"플랜지 너트", "NUT", "M8", false},
                                       {"평 와셔", "WSR", "M8", false},
                                       {"고정 클립", "CLIP", "12mm", false}};

template <typename T, std::size_t N>
constexpr int countOf(const T (&)[N]) {
    return static_cast<int>(N);
}

std::vector<std::string> readColumn(sqlite3* db, const char* sql) {
    std::vector<std::string> out;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw engine::EngineError(SQLITE_ERROR, QString::fromUtf8(sqlite3_errmsg(db)));
    while (sqlite3_step(stmt) == SQLITE_ROW)
        out.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return out;
}

}  // namespace

PlantMasters::PlantMasters(const PlantShape& shape, Random& random) {
    makeCustomers(shape.customers);
    makeMachines(shape.machinesPerProcess);
    makeMaterials(shape.materials);
    makeProducts(shape.products, shape.componentsMean, random);
    for (int i = 0; i < shape.employees; ++i) {
        employees.push_back(format("E%03d", 101 + i));
        employeeNames_.push_back(std::string(kSurnames[i % countOf(kSurnames)]) +
                                 kGivenNames[(i / countOf(kSurnames)) % countOf(kGivenNames)]);
    }
}

void PlantMasters::makeCustomers(int count) {
    for (int i = 0; i < count; ++i) {
        const int heads = countOf(kCompanyHeads);
        customers.push_back(
            {format("C%03d", 6 + i), std::string(kCompanyHeads[i % heads]) +
                                         kCompanyTails[(i / heads) % countOf(kCompanyTails)]});
    }
}

void PlantMasters::makeMachines(int perProcess) {
    // The demo has two presses and one machine of each other process.
    const int demoMachines[4] = {2, 1, 1, 1};
    machinesOfProcess.resize(4);
    for (int p = 0; p < 4; ++p) {
        for (int n = 0; n < perProcess; ++n) {
            machinesOfProcess[p].push_back(static_cast<int>(machines.size()));
            machines.push_back({format("%s-%02d", kMachineLetters[p], demoMachines[p] + n + 1), p});
        }
    }
}

void PlantMasters::makeMaterials(int count) {
    for (int i = 0; i < count; ++i) {
        materials.push_back(format("RM-%05d", i + 1));
        materialInKg.push_back(kMaterialKinds[i % countOf(kMaterialKinds)].kg);
    }
}

void PlantMasters::makeProducts(int count, int componentsMean, Random& random) {
    const int materialCount = static_cast<int>(materials.size());
    auto usageOf = [&](int material, int low, int high) {
        return materialInKg[material] ? random.between(low, high) : 100 * random.between(1, 8);
    };
    // Product 0: fifty different materials.
    HistoryProduct fifty{kFiftyComponentProduct, 0, 3, machinesOfProcess[3].front(), true,
                         "SEAT FRAME ASSY 50",   {}};
    for (int m = 0; m < 50; ++m) fifty.components.push_back({m, usageOf(m, 10, 50)});
    products.push_back(std::move(fifty));

    // Presses make most parts, then injection, welding and assembly.
    const int processShare[4] = {40, 30, 15, 15};
    for (int i = 0; i < count; ++i) {
        int roll = random.below(100);
        int process = 0;
        while (roll >= processShare[process]) roll -= processShare[process++];
        const auto& own = machinesOfProcess[process];
        HistoryProduct p;
        p.code = format("%s-%05d", i % 4 == 3 ? "SF" : "FG", i + 1);
        p.customer = random.below(static_cast<int>(customers.size()));
        p.process = process;
        p.machine = own[random.below(static_cast<int>(own.size()))];
        p.finished = i % 4 != 3;
        const Named& part = kParts[i % countOf(kParts)];
        const Named& place = kPlaces[(i / countOf(kParts)) % countOf(kPlaces)];
        p.detail = std::string(place.english) + ' ' + part.english + kSides[i % 3];
        const int components = std::min(materialCount, random.between(1, 2 * componentsMean - 1));
        std::vector<int> chosen;
        while (static_cast<int>(chosen.size()) < components) {
            const int m = random.below(materialCount);
            if (std::find(chosen.begin(), chosen.end(), m) == chosen.end()) chosen.push_back(m);
        }
        for (int m : chosen) p.components.push_back({m, usageOf(m, 5, 250)});
        products.push_back(std::move(p));
    }
}

void PlantMasters::readDemo(sqlite3* db) {
    std::vector<std::string> demoEmployees =
        readColumn(db, "SELECT employee_no FROM B_EMPLOYEE ORDER BY employee_no");
    employees.insert(employees.begin(), demoEmployees.begin(), demoEmployees.end());
    defectCauses.clear();
    for (const char* process : kProcesses) {
        const std::string sql =
            std::string("SELECT processbad_code FROM B_PROCESSBAD1 WHERE process_code = '") +
            process + "' ORDER BY processbad_code";
        defectCauses.push_back(readColumn(db, sql.c_str()));
    }
    stopCauses = readColumn(db, "SELECT bigadong_code FROM B_BIGADONG ORDER BY bigadong_code");
}

void PlantMasters::write(sqlite3* db, const std::string& now) const {
    RowInserter customer(db, "B_CUSTOMER", {"customer_code", "customer_name"});
    for (const auto& c : customers) customer.text(c.code).text(c.name).insert();

    RowInserter equipment(db, "B_EQUIPMENT",
                          {"equipment_code", "equipment_name", "process_code", "ipaddress"});
    RowInserter realTime(db, "REAL_TIME", {"equipment_code", "bigadong", "work_time"});
    for (std::size_t i = 0; i < machines.size(); ++i) {
        const HistoryMachine& m = machines[i];
        // Documentation addresses: no real terminal has them.
        const std::string ip = i < 254 ? format("198.51.100.%d", static_cast<int>(i) + 1)
                                       : format("203.0.113.%d", static_cast<int>(i) - 253);
        const std::string name =
            format("%s %s호기", kMachineNames[m.process], m.code.substr(2).c_str());
        equipment.text(m.code).text(name).text(kProcesses[m.process]).text(ip).insert();
        realTime.text(m.code).text("FALSE").text(now).insert();
    }

    RowInserter employee(db, "B_EMPLOYEE", {"employee_no", "employee_name"});
    for (std::size_t i = 0; i < employeeNames_.size(); ++i) {
        const std::string& code = employees[employees.size() - employeeNames_.size() + i];
        employee.text(code).text(employeeNames_[i]).insert();
    }
    writeMaterials(db);
    writeProducts(db);
}

void PlantMasters::writeMaterials(sqlite3* db) const {
    RowInserter product(db, "B_PRODUCT_MASTER",
                        {"product_code", "pumbun", "eono", "product_name", "standard", "unit_code",
                         "type", "product_type_code", "abc", "culha_pumbun", "use_yn"});
    for (std::size_t i = 0; i < materials.size(); ++i) {
        const MaterialKind& kind = kMaterialKinds[i % countOf(kMaterialKinds)];
        const std::string number = format("%d", static_cast<int>(i / countOf(kMaterialKinds)) + 1);
        product.text(materials[i])
            .text(std::string(kind.code) + '-' + number)
            .text("")
            .text(std::string(kind.name) + ' ' + number)
            .text(kind.standard)
            .text(kind.kg ? "KG" : "EA")
            .text("원자재")
            .text("03")
            .text(i % 3 == 0 ? "A" : (i % 3 == 1 ? "B" : "C"))
            .text("")
            .text("1")
            .insert();
    }
}

void PlantMasters::writeProducts(sqlite3* db) const {
    RowInserter product(db, "B_PRODUCT_MASTER",
                        {"product_code", "pumbun", "eono", "product_name", "standard", "unit_code",
                         "type", "product_type_code", "car_code", "abc", "culha_pumbun",
                         "customer_code", "process_code", "equipment_code", "use_yn"});
    RowInserter bom(db, "B_BOM", {"bom_code", "high_bom_code", "product_code", "usage"});
    for (std::size_t i = 0; i < products.size(); ++i) {
        const HistoryProduct& p = products[i];
        const int n = static_cast<int>(i);
        const Named& part = kParts[(n + countOf(kParts) - 1) % countOf(kParts)];
        const Named& place = kPlaces[(n / countOf(kParts)) % countOf(kPlaces)];
        const char car = static_cast<char>('A' + n % 3);
        const std::string pumbun = format("%05d-%cX%d00", 60000 + n, car, p.process + 1);
        std::string plain = pumbun;
        plain.erase(5, 1);
        const std::string name =
            i == 0 ? std::string("시트 프레임 ASSY")
                   : std::string(place.korean) + ' ' + part.korean + kSides[(n + 2) % 3];
        product.text(p.code)
            .text(pumbun)
            .text(n % 5 == 0 ? "B" : "A")
            .text(name)
            .text(kStandards[p.process][n % 3])
            .text("EA")
            .text(p.finished ? "완제품" : "반제품")
            .text(p.finished ? "01" : "02")
            .text(format("CAR-%c", car))
            .text(n % 3 == 0 ? "A" : (n % 3 == 1 ? "B" : "C"))
            .text(plain)
            .text(customers[p.customer].code)
            .text(kProcesses[p.process])
            .text(machines[p.machine].code)
            // One product in twenty is discontinued: it has history but is no longer offered.
            .text(i > 0 && n % 20 == 0 ? "0" : "1")
            .insert();
        const std::string head = "BOM-" + p.code;
        bom.text(head).null().text(p.code).real(1.0).insert();
        for (std::size_t c = 0; c < p.components.size(); ++c) {
            const Component& k = p.components[c];
            bom.text(head + format("-%d", static_cast<int>(c) + 1))
                .text(head)
                .text(materials[k.material])
                .real(k.usage100 / 100.0)
                .insert();
        }
    }
}

}  // namespace mesbench
