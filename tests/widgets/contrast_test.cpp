// Every text of the main window reads in a light and in a dark palette: each label that shows a
// text, measured on the rendered window, has a contrast of at least 4.5:1 with the window behind it,
// the coloured price differences included, whether the window starts in the palette or the palette
// changes while it is open.
#include "support/qtprinters.h"
#include "support/testfiles.h"
#include "ui/mainwindow.h"
#include "ui/qtcontrols.h"
#include "ui/textcolor.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QPalette darkPalette() {
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), text(0xee, 0xee, 0xee), grey(0x80, 0x80, 0x80);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, grey);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, grey);
    return p;
}

// Puts the application in a palette for the length of a test, and back.
class PaletteScope {
  public:
    PaletteScope() : saved_(QApplication::palette()) {}
    ~PaletteScope() { QApplication::setPalette(saved_); }

  private:
    QPalette saved_;
};

// The contrast of each label's text with the window behind it, as drawn: the background is the
// commonest colour of the label's area, the text the colour in it that stands out most.
QHash<QString, double> labelContrasts(MainWindow& window) {
    // A new palette reaches the widgets by posted events, and the shades follow it by one more.
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    QHash<QString, double> contrasts;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || !label->isEnabled() || label->text().trimmed().isEmpty())
            continue;
        const QRect area(label->mapTo(&window, QPoint(0, 0)) * scale, label->size() * scale);
        QHash<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[image.pixel(x, y)];
        }
        QRgb background = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > counts.value(background))
                background = it.key();
        }
        double best = 1;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            best = std::max(best, contrastRatio(QColor(it.key()), QColor(background)));
        contrasts.insert(label->objectName(), best);
    }
    return contrasts;
}

class ContrastTest : public ::testing::Test {
  protected:
    TestDir dir;
    PaletteScope scope;

    // A product picked, its differences shown: the cheapest red, the dearest lime, one plain, and
    // unsaved changes, so that 更新中 is drawn enabled.
    static void fill(MainWindow& window) {
        QtControls& c = window.controls();
        c.setText(u"EDT_TEIKA"_s, u"1000"_s);
        c.setText(u"EDT_1"_s, u"980"_s);
        c.setText(u"EDT_2"_s, u"1050"_s);
        c.setText(u"EDT_3"_s, u"1000"_s);
        window.form().SPD_SAGAKUClick();
        c.setText(u"LBL_KEN"_s, u"12件"_s);
        window.form().setDirty(true);
    }

    void expectReadable(MainWindow& window, const char* palette) {
        SCOPED_TRACE(palette);
        const QHash<QString, double> contrasts = labelContrasts(window);
        for (const char* name : {"LBL_SA_1", "LBL_SA_2", "LBL_SA_3", "LBL_KEN", "Label9", "LBL_KOUSIN"})
            EXPECT_TRUE(contrasts.contains(QString::fromLatin1(name))) << name << " was not measured";
        for (auto it = contrasts.cbegin(); it != contrasts.cend(); ++it)
            EXPECT_GE(it.value(), 4.5) << it.key().toStdString();
    }
};

TEST_F(ContrastTest, EveryLabelReadsInALightAndADarkPalette) {
    const QPalette light = QApplication::style()->standardPalette();
    QApplication::setPalette(light);
    MainWindow window(dir.path());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    fill(window);
    const QList<QRect> placed = [&] {
        QList<QRect> rects;
        for (const QWidget* w : window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            rects << w->geometry();
        return rects;
    }();
    EXPECT_EQ(window.controls().fontColor(u"LBL_SA_1"_s), colors::Red) << "the meaning stays";
    EXPECT_EQ(window.controls().fontColor(u"LBL_SA_2"_s), colors::Lime);
    expectReadable(window, "light");

    // The theme changes while the window is open; the shades follow it, nothing moves.
    QApplication::setPalette(darkPalette());
    expectReadable(window, "dark, changed while open");
    QList<QRect> after;
    for (const QWidget* w : window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        after << w->geometry();
    EXPECT_EQ(after, placed);

    // A window that starts in the dark palette; a product picked again resets the colours to black,
    // which is the palette's own text colour.
    MainWindow dark(dir.path());
    dark.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dark));
    fill(dark);
    expectReadable(dark, "dark from the start");
    dark.form().ClearEntryPanel();
    for (int row = 1; row <= 3; ++row)
        dark.controls().setText(u"LBL_SA_%1"_s.arg(row), u"-1,234"_s);
    expectReadable(dark, "dark, reset to black");
}

TEST(TextColor, ShadesKeepTheirHueAndReachTheContrast) {
    const struct {
        QColor meant, background;
    } cases[] = {
        {Qt::red, QColor(0xef, 0xef, 0xef)},
        {QColor(0x00, 0xff, 0x00), QColor(0xef, 0xef, 0xef)},
        {Qt::red, QColor(0x35, 0x35, 0x35)},
        {QColor(0x00, 0xff, 0x00), QColor(0x35, 0x35, 0x35)},
        {QColor(0xc0, 0xc0, 0xc0), Qt::white},
        {QColor(0xc0, 0xc0, 0xc0), QColor(0x20, 0x20, 0x20)},
        {QColor(0x00, 0x00, 0xff), QColor(0x80, 0x80, 0x80)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.meant.name().toStdString() + " on " + c.background.name().toStdString());
        const QColor shade = readableOn(c.meant, c.background);
        EXPECT_GE(contrastRatio(shade, c.background), 4.5);
        if (contrastRatio(c.meant, c.background) >= 4.5) {
            EXPECT_EQ(shade, c.meant) << "a colour that reads stays as it is";
        } else if (c.meant.hsvHue() >= 0 && shade.hsvSaturation() > 0) {
            EXPECT_NEAR(shade.hsvHue(), c.meant.hsvHue(), 2) << shade.name().toStdString();
        }
    }
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::red, Qt::red), 1.0, 1e-9);
}

} // namespace
