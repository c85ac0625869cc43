// Connects the windows' events to the game's operations: the only place that knows both.
#include "app/GameWindow.h"

#include "game/BonusPlates.h"
#include "game/Civilian.h"
#include "game/Lifecycle.h"
#include "game/Menus.h"
#include "game/PlayField.h"
#include "game/Shots.h"
#include "game/StartUp.h"
#include "game/Targets.h"
#include "scores/HighScoreWindow.h"
#include "scores/NameEntry.h"
#include "settings/SpeedDialog.h"
#include "sound/MediaControl.h"
#include "sound/clsSound.h"
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
#include <QPushButton>

#include <array>

namespace kelvad {

namespace {

// The game's side of one main window: a child of the window, so that its connections and the window's sound
// end with the window.
class GameWiring final : public QObject {
public:
    explicit GameWiring(Form1& form);

private:
    void connectMainWindow();
    void connectNameEntry(Form2& window);
    void connectHighScores(Form3& window);
    void connectSpeedDialog(Form4& window);

    Form1& m_form;
    sound::MediaControl m_tune;
    sound::clsSound m_soundPlayer;
};

GameWiring::GameWiring(Form1& form)
    : QObject(&form),
      m_form(form),
      m_tune(form.platform().soundDevice),
      m_soundPlayer(form.platform().soundDevice) {
    form.M1 = &m_tune;
    form.soundPlayer = &m_soundPlayer;
    connectMainWindow();
    connect(&form, &Form1::form2Created, this, [this](Form2* window) { connectNameEntry(*window); });
    connect(&form, &Form1::form3Created, this, [this](Form3* window) { connectHighScores(*window); });
    connect(&form, &Form1::form4Created, this, [this](Form4* window) { connectSpeedDialog(*window); });
}

void GameWiring::connectMainWindow() {
    connect(m_form.Command1, &QPushButton::clicked, this, [this] { StartGame(m_form); });
    connect(m_form.B1, &QAction::triggered, this, [this] { StartGame(m_form); });
    connect(m_form.B19, &QAction::triggered, this, [this] { PauseGame(m_form); });
    connect(m_form.B21, &QAction::triggered, this, [this] { ReturnToReadyState(m_form); });
    connect(m_form.B4, &QAction::triggered, this, [this] { OpenHighScoreWindow(m_form); });
    connect(m_form.B5, &QAction::triggered, &m_form, &QWidget::close);
    connect(&m_form, &Form1::closing, this, [this] { EndProgram(m_form); });
    connect(m_form.B6, &QAction::triggered, this, [this] { OpenSpeedDialog(m_form); });
    connect(m_form.B11, &QAction::triggered, this, [this] { SelectGun(m_form, 1); });
    connect(m_form.B12, &QAction::triggered, this, [this] { SelectGun(m_form, 2); });
    connect(m_form.B13, &QAction::triggered, this, [this] { SelectGun(m_form, 3); });
    connect(m_form.B17, &QAction::triggered, this, [this] { ShowHelp(m_form); });
    connect(m_form.B18, &QAction::triggered, this, [this] { ShowVersion(m_form); });
    connect(m_form.Picture2, &PictureBox::clicked, this, [this] { TimeBonusClick(m_form); });

    connect(m_form.Picture1, &PictureBox::mouseDown, this,
            [this](int button, int, float, float) { FieldMouseDown(m_form, button); });
    connect(m_form.Picture1, &PictureBox::mouseMove, this,
            [this](int, int, float x, float y) { TrackPointer(m_form, x, y); });
    for (int man = 0; man < kMenOnField; ++man) {
        connect(manImage(m_form, man), &ImageBox::mouseDown, this,
                [this, man](int button, int, float, float) { ManMouseDown(m_form, man, button); });
        connect(manImage(m_form, man), &ImageBox::mouseMove, this, [this, man](int, int, float x, float y) {
            const FieldPlace place = manPlace(man);
            TrackPointer(m_form, x + place.left, y + place.top);
        });
    }
    connect(m_form.HE1, &ImageBox::mouseDown, this,
            [this](int button, int, float, float) { CivilianMouseDown(m_form, button); });
    connect(m_form.HE1, &ImageBox::mouseMove, this,
            [this](int, int, float x, float y) { TrackCivilianPointer(m_form, x, y); });
    // The labels on the plates let their presses through, so a click on "150" is a click on its plate.
    for (int plate = 0; plate < kPlates; ++plate) {
        connect(plateBox(m_form, plate), &PictureBox::clicked, this,
                [this, plate] { CollectBonus(m_form, plate); });
    }

    m_form.T4->setTickHandler([this] { ClockTick(m_form); });
    m_form.T5->setTickHandler([this] { CompleteReload(m_form); });
    m_form.T6->setTickHandler([this] { ClearMessage(m_form); });
    m_form.T7->setTickHandler([this] { MoveMan(m_form, 0); });
    m_form.T8->setTickHandler([this] { MoveMan(m_form, 1); });
    m_form.T9->setTickHandler([this] { MoveMan(m_form, 2); });
    m_form.T10->setTickHandler([this] { ShowCivilian(m_form); });
    m_form.T11->setTickHandler([this] { HideCivilian(m_form); });
    m_form.T15->setTickHandler([this] { HideBonusPlates(m_form); });
}

void GameWiring::connectNameEntry(Form2& window) {
    constexpr int kEnter = 13;
    connect(window.Command1, &QPushButton::clicked, this, [this] { ConfirmName(m_form); });
    connect(window.Text1, &TextBox::keyDown, this, [this](int keyCode, int) {
        if (keyCode == kEnter) {
            ConfirmName(m_form);
        }
    });
    // Closing the name entry with the frame stores the entry as OK does, so the main window comes back.
    connect(&window, &SmallWindow::closedByFrame, this, [this] { ConfirmName(m_form); });
}

void GameWiring::connectHighScores(Form3& window) {
    connect(window.Command1, &QPushButton::clicked, this, [this] { CloseHighScoreWindow(m_form); });
    connect(window.Command2, &QPushButton::clicked, this, [this] { AskResetHighScores(m_form); });
    connect(&window, &SmallWindow::closedByFrame, this, [this] { CloseHighScoreWindowByFrame(m_form); });
}

void GameWiring::connectSpeedDialog(Form4& window) {
    connect(window.Slider1, &Slider::clicked, this, [this] { FollowSlider(m_form); });
    connect(window.Slider1, &Slider::mouseMove, this,
            [this](int, int, float, float) { FollowSlider(m_form); });
    connect(window.Command2, &QPushButton::clicked, this, [this] { ConfirmSpeed(m_form); });
    connect(window.Command1, &QPushButton::clicked, this, [this] { CancelSpeed(m_form); });
    // Closing the dialog with the frame acts as Cancel, so the main window is never left disabled.
    connect(&window, &SmallWindow::closedByFrame, this, [this] { CancelSpeed(m_form); });
}

}  // namespace

std::unique_ptr<Form1> makeGameWindow(platform::Platform& platform) {
    auto form = std::make_unique<Form1>(platform);
    new GameWiring(*form);  // Owned by the window.
    Form1Load(*form);
    return form;
}

}  // namespace kelvad
