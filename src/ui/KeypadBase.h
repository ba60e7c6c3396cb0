#pragma once

#include <QDialog>
#include <QString>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace mes {

// What the three touch keypads share: the entry Text2, clear, backspace, OK and
// cancel, and the hand-back string KEYPAD_no that outlives each showing.
class KeypadBase : public QDialog {
    Q_OBJECT
  public:
    // The hand-back value: the entry on OK, "" on cancel; kept between showings.
    // Every close other than OK (Escape, the window's close button, reject())
    // counts as cancel.
    QString KEYPAD_no;

    // Loads a fresh window (empty entry) and shows it modally through the host.
    // Returns KEYPAD_no.
    QString Show();

    void done(int result) override;

    QLineEdit* Text2 = nullptr;
    QPushButton* cmdBackSpace = nullptr;
    QPushButton* cmdCrea = nullptr;
    QPushButton* Command13 = nullptr;  // OK
    QPushButton* Command14 = nullptr;  // cancel

  protected:
    KeypadBase(const QString& name, const QString& caption, QWidget* parent);

    // The key grid the derived keypad fills; Text2 sits above it.
    QGridLayout* keys() const { return keys_; }
    // A key with the given name and caption that appends text when pressed.
    QPushButton* addTextKey(const QString& name, const QString& caption, const QString& text,
                            int row, int col);
    QPushButton* addKey(const QString& name, const QString& caption, int row, int col,
                        int rowSpan = 1, int colSpan = 1);
    // Places clear, backspace, OK and cancel.
    void placeControlKeys(int row, int col, bool vertical);

    // Each showing starts here: empty entry; derived keypads reset their state.
    virtual void loadWindow();
    // A character key was pressed.
    virtual void typed(const QString& text);
    virtual void clearEntry();
    virtual void backSpace();

  private:
    void ok();

    QGridLayout* keys_ = nullptr;
};

}  // namespace mes
