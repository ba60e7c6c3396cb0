#pragma once

#include <QString>

namespace mesload {

// The masters of one simulated terminal: its own machine, customer, product and
// components, so that no other terminal books its lots between its count and its end.
struct ShiftNames {
    int terminal = 0;
    QString machine() const {
        return QStringLiteral("SIM-%1").arg(terminal, 2, 10, QLatin1Char('0'));
    }
    QString customer() const {
        return QStringLiteral("SC%1").arg(terminal, 2, 10, QLatin1Char('0'));
    }
    QString product() const {
        return QStringLiteral("SP-%1").arg(terminal, 2, 10, QLatin1Char('0'));
    }
    QString component(int k) const { return product() + u'-' + QChar(u'A' + k); }
    // The l-th lot (from 0) of a component as the plant receives it.
    static QString lot(const QString& component, int l) {
        return QStringLiteral("L%1-%2").arg(component).arg(l + 1, 3, 10, QLatin1Char('0'));
    }
    // The machine's address: the terminal's own (192.0.2.100 + terminal).
    int addressByte() const { return 100 + terminal; }
    static constexpr int kComponents = 3;
    // Each component's use per piece: whole, fractional kilograms, several per piece.
    static double usage(int k) { return k == 0 ? 1 : k == 1 ? 0.45 : 2; }
};

}  // namespace mesload
