#include "app/CheckOptions.h"

#include "foundation/AppPaths.h"
#include "foundation/BuildInfo.h"
#include "reports/LabelPort.h"

namespace mes {

CheckOptions CheckOptions::program(const QString& embeddedPath) {
    CheckOptions o;
    o.embeddedPath = embeddedPath;
    o.labelPort = LabelPort::portName();
    o.pictureShare = QString::fromUtf8(build::kPictureShare);
    o.updateBaseUrl = QString::fromUtf8(build::kUpdateBaseUrl);
    o.programDir = AppPaths::programDir();
    return o;
}

}  // namespace mes
