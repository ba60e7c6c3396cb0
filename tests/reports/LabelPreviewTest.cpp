#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "reports/BoxLabel.h"
#include "reports/LabelTextGraphic.h"
#include "reports/ZplGraphic.h"
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

// What zbarimg reads in a picture.
QByteArray scan(const QImage& img, const testsupport::TempFolder& folder) {
    const QString path = folder.file("scan.png");
    if (!img.save(path)) return "(not saved)";
    QProcess zbar;
    zbar.start("zbarimg", {"--raw", "-q", path});
    if (!zbar.waitForFinished(30000)) return "(zbarimg from zbar-tools must be installed)";
    return zbar.readAllStandardOutput().trimmed();
}

TEST(LabelPreview, TheBarcodeDecodesToTheResultNumber) {
    testsupport::TempFolder folder;
    for (auto size : {reports::PackSize::Small, reports::PackSize::Large}) {
        const QImage img = ZplRenderer::render(reports::gfLABEL_LINES(sample(), size));
        ASSERT_EQ(img.size(), QSize(799, 759)) << "^PW799, ^LL0759";
        EXPECT_EQ(scan(img, folder), "20261208001001");
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

namespace {

// Rows of '#' (prints) and '.' as a picture.
QImage picture(const QStringList& rows) {
    QImage img(rows[0].size(), rows.size(), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            img.setPixel(x, y, rows[y][x] == '#' ? 0xFF000000 : 0xFFFFFFFF);
    return img;
}

TEST(LabelGraphic, CompressedFieldsAsThePrinterReadsThem) {
    const QString row8(QString("#...").repeated(100));
    struct Case {
        const char* what;
        QStringList rows;
        const char* field;
    };
    const Case cases[] = {
        {"white tail, repeated row, black row, white row, no tail",
         {"########" + QString(24, '.'), "########" + QString(24, '.'), QString(32, '#'),
          QString(32, '.'), QString("....####").repeated(4)},
         "^GFA,20,20,4,HF,:NF,0F0F0F0F"},
        {"a run of a hundred digits", {row8}, "^GFA,50,50,50,k8"},
        {"a row padded to whole bytes", {QString(12, '#')}, "^GFA,2,2,2,IF0"},
        {"pairs", {"#.#.#.#.", ".#.#.#.#"}, "^GFA,2,2,1,HAH5"},
    };
    for (const Case& c : cases) {
        const QImage img = picture(c.rows);
        const QString field = reports::gfZPL_GRAPHIC(img);
        EXPECT_EQ(field, c.field) << c.what;
        const QImage back = reports::gfZPL_GRAPHIC_PICTURE(field.mid(3));
        ASSERT_FALSE(back.isNull()) << c.what;
        EXPECT_EQ(back.copy(0, 0, img.width(), img.height()), img) << c.what;
    }
    // Counts that do not match the data, or data that is not the compression.
    for (const char* bad : {"A,8,8,4,HF,", "A,4,8,4,HF,:", "A,4,4,4,FFFFFF", "A,4,4,4,FFQ",
                            "A,4,4,4,FFXZ", "B,4,4,4,FFFFFFFF", "A,4,4,4,:"})
        EXPECT_TRUE(reports::gfZPL_GRAPHIC_PICTURE(bad).isNull()) << bad;
}

// The picture zebrash (zpl-renderer-js) makes of the bytes; null when the
// renderer is not installed (scripts/setup.sh installs it).
QImage zebrash(const QByteArray& job, const testsupport::TempFolder& folder, QString* missing) {
    const QString node = QStandardPaths::findExecutable("node");
    const QString dir = QStringLiteral(MES_ZEBRASH_DIR);
    if (node.isEmpty()) {
        *missing = "node is not installed";
        return {};
    }
    if (!QFileInfo::exists(dir + "/node_modules/zpl-renderer-js/package.json")) {
        *missing = "zpl-renderer-js is not installed in tools/zebrash (run scripts/setup.sh)";
        return {};
    }
    QFile f(folder.file("job.zpl"));
    if (!f.open(QIODevice::WriteOnly) || f.write(job) != job.size()) return {};
    f.close();
    QProcess p;
    p.start(node, {dir + "/render.mjs", f.fileName(), folder.file("zebrash.png"), "799", "759"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << "zebrash failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return QImage(folder.file("zebrash.png")).convertToFormat(QImage::Format_RGB32);
}

// Dark pixels in one picture and not the other.
int differing(const QImage& a, const QImage& b, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128);
    return n;
}

// The right-most printing dot of a line's graphic field, -1 for a text line.
int graphicRight(const QString& line) {
    const int at = line.indexOf("^GF");
    if (at < 0) return -1;
    const int x = line.mid(3, line.indexOf(',') - 3).toInt();
    const QImage g = reports::gfZPL_GRAPHIC_PICTURE(line.mid(at + 3, line.size() - at - 6));
    if (g.isNull()) return 100000;  // counts that do not match its data
    int right = 0;
    for (int gy = 0; gy < g.height(); ++gy)
        for (int gx = 0; gx < g.width(); ++gx)
            if (qGray(g.pixel(gx, gy)) < 128) right = std::max(right, gx);
    return x + right;
}

TEST(LabelGraphic, KoreanMixedAndLongTextsPrintAsThePreviewShows) {
    using reports::BoxLabel;
    const QString longName = "프론트 사이드 멤버 보강 브라켓 ASSY LH 2열 (도장 후 조립)";
    struct Case {
        const char* what;
        BoxLabel label;
        QList<int> graphics;  // lines sent as graphic fields (from 0)
    };
    const Case cases[] = {
        {"ASCII",
         {"30", "100000", "20261208001001", "FRONT BRKT", "84710-AX100", "84710AX100", "261208A"},
         {}},
        {"Korean name",
         {"30", "200", "20261208002001", "리어 브라켓 LH", "84720-AX200", "84720AX2", "2612081"},
         {28}},
        {"mixed texts",
         {"1", "50", "20261208003001", "브라켓 ASSY 2열", "관리-1234", "84720AX2-좌", "L한글123"},
         {26, 27, 28, 29}},
        {"long mixed name",
         {"2", "40", "20261208004001", longName, "64300-CX100", "64300CX100", "261208W"},
         {28}},
    };
    // The fields and captions between the rules, each compared on its own.
    struct Field {
        const char* what;
        QRect area;
        int line;  // the line that draws it
    };
    const Field fields[] = {
        {"company", QRect(30, 38, 749, 73), 8},
        {"control caption", QRect(30, 115, 272, 65), 19},
        {"control number", QRect(306, 115, 473, 65), 26},
        {"part caption", QRect(30, 184, 92, 282), 18},
        {"part number", QRect(126, 184, 653, 102), 27},
        {"barcode", QRect(126, 286, 653, 96), 25},
        {"product name", QRect(126, 383, 653, 83), 28},
        {"lot caption", QRect(30, 470, 544, 51), 17},
        {"judgement caption", QRect(578, 470, 201, 51), 16},
        {"lot", QRect(30, 525, 544, 152), 29},
        {"quantity caption", QRect(30, 681, 152, 56), 15},
        {"quantity", QRect(186, 681, 388, 56), 30},
        {"judgement box", QRect(578, 525, 201, 212), -1},
    };
    testsupport::TempFolder folder;
    for (const Case& c : cases) {
        const QStringList part = reports::gfLABEL_LINES(c.label, reports::PackSize::Small);
        const QStringList sent = reports::gfLABEL_PRINTABLE_LINES(part);
        ASSERT_EQ(sent.size(), part.size()) << c.what;
        for (int i = 0; i < part.size(); ++i) {
            const bool graphic = c.graphics.contains(i);
            if (!graphic) EXPECT_EQ(sent[i], part[i]) << c.what << " line " << i;
            EXPECT_EQ(sent[i].startsWith("^FO") && sent[i].contains("^GFA,"), graphic)
                << c.what << " line " << i;
            // Inside the frame, the lot left of the judgement box's rule.
            EXPECT_LT(graphicRight(sent[i]), i == 29 ? 575 : 779) << c.what << " line " << i;
            for (const QChar ch : sent[i]) ASSERT_LT(ch.unicode(), 0x7F) << c.what;
        }
        QByteArray bytes;
        for (const QString& l : sent) bytes += l.toUtf8() + '\n';
        const QImage preview = ZplRenderer::render(sent);
        EXPECT_EQ(scan(preview, folder), c.label.opSeqSub.toUtf8()) << c.what << " preview";
        QString missing;
        const QImage printed = zebrash(bytes, folder, &missing);
        if (printed.isNull() && !missing.isEmpty()) GTEST_SKIP() << missing.toStdString();
        ASSERT_EQ(printed.size(), preview.size()) << c.what;
        EXPECT_EQ(scan(printed, folder), c.label.opSeqSub.toUtf8()) << c.what << " zebrash";
        for (const Field& f : fields) {
            const int inPreview = ink(preview, f.area), inPrint = ink(printed, f.area);
            const std::string at = std::string(c.what) + ", " + f.what;
            if (f.line < 0) {
                EXPECT_EQ(inPreview + inPrint, 0) << at;
            } else if (c.graphics.contains(f.line)) {
                // The terminal's own dots on both sides: all but a few edge dots agree.
                EXPECT_GT(inPrint, 0) << at;
                EXPECT_LE(differing(preview, printed, f.area), inPrint / 50 + 2) << at;
            } else {
                // Font 0 against the preview's stand-in: about as much ink.
                EXPECT_GT(inPrint, inPreview / 2) << at << " " << inPreview << "/" << inPrint;
                EXPECT_LT(inPrint, inPreview * 2) << at << " " << inPreview << "/" << inPrint;
            }
        }
    }
}

}  // namespace
