// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace kelvad {

// A small window over the main window (name entry, high scores, game speed): fixed size, no minimize or
// maximize button, owned by the main window and shown without blocking it. It is a dialog-type window, so
// that every window system keeps it above its owner (on X11 Qt writes WM_TRANSIENT_FOR only for those): the
// owner is disabled while it is open, and a click that raised the owner over it would leave the player facing
// a grey window that answers nothing. Closing it with the frame's close control only hides it, so it keeps
// its contents for the next showing.
class SmallWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(SmallWindow)

public:
    enum class Placement { OnOwner, OnScreen };

    // The client size is in twips.
    SmallWindow(QWidget* owner, const QString& name, const QString& caption, int clientWidth,
                int clientHeight, Placement placement);

signals:
    // The frame's close control was used; the window is already hidden.
    void closedByFrame();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Whether every showing starts at the start position, or only the first: a window the player may have
    // moved keeps its place while it is only hidden.
    void setCentredOnEveryShow(bool everyShow) { m_centredOnEveryShow = everyShow; }

    // Controls of the design; geometry in twips.
    QLabel* label(const char* name, const QRect& geometry, const QString& caption);
    QPushButton* button(const char* name, const QRect& geometry, const QString& caption);

private:
    void moveToStartPosition();

    Placement m_placement;
    bool m_centredOnEveryShow = false;
    bool m_placed = false;
};

}  // namespace kelvad
