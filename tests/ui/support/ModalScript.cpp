#include "ui/support/ModalScript.h"

#include <gtest/gtest.h>

namespace uitest {

ModalScript::ModalScript() : previous_(mes::gfMODAL_DRIVER()) { mes::gsSET_MODAL_DRIVER(this); }

ModalScript::~ModalScript() {
    mes::gsSET_MODAL_DRIVER(previous_);
    if (!steps_.isEmpty()) {
        ADD_FAILURE() << steps_.size() << " dialog step(s) never used; next expected: "
                      << (steps_.first().name.isEmpty() ? std::string("any dialog")
                                                        : steps_.first().name.toStdString());
    }
}

ModalScript& ModalScript::then(Step step) {
    steps_.append(Queued{QString(), std::move(step)});
    return *this;
}

ModalScript& ModalScript::on(const QString& name, Step step) {
    steps_.append(Queued{name, std::move(step)});
    return *this;
}

ModalScript& ModalScript::press(const QString& button) {
    return then([button](DialogHandle& d) { d.press(button); });
}

ModalScript& ModalScript::keypad(const QString& keys) {
    return then([keys](DialogHandle& d) {
        d.type(keys);
        d.press(QStringLiteral("Command13"));
    });
}

ModalScript& ModalScript::cancelKeypad(const QString& keys) {
    return then([keys](DialogHandle& d) {
        d.type(keys);
        d.press(QStringLiteral("Command14"));
    });
}

ModalScript& ModalScript::notice(const QString& expectedText) {
    return on(QStringLiteral("frm_MSG_001"), [expectedText](DialogHandle& d) {
        if (!expectedText.isEmpty()) EXPECT_EQ(d.text(), expectedText);
        d.press(QStringLiteral("Command14"));
    });
}

ModalScript& ModalScript::ok(const QString& expectedText) {
    return on(QStringLiteral("MsgBox"), [expectedText](DialogHandle& d) {
        if (!expectedText.isEmpty()) EXPECT_EQ(d.text(), expectedText);
        d.press(QStringLiteral("OK"));
    });
}

QStringList ModalScript::texts() const {
    QStringList out;
    for (const Shown& s : shown_) out << s.text;
    return out;
}

void ModalScript::drive(QDialog& dialog) {
    DialogHandle handle(dialog);
    Shown seen{
        handle.name(), handle.title(), handle.text(), handle.icon(), handle.buttons(), {}, {}};
    if (steps_.isEmpty()) {
        shown_.append(seen);
        ADD_FAILURE() << "unexpected dialog " << seen.name.toStdString() << " \""
                      << seen.title.toStdString() << "\": " << seen.text.toStdString();
        dialog.reject();
        return;
    }
    // Taken before it runs: the step may open further dialogs.
    const Queued next = steps_.takeFirst();
    const int at = static_cast<int>(shown_.size());
    shown_.append(seen);
    if (!next.name.isEmpty() && next.name != seen.name) {
        ADD_FAILURE() << "expected dialog " << next.name.toStdString() << ", got "
                      << seen.name.toStdString() << ": " << seen.text.toStdString();
    }
    next.step(handle);
    shown_[at].entry = handle.entry();
    shown_[at].pressed = handle.pressed();
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the step left " << seen.name.toStdString() << " open";
        dialog.reject();
    }
}

}  // namespace uitest
