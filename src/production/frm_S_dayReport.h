#pragma once

#include <QWidget>

class QLabel;

namespace mes {

class NavigationBar;

// The production screen of the run on this machine. The list and the start of
// a run show it, set the inputs below, then call lsQuery.
class frm_S_dayReport : public QWidget {
    Q_OBJECT
  public:
    explicit frm_S_dayReport(QWidget* parent = nullptr);

    // Inputs set by the caller.
    QString lvSerchSQL;                 // process filter of the caller; not read here
    QString lvEquipment_code;           // the terminal's machine
    QLabel* lblseq = nullptr;           // work-order number
    QLabel* lblOp_seq_sub = nullptr;    // the run to show
    QLabel* lblProcess_code = nullptr;  // work centre of the order

    NavigationBar* navigation = nullptr;

    // Loads the run named by the inputs (built out with the screen's fields).
    void lsQuery();
};

}  // namespace mes
