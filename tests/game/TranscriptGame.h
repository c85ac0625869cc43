// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBoxes.h"

#include <QPoint>
#include <QString>

#include <functional>

namespace kelvad::testing {

class TestPlatform;

// The pieces on the play field, in the order they lie on each other: a later one covers an earlier one.
enum class Piece { BlackMan, BlueMan, YellowMan, Civilian, Plate50, Plate100, Plate150 };

// What a player does, in the words of the play field and the windows; controls are named by their object
// names. Each step is said (to the transcript) and then done, through the windows or straight to the game.
// Points are in the field's pixels.
class Player {
public:
    explicit Player(TestPlatform& platform) : m_platform(platform) {}
    virtual ~Player() = default;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    std::function<void(const QString&)> listener;

    void wait(int ms);
    void waitUntil(qint64 ms);
    // Waits in steps of 100 ms until the piece shows.
    void waitFor(Piece piece);
    qint64 now() const;
    // A menu item, by its object name ("B1" start, "B19" time-out, "B21" back to the start, "B4" high scores,
    // "B6" speed, "B11".."B13" the guns, "B17" help, "B18" version); a disabled item does nothing.
    void choose(const char* item);
    // A press and release of a mouse button at a point of the field: on whatever piece lies there, or on the
    // field.
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void click(Piece piece, Qt::MouseButton button = Qt::LeftButton) { click(centreOf(piece), button); }
    void moveTo(QPoint at);
    // A left click on a button or box of a window, both by object name: "Command1" (start) or "Picture2" (the
    // time bonus) of "Form1", "Command1" (OK) of "Form2", "Command1" (OK) or "Command2" (reset) of "Form3",
    // "Command2" (OK) of "Form4".
    void clickOn(const char* window, const char* control);
    // A key on the speed slider ("Slider1") or in the name box ("Text1"), and text typed there.
    void key(const char* control, int key);
    void type(const char* control, const QString& text);
    void dragSpeedTo(int position);
    // The frame's close control of a small window.
    void close(const char* window);
    // Answers the next message box, doing something while it is open.
    void answerNextBox(platform::MessageAnswer answer, std::function<void()> whileOpen = {});
    // Makes the next random draws these values.
    void drawNext(std::initializer_list<double> values);

    // Where a piece stands now (or stood when last shown), in the field's pixels, and whether it is shown.
    virtual QPoint centreOf(Piece piece) = 0;
    virtual bool isShown(Piece piece) = 0;

protected:
    virtual void doChoose(const char* item) = 0;
    virtual void doClick(QPoint at, Qt::MouseButton button) = 0;
    virtual void doMoveTo(QPoint at) = 0;
    virtual void doClickOn(const char* window, const char* control) = 0;
    virtual void doKey(const char* control, int key) = 0;
    virtual void doType(const char* control, const QString& text) = 0;
    virtual void doDragSpeedTo(int position) = 0;
    virtual void doClose(const char* window) = 0;

    TestPlatform& m_platform;

private:
    void say(const QString& step) const;
};

// The transcript's game: three games and the windows between them, covering every rule the player can meet.
void playTranscriptGame(Player& player);

}  // namespace kelvad::testing
