// mes-scaled-plant PATH [--orders N] [--ledger M] [--open K]: builds a scaled plant
// for benchmarks, K of its history's orders left open, and prints how long it took
// and what it holds.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

#include "ScaledPlant.h"
#include "engine/Database.h"

namespace {

const char* const kTables[] = {"B_JAKUPJISI_MASTER", "P_SANGSAN_MASTER", "P_BADQTY",
                               "P_BIGADONG",         "S_PRODUCT_STORE",  "P_PRODUCT_STORE",
                               "S_LOT_HISTORY",      "P_PRODUCT_IPGO",   "M_MATERIAL_IPHA",
                               "Q_MOLDTEST_RESULT",  "B_PRODUCT_MASTER", "B_BOM",
                               "B_EQUIPMENT",        "B_CUSTOMER"};

void printCounts(const QString& path) {
    engine::Database db;
    db.open(path);
    for (const char* table : kTables) {
        const auto out = db.executeNative(QStringLiteral("SELECT COUNT(*) FROM ") + table);
        std::printf("%-20s %10lld\n", table, out.first().result.rows.first().first().toLongLong());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mes-scaled-plant"));
    const mesbench::ScaledPlantSize defaults;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds a scaled embedded plant for benchmarks"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("The new database file"));
    const QCommandLineOption orders(
        QStringLiteral("orders"),
        QStringLiteral("Work orders in all (default %1)").arg(defaults.orders), QStringLiteral("N"),
        QString::number(defaults.orders));
    const QCommandLineOption ledger(
        QStringLiteral("ledger"),
        QStringLiteral("Stock-ledger rows in all (default %1)").arg(defaults.ledgerRows),
        QStringLiteral("M"), QString::number(defaults.ledgerRows));
    const QCommandLineOption open(
        QStringLiteral("open"),
        QStringLiteral("History orders left open, spread over their dates (default 0)"),
        QStringLiteral("K"), QStringLiteral("0"));
    parser.addOptions({orders, ledger, open});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);

    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    bool ordersOk = false;
    bool ledgerOk = false;
    bool openOk = false;
    const mesbench::ScaledPlantSize size{parser.value(orders).toInt(&ordersOk),
                                         parser.value(ledger).toInt(&ledgerOk),
                                         parser.value(open).toInt(&openOk)};
    if (!ordersOk || !ledgerOk || !openOk || size.orders < 0 || size.ledgerRows < 0 ||
        size.openOrders < 0) {
        std::fprintf(stderr, "--orders, --ledger and --open take whole numbers\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!mesbench::createScaledPlant(path, size, &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%s\n%s in %.1f s, %.1f MB\n", path.toLocal8Bit().constData(),
                size.name().toLocal8Bit().constData(), timer.elapsed() / 1000.0,
                QFileInfo(path).size() / 1e6);
    printCounts(path);
    return 0;
}
