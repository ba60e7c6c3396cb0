// Writes three box labels for the README: mes-label-samples OUTDIR. For each,
// label-NAME.zpl holds the bytes the terminal sends (small pack) and
// label-NAME-preview.png the picture its preview shows; scripts/label-samples.sh
// has the independent renderer draw the bytes beside them.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "reports/BoxLabel.h"
#include "reports/LabelPreviewDialog.h"
#include "reports/LabelTextGraphic.h"
#include "ui/Theme.h"

using namespace mes;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Theme::apply(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: mes-label-samples OUTDIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    struct Sample {
        const char* name;
        reports::BoxLabel label;
    };
    const Sample samples[] = {
        {"ascii",
         {"30", "200", "20261208001001", "FRONT BRKT", "84710-AX100", "84710AX100", "2612081"}},
        {"korean",
         {"30", "200", "20261208002001", "리어 브라켓 LH", "84720-AX200", "84720AX2", "2612082"}},
        {"long",
         {"12", "50", "20261208003001", "프론트 사이드 멤버 보강 브라켓 ASSY LH 2열 (도장 후 조립)",
          "64300-CX100", "64300CX100", "2612083"}},
    };
    int failed = 0;
    for (const Sample& s : samples) {
        const QStringList lines = reports::gfLABEL_PRINTABLE_LINES(
            reports::gfLABEL_LINES(s.label, reports::PackSize::Small));
        QByteArray bytes;
        for (const QString& l : lines) bytes += l.toUtf8() + '\n';
        const QString base = dir.filePath(QStringLiteral("label-%1").arg(s.name));
        QFile f(base + QStringLiteral(".zpl"));
        failed += !(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        failed += !LabelPreviewDialog(lines).picture().save(base + QStringLiteral("-preview.png"));
    }
    return failed ? 1 : 0;
}
