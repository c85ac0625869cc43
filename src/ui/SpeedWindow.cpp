#include "ui/SpeedWindow.h"

#include "ui/Fonts.h"
#include "ui/Slider.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace kelvad {

SpeedWindow::SpeedWindow(QWidget* owner)
    : SmallWindow(owner, QStringLiteral("Form4"), QStringLiteral("ゲームスピード"), 4185, 1935,
                  Placement::OnOwner) {
    Slider1 = new Slider(this);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setGeometry(twipsRect(120, 120, 3975, 375));
    Slider1->setRange(kSlowest, kFastest);
    // A click beside the handle moves one speed at a time.
    Slider1->setPageStep(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(1);
    // Until the player first chooses, games run at normal speed.
    Slider1->setValue(kNormal);

    Label3 = label("Label3", twipsRect(120, 600, 735, 255), QStringLiteral("遅い"));
    Label4 = label("Label4", twipsRect(1920, 600, 495, 255), QStringLiteral("普通"));
    Label5 = label("Label5", twipsRect(3600, 600, 495, 255), QStringLiteral("速い"));
    Label2 = label("Label2", twipsRect(120, 960, 855, 255), QStringLiteral("開始点数"));

    Label6 = label("Label6", twipsRect(1080, 960, 2895, 255), QString());
    Label6->setFont(designFont(kPGothic, 9, true));
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label6->setAutoFillBackground(true);
    QPalette palette = Label6->palette();
    palette.setColor(QPalette::Window, Qt::white);
    Label6->setPalette(palette);

    Command2 = button("Command2", twipsRect(120, 1320, 1455, 495), QStringLiteral("OK"));
    Command1 = button("Command1", twipsRect(1680, 1320, 1455, 495), QStringLiteral("ｷｬﾝｾﾙ"));
}

void SpeedWindow::keyPressEvent(QKeyEvent* event) {
    // Escape anywhere in the window is the cancel button.
    if (event->key() == Qt::Key_Escape) {
        Command1->click();
        return;
    }
    SmallWindow::keyPressEvent(event);
}

}  // namespace kelvad
