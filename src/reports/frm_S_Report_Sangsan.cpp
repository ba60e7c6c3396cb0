#include "reports/frm_S_Report_Sangsan.h"

#include <QBoxLayout>
#include <QPushButton>

#include "reports/LabelJob.h"
#include "reports/MoveTicket.h"
#include "ui/Theme.h"
#include "ui/TouchDatePicker.h"
#include "ui/clsSpread.h"
#include "ui/frmKey2.h"

namespace mes {

namespace {

struct Col {
    const char* head;
    const char* id;
    int width;
    SpreadCellType type;
    bool shown;
    bool editable;
};

// Record-set columns fill these by position.
const Col kColumns[] = {
    {"작업지시번호", "작업지시번호", 14, SpreadCellType::Text, true, false},
    {"생산실적순번", "생산실적순번", 14, SpreadCellType::Text, false, false},
    {"공정코드", "공정코드", 8, SpreadCellType::Text, false, false},
    {"공정명", "공정명", 8, SpreadCellType::Text, true, false},
    {"설비명", "설비명", 10, SpreadCellType::Text, true, false},
    {"product_code", "product_code", 10, SpreadCellType::Text, false, false},
    {"품번", "품번", 12, SpreadCellType::Text, true, false},
    {"Rev.No", "Rev.No", 6, SpreadCellType::Text, false, false},
    {"품명", "품명", 14, SpreadCellType::Text, true, false},
    {"계획수량", "계획수량", 7, SpreadCellType::Number, true, false},
    {"생산수량", "생산수량", 7, SpreadCellType::Number, true, false},
    {"양품수량", "양품수량", 7, SpreadCellType::Number, true, false},
    {"불량수량", "불량수량", 7, SpreadCellType::Number, true, false},
    {"소포장\n수량", "소포장수량", 6, SpreadCellType::Number, true, true},
    {"소포장\n출력수", "소출력수", 6, SpreadCellType::Number, true, true},
    {"바코드\n소포장", "바코드소포장", 6, SpreadCellType::Button, true, false},
    {"대포장\n수량", "대포장수량", 6, SpreadCellType::Number, true, true},
    {"대포장\n출력수", "대출력수", 6, SpreadCellType::Number, true, true},
    {"바코드\n대포장", "바코드대포장", 6, SpreadCellType::Button, true, false},
    {"사번", "사번", 6, SpreadCellType::Text, false, false},
    {"성명", "성명", 8, SpreadCellType::Text, false, false},
    {"차종명", "차종명", 10, SpreadCellType::Text, false, false},
    {"종료날짜", "종료날짜", 10, SpreadCellType::Text, false, false},
};

const QString kPrintCaption = QStringLiteral("출력");

// Copies needed for qty at pack per box: rounded up; no pack size, no copies.
qint64 copies(const QString& qty, const QString& pack) {
    bool okQty = false;
    bool okPack = false;
    const qint64 q = qty.toLongLong(&okQty);
    const qint64 p = pack.toLongLong(&okPack);
    if (!okQty || !okPack || p <= 0 || q <= 0) return 0;
    return q / p + (q % p ? 1 : 0);
}

}  // namespace

frm_S_Report_Sangsan::frm_S_Report_Sangsan(QWidget* parent)
    : ProcessHistoryScreen(QStringLiteral("frm_S_Report_Sangsan"),
                           QStringLiteral("실적내역 전체조회"), QStringLiteral("btnJakupList"),
                           parent) {
    dtpSt_date = new TouchDatePicker(QStringLiteral("dtpSt_date"), this);
    toolRow()->insertWidget(0, dtpSt_date);
    btn_gongjung = new QPushButton(QStringLiteral("공정이동표 출력"), this);
    btn_gongjung->setObjectName(QStringLiteral("btn_gongjung"));
    btn_gongjung->setMinimumHeight(Theme::kButtonHeight);
    btn_gongjung->setFont(Theme::font(Theme::kFontPixels, true));
    toolRow()->addWidget(btn_gongjung);
    connect(btn_gongjung, &QPushButton::clicked, this, &frm_S_Report_Sangsan::btn_gongjung_Click);
    connect(spread, &clsSpread::Click, this, &frm_S_Report_Sangsan::ss_Click);
    connect(spread, &clsSpread::ButtonClicked, this, &frm_S_Report_Sangsan::ss_ButtonClicked);
    defineGrid();
    load();
}

void frm_S_Report_Sangsan::defineGrid() {
    const int count = static_cast<int>(std::size(kColumns));
    spread->SetInit(0, count, Theme::kRowHeight, 0, Theme::kFontPixels, false, true, false, 2);
    for (int i = 0; i < count; ++i) {
        const Col& c = kColumns[i];
        SpreadColumn col;
        col.head = QString::fromUtf8(c.head);
        col.id = QString::fromUtf8(c.id);
        col.width = c.width;
        col.type = c.type;
        col.hidden = !c.shown;
        col.locked = !c.editable;
        col.showSep = c.type == SpreadCellType::Number;
        col.halign = c.type == SpreadCellType::Number ? 1 : 0;
        if (c.editable) col.back = Theme::editable();
        if (c.type == SpreadCellType::Button) col.caption = kPrintCaption;
        spread->SetColType(i + 1, col);
    }
    spread->SetCellText(QStringLiteral("바코드소포장"), -1, kPrintCaption);
    spread->SetCellText(QStringLiteral("바코드대포장"), -1, kPrintCaption);
}

QString frm_S_Report_Sangsan::queryDate() const { return dtpSt_date->text(); }

QString frm_S_Report_Sangsan::historySql(const QString& ip, const QString& filter) const {
    return reports::gfRESULTS_SQL(queryDate(), ip, filter);
}

void frm_S_Report_Sangsan::lsSum() {
    for (int row = 1; row <= spread->MaxRows(); ++row) {
        const QString good = spread->ValueWithColID(QStringLiteral("양품수량"), row);
        spread->ValueWithColID(
            QStringLiteral("소출력수"), row,
            QString::number(
                copies(good, spread->ValueWithColID(QStringLiteral("소포장수량"), row))));
        spread->ValueWithColID(
            QStringLiteral("대출력수"), row,
            QString::number(
                copies(good, spread->ValueWithColID(QStringLiteral("대포장수량"), row))));
    }
}

void frm_S_Report_Sangsan::ss_Click(int col, int row) {
    if (row < 1 || row > spread->MaxRows()) return;
    const QString id = spread->GetColID(col);
    const bool pack = id == QStringLiteral("소포장수량") || id == QStringLiteral("대포장수량");
    const bool count = id == QStringLiteral("소출력수") || id == QStringLiteral("대출력수");
    if (!pack && !count) return;
    frmKey2 key(this);
    const QString entry = key.Show();
    if (pack && entry.isEmpty()) return;  // a cancelled pack quantity keeps the old one
    spread->TextWithColID(id, row, entry);
    if (pack) lsSum();
}

void frm_S_Report_Sangsan::ss_ButtonClicked(int col, int row) {
    if (row < 1 || row > spread->MaxRows()) return;
    const QString id = spread->GetColID(col);
    if (id == QStringLiteral("바코드소포장")) printLabel(row, reports::PackSize::Small);
    if (id == QStringLiteral("바코드대포장")) printLabel(row, reports::PackSize::Large);
}

QString frm_S_Report_Sangsan::raw(const QString& id, int row) const {
    // Unformatted, and empty stays empty: an empty print count is not "0".
    if (spread->TextWithColID(id, row).isEmpty()) return {};
    return spread->ValueWithColID(id, row);
}

void frm_S_Report_Sangsan::printLabel(int row, reports::PackSize size) {
    const bool small = size == reports::PackSize::Small;
    LabelJob::Row r;
    r.printCount = raw(small ? QStringLiteral("소출력수") : QStringLiteral("대출력수"), row);
    r.boxQty = raw(small ? QStringLiteral("소포장수량") : QStringLiteral("대포장수량"), row);
    r.opSeqSub = spread->TextWithColID(QStringLiteral("생산실적순번"), row);
    r.productCode = spread->TextWithColID(QStringLiteral("product_code"), row);
    LabelJob::run(r, size, objectName());
}

void frm_S_Report_Sangsan::btn_gongjung_Click() {
    const int row = spread->ActiveRow();
    if (row < 1 || row > spread->MaxRows()) return;
    auto text = [this, row](const char* id) {
        return spread->TextWithColID(QString::fromUtf8(id), row);
    };
    MoveTicket::Row r;
    r.opSeqSub = text("생산실적순번");
    r.processName = text("공정명");
    r.carName = text("차종명");
    r.goodQty = raw(QStringLiteral("양품수량"), row);
    r.finishDate = text("종료날짜");
    r.productCode = text("product_code");
    r.pumbun = text("품번");
    r.productName = text("품명");
    r.employeeName = text("성명");
    MoveTicket::run(r, objectName());
}

}  // namespace mes
