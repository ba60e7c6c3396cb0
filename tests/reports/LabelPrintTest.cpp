#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>

#include "ResultsFixture.h"
#include "reports/BoxLabel.h"
#include "reports/LabelPort.h"
#include "reports/LabelPreviewDialog.h"
#include "reports/LabelTextGraphic.h"
#include "ui/clsSpread.h"

using namespace mes;

namespace {

// A pseudo-terminal standing in for the printer: the terminal opens its slave
// as the label port, the test reads what arrived on the master.
class Printer {
  public:
    Printer() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            slave_ = QString::fromLocal8Bit(ptsname(master_));
    }
    ~Printer() {
        if (master_ >= 0) ::close(master_);
    }
    const QString& slave() const { return slave_; }
    QByteArray received() const {
        QByteArray out;
        char buf[4096];
        pollfd p{master_, POLLIN, 0};
        while (::poll(&p, 1, 100) > 0 && (p.revents & POLLIN)) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0) break;
            out.append(buf, n);
        }
        return out;
    }
    // Descriptors of this process still open on the slave.
    int openHandles() const {
        int n = 0;
        for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System))
            n += fd.symLinkTarget() == slave_;
        return n;
    }

  private:
    int master_ = -1;
    QString slave_;
};

class Labels : public reporttest::ResultsFixture {
  protected:
    void SetUp() override {
        ResultsFixture::SetUp();
        ASSERT_FALSE(printer.slave().isEmpty());
        LabelPort::setPortName(printer.slave());
        screen->btnFind_Click();
        row = rowOf(run(1));
        ASSERT_GT(row, 0);
    }
    void TearDown() override {
        LabelPort::setPortName({});
        ResultsFixture::TearDown();
    }
    // Types a pack quantity and a print count, then presses the row's print button.
    // A message the job is expected to end with, when given.
    void print(reports::PackSize size, const QString& pack, const QString& count,
               const QString& message = {}) {
        const bool small = size == reports::PackSize::Small;
        script.keypad(pack).keypad(count);
        confirmPreview();
        if (!message.isEmpty()) script.ok(message);
        touch(small ? "소포장수량" : "대포장수량", row);
        touch(small ? "소출력수" : "대출력수", row);
        touch(small ? "바코드소포장" : "바코드대포장", row);
    }
    void confirmPreview() {
        script.on("frmLabelPreview", [](auto& d) { d.press("cmdPrint"); });
    }

    Printer printer;
    int row = 0;
};

