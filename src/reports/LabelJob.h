#pragma once

#include <QString>

#include "reports/BoxLabel.h"

namespace mes {

// One box-label job from a results row: the refusal of a zero count, the
// product look-up, the run's lot, the preview and the port.
class LabelJob {
  public:
    struct Row {
        QString printCount;
        QString boxQty;
        QString opSeqSub;
        QString productCode;
    };

    // The label the row prints; false (nothing shown) when the look-up failed.
    static bool compose(const Row& row, const QString& location, reports::BoxLabel* label);
    // The whole job. True when the label was sent.
    static bool run(const Row& row, reports::PackSize size, const QString& location);
};

}  // namespace mes
