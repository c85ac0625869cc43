// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

#include <vector>

class QAction;
class QWidget;

namespace kelvad::testing {

class TestPlatform;

// Writes down what a player sees and hears while the game is played in a main window, one line per change,
// in the order it happens, under the virtual time at which it happens: every change of a named control's
// caption, enabled state, visibility, place and picture (its short hash), of a menu item, every message box,
// sound, beep, wait, help page, and every timer switched or ticking. The windows are watched from outside,
// by their objects' names, so that the same game writes the same lines however the code behind them is cut.
class Transcript final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(Transcript)

public:
    // Starts from the windows as they are now; what happens from here on is written down.
    Transcript(QWidget& mainWindow, TestPlatform& platform);
    ~Transcript() override;

    // A line of the script: what the player does next.
    void note(const QString& step);
    // Everything written so far.
    QStringList lines();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the transcript knows of a control or a menu item.
    struct Seen {
        QString text;
        bool enabled = true;
        bool shown = true;
        QRect geometry;
        qint64 pictureKey = 0;
        QString picture;
        bool checked = false;
    };

    void capture();
    void takeNewCalls();
    void compareWidgets();
    void compareActions();
    void write(const QString& line);
    QString withoutDirectory(QString text) const;
    Seen seenOf(QWidget& widget, const Seen& before) const;
    void watchTree();

    QWidget& m_mainWindow;
    TestPlatform& m_platform;
    QString m_directory;
    QStringList m_lines;
    qint64 m_lastTime = -1;
    bool m_capturing = false;
    bool m_treeChanged = true;
    std::vector<QPointer<QWidget>> m_widgets;
    std::vector<QPointer<QAction>> m_actions;
    QHash<QObject*, Seen> m_seen;
    QHash<const QWidget*, bool> m_open;
    // How many entries of each fake's record have been written down.
    qsizetype m_timerCalls = 0;
    qsizetype m_soundCalls = 0;
    std::size_t m_boxes = 0;
    int m_beeps = 0;
    std::size_t m_waits = 0;
    qsizetype m_helpPages = 0;
};

}  // namespace kelvad::testing
