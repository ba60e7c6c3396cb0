#pragma once

#include "ui/KeypadBase.h"

namespace mes {

// Numeric keypad for quantities and counts: digits only, no point, no sign.
class frmKey2 : public KeypadBase {
    Q_OBJECT
  public:
    explicit frmKey2(QWidget* parent = nullptr);

  protected:
    frmKey2(const QString& name, const QString& caption, QWidget* parent);

  private:
    void build();
};

}  // namespace mes
