#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace mes {

// One row of the material grid as the booking sees it (values, no separators).
struct LotRow {
    QString product;    // "품번코드"
    QString usage;      // quantity per produced unit
    QString lot;        // "LOT NO"; empty: a continuation row not booked yet
    QString stock;      // "LOT재고"
    QString qty;        // "투입수량"
    bool copy = false;  // inserted by the booking below its component's row
};

struct LotStock {
    QString lot;
    double stock = 0;
};

// First-in first-out booking of the components' lots for a production change.
// Plain code over the rows; the look-ups are handed in (the Session's, or a
// test's). The lot cursor belongs to the caller: it is kept between bookings.
class LotBooking {
  public:
    using FirstLot = std::function<std::optional<LotStock>(const QString& product)>;
    using AllLots = std::function<QList<LotStock>(const QString& product)>;

    LotBooking(qint16& lvLotIdx, FirstLot first, AllLots all);
    // The two look-ups through the Session for the lots up to today; a failing
    // look-up (error-logged) counts as no lot.
    static LotBooking onSession(qint16& lvLotIdx, const QString& today, const QString& location);

    // Books every row; counted: the production count is not empty.
    void lsTuip_Sum(QList<LotRow>& rows, double change, bool counted);

    // The need of one component, free of binary fractions (0.45 x 20 is 9).
    static double need(double change, const QString& usage);

  private:
    // True when it inserted a continuation row below r.
    bool lsAutoLot(QList<LotRow>& rows, int r, double change);
    void lsAutoLotCopy(QList<LotRow>& rows, int r, double change);

    qint16& lvLotIdx_;
    FirstLot first_;
    AllLots all_;
};

}  // namespace mes
