// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MainWindow.h"

#include "ui/Fonts.h"
#include "ui/Gauge.h"
#include "ui/HighScoreTableWindow.h"
#include "ui/ImageBox.h"
#include "ui/NameEntryWindow.h"
#include "ui/PictureBox.h"
#include "ui/SpeedWindow.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace kelvad {

namespace {

constexpr int kClientWidth = 6450;
constexpr int kClientHeight = 4185;

// The timers' intervals as the window is built, in ms. A timer that is on with no interval ticks only once
// one is given: the reload and the men's jumps.
constexpr int kNoInterval = 0;
constexpr int kGameClockMs = 500;
constexpr int kMessageShownMs = 1500;
constexpr int kCivilianEveryMs = 10000;
constexpr int kCivilianStaysMs = 1500;
constexpr int kPlatesStayMs = 3000;

struct LabelStyle {
    QFont font;
    QColor color = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& caption,
                  const LabelStyle& style) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(style.font);
    label->setAlignment(style.alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, style.color);
    label->setPalette(palette);
    return label;
}

// A label showing a value in a white, bordered box.
QLabel* makeValueBox(QWidget* parent, const char* name, const QRect& geometry, const QFont& font,
                     Qt::Alignment alignment) {
    QLabel* label =
        makeLabel(parent, name, geometry, QString(), {font, Qt::black, alignment | Qt::AlignVCenter});
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return label;
}

PictureBox* makePictureBox(QWidget* parent, const QString& name, const QRect& geometry, const QColor& back) {
    auto* box = new PictureBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setBackColor(back);
    return box;
}

ImageBox* makeImage(QWidget* parent, const QString& name, const QRect& geometry, const QImage& picture,
                    const QString& accessibleName) {
    auto* image = new ImageBox(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    image->setPicture(picture);
    image->setAccessibleName(accessibleName);
    return image;
}

QFrame* makeFrame(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return frame;
}

}  // namespace

MainWindow::MainWindow(platform::Platform& platform) : m_platform(platform) {
    buildWindow();
    buildMessageBar();
    buildPlayField();
    buildTitlePanel();
    buildLegendPanel();
    buildStatusPanel();
    buildPictureStock();
    buildMenus();
    buildTimers();
    adjustSize();
    setFixedSize(size());
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

MainWindow::~MainWindow() = default;

QString MainWindow::programFile(const QString& name) const {
    return platform::programFile(m_platform.programDirectory, name);
}

NameEntryWindow& MainWindow::nameEntryWindow() {
    if (!m_nameEntryWindow) {
        m_nameEntryWindow = new NameEntryWindow(this);
        emit nameEntryWindowCreated(m_nameEntryWindow);
    }
    return *m_nameEntryWindow;
}

HighScoreTableWindow& MainWindow::highScoreTableWindow() {
    if (!m_highScoreTableWindow) {
        m_highScoreTableWindow = new HighScoreTableWindow(this);
        emit highScoreTableWindowCreated(m_highScoreTableWindow);
    }
    return *m_highScoreTableWindow;
}

SpeedWindow& MainWindow::speedWindow() {
    if (!m_speedWindow) {
        m_speedWindow = new SpeedWindow(this);
        emit speedWindowCreated(m_speedWindow);
    }
    return *m_speedWindow;
}

QImage MainWindow::designPicture(const QString& name) const {
    return QImage(programFile(QStringLiteral("\\pictures\\") + name));
}

void MainWindow::buildWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("ケルバド解消ゲーム"));
    // Fixed single border: no maximize button and no resizing.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256}) {
        icon.addFile(programFile(QStringLiteral("\\pictures\\icon-%1.png").arg(size)), QSize(size, size));
    }
    setWindowIcon(icon);
    setFont(designFont(kPGothic, 9.75));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setCentralWidget(client);
}

