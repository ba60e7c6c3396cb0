#pragma once

#include <QDialog>
#include <optional>

class QPushButton;
class QTableView;
class QVBoxLayout;

namespace mes {

class clsSpread;

// What the defect and downtime entries share: a grid of causes with one
// number column typed on the keypad, cmdSave and Command14 (close unsaved).
class CauseEntryDialog : public QDialog {
    Q_OBJECT
  public:
    QTableView* ss = nullptr;
    clsSpread* spread = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* Command14 = nullptr;

    // A touch on a cell: the keypad for the number column.
    void ss_Click(int col, int row);

  protected:
    CauseEntryDialog(const QString& name, const QString& caption, QString numberColumn,
                     QWidget* parent);
    // Space above the grid for the dialog's own fields.
    QVBoxLayout* body() const { return body_; }

    virtual void cmdSave_Click() = 0;
    // Unloads the dialog (the registry needs its type).
    virtual void unload() = 0;
    // Saved or closed: unload and end the modal session.
    void finish(bool saved);

    // The number cells of every row as 32-bit counts; nothing and a message
    // (nothing written) when one is not a whole number of that range.
    std::optional<QList<qint32>> numberCells();

  private:
    QString numberColumn_;
    QVBoxLayout* body_ = nullptr;
};

}  // namespace mes
