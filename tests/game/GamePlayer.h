// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TranscriptGame.h"

#include <QRect>

#include <array>

namespace kelvad {
class Game;
}

namespace kelvad::testing {

// The player straight at the game, with no window: each step is the game's input that the window would have
// passed on. Where the window lets Qt find the control under the pointer, this finds the piece from what the
// game says of the pieces: the last one shown under the point, of those lying on top; a press on a piece that
// takes none lands on the field, as Qt passes it to the field.
class GamePlayer final : public Player {
public:
    GamePlayer(Game& game, TestPlatform& platform);

    QPoint centreOf(Piece piece) override;
    bool isShown(Piece piece) override;

protected:
    void doChoose(const char* item) override;
    void doClick(QPoint at, Qt::MouseButton button) override;
    void doMoveTo(QPoint at) override;
    void doClickOn(const char* window, const char* control) override;
    void doKey(const char* control, int key) override;
    void doType(const char* control, const QString& text) override;
    void doDragSpeedTo(int position) override;
    void doClose(const char* window) override;

private:
    // Where each piece's picture lies on the field, in pixels: its design place until it first moves.
    QRect rectOf(Piece piece) const;
    bool shown(Piece piece) const;
    // The piece under a point that takes the pointer, if any.
    int pieceAt(QPoint at) const;

    Game& m_game;
    std::array<QPoint, 7> m_places;
};

}  // namespace kelvad::testing