void MainWindow::buildMessageBar() {
    QWidget* client = centralWidget();
    PictureBox* messagePanel =
        makePictureBox(client, QStringLiteral("Picture6"), twipsRect(120, 120, 3855, 375), Qt::black);
    messageBar = makeLabel(messagePanel, "ME1", twipsRect(0, 45, 3735, 255), QString(),
                           {designFont(kMincho, 12, true), Qt::white});

    PictureBox* killPanel =
        makePictureBox(client, QStringLiteral("Picture7"), twipsRect(4080, 120, 1935, 375), Qt::black);
    makeLabel(killPanel, "Label21", twipsRect(0, 30, 975, 255), tr("撃破数"),
              {designFont(kMincho, 11.25, true), Qt::white});
    killCountLabel = makeLabel(killPanel, "Label20", twipsRect(1200, 30, 615, 255), QString(),
                               {designFont(kMincho, 12, true), Qt::white, Qt::AlignRight | Qt::AlignTop});

    timeBonusSquare =
        makePictureBox(client, QStringLiteral("Picture2"), twipsRect(6120, 120, 255, 375), Qt::black);
    timeBonusSquare->setAccessibleName(tr("タイムボーナス"));

    startButton = new QPushButton(tr("始める"), client);
    startButton->setObjectName(QStringLiteral("Command1"));
    startButton->setGeometry(twipsRect(4080, 600, 2300, 590));
    startButton->setFont(designFont(kGothic, 9.75));
}

void MainWindow::buildPlayField() {
    QWidget* client = centralWidget();
    const QCursor gunSight(QPixmap::fromImage(designPicture(QStringLiteral("cursor.png"))), 16, 16);

    playField =
        makePictureBox(client, QStringLiteral("Picture1"), twipsRect(120, 600, 3855, 3495), Qt::black);
    playField->setAccessibleName(tr("射撃場"));
    playField->setCursor(gunSight);
    playField->setMouseTracking(true);

    const QRect manSize(0, 0, twipsToPixels(390), twipsToPixels(585));
    auto placeMan = [&](const char* name, int left, const QString& picture, const QString& accessibleName) {
        ImageBox* man = makeImage(playField, QString::fromLatin1(name),
                                  manSize.translated(twipsRect(left, 2760, 0, 0).topLeft()),
                                  designPicture(picture), accessibleName);
        man->setCursor(gunSight);
        man->setMouseTracking(true);
        man->hide();
        return man;
    };
    men[0] = placeMan("I1", 120, QStringLiteral("man-black.png"), tr("黒い男"));
    men[0]->setEnabled(false);
    men[1] = placeMan("I2", 600, QStringLiteral("man-blue.png"), tr("青い男"));
    men[1]->setEnabled(false);
    men[2] = placeMan("I3", 1080, QStringLiteral("man-yellow.png"), tr("黄色い男"));
    men[2]->setEnabled(false);
    civilian = placeMan("HE1", 1560, QStringLiteral("civilian.png"), tr("一般人"));

    auto placePlate = [&](const char* name, int top, const QString& picture, const char* labelName,
                          const QString& points) {
        PictureBox* plate =
            makePictureBox(playField, QString::fromLatin1(name), twipsRect(2760, top, 900, 300), Qt::white);
        plate->setPicture(designPicture(picture));
        plate->setAccessibleName(tr("ボーナス%1").arg(points));
        plate->setCursor(gunSight);
        plate->hide();
        plate->setEnabled(false);
        QLabel* label =
            makeLabel(plate, labelName, twipsRect(240, 60, 495, 255), points,
                      {designFont(kPGothic, 9, true), Qt::black, Qt::AlignHCenter | Qt::AlignTop});
        label->setCursor(gunSight);
        return plate;
    };
    plates[0] = placePlate("D1", 2280, QStringLiteral("plate-50.bmp"), "Label4", QStringLiteral("50"));
    plates[1] = placePlate("D2", 2640, QStringLiteral("plate-100.bmp"), "Label7", QStringLiteral("100"));
    plates[2] = placePlate("D3", 3000, QStringLiteral("plate-150.bmp"), "Label13", QStringLiteral("150"));
}

