#include "ui/MainWindowPlaceholder.h"

#include <QLabel>

namespace mes {

MainWindowPlaceholder::MainWindowPlaceholder(const QString& engineText, QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("작업지시목록"));
    auto* label = new QLabel(engineText, this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(1024, 768);
}

}  // namespace mes
