// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameFixture.h"
#include "TranscriptGame.h"

namespace kelvad::testing {

// The player at the windows: every step is a mouse or key event delivered by Qt to the control under it, or a
// menu item triggered; the controls are found by their object names.
class WindowPlayer final : public Player {
public:
    explicit WindowPlayer(GameFixture& game) : Player(game.platform), m_game(game) {}

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
    GameFixture& m_game;
};

}  // namespace kelvad::testing
