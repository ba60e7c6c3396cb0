#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;

namespace mes {

// What the start- and end-time dialogs share: five header labels, the large
// "HH:MM" entry, the digit keys, back-space, cmdSave and Command14 (cancel).
// Each dialog keeps its own back-space and save rules.
class TimeEntryDialog : public QDialog {
    Q_OBJECT
  public:
    // The entry after one more digit: the ":" comes with the third digit.
    static QString gfADD_DIGIT(const QString& entry, QChar digit);

    QList<QPushButton*> cmdNum;
    QPushButton* cmdBackSpace = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* Command14 = nullptr;

  protected:
    struct Layout {
        QString name;
        QString title;
        QStringList fields;    // header labels, three to a row
        QStringList captions;  // fixed texts on the row below them
        QString entry;
    };
    TimeEntryDialog(const Layout& layout, QWidget* parent);

    QLabel* field(int index) const { return fields_.at(index); }
    QLabel* entry() const { return entry_; }

  private:
    virtual QString backSpaced(const QString& entry) const = 0;
    virtual void cmdSave_Click() = 0;

    QList<QLabel*> fields_;
    QLabel* entry_ = nullptr;
};

}  // namespace mes
