#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

namespace mes {

// Corrects the start time shown on the production screen: digits form "HH:MM",
// cmdSave checks it and hands it back into the production screen's lblStTime.
//
// The production screen opens it with frm_S_starttime::gsOPEN() from a touch on
// lblStTime; nothing is written to the database here.
class frm_S_starttime : public QDialog {
    Q_OBJECT
  public:
    explicit frm_S_starttime(QWidget* parent = nullptr);

    // Shows the dialog modally; returns the entry handed back ("" after a
    // rejected entry). handed: false when it was closed with Command14.
    static QString gsOPEN(bool* handed = nullptr);

    // The entry after one more digit / after a back-space; pure, for the keys.
    static QString gfADD_DIGIT(const QString& entry, QChar digit);
    static QString gfBACK_SPACE(const QString& entry);
    // True when the entry passes cmdSave's check.
    static bool gfVALID(const QString& entry);

    QLabel* lblStarttime = nullptr;
    QLabel* lblProduct_code = nullptr;
    QLabel* lblOp_seq_sub = nullptr;
    QLabel* lblProcess_code = nullptr;
    QLabel* lblJakup_date = nullptr;
    QLabel* lblJuya = nullptr;
    QList<QPushButton*> cmdNum;
    QPushButton* cmdBackSpace = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* Command14 = nullptr;

  private:
    void load();
    void cmdSave_Click();

    QString handedBack_;
    bool handed_ = false;
};

}  // namespace mes
