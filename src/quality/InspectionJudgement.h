#pragma once

#include <QString>
#include <QStringList>

namespace mes {

// The judgement of one measured or visual value against the item's limits as
// the standard holds them (texts; a limit that is no number counts as none).
// A number fails outside the limits there are, and with no limit at all; a
// text passes only as "OK", "양호" or empty.
bool gfINSPECTION_FAILS(const QString& value, const QString& min, const QString& max);

}  // namespace mes
