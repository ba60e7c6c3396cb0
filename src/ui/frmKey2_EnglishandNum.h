#pragma once

#include <QList>

#include "ui/KeypadBase.h"

namespace mes {

// Letters, digits, hyphen and one point, with a Shift key for lower case.
class frmKey2_EnglishandNum : public KeypadBase {
    Q_OBJECT
  public:
    explicit frmKey2_EnglishandNum(QWidget* parent = nullptr);

    QPushButton* cmdshift = nullptr;
    QPushButton* Command15 = nullptr;  // hyphen
    QPushButton* Command3 = nullptr;   // point

    bool lowerCase() const { return lowerCase_; }
    int shiftCount() const { return shiftCount_; }
    QString pointFlag() const { return pointFlag_; }

  protected:
    void loadWindow() override;
    void typed(const QString& text) override;
    void clearEntry() override;
    void backSpace() override;

  private:
    void letter(QChar c);
    void point();
    void shift();
    void dropStaleResult();
    // Letter captions show the case the keys type.
    void showCase();

    QList<QPushButton*> letters_;

    bool lowerCase_ = false;
    int shiftCount_ = 2;
    QString pointFlag_ = QStringLiteral("0");
};

}  // namespace mes
