#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "ui/ModalHost.h"

namespace mes {
class clsSpread;
}  // namespace mes

namespace mesload {

// The simulated operator's hands on the modal dialogs of one terminal: each
// dialog the screens open is answered by the next queued step, which presses
// the dialog's real buttons and keys. An unexpected dialog is rejected and
// noted; the terminal reports it as a finding.
class ShiftOperator : public mes::ModalDriver {
  public:
    using Step = std::function<void(QDialog&)>;

    ShiftOperator();
    ~ShiftOperator() override;

    // The next dialog must carry this object name ("" for any).
    void on(const QString& name, Step step);
    // The next dialog is the keypad: types keys, then OK.
    void keypad(const QString& keys);
    // The next dialog is a notice (frm_MSG_001), optionally with this text: closed.
    void notice(const QString& text = {});

    // Clicks the button with this object name, else this caption; false when none.
    static bool press(QDialog& dialog, const QString& nameOrCaption);
    static bool type(QDialog& dialog, const QString& keys);
    // A touch on a grid cell (row from 1, the column by its ID).
    static void touch(mes::clsSpread& spread, int row, const QString& colId);
    // The first row whose colId cell is value; 0 when none.
    static int rowOf(const mes::clsSpread& spread, const QString& colId, const QString& value);

    int pending() const { return static_cast<int>(steps_.size()); }
    void clear() { steps_.clear(); }
    // Dialogs nobody expected, steps that failed: "name: text".
    const QStringList& problems() const { return problems_; }

    void drive(QDialog& dialog) override;

  private:
    struct Queued {
        QString name;
        Step step;
    };
    QList<Queued> steps_;
    QStringList problems_;
    mes::ModalDriver* previous_;
};

}  // namespace mesload
