#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include "qt_run.h"
#include "support/temp_dir.h"
#include "ui/settings/settings_layout.h"
#include "ui/start/start_layout.h"

namespace qx::qt {
namespace {

using test::kPatienceMs;
using test::QtRun;

// At 96 dots per inch a pixel is 15 twips; each edge is rounded to the nearest pixel.
int px(int twips) { return (twips * 2 + 15) / 30; }

QRect pixelRect(const ControlLayout& row) {
    return QRect(QPoint(px(row.left), px(row.top)), QPoint(px(row.left + row.width) - 1, px(row.top + row.height) - 1));
}

struct WindowCase {
    const char* name;
    const WindowLayout& (*layout)();
};

const WindowCase kWindows[] = {{"Form1", startWindowLayout}, {"Form5", settingsWindowLayout}};

QtWindow& open(QtRun& run, std::string_view name) {
    return name == "Form1" ? run.startWindow() : run.openSettings();
}

TEST(QtWindowLayout, EveryControlSitsWhereTheLayoutPutsItInItsContainer) {
    for (const WindowCase& c : kWindows) {
        SCOPED_TRACE(c.name);
        QtRun run;
        QtWindow& window = open(run, c.name);
        ASSERT_DOUBLE_EQ(window.screen()->logicalDotsPerInchX(), 96.0);
        const WindowLayout& layout = c.layout();
        EXPECT_EQ(window.size(), QSize(px(layout.clientWidth), px(layout.clientHeight)));
        for (const ControlLayout& row : layout.controls) {
            QWidget* widget = window.control(row.name);
            ASSERT_NE(widget, nullptr) << row.name;
            EXPECT_EQ(widget->geometry(), pixelRect(row)) << row.name;
            QWidget* container = row.parent.empty() ? &window : window.control(row.parent);
            EXPECT_EQ(widget->parentWidget(), container) << row.name;
        }
    }
}

// The font families that stand in for the layouts' on a Debian system with fonts-liberation.
bool isFamilyOrStandIn(const QString& shown, std::string_view asked) {
    if (shown == QString::fromUtf8(asked.data(), static_cast<qsizetype>(asked.size()))) return true;
    return (asked == "Times New Roman" && shown == "Liberation Serif") || (asked == "Arial" && shown == "Liberation Sans");
}

TEST(QtWindowLayout, EveryControlHasTheLayoutsFont) {
    for (const WindowCase& c : kWindows) {
        SCOPED_TRACE(c.name);
        QtRun run;
        QtWindow& window = open(run, c.name);
        for (const ControlLayout& row : c.layout().controls) {
            if (row.font.family.empty()) continue;
            const QWidget& widget = *window.control(row.name);
            const QFontInfo shown(widget.font());
            EXPECT_TRUE(isFamilyOrStandIn(shown.family(), row.font.family))
                << row.name << " shows " << shown.family().toStdString();
            EXPECT_DOUBLE_EQ(widget.font().pointSizeF(), row.font.points) << row.name;
            EXPECT_EQ(shown.bold(), row.font.bold) << row.name;
            EXPECT_EQ(shown.italic(), row.font.italic) << row.name;
        }
    }
}

// The window drawn into a PNG file and read back.
QImage renderedPng(QWidget& window, const qx::test::TempDir& dir, const char* fileName) {
    const QString file = QString::fromStdString(dir.file(fileName));
    if (!window.grab().save(file, "PNG")) return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// A pixel of the picture is within a few steps of the colour (the JPEG's blue is not exact).
bool near(QColor shown, QColor expected, int tolerance = 0) {
    return std::abs(shown.red() - expected.red()) <= tolerance && std::abs(shown.green() - expected.green()) <= tolerance &&
           std::abs(shown.blue() - expected.blue()) <= tolerance;
}

std::string describe(QColor colour) { return colour.name().toStdString(); }

TEST(QtWindowRendering, TheStartWindowShowsItsColoursWhereTheLayoutPutsThem) {
    qx::test::TempDir dir;
    QtRun run;
    QtWindow& window = run.startWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, kPatienceMs));
    const QImage image = renderedPng(window, dir, "start-window.png");
    ASSERT_EQ(image.size(), QSize(774, 570));
    const QPalette system = QApplication::palette();
    const QColor highlight = system.color(QPalette::Active, QPalette::Highlight);

