#include "support/TempFolder.h"

#include <QFile>

#include "foundation/AppPaths.h"

namespace testsupport {

TempFolder::TempFolder() {
    mes::AppPaths::setConfigDir(dir_.path());
    mes::AppPaths::setProgramDir(dir_.path());
}

TempFolder::~TempFolder() { mes::AppPaths::reset(); }

QByteArray TempFolder::read(const QString& name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

}  // namespace testsupport
