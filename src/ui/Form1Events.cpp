// Forwards the main window's events to the game's operations.
#include "game/BonusPlates.h"
#include "game/Civilian.h"
#include "game/Lifecycle.h"
#include "game/Menus.h"
#include "game/Shots.h"
#include "game/Targets.h"
#include "scores/HighScoreWindow.h"
#include "scores/NameEntry.h"
#include "settings/SpeedDialog.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/TextBox.h"
#include "weapons/Guns.h"
#include "weapons/Reload.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace kelvad {

void Form1::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, [this] { StartGame(*this); });
    connect(B1, &QAction::triggered, this, [this] { StartGame(*this); });
    connect(B19, &QAction::triggered, this, [this] { PauseGame(*this); });
    connect(B21, &QAction::triggered, this, [this] { ReturnToReadyState(*this); });
    connect(B4, &QAction::triggered, this, [this] { OpenHighScoreWindow(*this); });
    connect(B5, &QAction::triggered, this, &QWidget::close);
    connect(B6, &QAction::triggered, this, [this] { OpenSpeedDialog(*this); });
    connect(B11, &QAction::triggered, this, [this] { SelectGun(*this, 1); });
    connect(B12, &QAction::triggered, this, [this] { SelectGun(*this, 2); });
    connect(B13, &QAction::triggered, this, [this] { SelectGun(*this, 3); });
    connect(B17, &QAction::triggered, this, [this] { ShowHelp(*this); });
    connect(B18, &QAction::triggered, this, [this] { ShowVersion(*this); });
    connect(Picture2, &PictureBox::clicked, this, [this] { TimeBonusClick(*this); });

    connect(Picture1, &PictureBox::mouseDown, this,
            [this](int button, int, float, float) { FieldMouseDown(*this, button); });
    connect(Picture1, &PictureBox::mouseMove, this,
            [this](int, int, float x, float y) { TrackPointer(*this, x, y); });
    for (int man = 0; man < kMenOnField; ++man) {
        connect(manImage(*this, man), &ImageBox::mouseDown, this,
                [this, man](int button, int, float, float) { ManMouseDown(*this, man, button); });
        connect(manImage(*this, man), &ImageBox::mouseMove, this, [this, man](int, int, float x, float y) {
            const FieldPlace place = manPlace(man);
            TrackPointer(*this, x + place.left, y + place.top);
        });
    }
    connect(HE1, &ImageBox::mouseDown, this,
            [this](int button, int, float, float) { CivilianMouseDown(*this, button); });
    connect(HE1, &ImageBox::mouseMove, this,
            [this](int, int, float x, float y) { TrackCivilianPointer(*this, x, y); });
    // The labels on the plates let their presses through, so a click on "150" is a click on its plate.
    for (int plate = 0; plate < kPlates; ++plate) {
        connect(plateBox(*this, plate), &PictureBox::clicked, this,
                [this, plate] { CollectBonus(*this, plate); });
    }

    T4->setTickHandler([this] { ClockTick(*this); });
    T5->setTickHandler([this] { CompleteReload(*this); });
    T6->setTickHandler([this] { ClearMessage(*this); });
    T7->setTickHandler([this] { MoveMan(*this, 0); });
    T8->setTickHandler([this] { MoveMan(*this, 1); });
    T9->setTickHandler([this] { MoveMan(*this, 2); });
    T10->setTickHandler([this] { ShowCivilian(*this); });
    T11->setTickHandler([this] { HideCivilian(*this); });
    T15->setTickHandler([this] { HideBonusPlates(*this); });
}

void Form1::connectEvents(Form2& window) {
    constexpr int kEnter = 13;
    connect(window.Command1, &QPushButton::clicked, this, [this] { ConfirmName(*this); });
    connect(window.Text1, &TextBox::keyDown, this, [this](int keyCode, int) {
        if (keyCode == kEnter) {
            ConfirmName(*this);
        }
    });
    // Closing the name entry with the frame stores the entry as OK does, so the main window comes back.
    connect(&window, &SmallWindow::closedByFrame, this, [this] { ConfirmName(*this); });
}

void Form1::connectEvents(Form3& window) {
    connect(window.Command1, &QPushButton::clicked, this, [this] { CloseHighScoreWindow(*this); });
    connect(window.Command2, &QPushButton::clicked, this, [this] { AskResetHighScores(*this); });
    connect(&window, &SmallWindow::closedByFrame, this, [this] { CloseHighScoreWindowByFrame(*this); });
}

void Form1::connectEvents(Form4& window) {
    connect(window.Slider1, &Slider::clicked, this, [this] { FollowSlider(*this); });
    connect(window.Slider1, &Slider::mouseMove, this,
            [this](int, int, float, float) { FollowSlider(*this); });
    connect(window.Command2, &QPushButton::clicked, this, [this] { ConfirmSpeed(*this); });
    connect(window.Command1, &QPushButton::clicked, this, [this] { CancelSpeed(*this); });
    // Closing the dialog with the frame acts as Cancel, so the main window is never left disabled.
    connect(&window, &SmallWindow::closedByFrame, this, [this] { CancelSpeed(*this); });
}

}  // namespace kelvad
