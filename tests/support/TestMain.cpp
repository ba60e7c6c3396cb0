#include <gtest/gtest.h>
#include <QApplication>

namespace {

QtMessageHandler previous = nullptr;

// A dialog that nobody could answer was rejected behind the test's back: the
// code under test went on as if cancelled. Only a test that expects it passes.
void failOnUnansweredDialog(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (type == QtCriticalMsg && qstrcmp(context.category, "mes.modal") == 0) {
        ADD_FAILURE() << message.toStdString();
    }
    if (previous) previous(type, context, message);
}

}  // namespace

// One main for every test binary: headless Qt, one application object.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    previous = qInstallMessageHandler(failOnUnansweredDialog);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