TEST_F(Labels, SmallAndLargePacksSendTheExactLinesInTheirFraming) {
    exec("UPDATE B_PRODUCT_MASTER SET product_name = 'REAR BRKT LH' WHERE product_code = 'FP-200'");
    const QString lot =
        value("SELECT lot_no FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + run(1) + "'")
            .toString()
            .left(7);
    for (auto size : {reports::PackSize::Small, reports::PackSize::Large}) {
        const bool small = size == reports::PackSize::Small;
        print(size, "50", "6");
        const QByteArray got = printer.received();
        const QStringList lines = {
            QString(QChar(16)) + "CT~~CD,~CC^~CT~",
            "^XA~TA000~JSN^LT0^MNW^MTT^PON^PMN^LH0,0^JMA^PR2,2~SD15^JUS^LRN^CI0^XZ",
            "^XA",
            "^MMT",
            "^PW799",
            "^LL0759",
            "^LS0",
            "^FO22,30^GB765,715,8^FS",
            "^FT44,99^A0N,73,72^FH\\^FDVORAK CORP^FS",
            "^FO25,112^GB755,0,3^FS",
            "^FO25,467^GB755,0,3^FS",
            "^FO25,522^GB755,0,3^FS",
            "^FO25,678^GB550,0,3^FS",
            "^FO25,181^GB755,0,3^FS",
            "^FT55,367^A0N,34,33^FH\\^FDNO^FS",
            "^FT35,723^A0N,34,33^FH\\^FDQTY / BOX^FS",
            "^FT602,511^A0N,34,33^FH\\^FDJUDGMENT^FS",
            "^FT165,511^A0N,34,33^FH\\^FDDELIVERY LOT NO^FS",
            "^FT39,316^A0N,34,33^FH\\^FDPART^FS",
            "^FT35,163^A0N,34,33^FH\\^FDCONTROL NUMBER^FS",
            "^FO123,184^GB0,286,3^FS",
            "^FO303,115^GB0,67,3^FS",
            "^FO183,682^GB0,59,3^FS",
            "^FO575,470^GB0,267,3^FS",
            small ? "^BY4,3,92^FT270,380^BCN,,N,N" : "^BY4,3,92^FT230,380^BCN,,N,N",
            "^FD>;" + run(1) + "^FS",
            "^FT325,165^A0N,50,35^FH\\^FD84720-AX200^FS",
            "^FT290,255^A0N,80,60^FH\\^FD84720AX2^FS",
            "^FT210,450^A0N,80,35^FH\\^FDREAR BRKT LH^FS",
            "^FT95,630^A0N,90,50^FH\\^FD" + lot + "^FS",
            "^FT335,720^A0N,35,35^FH\\^FD50^FS",
            "^PQ6,0,1,Y^XZ",
        };
        QByteArray want;
        for (const QString& l : lines) want += l.toUtf8() + (small ? "\n" : "");
        EXPECT_EQ(got, want) << (small ? "small" : "large");
        const QList<qsizetype> writes = LabelPort::lastWrites();
        if (small) {
            EXPECT_EQ(writes, QList<qsizetype>{got.size()}) << "one write";
        } else {
            ASSERT_EQ(writes.size(), lines.size()) << "one write per line";
            for (int i = 0; i < lines.size(); ++i)
                EXPECT_EQ(writes[i], lines[i].toUtf8().size()) << i;
        }
        EXPECT_EQ(printer.openHandles(), 0) << "closed after the job";
    }
}

TEST_F(Labels, KoreanTextsTravelAsTheGraphicFieldsThePreviewDrew) {
    // The demo product's name is Korean; the lot gets Korean too.
    exec("UPDATE P_SANGSAN_MASTER SET lot_no = '한글LOT1' WHERE op_seq_sub = '" + run(1) + "'");
    for (auto size : {reports::PackSize::Small, reports::PackSize::Large}) {
        const bool small = size == reports::PackSize::Small;
        QStringList shown;
        QString copies;
        script.keypad("50").keypad("30");
        script.on("frmLabelPreview", [&](auto& d) {
            shown = d.template as<LabelPreviewDialog>().lines();
            copies = d.template as<LabelPreviewDialog>().lblCopies->text();
            d.press("cmdPrint");
        });
        touch(small ? "소포장수량" : "대포장수량", row);
        touch(small ? "소출력수" : "대출력수", row);
        touch(small ? "바코드소포장" : "바코드대포장", row);
        const QByteArray got = printer.received();
        QByteArray want;
        for (const QString& l : shown) want += l.toUtf8() + (small ? "\n" : "");
        EXPECT_EQ(got, want) << "the bytes previewed, unchanged";
        EXPECT_EQ(got.count("^GFA,"), 2) << "product name and lot";
        EXPECT_TRUE(got.contains("^FT325,165^A0N,50,35^FH\\^FD84720-AX200^FS"));
        EXPECT_EQ(got.count("^PQ"), 1) << "thirty copies are one job";
        EXPECT_TRUE(got.contains("^PQ30,0,1,Y^XZ"));
        EXPECT_EQ(copies, "출력 매수: 30 장");
        EXPECT_TRUE(std::all_of(got.begin(), got.end(), [](char c) { return uchar(c) < 0x7F; }))
            << "font 0 prints ASCII only";
        EXPECT_EQ(LabelPort::lastWrites().size(), small ? 1 : shown.size());
    }
}

TEST_F(Labels, TextsChooseFontAndPlaceAtNineCharacters) {
    struct Case {
        const char* part;
        const char* name;
        const char* control;
        const char* partLine;
        const char* nameLine;
        const char* controlText;
    };
    const Case cases[] = {
        {"123456789", "ABCDEFGHI", "C-1", "^FT290,255^A0N,80,60^FH\\^FD123456789^FS",
         "^FT385,450^A0N,80,45^FH\\^FDABCDEFGHI^FS", "C-1"},
        {"1234567890", "ABCDEFGHIJ", "", "^FT230,255^A0N,70,50^FH\\^FD1234567890^FS",
         "^FT210,450^A0N,80,35^FH\\^FDABCDEFGHIJ^FS", "NULL"},
        // Carets and tildes would be commands to the printer: they go as hex.
        {"A^B~C\\D", "O'RING^X", "C~1", "^FT290,255^A0N,80,60^FH\\^FDA\\5EB\\7EC\\5CD^FS",
         "^FT385,450^A0N,80,45^FH\\^FDO'RING\\5EX^FS", "C\\7E1"},
    };
    for (const Case& c : cases) {
        exec(QString("UPDATE B_PRODUCT_MASTER SET culha_pumbun = '%1', product_name = '%2', "
                     "pumbun = '%3' WHERE product_code = 'FP-200'")
                 .arg(c.part, QString(c.name).replace("'", "''"), c.control));
        print(reports::PackSize::Large, "100", "3");
        const QByteArray got = printer.received();
        EXPECT_TRUE(got.contains(c.partLine)) << c.part;
        EXPECT_TRUE(got.contains(c.nameLine)) << c.name;
        EXPECT_TRUE(
            got.contains(QByteArray("^FT325,165^A0N,50,35^FH\\^FD") + c.controlText + "^FS"))
            << "control number '" << c.control << "'";
    }
}

TEST_F(Labels, AShortLotPrintsWholeAndAnEmptyCountIsSentEmpty) {
    exec("UPDATE P_SANGSAN_MASTER SET lot_no = 'L-12' WHERE op_seq_sub = '" + run(1) + "'");
    script.keypad("40");
    confirmPreview();
    touch("소포장수량", row);
    screen->spread->TextWithColID("소출력수", row, "");
    touch("바코드소포장", row);
    const QByteArray got = printer.received();
    EXPECT_TRUE(got.contains("^FT95,630^A0N,90,50^FH\\^FDL-12^FS"));
    EXPECT_TRUE(got.contains("^PQ,0,1,Y^XZ\n"));
}

TEST_F(Labels, RefusalsAndFailuresSendNothingAndKeepTheGrid) {
    using Icon = UserInterface::Icon;
    const auto small = reports::PackSize::Small;
    const auto large = reports::PackSize::Large;
    const QString refused = "\n출력할 수 없습니다.";
    struct Case {
        const char* what;
        reports::PackSize size;
        QString count;
        QString port;     // empty: the test's printer
        QString preview;  // the preview's answer; empty: no preview expected
        QString message;  // empty: no message expected
        Icon icon;
    };
    const Case cases[] = {
        {"zero small", small, "0", {}, {}, "소포장출력수가 0 입니다." + refused, Icon::Critical},
        {"zero large", large, "0", {}, {}, "대포장출력수가 0 입니다." + refused, Icon::Critical},
        {"huge count",
         small,
         "1000000000",
         {},
         {},
         "소포장출력수가 너무 큽니다." + refused,
         Icon::Critical},
        {"no port", small, "5", "/dev/no-such-label-port", "cmdPrint",
         "프린터의 연결상태를 확인하세요!!", Icon::Information},
        {"cancelled preview", large, "5", {}, "cmdCancel", {}, Icon::None},
    };
    for (const Case& c : cases) {
        const bool isSmall = c.size == small;
        LabelPort::setPortName(c.port.isEmpty() ? printer.slave() : c.port);
        script.keypad("30").keypad(c.count);
        touch(isSmall ? "소포장수량" : "대포장수량", row);
        touch(isSmall ? "소출력수" : "대출력수", row);
        if (!c.preview.isEmpty())
            script.on("frmLabelPreview", [&c](auto& d) { d.press(c.preview); });
        if (!c.message.isEmpty()) script.ok(c.message);
        const QString countId = isSmall ? "소출력수" : "대출력수";
        const QString before = cell(countId, row);
        const qsizetype seen = script.shown().size();
        touch(isSmall ? "바코드소포장" : "바코드대포장", row);
        if (!c.message.isEmpty()) {
            ASSERT_GT(script.shown().size(), seen) << c.what;
            EXPECT_EQ(script.shown().back().name, "MsgBox") << c.what;
            EXPECT_EQ(script.shown().back().icon, c.icon) << c.what;
            if (c.icon == Icon::Critical) EXPECT_EQ(script.shown().back().title, "오류");
        }
        EXPECT_EQ(printer.received(), QByteArray()) << c.what;
        EXPECT_EQ(cell(countId, row), before) << c.what;
        EXPECT_EQ(screen->spread->MaxRows(), 2) << c.what;
        EXPECT_FALSE(LabelPort::isOpen()) << c.what;
        EXPECT_EQ(printer.openHandles(), 0) << c.what;
    }
}

TEST_F(Labels, TypedNumbersGoAsNumbersAndARunWithoutLotIsRefused) {
    const int good = 12345;
    exec(QString("UPDATE P_SANGSAN_MASTER SET qty = %1 WHERE op_seq_sub = '%2'")
             .arg(good)
             .arg(run(1)));
    const auto small = reports::PackSize::Small;
    const auto large = reports::PackSize::Large;
    const char* lot = "'K-20261208-7'";
    const QString zero = "대포장출력수가 0 입니다.\n출력할 수 없습니다.";
    const QString noLot = "LOT NO가 없습니다.";
    const QString byDefault = QString::number((good + 1199) / 1200);
    struct Case {
        const char* what;
        reports::PackSize size;
        const char* lot;  // the run's lot_no, as SQL
        QString pack;     // typed
        QString count;    // typed; null: the default count
        QString sentPack;
        QString sentCount;
        QString message;  // a refusal: nothing sent
    };
    const Case cases[] = {
        {"leading zeros", small, lot, "01200", "07", "1200", "7", {}},
        {"default count", large, lot, "1200", {}, "1200", byDefault, {}},
        {"zeros only", large, lot, "500", "00", {}, {}, zero},
        {"no lot", small, "NULL", "1200", "3", {}, {}, noLot},
        {"empty lot", large, "''", "1200", "3", {}, {}, noLot},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        exec(QString("UPDATE P_SANGSAN_MASTER SET lot_no = %1 WHERE op_seq_sub = '%2'")
                 .arg(c.lot, run(1)));
        screen->btnFind_Click();
        row = rowOf(run(1));
        const bool isSmall = c.size == small;
        const QString packId = isSmall ? "소포장수량" : "대포장수량";
        script.keypad(c.pack);
        touch(packId, row);
        if (!c.count.isNull()) {
            script.keypad(c.count);
            touch(isSmall ? "소출력수" : "대출력수", row);
        }
        EXPECT_EQ(cell(packId, row), QLocale(QLocale::English).toString(c.pack.toInt()));
        if (c.message.isEmpty()) confirmPreview();
        if (!c.message.isEmpty()) script.ok(c.message);
        touch(isSmall ? "바코드소포장" : "바코드대포장", row);
        const QByteArray got = printer.received();
        if (!c.message.isEmpty()) {
            EXPECT_EQ(got, QByteArray());
            ASSERT_FALSE(script.shown().isEmpty());
            EXPECT_EQ(script.shown().back().title, "오류");
            EXPECT_EQ(script.shown().back().icon, UserInterface::Icon::Critical);
            continue;
        }
        QByteArray want;
        for (const QString& l : reports::gfLABEL_PRINTABLE_LINES(
                 reports::gfLABEL_LINES({c.sentCount, c.sentPack, run(1), "리어 브라켓 LH",
                                         "84720-AX200", "84720AX2", "K-20261"},
                                        c.size)))
            want += l.toUtf8() + (isSmall ? "\n" : "");
        EXPECT_EQ(got, want);
        EXPECT_TRUE(got.contains("^FT335,720^A0N,35,35^FH\\^FD" + c.sentPack.toUtf8() + "^FS"));
        EXPECT_TRUE(got.contains("^PQ" + c.sentCount.toUtf8() + ",0,1,Y^XZ"));
    }
}

TEST_F(Labels, AStalledPrinterFailsTheJobAndTheJobClosesThePort) {
    // More than the pseudo-terminal buffers while nobody reads: the write stalls.
    exec("UPDATE B_PRODUCT_MASTER SET product_name = '" + QString(100000, 'W') +
         "' WHERE product_code = 'FP-200'");
    print(reports::PackSize::Small, "50", "6", "프린터의 연결상태를 확인하세요!!");
    EXPECT_EQ(script.shown().back().icon, UserInterface::Icon::Information);
    EXPECT_FALSE(LabelPort::isOpen());
    EXPECT_EQ(printer.openHandles(), 0);
    EXPECT_LT(printer.received().size(), 100000) << "the job stopped part way";
}

}  // namespace
