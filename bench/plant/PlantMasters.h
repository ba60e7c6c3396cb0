#pragma once

#include <string>
#include <vector>

#include "PlantShape.h"
#include "Random.h"

struct sqlite3;

namespace mesbench {

struct HistoryCustomer {
    std::string code;
    std::string name;
};

struct HistoryMachine {
    std::string code;
    int process = 0;  // index into kProcesses
};

struct Component {
    int material = 0;
    int usage100 = 0;  // quantity per produced piece, in hundredths
};

struct HistoryProduct {
    std::string code;
    int customer = 0;
    int process = 0;
    int machine = 0;
    bool finished = true;  // "완제품"; else "반제품", which stays in process
    std::string detail;    // the order's product_name_detail
    std::vector<Component> components;
};

// The masters the history adds beside the demo's: customers, machines (with their
// addresses and REAL_TIME rows), employees, products with their bills of material,
// raw materials. Product 0 is the fifty-component product.
class PlantMasters {
  public:
    static constexpr const char* kProcesses[4] = {"1000", "2000", "3000", "4000"};

    PlantMasters(const PlantShape& shape, Random& random);

    // Reads what the history shares with the demo: employees and cause masters.
    void readDemo(sqlite3* db);
    // Inserts the history's masters; now is REAL_TIME's work_time.
    void write(sqlite3* db, const std::string& now) const;

    std::vector<HistoryCustomer> customers;
    std::vector<HistoryMachine> machines;
    std::vector<std::vector<int>> machinesOfProcess;
    std::vector<std::string> employees;
    std::vector<HistoryProduct> products;
    std::vector<std::string> materials;
    std::vector<bool> materialInKg;
    std::vector<std::vector<std::string>> defectCauses;  // per process
    std::vector<std::string> stopCauses;

  private:
    void makeCustomers(int count);
    void makeMachines(int perProcess);
    void makeMaterials(int count);
    void makeProducts(int count, int componentsMean, Random& random);
    void writeProducts(sqlite3* db) const;
    void writeMaterials(sqlite3* db) const;

    std::vector<std::string> employeeNames_;
};

}  // namespace mesbench
