#include <gtest/gtest.h>

#include <QProcess>

#include "reports/BoxLabel.h"
#include "reports/ZplRenderer.h"
#include "support/TempFolder.h"

using namespace mes;

namespace {

reports::BoxLabel sample() {
    return {"3", "50", "20261208001001", "FRONT BRKT", "84710-AX100", "84710AX100", "261208/"};
}

// Dark pixels in a rectangle of the picture.
int ink(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += qGray(img.pixel(x, y)) < 128;
    return n;
}

TEST(LabelPreview, TheBarcodeDecodesToTheResultNumber) {
    testsupport::TempFolder folder;
    for (auto size : {reports::PackSize::Small, reports::PackSize::Large}) {
        const QImage img = ZplRenderer::render(reports::gfLABEL_LINES(sample(), size));
        ASSERT_EQ(img.size(), QSize(799, 759)) << "^PW799, ^LL0759";
        const QString path = folder.file("label.png");
        ASSERT_TRUE(img.save(path));
        QProcess zbar;
        zbar.start("zbarimg", {"--raw", "-q", path});
        ASSERT_TRUE(zbar.waitForFinished(30000)) << "zbarimg (zbar-tools) must be installed";
        EXPECT_EQ(zbar.readAllStandardOutput().trimmed(), "20261208001001");
    }
}

TEST(LabelPreview, TextsAndRulesStandWhereTheLinesPutThem) {
    const QImage img =
        ZplRenderer::render(reports::gfLABEL_LINES(sample(), reports::PackSize::Small));
    struct Area {
        const char* what;
        QRect rect;
        bool inked;
    };
    const Area areas[] = {
        {"company name above its baseline", QRect(44, 40, 200, 58), true},
        {"control number", QRect(325, 125, 150, 39), true},
        {"part number", QRect(290, 190, 200, 64), true},
        {"barcode bars", QRect(270, 300, 300, 78), true},
        {"lot", QRect(95, 560, 200, 69), true},
        {"quantity per box", QRect(335, 690, 40, 29), true},
        {"outer frame's left edge", QRect(22, 100, 7, 500), true},
        {"empty judgement box", QRect(590, 530, 180, 190), false},
        {"left of the barcode", QRect(130, 300, 120, 70), false},
    };
    for (const Area& a : areas) {
        const int n = ink(img, a.rect);
        if (a.inked)
            EXPECT_GT(n, 0) << a.what;
        else
            EXPECT_EQ(n, 0) << a.what;
    }
    // The frame's edge is solid: 8 dots of line all along.
    EXPECT_EQ(ink(img, QRect(22, 100, 8, 500)), 8 * 500);
}

TEST(LabelPreview, AnotherTextDrawsAnotherPicture) {
    const QRect control(325, 120, 300, 50);
    reports::BoxLabel other = sample();
    other.controlNo = "X";
    const QImage a =
        ZplRenderer::render(reports::gfLABEL_LINES(sample(), reports::PackSize::Small));
    const QImage b = ZplRenderer::render(reports::gfLABEL_LINES(other, reports::PackSize::Small));
    EXPECT_GT(ink(a, control), ink(b, control)) << "eleven characters ink more than one";
    EXPECT_EQ(a.copy(0, 200, 799, 559), b.copy(0, 200, 799, 559)) << "nothing else moved";
}

}  // namespace
