// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "keyboard/KeyboardControl.h"
#include "keyboard/KeyboardUi.h"
#include "KeyboardPainter.h"

#include <QBasicTimer>
#include <QKeySequence>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <QtGlobal>
#include <vector>

class QAction;

namespace clavora {

// The on-screen keyboard. It follows the key tracker's changes, never a timer, and repaints
// only the keys whose look changed, each from a cached picture of that key. Its context menu
// shows the weak keys and offers the desktop's own layout file.
class KeyboardWindow final : public QWidget, public KeyboardUi {
    Q_OBJECT
public:
    // Ctrl+H: the window takes no other shortcut but F1, and typing in it only lights keys.
    static inline const QKeySequence WeakKeysShortcut = QKeySequence(Qt::CTRL | Qt::Key_H);

    KeyboardWindow(AppSettings& settings, ProgramPaths paths, const KeyState& keys, const DesktopKeyboard& desktop,
                   const HistoryFigures& figures);

    void colourWindow(Rgb windowColour, Rgb textColour);
    void loadLayout();
    // The Coach's next character outlined and named; null for none.
    void showNextCharacter(QChar character);
    // How ready the Coach finds each letter, as a bar on its key; empty for none.
    void showReadiness(const QHash<QChar, double>& readiness);
    const KeyboardControl& control() const { return control_; }

    // KeyboardUi
    void showNotice(const QString& text) override;

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    static constexpr int MaxCaptionsPerKey = 3;
    // The caption names the next key at most this often while keys come: each new caption
    // costs the program more than the key's own painting, in the window manager's answers.
    static constexpr int CaptionPauseMilliseconds = 250;
    // What a key's picture depends on besides the window's colours and the layout.
    struct Look {
        Rgb fill = 0;
        Rgb border = 0;
        bool outlined = false;
        std::optional<KeyMeter> meter;
        std::array<Rgb, MaxCaptionsPerKey> captions{};
        bool operator==(const Look&) const = default;
    };
    // One key's rectangle: its shape (if any) with the captions over it.
    struct Tile {
        QRect rect;
        int shape = -1;
        std::vector<int> captions;
        Look shown;
    };
    struct Picture {
        size_t tile = 0;
        Look look;
        QPixmap pixmap;
        quint64 lastUse = 0;
    };
    // Pictures of the keys typed lately, lit and unlit; a full repaint paints without them,
    // so that the keyboard keeps no picture of keys that are never pressed.
    static constexpr size_t MaxPictures = 24;

    // The whole form: the caption, the menu and every key painted afresh. The key tracker's
    // changes take a shorter road (keysChanged), which repaints only the keys whose look changed.
    void apply();
    void keysChanged();
    // The caption and the context menu as the control has them.
    void showCaptionAndMenu();
    void buildTiles();
    Look lookOf(const Tile& tile) const;
    const QPixmap& picture(size_t tile);
    Picture* cached(size_t tile);
    void paintTile(QPainter& p, const Tile& tile) const;

    KeyboardControl control_;
    QAction* weakKeysAction_;
    QAction* switchLayoutAction_;
    CaptionPainter captions_;
    std::vector<Tile> tiles_;
    std::vector<Picture> pictures_;
    std::vector<size_t> changed_; // keys whose look changed since the last paint
    quint64 uses_ = 0;
    QBasicTimer captionPause_; // runs only for a pause after a new caption
    bool captionPending_ = false;
};

} // namespace clavora