void MainWindow::buildTitlePanel() {
    titlePanel = makePictureBox(centralWidget(), QStringLiteral("TAITOLU_0"), twipsRect(120, 600, 3855, 3495),
                                Qt::black);
    const LabelStyle title{designFont(kMincho, 18, true), Qt::white};
    const LabelStyle credit{designFont(kMincho, 12, true), Qt::white};
    makeLabel(titlePanel, "Label5", twipsRect(120, 120, 3495, 375), tr("ケルバド解消ゲーム"), title);
    makeLabel(titlePanel, "Label6", twipsRect(1920, 480, 1575, 375), QStringLiteral("Ver.1.51"), title);
    makeLabel(titlePanel, "Label9", twipsRect(240, 2760, 2175, 255), tr("制作：ケルバド工房"), credit);
    makeLabel(titlePanel, "Label10", twipsRect(1560, 3120, 1935, 255), tr("１９９８年８月"),
              {credit.font, Qt::white, Qt::AlignRight | Qt::AlignTop});
}

void MainWindow::buildLegendPanel() {
    legendPanel = makePictureBox(centralWidget(), QStringLiteral("TAITOLU_1"),
                                 twipsRect(4080, 1290, 2280, 2800), Qt::black);
    PictureBox* panel = legendPanel;
    const LabelStyle name{designFont(kMincho, 11.25), Qt::white};
    const LabelStyle value{designFont(kMincho, 11.25, true), Qt::white, Qt::AlignRight | Qt::AlignTop};
    const QSize man(390, 585);
    makeImage(panel, QStringLiteral("Image4"), twipsRect(120, 360, man.width(), man.height()),
              designPicture(QStringLiteral("man-black.png")), tr("黒い男"));
    makeLabel(panel, "Label14", twipsRect(600, 360, 975, 255), tr("黒い男", "legend"), name);
    makeLabel(panel, "Label17", twipsRect(1080, 720, 975, 255), tr("…10点"), value);
    makeImage(panel, QStringLiteral("Image2"), twipsRect(120, 1080, man.width(), man.height()),
              designPicture(QStringLiteral("man-blue.png")), tr("青い男"));
    makeLabel(panel, "Label15", twipsRect(600, 1200, 975, 255), tr("青い男", "legend"), name);
    makeLabel(panel, "Label18", twipsRect(1080, 1440, 975, 255), tr("…20点"), value);
    makeImage(panel, QStringLiteral("Image3"), twipsRect(120, 1800, man.width(), man.height()),
              designPicture(QStringLiteral("man-yellow.png")), tr("黄色い男"));
    makeLabel(panel, "Label16", twipsRect(600, 1920, 975, 255), tr("黄色い男", "legend"), name);
    makeLabel(panel, "Label19", twipsRect(1080, 2160, 975, 255), tr("…30点"), value);
}

