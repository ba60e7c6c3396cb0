#pragma once

#include <QDialog>
#include <QList>

class QGridLayout;
class QLabel;
class QPushButton;

namespace mes {

class TouchLabel;

// The moulding-condition sheet of the work order in progress, for today. Takes
// the order, product and date from the production screen when it loads; every
// value is typed on the inspection keypad; hands nothing back.
class frm_S_test : public QDialog {
    Q_OBJECT
  public:
    explicit frm_S_test(QWidget* parent = nullptr);

    // Context, copied from the production screen.
    QLabel* lblOp_seq_sub = nullptr;  // the work order's seq
    QLabel* lblProduct_code = nullptr;
    QLabel* lblproduct_name = nullptr;
    QLabel* lblDate = nullptr;  // "yyyy-MM-dd": the sheet's date
    QLabel* lblpumbun = nullptr;

    // Entry arrays; a label's caption is its value, empty = nothing entered.
    QList<TouchLabel*> lbl_cylinder, lbl_sacul, lbl_speed, lbl_mm;  // 5 each
    QList<TouchLabel*> lbltime_s, lbltime_n, lbltime_h;             // day, night
    QList<TouchLabel*> lbl_cv_ju, lbl_cv_ya, lbl_shot_ju, lbl_shot_ya, lbl_gadong_ju,
        lbl_gadong_ya;  // 3 each

    QPushButton* btnSave = nullptr;
    QPushButton* btnCancel = nullptr;

    // Loads from the production screen and shows the sheet modally.
    void Show();
    void Form_Load();
    void lsQuery();
    void btnSave_Click();
    void btnCancel_Click();

    // The entry label of a column of Q_MOLDTEST_RESULT.
    TouchLabel* entry(const QString& column) const;

  private:
    void buildHeader(QGridLayout* g);
    void buildStages(QGridLayout* g, int top);
    void buildTimes(QGridLayout* g, int top);
    void buildCounts(QGridLayout* g, int top);
    QList<TouchLabel*> makeArray(const QString& name, const QStringList& columns);
    // A touch on an entry: the keypad's answer replaces the caption.
    void keyIn(TouchLabel* label);
    void close(bool saved);

    QList<QPair<QString, TouchLabel*>> entries_;
};

}  // namespace mes
