// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"
#include "ShellCover.h"
#include "game/SlotTable.h"

#include <QFrame>
#include <QHash>
#include <QPixmap>
#include <vector>

class QLabel;

namespace clavora {

// The game's play area: every shell and letter painted from cached pixmaps in stacking
// order, with the "GAME OVER!" label above them.
class PlayArea final : public QFrame {
    Q_OBJECT
public:
    explicit PlayArea(QWidget* parent);

    // Repaints the letters that changed since the last call.
    void sync(const SlotTable& table);
    void setBackground(Rgb colour);
    QLabel* gameOverLabel() const { return gameOverLabel_; }

    static constexpr int WidthTwips = 8475;
    static constexpr int HeightTwips = 4767;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Shown {
        QChar letter; // NUL: nothing shown
        std::int16_t left = 0;
        std::int16_t top = 0;
        Rgb fill = 0;
        Rgb rim = 0;
        std::uint64_t stacking = 0;
        bool operator==(const Shown&) const = default;
    };
    // A shell with its letter, made again only when one of them changes colour.
    struct Drawn {
        Rgb fill = 0;
        Rgb rim = 0;
        QChar letter;
        QPixmap disc;
        QPixmap shell;
    };

    static QRect shellRect(const Shown& s);
    void restack();
    QPixmap disc(Rgb fill) const;
    const std::vector<RowSpan>& opaqueRows();
    const QPixmap& shell(int slot);
    const QPixmap& rim(Rgb colour);
    const QPixmap& letter(QChar c, Rgb colour);
    QPixmap blank(QSize size) const;

    QLabel* gameOverLabel_;
    std::vector<Shown> shown_ = std::vector<Shown>(1); // by slot number; entry 0 unused
    std::vector<int> order_;                           // shown slots, back to front
    std::vector<int> restacked_;                       // slots that came, went or were raised
    std::vector<bool> moved_;                          // by slot number, while restacking
    ShellCover cover_;
    std::vector<RowSpan> opaqueRows_;                  // a shell's outline
    std::vector<int> painted_;                         // front to back
    std::vector<Drawn> drawn_;                         // by slot number
    QHash<Rgb, QPixmap> rims_;
    QHash<quint64, QPixmap> letters_;
};

} // namespace clavora
