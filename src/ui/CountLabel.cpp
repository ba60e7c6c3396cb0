#include "ui/CountLabel.h"

#include <QRegularExpression>

namespace mes {

namespace {

// "-12345" → "-12,345"; anything but a whole number is shown as it stands.
QString grouped(const QString& count) {
    static const QRegularExpression whole(QStringLiteral(R"(^([+-]?)(\d+)$)"));
    const QRegularExpressionMatch m = whole.match(count);
    if (!m.hasMatch()) return count;
    QString digits = m.captured(2);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, u',');
    return m.captured(1) + digits;
}

}  // namespace

void CountLabel::setCount(const QString& count) {
    count_ = count.trimmed();
    QLabel::setText(grouped(count_));
}

void CountLabel::setCount(qint64 count) { setCount(QString::number(count)); }

}  // namespace mes