    // The bare surface, and the surface just right of the picture box, which clips the picture.
    for (const QPoint at : {QPoint(10, 10), QPoint(30, 400), QPoint(733, 60)}) {
        EXPECT_TRUE(near(image.pixelColor(at), highlight)) << at.x() << "," << at.y() << " " << describe(image.pixelColor(at));
    }
    // The picture: blue at the box's top-left corner, where the picture starts.
    EXPECT_TRUE(near(image.pixelColor(682, 50), QColor(0, 0, 255), 24)) << describe(image.pixelColor(682, 50));
    // The link box (Frame3 at 280, 384, 200 x 107 pixels) is white below and right of the words.
    for (const QPoint at : {QPoint(380, 470), QPoint(470, 440), QPoint(290, 480)}) {
        EXPECT_TRUE(near(image.pixelColor(at), Qt::white)) << at.x() << "," << at.y() << " " << describe(image.pixelColor(at));
    }
    // The words of the link are blue, on the label's second line.
    int blue = 0;
    for (int y = 384; y < 440; ++y) {
        for (int x = 280; x < 480; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 180 && c.red() < 90 && c.green() < 90) ++blue;
        }
    }
    EXPECT_GT(blue, 50) << "the link's caption is drawn in blue inside the white box";
    // The brand name is drawn in the highlight text colour across the top.
    const QColor brand = system.color(QPalette::Active, QPalette::HighlightedText);
    int brandPixels = 0;
    for (int x = 56; x < 600; ++x) brandPixels += near(image.pixelColor(x, 110), brand, 8) ? 1 : 0;
    EXPECT_GT(brandPixels, 40);
}

TEST(QtWindowRendering, TheSettingsWindowShowsItsFieldsWhereTheLayoutPutsThem) {
    qx::test::TempDir dir;
    QtRun run;
    QtWindow& window = run.openSettings();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, kPatienceMs));
    const QPalette system = QApplication::palette();
    const QColor highlight = system.color(QPalette::Active, QPalette::Highlight);
    const QColor fieldWhite = system.color(QPalette::Active, QPalette::HighlightedText);
    const QColor base = system.color(QPalette::Active, QPalette::Base);

    struct Spot {
        const char* what;
        QPoint at;
        QColor colour;
        int tolerance = 0;
    };
    // The style shades the inside of a frame a little.
    constexpr int kInsideFrame = 6;
    // Phone 1 (Text7) lies in Frame6 at 88, 432, 253 x 31 pixels; the mail server (Text20) in
    // Frame4 at 472, 160; the APN field (Text1, hidden in Auto mode) in Frame2 at 120, 160.
    const Spot autoMode[] = {
        {"bare surface", {5, 5}, highlight},
        {"inside Phone 1", {150, 447}, fieldWhite},
        {"left of Phone 1", {84, 447}, highlight, kInsideFrame},
        {"right of Phone 1", {346, 447}, highlight, kInsideFrame},
        {"inside the mail server", {600, 175}, base},
        {"where the hidden APN field would be", {200, 175}, highlight, kInsideFrame},
        {"inside Email 1", {500, 447}, fieldWhite},
    };
    const QImage image = renderedPng(window, dir, "settings-window.png");
    ASSERT_EQ(image.size(), QSize(774, 718));
    for (const Spot& spot : autoMode) {
        EXPECT_TRUE(near(image.pixelColor(spot.at), spot.colour, spot.tolerance))
            << spot.what << ": " << describe(image.pixelColor(spot.at)) << " instead of " << describe(spot.colour);
    }

    ASSERT_TRUE(test::pickWithKeyboard(QtRun::widget<QComboBox>(window, "Combo2"), "Manual"));
    const QImage manual = renderedPng(window, dir, "settings-window-manual.png");
    EXPECT_TRUE(near(manual.pixelColor(200, 175), fieldWhite))
        << "the APN field is drawn in Manual mode: " << describe(manual.pixelColor(200, 175));
}

}  // namespace
}  // namespace qx::qt