void MainWindow::buildStatusPanel() {
    QFrame* statusPanel = makeFrame(centralWidget(), "Frame1", twipsRect(4080, 1200, 2295, 2895));
    const LabelStyle caption{designFont(kPGothic, 9)};
    const QFont valueFont = designFont(kGothic, 9.75, true);
    makeLabel(statusPanel, "Label1", twipsRect(120, 240, 2055, 255), tr("残り時間"), caption);
    timeBar =
        makePictureBox(statusPanel, QStringLiteral("Picture3"), twipsRect(120, 480, 2055, 255), Qt::white);
    timeBar->setAccessibleName(tr("残り時間のバー"));
    makeLabel(statusPanel, "Label2", twipsRect(120, 840, 2055, 255), tr("得点"), caption);
    scoreLabel =
        makeValueBox(statusPanel, "TOKUTEN", twipsRect(120, 1080, 2055, 255), valueFont, Qt::AlignRight);
    makeLabel(statusPanel, "Label8", twipsRect(120, 1440, 2055, 255), tr("命中率"), caption);
    hitRateLabel =
        makeValueBox(statusPanel, "GEKIHA", twipsRect(120, 1680, 2055, 255), valueFont, Qt::AlignHCenter);
    makeLabel(statusPanel, "Label3", twipsRect(120, 2040, 735, 255), tr("タマ数"), caption);

    const std::array<const char*, 3> displayNames{"F1", "F2", "F3"};
    for (std::size_t gun = 0; gun < ammoDisplays.size(); ++gun) {
        ammoDisplays[gun] = makeFrame(statusPanel, displayNames[gun], twipsRect(120, 2280, 2055, 495));
    }
    ammoDisplays[1]->hide();
    ammoDisplays[2]->hide();

    const QImage bullet = designPicture(QStringLiteral("bullet.png"));
    for (int index = 0; index < static_cast<int>(bullets.size()); ++index) {
        bullets[index] = makeImage(ammoDisplays[0], QStringLiteral("TA_%1").arg(index),
                                   twipsRect(120 + 240 * index, 120, 180, 345), bullet, tr("弾"));
    }
    const LabelStyle count{valueFont, Qt::black, Qt::AlignRight | Qt::AlignTop};
    makeImage(ammoDisplays[1], QStringLiteral("Image9"), twipsRect(120, 120, 180, 345), bullet, tr("弾"));
    subMachineGunCount =
        makeLabel(ammoDisplays[1], "Label11", twipsRect(360, 240, 375, 255), QString(), count);
    subMachineGunBar = makePictureBox(ammoDisplays[1], QStringLiteral("Picture4"),
                                      twipsRect(960, 180, 1095, 255), Qt::white);
    subMachineGunBar->setAccessibleName(tr("弾のバー"));
    makeImage(ammoDisplays[2], QStringLiteral("Image10"), twipsRect(120, 120, 180, 345), bullet, tr("弾"));
    jackGunCount = makeLabel(ammoDisplays[2], "Label12", twipsRect(360, 240, 375, 255), QString(), count);
    jackGunBar = makePictureBox(ammoDisplays[2], QStringLiteral("Picture5"), twipsRect(960, 180, 1095, 255),
                                Qt::white);
    jackGunBar->setAccessibleName(tr("弾のバー"));

    // The panels lie over the play field and the status panel.
    titlePanel->raise();
    legendPanel->raise();
}

void MainWindow::buildPictureStock() {
    // Kept below the visible area and never shown: only their pictures are used.
    auto stock = [&](const QString& name, const QRect& geometry, const QString& picture) {
        PictureBox* box = makePictureBox(centralWidget(), name, geometry, Qt::black);
        box->setPicture(designPicture(picture));
        box->hide();
        return box;
    };
    for (int j = 0; j < 3; ++j) {
        fallFrames[j] = stock(QStringLiteral("P_%1").arg(j), twipsRect(4080 + 600 * j, 4320, 540, 645),
                              QStringLiteral("fall-%1.bmp").arg(j));
        fallMasks[j] = stock(QStringLiteral("q_%1").arg(j), twipsRect(4080 + 600 * j, 5040, 540, 645),
                             QStringLiteral("fall-mask-%1.bmp").arg(j));
    }
    for (int k = 0; k < 4; ++k) {
        shotMarkFrames[k] = stock(QStringLiteral("V_%1").arg(k), twipsRect(4080 + 720 * k, 5760, 660, 660),
                                  QStringLiteral("mark-%1.bmp").arg(k));
        shotMarkMasks[k] = stock(QStringLiteral("VV_%1").arg(k), twipsRect(4080 + 720 * k, 6480, 660, 660),
                                 QStringLiteral("mark-mask-%1.bmp").arg(k));
    }
}

