#include "ui/TouchLabel.h"

#include <QMouseEvent>

#include "ui/Theme.h"

namespace mes {

TouchLabel::TouchLabel(QWidget* parent) : TouchLabel(QString(), parent) {}

TouchLabel::TouchLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setMinimumHeight(Theme::kRowHeight);
    setTextFormat(Qt::PlainText);
}

void TouchLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    down_ = true;
    event->accept();
}

void TouchLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !down_) return QLabel::mouseReleaseEvent(event);
    down_ = false;
    event->accept();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace mes
