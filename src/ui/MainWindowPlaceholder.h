#pragma once

#include <QMainWindow>

namespace mes {

// The window shown once the Session is open, until the screens take over.
class MainWindowPlaceholder : public QMainWindow {
public:
    explicit MainWindowPlaceholder(const QString& engineText, QWidget* parent = nullptr);
};

}  // namespace mes