void MainWindow::buildMenus() {
    auto item = [this](QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    auto menu = [this](QMenu* parent, const char* name, const QString& caption) {
        QMenu* created = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        created->setObjectName(QString::fromLatin1(name));
        return created;
    };

    QMenu* gameMenu = menu(nullptr, "A1", tr("ｹﾞｰﾑ(&G)"));
    startAction = item(gameMenu, "B1", tr("ｽﾀｰﾄ(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S));
    pauseAction = item(gameMenu, "B19", tr("ﾀｲﾑ(&T)"), QKeySequence(Qt::CTRL | Qt::Key_T));
    returnToStartAction = item(gameMenu, "B21", tr("ｽﾀｰﾄ時に戻す(&B)"));
    highScoresAction = item(gameMenu, "B4", tr("ﾊｲｽｺｱ(&H)..."), QKeySequence(Qt::CTRL | Qt::Key_H));
    separator(gameMenu, "C2");
    exitAction = item(gameMenu, "B5", tr("終了(&E)"));

    optionsMenu = menu(nullptr, "A2", tr("ｵﾌﾟｼｮﾝ(&O)"));
    gameSpeedAction = item(optionsMenu, "B6", tr("ｹﾞｰﾑｽﾋﾟｰﾄﾞ(&G)..."), QKeySequence(Qt::CTRL | Qt::Key_G));
    QMenu* gunMenu = menu(optionsMenu, "B10", tr("銃の種類(&S)"));
    gunActions[0] = item(gunMenu, "B11", tr("ﾉｰﾏﾙｶﾞﾝ(&N)"));
    gunActions[1] = item(gunMenu, "B12", tr("ｻﾌﾞﾏｼﾝｶﾞﾝ(&S)"));
    gunActions[2] = item(gunMenu, "B13", tr("ｼﾞｬｯｸｶﾞﾝ(&G)"));
    for (QAction* gun : gunActions) {
        gun->setCheckable(true);
    }

    QMenu* helpMenu = menu(nullptr, "A3", tr("ﾍﾙﾌﾟ(&H)"));
    helpAction = item(helpMenu, "B17", tr("ﾍﾙﾌﾟ(&H)"), QKeySequence(Qt::Key_F1));
    separator(helpMenu, "C3");
    versionAction = item(helpMenu, "B18", tr("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
}

void MainWindow::buildTimers() {
    platform::Scheduler& scheduler = m_platform.scheduler;
    gameClock = scheduler.createTimer(false, kGameClockMs);
    reloadTimer = scheduler.createTimer(true, kNoInterval);
    messageTimer = scheduler.createTimer(false, kMessageShownMs);
    for (std::unique_ptr<platform::Timer>& jumps : manJumpTimers) {
        jumps = scheduler.createTimer(true, kNoInterval);
    }
    civilianArrivalTimer = scheduler.createTimer(false, kCivilianEveryMs);
    civilianDepartureTimer = scheduler.createTimer(false, kCivilianStaysMs);
    plateTimer = scheduler.createTimer(false, kPlatesStayMs);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window on the screen exists from the first showing on, and is made anew if Qt recreates it.
    if (windowHandle() != m_watchedWindow) {
        m_watchedWindow = windowHandle();
        m_watchedWindow->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A disabled widget gets no mouse events, but its window on the screen does. A window manager that
    // ignores whom a small window belongs to may have raised this window over it on the press.
    if (watched == m_watchedWindow && event->type() == QEvent::MouseButtonPress && !isEnabled()) {
        bringOpenSmallWindowForward();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::bringOpenSmallWindowForward() {
    // The game opens one at a time.
    for (SmallWindow* small :
         std::initializer_list<SmallWindow*>{m_nameEntryWindow, m_highScoreTableWindow, m_speedWindow}) {
        if (small && small->isVisible()) {
            small->raise();
            small->activateWindow();
            return;
        }
    }
}

}  // namespace kelvad
