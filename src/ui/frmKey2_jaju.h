#pragma once

#include "ui/KeypadBase.h"

namespace mes {

// The inspection keypad: digits and a point for measured values, or a whole
// word "OK" / "NG" for a visual check. No clear key: back-space drops a word.
class frmKey2_jaju : public KeypadBase {
    Q_OBJECT
  public:
    explicit frmKey2_jaju(QWidget* parent = nullptr);

    QPushButton* Command3 = nullptr;  // point
    QPushButton* cmdOK = nullptr;
    QPushButton* cmd_NG = nullptr;

  protected:
    void typed(const QString& text) override;
    void backSpace() override;

  private:
    bool showsWord() const;
    void point();
    void word(const QString& w);
};

}  // namespace mes
