// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/LayoutFile.h"
#include "windows/Geometry.h"
#include "windows/HeatMapWidget.h"

#include <QApplication>
#include <QTest>

using namespace clavora;

namespace {
QPoint inside(const TwipsBox& b)
{
    return twipsRect(b.left, b.top, b.width, b.height).topLeft() + QPoint(3, 3);
}
} // namespace

class HeatMapWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void weakKeysShowRedAndKeysWithoutDataGrey()
    {
        const QString data = qEnvironmentVariable("CLAVORA_DATA");
        const KeyCapTable table = readLayoutFile(data + "/Layouts/QWERTZ - German.kbl").table;
        std::vector<CharacterStrokes> strokes;
        for (const QChar c : QStringLiteral("qwertzuiopasdfghjklyxcvbnm"))
            strokes.push_back({c, 200, c == u'q' || c == u'p' ? 40 : 4});
        strokes.push_back({u' ', 300, 6});
        strokes.push_back({u'\u0436', 200, 4}); // no key of this layout types it
        HeatMap heatMap(table, strokes, 20);
        heatMap.keyboard.windowColour = 0x202020;
        heatMap.keyboard.textColour = 0xFFFFFF;

        HeatMapWidget widget;
        widget.setHeatMap(heatMap, 20);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const QImage image = widget.grab().toImage();
        if (qEnvironmentVariableIsSet("CLAVORA_SCREENSHOT"))
            image.save(qEnvironmentVariable("CLAVORA_SCREENSHOT"));

        const auto colourOf = [&](const KeyShape& shape) { return image.pixelColor(inside(shape.box)); };
        QCOMPARE(colourOf(heatMap.keyboard.keys[13]), QColor(255, 0, 0)); // q
        QCOMPARE(colourOf(heatMap.keyboard.keys[22]), QColor(255, 0, 0)); // p
        QCOMPARE(colourOf(heatMap.keyboard.keys[14]), QColor(51, 200, 0)); // w: 2 % on a scale to 20 %
        QCOMPARE(colourOf(heatMap.keyboard.keys[1]), QColor(128, 128, 128)); // 1: no strokes
        QCOMPARE(colourOf(heatMap.keyboard.shape(NamedShape::Spacebar)), QColor(51, 200, 0)); // 2 %
        // The legend lies below the keyboard and shows both ends of the scale and the grey.
        QCOMPARE(widget.height(), widget.sizeHint().height());
        const int legendTop = twipsToPixels(KeyboardClientHeightTwips);
        const auto legendShows = [&](auto matches) {
            for (int y = legendTop; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (matches(image.pixelColor(x, y)))
                        return true;
            return false;
        };
        QVERIFY(legendShows([](QColor c) { return c.red() < 40 && c.green() > 180 && c.blue() == 0; }));
        QVERIFY(legendShows([](QColor c) { return c.red() > 240 && c.green() < 30 && c.blue() == 0; }));
        QVERIFY(legendShows([](QColor c) { return c == QColor(128, 128, 128); }));
        // Under the grey's swatch, in the text colour: the characters without a key.
        const auto namedUnderTheSwatch = [&] {
            for (int y = legendTop + 18; y < image.height(); ++y)
                for (int x = image.width() * 3 / 5; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == QColor(255, 255, 255))
                        return true;
            return false;
        };
        QVERIFY(namedUnderTheSwatch());
    }
};

QTEST_MAIN(HeatMapWidgetTest)
#include "test_heat_map_widget.moc"
