// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "common/Twips.h"
#include "game/GameState.h"
#include "windows/PlayArea.h"
#include "windows/ShellCover.h"

#include <QImage>
#include <QTest>
#include <random>

using namespace clavora;

namespace {
QImage paint(PlayArea& area, const SlotTable& table)
{
    area.sync(table);
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    area.render(&image);
    return image;
}
} // namespace

class PlayAreaTest : public QObject {
    Q_OBJECT

private slots:
    void theCoverHidesOnlyWhatOpaqueSpansCover()
    {
        // 130 pixels a row: three words, the last one partly used.
        ShellCover cover;
        cover.reset({130, 6});
        cover.add({0, 1}, {{0, 130}, {0, 64}, {63, 130}});
        cover.add({-10, 4}, {{0, 200}, {0, 200}});
        const struct {
            QRect rect;
            bool hidden;
        } cases[] = {
            {{0, 1, 130, 1}, true},   {{0, 1, 64, 2}, true},    {{0, 1, 65, 2}, false}, // row 2 ends at 63
            {{63, 3, 67, 1}, true},   {{62, 3, 2, 1}, false},   {{0, 0, 1, 1}, false},
            {{-50, 4, 500, 1}, true}, // outside the area nothing shows
            {{120, 4, 10, 3}, true},  {{5, 0, 1, 1}, false},    {{200, 0, 5, 5}, true},
        };
        for (const auto& c : cases)
            QVERIFY2(cover.hides(c.rect) == c.hidden, qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                     .arg(c.rect.x()).arg(c.rect.y())
                                                                     .arg(c.rect.width()).arg(c.rect.height())));
    }

    void opaqueRowsRunThroughTheMiddleAndNeedEveryDevicePixel()
    {
        QImage image(6, 4, QImage::Format_ARGB32);
        image.fill(qRgba(10, 20, 30, 255));
        image.setPixel(0, 0, qRgba(0, 0, 0, 0));
        image.setPixel(4, 1, qRgba(9, 9, 9, 254)); // nearly opaque is not opaque
        image.setPixel(3, 2, qRgba(0, 0, 0, 0));   // the middle itself
        const std::vector<RowSpan> rows = ShellCover::opaqueRows(image, 1.0);
        QCOMPARE(int(rows.size()), 4);
        QCOMPARE(std::pair(rows[0].begin, rows[0].end), std::pair(1, 6));
        QCOMPARE(std::pair(rows[1].begin, rows[1].end), std::pair(0, 4));
        QCOMPARE(rows[2].end - rows[2].begin, 0);
        QCOMPARE(std::pair(rows[3].begin, rows[3].end), std::pair(0, 6));
        // At twice the density one logical pixel is four device pixels.
        const std::vector<RowSpan> half = ShellCover::opaqueRows(image, 2.0);
        QCOMPARE(int(half.size()), 2);
        QCOMPARE(std::pair(half[0].begin, half[0].end), std::pair(1, 2));
        QCOMPARE(half[1].end - half[1].begin, 0);
    }

    void lettersHiddenBehindOthersAreLeftOutWithoutChangingThePicture()
    {
        // Enough letters to crowd the area, so that most lie wholly behind others.
        GameState game;
        game.allowedKeys = QStringLiteral("abcdefghijklmnopqrstuvwxyzWM@");
        test::FakeRandom random;
        random.fallback = 0.5;
        std::mt19937 engine(7);
        for (int i = 0; i < 600 * 6; ++i)
            random.queued.push_back(std::uniform_real_distribution<double>(0.0, 1.0)(engine));
        for (int i = 0; i < 600; ++i)
            spawnLetter(game, random, 100.0, 60);
        for (int i = 1; i <= game.letterSlots.size(); i += 3)
            game.letterSlots[i].rim = rgb(200, 55, 0); // burnt rims in between
        for (int i = 1; i <= game.letterSlots.size(); i += 7)
            game.letterSlots.raise(i);
        PlayArea crowded(nullptr);
        crowded.resize(twipsToPixels(PlayArea::WidthTwips), twipsToPixels(PlayArea::HeightTwips));
        const QImage culled = paint(crowded, game.letterSlots);
        // The same letters in an area so large that they do not crowd it: every one is painted.
        PlayArea roomy(nullptr);
        roomy.resize(crowded.size() * 3);
        const QImage full = paint(roomy, game.letterSlots);
        const QRect inner = QRect(QPoint(0, 0), crowded.size()).adjusted(3, 3, -3, -3); // clear of the frames
        QCOMPARE(culled.copy(inner), full.copy(inner));
    }
};

QTEST_MAIN(PlayAreaTest)
#include "test_play_area.moc"
