// The moulding-condition sheet: its layout as one paper sheet.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "quality/frm_S_test.h"
#include "ui/Theme.h"
#include "ui/TouchLabel.h"

namespace mes {

namespace {

QLabel* caption(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    l->setMinimumHeight(Theme::kRowHeight);
    l->setStyleSheet(QStringLiteral("background: rgb(214,224,236);"));
    return l;
}

QLabel* shown(QWidget* parent, const QString& name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Box);
    l->setMinimumHeight(Theme::kRowHeight);
    l->setStyleSheet(QStringLiteral("background: white;"));
    return l;
}

QStringList numbered(const QString& stem, int count) {
    QStringList c;
    for (int n = 1; n <= count; ++n) c << stem + QString::number(n);
    return c;
}

void captions(QGridLayout* g, QWidget* parent, int row, int col, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) g->addWidget(caption(parent, texts[i]), row, col + i);
}

}  // namespace

frm_S_test::frm_S_test(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_S_test"));
    setWindowTitle(QStringLiteral("성형검사 등록"));
    resize(1024, 768);
    auto* layout = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    g->setSpacing(3);
    buildHeader(g);
    buildStages(g, 1);
    buildTimes(g, 8);
    buildCounts(g, 11);
    // Value columns of even width, as on the paper sheet.
    for (int c = 1; c <= 9; ++c) g->setColumnStretch(c, 1);
    layout->addLayout(g);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnSave = new QPushButton(QStringLiteral("등     록"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnCancel = new QPushButton(QStringLiteral("취      소"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnSave, btnCancel}) {
        b->setMinimumSize(Theme::kKeySize * 2, Theme::kButtonHeight);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(btnSave, &QPushButton::clicked, this, &frm_S_test::btnSave_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frm_S_test::btnCancel_Click);
}

void frm_S_test::buildHeader(QGridLayout* g) {
    lblOp_seq_sub = shown(this, QStringLiteral("lblOp_seq_sub"));
    lblOp_seq_sub->hide();
    lblProduct_code = shown(this, QStringLiteral("lblProduct_code"));
    lblProduct_code->hide();
    lblDate = shown(this, QStringLiteral("lblDate"));
    lblpumbun = shown(this, QStringLiteral("lblpumbun"));
    lblproduct_name = shown(this, QStringLiteral("lblproduct_name"));
    g->addWidget(caption(this, QStringLiteral("날짜")), 0, 0);
    g->addWidget(lblDate, 0, 1, 1, 2);
    g->addWidget(caption(this, QStringLiteral("품번")), 0, 3);
    g->addWidget(lblpumbun, 0, 4, 1, 2);
    g->addWidget(caption(this, QStringLiteral("품명")), 0, 6);
    g->addWidget(lblproduct_name, 0, 7, 1, 3);
}

QList<TouchLabel*> frm_S_test::makeArray(const QString& name, const QStringList& columns) {
    QList<TouchLabel*> out;
    for (int i = 0; i < columns.size(); ++i) {
        auto* l = new TouchLabel(this);
        l->setObjectName(name + u'_' + QString::number(i));
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumHeight(Theme::kRowHeight);
        l->setStyleSheet(QStringLiteral("background: rgb(255,255,192);"));
        connect(l, &TouchLabel::clicked, this, [this, l] { keyIn(l); });
        entries_.append({columns[i], l});
        out << l;
    }
    return out;
}

void frm_S_test::buildStages(QGridLayout* g, int top) {
    lbl_cylinder =
        makeArray(QStringLiteral("lbl_cylinder"), numbered(QStringLiteral("cylinder"), 5));
    lbl_sacul = makeArray(QStringLiteral("lbl_sacul"), numbered(QStringLiteral("sacul"), 5));
    lbl_speed = makeArray(QStringLiteral("lbl_speed"), numbered(QStringLiteral("speed"), 5));
    lbl_mm = makeArray(QStringLiteral("lbl_mm"), numbered(QStringLiteral("mm"), 5));
    captions(
        g, this, top, 1,
        {QStringLiteral("H1"), QStringLiteral("H2"), QStringLiteral("H3"), QStringLiteral("HN")});
    captions(g, this, top + 2, 1,
             {QStringLiteral("1차"), QStringLiteral("2차"), QStringLiteral("3차"),
              QStringLiteral("4차"), QStringLiteral("보압1차")});
    captions(g, this, top + 5, 1,
             {QStringLiteral("보압2차"), QStringLiteral("쿠션량"), QStringLiteral("석백")});
    g->addWidget(caption(this, QStringLiteral(" 사 출")), top + 3, 0);
    g->addWidget(caption(this, QStringLiteral(" 속       도 (mm/s, %)")), top + 4, 0);
    g->addWidget(caption(this, QStringLiteral(" 계 량  거 리 (mm)")), top + 6, 0);
    const QList<TouchLabel*>* rows[] = {&lbl_cylinder, &lbl_sacul, &lbl_speed, &lbl_mm};
    const int at[] = {top + 1, top + 3, top + 4, top + 6};
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 5; ++i) g->addWidget(rows[r]->at(i), at[r], 1 + i);
    }
}

void frm_S_test::buildTimes(QGridLayout* g, int top) {
    lbltime_s = makeArray(QStringLiteral("lbltime_s"),
                          {QStringLiteral("time_s_ju"), QStringLiteral("time_s_ya")});
    lbltime_n = makeArray(QStringLiteral("lbltime_n"),
                          {QStringLiteral("time_n_ju"), QStringLiteral("time_n_ya")});
    lbltime_h = makeArray(QStringLiteral("lbltime_h"),
                          {QStringLiteral("time_h_ju"), QStringLiteral("time_h_ya")});
    g->addWidget(caption(this, QStringLiteral("시 간")), top, 0);
    captions(g, this, top, 1,
             {QStringLiteral("사 출"), QStringLiteral("냉 각"), QStringLiteral("행 정")});
    const QList<TouchLabel*>* cols[] = {&lbltime_s, &lbltime_n, &lbltime_h};
    for (int shift = 0; shift < 2; ++shift) {
        g->addWidget(caption(this, shift == 0 ? QStringLiteral("주") : QStringLiteral("야")),
                     top + 1 + shift, 0);
        for (int c = 0; c < 3; ++c) g->addWidget(cols[c]->at(shift), top + 1 + shift, 1 + c);
    }
}

void frm_S_test::buildCounts(QGridLayout* g, int top) {
    lbl_cv_ju = makeArray(QStringLiteral("lbl_cv_ju"), numbered(QStringLiteral("cv_ju"), 3));
    lbl_shot_ju = makeArray(QStringLiteral("lbl_shot_ju"), numbered(QStringLiteral("shot_ju"), 3));
    lbl_gadong_ju =
        makeArray(QStringLiteral("lbl_gadong_ju"), numbered(QStringLiteral("gadong_ju"), 3));
    lbl_cv_ya = makeArray(QStringLiteral("lbl_cv_ya"), numbered(QStringLiteral("cv_ya"), 3));
    lbl_shot_ya = makeArray(QStringLiteral("lbl_shot_ya"), numbered(QStringLiteral("shot_ya"), 3));
    lbl_gadong_ya =
        makeArray(QStringLiteral("lbl_gadong_ya"), numbered(QStringLiteral("gadong_ya"), 3));
    // Three blocks side by side, three values wide, rows day and night.
    const QString heads[] = {QStringLiteral("생산 C/V 수"), QStringLiteral("생산 SHOT수"),
                             QStringLiteral(" 가 동 시 간")};
    const QList<TouchLabel*>* day[] = {&lbl_cv_ju, &lbl_shot_ju, &lbl_gadong_ju};
    const QList<TouchLabel*>* night[] = {&lbl_cv_ya, &lbl_shot_ya, &lbl_gadong_ya};
    g->addWidget(caption(this, QStringLiteral("주")), top + 1, 0);
    g->addWidget(caption(this, QStringLiteral("야")), top + 2, 0);
    for (int b = 0; b < 3; ++b) {
        g->addWidget(caption(this, heads[b]), top, 1 + 3 * b, 1, 3);
        for (int i = 0; i < 3; ++i) {
            g->addWidget(day[b]->at(i), top + 1, 1 + 3 * b + i);
            g->addWidget(night[b]->at(i), top + 2, 1 + 3 * b + i);
        }
    }
}

}  // namespace mes
