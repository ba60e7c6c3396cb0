#include "foundation/UserInterface.h"

#include <cstdio>

namespace mes {

namespace {

class ConsoleUI : public UserInterface {
  public:
    void showMessage(const QString& title, const QString& text, Icon) override {
        std::fprintf(stderr, "[%s] %s\n", title.toLocal8Bit().constData(),
                     text.toLocal8Bit().constData());
    }
    bool askRetryCancel(const QString& title, const QString& text) override {
        showMessage(title, text, Icon::Question);
        return false;
    }
    void setBusy(bool) override {}
};

UserInterface*& installed() {
    static UserInterface* ui = nullptr;
    return ui;
}

}  // namespace

UserInterface& gvUI() {
    static ConsoleUI console;
    return installed() ? *installed() : console;
}

void gsSET_UI(UserInterface* ui) { installed() = ui; }

QString gfPRODUCT_NAME() { return QStringLiteral("Panel_Orvel"); }

}  // namespace mes
