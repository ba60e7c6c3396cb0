#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>

#include "ResultsFixture.h"
#include "foundation/EmbeddedEngine.h"
#include "reports/MoveTicket.h"
#include "reports/ReportStatements.h"
#include "reports/TicketPainter.h"
#include "reports/TicketPreviewDialog.h"
#include "ui/clsSpread.h"

using namespace mes;

namespace {

class Ticket : public reporttest::ResultsFixture {
  protected:
    void SetUp() override {
        ResultsFixture::SetUp();
        MoveTicket::setPdfFolder(folder.path());
    }
    void TearDown() override {
        MoveTicket::setPdfFolder({});
        ResultsFixture::TearDown();
    }
    void choose(const QString& opSeqSub) {
        screen->btnFind_Click();
        const int r = rowOf(opSeqSub);
        ASSERT_GT(r, 0);
        touch("작업지시번호", r);
    }
    int handOffRows() const { return value("SELECT COUNT(*) FROM S_DATAREPORT1").toInt(); }
};

TEST_F(Ticket, RunsThatCannotBeTicketedGetTheirMessageAndNoRow) {
    struct Case {
        const char* what;
        QString opSeqSub;
        QString arrange;
        QString message;
    };
    const Case cases[] = {
        {"open run without lot", run(2), "", "LOT NO가 없습니다."},
        {"run row gone", run(1), "DELETE FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + run(1) + "'",
         "생산이 완료된 품번이 아닙니다. 확인후 다시 출력하세요."},
    };
    for (const Case& c : cases) {
        choose(c.opSeqSub);
        if (!c.arrange.isEmpty()) exec(c.arrange);
        script.ok(c.message);
        screen->btn_gongjung->click();
        ASSERT_FALSE(script.shown().isEmpty());
        EXPECT_EQ(script.shown().back().title, "오류") << c.what;
        EXPECT_EQ(handOffRows(), 0) << c.what;
    }
}

TEST_F(Ticket, TheTagCarriesTheRowWrittenAndPrintsToPdf) {
    exec("UPDATE B_CAR SET car_name = 'AB' WHERE car_code = 'CAR-A'");
    exec("UPDATE P_SANGSAN_MASTER SET edate = '2013-05-10' WHERE op_seq_sub = '" + run(1) + "'");
    exec("UPDATE B_PRODUCT_MASTER SET product_name = 'O''RING' WHERE product_code = 'FP-200'");
    choose(run(1));
    QList<QVariantList> written;
    QImage tag;
    QString pdf;
    // The hand-off row as the ticket reads it back (it is gone before the preview).
    session.setTrace([&](const TraceEvent& e) {
        if (e.statement != reports::gfTICKET_READ_SQL()) return;
        written = rows(
            "SELECT car_name, car_name2, car_name3, jakup_date, jakup_date2, barcode, "
            "lot_no, palette_ea, op_seq_sub2, bigo, product_name, product_name2 FROM "
            "S_DATAREPORT1");
    });
    script.on("DataReport1", [&](uitest::DialogHandle& d) {
        auto& dialog = d.as<TicketPreviewDialog>();
        tag = TicketPainter::image(dialog.fields(), 200);
        pdf = dialog.pdfPath();
        d.press("cmdPdf");
    });
    script.ok();  // where the PDF went
    screen->btn_gongjung->click();
    ASSERT_EQ(written.size(), 1);
    const QString lot =
        value("SELECT lot_no FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + run(1) + "'").toString();
    EXPECT_EQ(written[0],
              (QVariantList{"AB - CAR", "AB - CAR", "AB", "2013년 05월 10일 ", "2013년 05월 10일 ",
                            "*" + run(1) + "*", lot, "296", run(1), "", "O'RING", "O'RING"}));
    EXPECT_EQ(handOffRows(), 0) << "emptied once shown";

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << pdf.toStdString();
    EXPECT_TRUE(file.read(5) == "%PDF-");

    // zbar reports one symbol per distinct text in a picture: read each half alone.
    for (int half = 0; half < 2; ++half) {
        const QString png = folder.file(QString("half%1.png").arg(half));
        ASSERT_TRUE(tag.copy(half * tag.width() / 2, 0, tag.width() / 2, tag.height()).save(png));
        QProcess zbar;
        zbar.start("zbarimg", {"--raw", "-q", "-Sdisable", "-Scode39.enable", png});
        ASSERT_TRUE(zbar.waitForFinished(30000));
        EXPECT_EQ(zbar.readAllStandardOutput().trimmed(), run(1).toUtf8()) << "half " << half;
    }
}

TEST_F(Ticket, TwoTerminalsPrintingAtOnceEachGetTheirOwnTicket) {
    exec("UPDATE P_SANGSAN_MASTER SET qty = 12345, lot_no = 'N-LOT ''야간''' WHERE op_seq_sub = '" +
         run(2) + "'");
    exec("UPDATE P_SANGSAN_MASTER SET qty = 1200 WHERE op_seq_sub = '" + run(1) + "'");
    Session other;  // the second terminal, on the same database
    other.setEngineFactory([p = dbPath] { return std::make_unique<EmbeddedEngine>(p); });
    ASSERT_TRUE(other.connect());
    choose(run(1));
    QVariantMap mine;
    QVariantMap theirs;
    int rowsWhileShown = -1;
    script.on("DataReport1", [&](uitest::DialogHandle& d) {
        mine = d.as<TicketPreviewDialog>().fields();
        rowsWhileShown = handOffRows();
        // The other terminal prints while this preview is still open.
        gsSET_SESSION(&other);
        MoveTicket::run({run(2), "프레스", "B차종", "12345", day(), "FP-200", "84720-AX200",
                         "리어 브라켓 LH", "박지훈"},
                        "frm_S_Report_Sangsan");
        gsSET_SESSION(&session);
        d.press("cmdClose");
    });
    script.on("DataReport1", [&](uitest::DialogHandle& d) {
        theirs = d.as<TicketPreviewDialog>().fields();
        d.press("cmdClose");
    });
    screen->btn_gongjung->click();
    EXPECT_EQ(rowsWhileShown, 0) << "the hand-off row is gone before the preview";
    const QVariantList own =
        rows("SELECT lot_no, qty FROM P_SANGSAN_MASTER WHERE op_seq_sub = '" + run(1) + "'")
            .value(0);
    ASSERT_EQ(own.size(), 2);
    auto ticket = [](const QVariantMap& f) {
        return QStringList{f.value("세부전표번호").toString(), f.value("세부전표번호2").toString(),
                           f.value("LOT_NO").toString(), f.value("용기수량").toString()};
    };
    EXPECT_EQ(ticket(mine), (QStringList{run(1), run(1), own[0].toString(), own[1].toString()}));
    EXPECT_EQ(ticket(theirs), (QStringList{run(2), run(2), "N-LOT '야간'", "12345"}));
    EXPECT_EQ(theirs.value("차종명").toString(), "B차종 - CAR");
    EXPECT_FALSE(script.texts().contains("저장실패"));
    EXPECT_EQ(handOffRows(), 0);
}

TEST_F(Ticket, AFailedWriteIsReportedAndTheTableEmptied) {
    // A row left behind by a broken terminal blocks the insert on its key.
    exec("INSERT INTO S_DATAREPORT1 (idx, car_name) VALUES (1, 'stale')");
    choose(run(1));
    script.ok();  // the driver's description
    script.ok("저장실패");
    script.on("DataReport1", [](uitest::DialogHandle& d) { d.press("cmdClose"); });
    screen->btn_gongjung->click();
    EXPECT_EQ(handOffRows(), 0);
    const QStringList texts = script.texts();
    EXPECT_TRUE(texts.contains("저장실패"));
}

TEST_F(Ticket, NoPrinterIsReportedAndThePreviewStaysOpen) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    choose(run(1));
    bool stillOpen = false;
    script.on("DataReport1", [&](uitest::DialogHandle& d) {
        d.press("cmdPrint");
        stillOpen = d.as<TicketPreviewDialog>().isVisible();
        d.press("cmdClose");
    });
    script.ok("프린터의 연결상태를 확인하세요!!");
    screen->btn_gongjung->click();
    EXPECT_TRUE(stillOpen) << "the operator can still save a PDF";
    EXPECT_EQ(handOffRows(), 0);
}

}  // namespace
