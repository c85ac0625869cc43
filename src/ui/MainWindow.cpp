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
#include "ui/SmallWindow.h"
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

MainWindow::MainWindow(const QString& programDirectory) : m_programDirectory(programDirectory) {
    buildWindow();
    buildMessageBar();
    buildPlayField();
    buildTitlePanel();
    buildLegendPanel();
    buildStatusPanel();
    buildPictureStock();
    buildMenus();
    forwardFieldInput();
    adjustSize();
    setFixedSize(size());
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    // The gauges draw into their bars from the start, empty.
    m_timeGauge = std::make_unique<Gauge>();
    m_timeGauge->setTarget(m_timeBar);
    for (std::size_t gun = 0; gun < m_ammoGauges.size(); ++gun) {
        m_ammoGauges[gun] = std::make_unique<Gauge>();
        m_ammoGauges[gun]->setTarget(m_ammoBars[gun]);
    }
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::highScoreTableWindow() {
    return &highScoreTable();
}

NameEntryWindow& MainWindow::nameEntry() {
    if (!m_nameEntryWindow) {
        m_nameEntryWindow = new NameEntryWindow(this);
        connect(m_nameEntryWindow, &NameEntryWindow::nameEdited, this, &MainWindow::nameEdited);
        connect(m_nameEntryWindow, &NameEntryWindow::keyPressed, this, &MainWindow::keyPressedInName);
        connect(m_nameEntryWindow, &NameEntryWindow::confirmed, this, &MainWindow::nameConfirmed);
        // Closing the name entry with the frame stores the entry as OK does, so the main window comes back.
        connect(m_nameEntryWindow, &SmallWindow::closedByFrame, this, &MainWindow::nameConfirmed);
    }
    return *m_nameEntryWindow;
}

HighScoreTableWindow& MainWindow::highScoreTable() {
    if (!m_highScoreTableWindow) {
        m_highScoreTableWindow = new HighScoreTableWindow(this);
        connect(m_highScoreTableWindow, &HighScoreTableWindow::confirmed, this, &MainWindow::tableConfirmed);
        connect(m_highScoreTableWindow, &HighScoreTableWindow::resetAsked, this,
                &MainWindow::tableResetAsked);
        connect(m_highScoreTableWindow, &SmallWindow::closedByFrame, this, &MainWindow::tableClosedByFrame);
    }
    return *m_highScoreTableWindow;
}

SpeedWindow& MainWindow::speedWindow() {
    if (!m_speedWindow) {
        m_speedWindow = new SpeedWindow(this);
        connect(m_speedWindow, &SpeedWindow::positionChanged, this, &MainWindow::speedSliderMoved);
        connect(m_speedWindow, &SpeedWindow::sliderTouched, this, &MainWindow::speedSliderFollowed);
        connect(m_speedWindow, &SpeedWindow::confirmed, this, &MainWindow::speedConfirmed);
        connect(m_speedWindow, &SpeedWindow::cancelled, this, &MainWindow::speedCancelled);
        // Closing the dialog with the frame acts as Cancel, so the main window is never left disabled.
        connect(m_speedWindow, &SmallWindow::closedByFrame, this, &MainWindow::speedCancelled);
    }
    return *m_speedWindow;
}

QImage MainWindow::designPicture(const QString& name) const {
    return QImage(m_programDirectory + QStringLiteral("/pictures/") + name);
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
        icon.addFile(m_programDirectory + QStringLiteral("/pictures/icon-%1.png").arg(size),
                     QSize(size, size));
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
    m_messageBar = makeLabel(messagePanel, "ME1", twipsRect(0, 45, 3735, 255), QString(),
                             {designFont(kMincho, 12, true), Qt::white});

    PictureBox* killPanel =
        makePictureBox(client, QStringLiteral("Picture7"), twipsRect(4080, 120, 1935, 375), Qt::black);
    makeLabel(killPanel, "Label21", twipsRect(0, 30, 975, 255), tr("撃破数"),
              {designFont(kMincho, 11.25, true), Qt::white});
    m_killCountLabel = makeLabel(killPanel, "Label20", twipsRect(1200, 30, 615, 255), QString(),
                                 {designFont(kMincho, 12, true), Qt::white, Qt::AlignRight | Qt::AlignTop});

    m_timeBonusSquare =
        makePictureBox(client, QStringLiteral("Picture2"), twipsRect(6120, 120, 255, 375), Qt::black);
    m_timeBonusSquare->setAccessibleName(tr("タイムボーナス"));

    m_startButton = new QPushButton(tr("始める"), client);
    m_startButton->setObjectName(QStringLiteral("Command1"));
    m_startButton->setGeometry(twipsRect(4080, 600, 2300, 590));
    m_startButton->setFont(designFont(kGothic, 9.75));
}

void MainWindow::buildPlayField() {
    QWidget* client = centralWidget();
    const QCursor gunSight(QPixmap::fromImage(designPicture(QStringLiteral("cursor.png"))), 16, 16);

    m_playField =
        makePictureBox(client, QStringLiteral("Picture1"), twipsRect(120, 600, 3855, 3495), Qt::black);
    m_playField->setAccessibleName(tr("射撃場"));
    m_playField->setCursor(gunSight);
    m_playField->setMouseTracking(true);

    const QRect manSize(0, 0, twipsToPixels(390), twipsToPixels(585));
    auto placeMan = [&](const char* name, int left, const QString& picture, const QString& accessibleName) {
        ImageBox* man = makeImage(m_playField, QString::fromLatin1(name),
                                  manSize.translated(twipsRect(left, 2760, 0, 0).topLeft()),
                                  designPicture(picture), accessibleName);
        man->setCursor(gunSight);
        man->setMouseTracking(true);
        man->hide();
        return man;
    };
    m_men[0] = placeMan("I1", 120, QStringLiteral("man-black.png"), tr("黒い男"));
    m_men[0]->setEnabled(false);
    m_men[1] = placeMan("I2", 600, QStringLiteral("man-blue.png"), tr("青い男"));
    m_men[1]->setEnabled(false);
    m_men[2] = placeMan("I3", 1080, QStringLiteral("man-yellow.png"), tr("黄色い男"));
    m_men[2]->setEnabled(false);
    m_civilian = placeMan("HE1", 1560, QStringLiteral("civilian.png"), tr("一般人"));

    auto placePlate = [&](const char* name, int top, const QString& picture, const char* labelName,
                          const QString& points) {
        PictureBox* plate =
            makePictureBox(m_playField, QString::fromLatin1(name), twipsRect(2760, top, 900, 300), Qt::white);
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
    m_plates[0] = placePlate("D1", 2280, QStringLiteral("plate-50.bmp"), "Label4", QStringLiteral("50"));
    m_plates[1] = placePlate("D2", 2640, QStringLiteral("plate-100.bmp"), "Label7", QStringLiteral("100"));
    m_plates[2] = placePlate("D3", 3000, QStringLiteral("plate-150.bmp"), "Label13", QStringLiteral("150"));
}

void MainWindow::buildTitlePanel() {
    m_titlePanel = makePictureBox(centralWidget(), QStringLiteral("TAITOLU_0"),
                                  twipsRect(120, 600, 3855, 3495), Qt::black);
    const LabelStyle title{designFont(kMincho, 18, true), Qt::white};
    const LabelStyle credit{designFont(kMincho, 12, true), Qt::white};
    makeLabel(m_titlePanel, "Label5", twipsRect(120, 120, 3495, 375), tr("ケルバド解消ゲーム"), title);
    makeLabel(m_titlePanel, "Label6", twipsRect(1920, 480, 1575, 375), QStringLiteral("Ver.1.51"), title);
    makeLabel(m_titlePanel, "Label9", twipsRect(240, 2760, 2175, 255), tr("制作：ケルバド工房"), credit);
    makeLabel(m_titlePanel, "Label10", twipsRect(1560, 3120, 1935, 255), tr("１９９８年８月"),
              {credit.font, Qt::white, Qt::AlignRight | Qt::AlignTop});
}

void MainWindow::buildLegendPanel() {
    m_legendPanel = makePictureBox(centralWidget(), QStringLiteral("TAITOLU_1"),
                                   twipsRect(4080, 1290, 2280, 2800), Qt::black);
    PictureBox* panel = m_legendPanel;
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
    m_timeBar =
        makePictureBox(statusPanel, QStringLiteral("Picture3"), twipsRect(120, 480, 2055, 255), Qt::white);
    m_timeBar->setAccessibleName(tr("残り時間のバー"));
    makeLabel(statusPanel, "Label2", twipsRect(120, 840, 2055, 255), tr("得点"), caption);
    m_scoreLabel =
        makeValueBox(statusPanel, "TOKUTEN", twipsRect(120, 1080, 2055, 255), valueFont, Qt::AlignRight);
    makeLabel(statusPanel, "Label8", twipsRect(120, 1440, 2055, 255), tr("命中率"), caption);
    m_hitRateLabel =
        makeValueBox(statusPanel, "GEKIHA", twipsRect(120, 1680, 2055, 255), valueFont, Qt::AlignHCenter);
    makeLabel(statusPanel, "Label3", twipsRect(120, 2040, 735, 255), tr("タマ数"), caption);

    const std::array<const char*, 3> displayNames{"F1", "F2", "F3"};
    for (std::size_t gun = 0; gun < m_ammoDisplays.size(); ++gun) {
        m_ammoDisplays[gun] = makeFrame(statusPanel, displayNames[gun], twipsRect(120, 2280, 2055, 495));
    }
    m_ammoDisplays[1]->hide();
    m_ammoDisplays[2]->hide();

    const QImage bullet = designPicture(QStringLiteral("bullet.png"));
    for (int index = 0; index < static_cast<int>(m_bullets.size()); ++index) {
        m_bullets[index] = makeImage(m_ammoDisplays[0], QStringLiteral("TA_%1").arg(index),
                                     twipsRect(120 + 240 * index, 120, 180, 345), bullet, tr("弾"));
    }
    const LabelStyle count{valueFont, Qt::black, Qt::AlignRight | Qt::AlignTop};
    makeImage(m_ammoDisplays[1], QStringLiteral("Image9"), twipsRect(120, 120, 180, 345), bullet, tr("弾"));
    m_ammoCounts[0] =
        makeLabel(m_ammoDisplays[1], "Label11", twipsRect(360, 240, 375, 255), QString(), count);
    m_ammoBars[0] = makePictureBox(m_ammoDisplays[1], QStringLiteral("Picture4"),
                                   twipsRect(960, 180, 1095, 255), Qt::white);
    m_ammoBars[0]->setAccessibleName(tr("弾のバー"));
    makeImage(m_ammoDisplays[2], QStringLiteral("Image10"), twipsRect(120, 120, 180, 345), bullet, tr("弾"));
    m_ammoCounts[1] =
        makeLabel(m_ammoDisplays[2], "Label12", twipsRect(360, 240, 375, 255), QString(), count);
    m_ammoBars[1] = makePictureBox(m_ammoDisplays[2], QStringLiteral("Picture5"),
                                   twipsRect(960, 180, 1095, 255), Qt::white);
    m_ammoBars[1]->setAccessibleName(tr("弾のバー"));

    // The panels lie over the play field and the status panel.
    m_titlePanel->raise();
    m_legendPanel->raise();
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
        m_fallFrames[j] = stock(QStringLiteral("P_%1").arg(j), twipsRect(4080 + 600 * j, 4320, 540, 645),
                                QStringLiteral("fall-%1.bmp").arg(j));
        m_fallMasks[j] = stock(QStringLiteral("q_%1").arg(j), twipsRect(4080 + 600 * j, 5040, 540, 645),
                               QStringLiteral("fall-mask-%1.bmp").arg(j));
    }
    for (int k = 0; k < 4; ++k) {
        m_shotMarkFrames[k] = stock(QStringLiteral("V_%1").arg(k), twipsRect(4080 + 720 * k, 5760, 660, 660),
                                    QStringLiteral("mark-%1.bmp").arg(k));
        m_shotMarkMasks[k] = stock(QStringLiteral("VV_%1").arg(k), twipsRect(4080 + 720 * k, 6480, 660, 660),
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
    m_startAction = item(gameMenu, "B1", tr("ｽﾀｰﾄ(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_pauseAction = item(gameMenu, "B19", tr("ﾀｲﾑ(&T)"), QKeySequence(Qt::CTRL | Qt::Key_T));
    m_returnToStartAction = item(gameMenu, "B21", tr("ｽﾀｰﾄ時に戻す(&B)"));
    m_highScoresAction = item(gameMenu, "B4", tr("ﾊｲｽｺｱ(&H)..."), QKeySequence(Qt::CTRL | Qt::Key_H));
    separator(gameMenu, "C2");
    QAction* exitAction = item(gameMenu, "B5", tr("終了(&E)"));

    m_optionsMenu = menu(nullptr, "A2", tr("ｵﾌﾟｼｮﾝ(&O)"));
    QAction* gameSpeedAction =
        item(m_optionsMenu, "B6", tr("ｹﾞｰﾑｽﾋﾟｰﾄﾞ(&G)..."), QKeySequence(Qt::CTRL | Qt::Key_G));
    QMenu* gunMenu = menu(m_optionsMenu, "B10", tr("銃の種類(&S)"));
    m_gunActions[0] = item(gunMenu, "B11", tr("ﾉｰﾏﾙｶﾞﾝ(&N)"));
    m_gunActions[1] = item(gunMenu, "B12", tr("ｻﾌﾞﾏｼﾝｶﾞﾝ(&S)"));
    m_gunActions[2] = item(gunMenu, "B13", tr("ｼﾞｬｯｸｶﾞﾝ(&G)"));
    for (QAction* gun : m_gunActions) {
        gun->setCheckable(true);
    }

    QMenu* helpMenu = menu(nullptr, "A3", tr("ﾍﾙﾌﾟ(&H)"));
    QAction* helpAction = item(helpMenu, "B17", tr("ﾍﾙﾌﾟ(&H)"), QKeySequence(Qt::Key_F1));
    separator(helpMenu, "C3");
    QAction* versionAction = item(helpMenu, "B18", tr("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    connect(m_startAction, &QAction::triggered, this, &MainWindow::startChosen);
    connect(m_pauseAction, &QAction::triggered, this, &MainWindow::pauseChosen);
    connect(m_returnToStartAction, &QAction::triggered, this, &MainWindow::returnToStartChosen);
    connect(m_highScoresAction, &QAction::triggered, this, &MainWindow::highScoresChosen);
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    connect(gameSpeedAction, &QAction::triggered, this, &MainWindow::gameSpeedChosen);
    for (std::size_t gun = 0; gun < m_gunActions.size(); ++gun) {
        connect(m_gunActions[gun], &QAction::triggered, this,
                [this, gun] { emit gunChosen(static_cast<int>(gun) + 1); });
    }
    connect(helpAction, &QAction::triggered, this, &MainWindow::helpChosen);
    connect(versionAction, &QAction::triggered, this, &MainWindow::versionChosen);
}

void MainWindow::forwardFieldInput() {
    connect(m_startButton, &QPushButton::clicked, this, &MainWindow::startClicked);
    connect(m_timeBonusSquare, &PictureBox::clicked, this, &MainWindow::timeBonusClicked);
    connect(m_playField, &PictureBox::pressed, this,
            [this](Qt::MouseButton button, QPointF) { emit fieldPressed(button); });
    connect(m_playField, &PictureBox::pointerMoved, this, &MainWindow::pointerMovedOverField);
    for (std::size_t man = 0; man < m_men.size(); ++man) {
        const int index = static_cast<int>(man);
        connect(m_men[man], &ImageBox::pressed, this,
                [this, index](Qt::MouseButton button, QPointF) { emit manPressed(index, button); });
        connect(m_men[man], &ImageBox::pointerMoved, this,
                [this, index](QPointF place) { emit pointerMovedOverMan(index, place); });
    }
    connect(m_civilian, &ImageBox::pressed, this,
            [this](Qt::MouseButton button, QPointF) { emit civilianPressed(button); });
    connect(m_civilian, &ImageBox::pointerMoved, this, &MainWindow::pointerMovedOverCivilian);
    // The labels on the plates let their presses through, so a click on "150" is a click on its plate.
    for (std::size_t plate = 0; plate < m_plates.size(); ++plate) {
        connect(m_plates[plate], &PictureBox::clicked, this,
                [this, plate] { emit plateClicked(static_cast<int>(plate)); });
    }
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

// --- What the game says ---

void MainWindow::showMessage(const QString& text) {
    m_messageBar->setText(text);
}

void MainWindow::showKillCount(int kills) {
    m_killCountLabel->setText(QString::number(kills));
}

void MainWindow::showScore(int score) {
    m_scoreLabel->setText(QString::number(score));
}

void MainWindow::showHitRate(int percent) {
    m_hitRateLabel->setText(QString::number(percent) + u'%');
}

void MainWindow::showTimeBar(int value, int max) {
    if (m_timeGauge->max() != max) {
        m_timeGauge->setMax(max);
    }
    m_timeGauge->setValue(value);
}

void MainWindow::showTitlePanels(bool shown) {
    m_titlePanel->setVisible(shown);
    m_legendPanel->setVisible(shown);
}

void MainWindow::enableStartButton(bool enabled) {
    m_startButton->setEnabled(enabled);
}

void MainWindow::enableStartItems(bool enabled) {
    m_startAction->setEnabled(enabled);
    m_highScoresAction->setEnabled(enabled);
    m_optionsMenu->menuAction()->setEnabled(enabled);
}

void MainWindow::enableGameItems(bool enabled) {
    m_pauseAction->setEnabled(enabled);
    m_returnToStartAction->setEnabled(enabled);
}

void MainWindow::enableTimeBonus(bool enabled) {
    m_timeBonusSquare->setEnabled(enabled);
}

void MainWindow::tickGun(int gun) {
    for (std::size_t index = 0; index < m_gunActions.size(); ++index) {
        m_gunActions[index]->setChecked(static_cast<int>(index) + 1 == gun);
    }
}

void MainWindow::showAmmoDisplay(int gun) {
    for (std::size_t index = 0; index < m_ammoDisplays.size(); ++index) {
        m_ammoDisplays[index]->setVisible(static_cast<int>(index) + 1 == gun);
    }
}

void MainWindow::showBullet(int index, bool shown) {
    if (index >= 0 && index < static_cast<int>(m_bullets.size())) {
        m_bullets[static_cast<std::size_t>(index)]->setVisible(shown);
    }
}

void MainWindow::showAmmoCount(int gun, int count) {
    if (gun == 2 || gun == 3) {
        m_ammoCounts[static_cast<std::size_t>(gun - 2)]->setText(QString::number(count));
    }
}

void MainWindow::showAmmoGauge(int gun, int value, int max, quint32 barColor) {
    if (gun != 2 && gun != 3) {
        return;
    }
    Gauge& gauge = *m_ammoGauges[static_cast<std::size_t>(gun - 2)];
    const QRgb color = qRgb(qRed(barColor), qGreen(barColor), qBlue(barColor));
    if (gauge.barColor() != color) {
        gauge.setBarColor(color);
    }
    if (gauge.max() != max) {
        gauge.setMax(max);
    }
    gauge.setValue(value);
}

void MainWindow::showMan(int man, bool shown) {
    if (man >= 0 && man < static_cast<int>(m_men.size())) {
        m_men[static_cast<std::size_t>(man)]->setVisible(shown);
    }
}

void MainWindow::enableMan(int man, bool enabled) {
    if (man >= 0 && man < static_cast<int>(m_men.size())) {
        m_men[static_cast<std::size_t>(man)]->setEnabled(enabled);
    }
}

void MainWindow::placeMan(int man, QPointF place) {
    if (man >= 0 && man < static_cast<int>(m_men.size())) {
        m_men[static_cast<std::size_t>(man)]->move(twipsToPixels(place.x()), twipsToPixels(place.y()));
    }
}

void MainWindow::showCivilian(bool shown) {
    m_civilian->setVisible(shown);
}

void MainWindow::enableCivilian(bool enabled) {
    m_civilian->setEnabled(enabled);
}

void MainWindow::placeCivilian(QPointF place) {
    m_civilian->move(twipsToPixels(place.x()), twipsToPixels(place.y()));
}

void MainWindow::showPlate(int plate, bool shown) {
    if (plate >= 0 && plate < static_cast<int>(m_plates.size())) {
        m_plates[static_cast<std::size_t>(plate)]->setVisible(shown);
    }
}

void MainWindow::enablePlate(int plate, bool enabled) {
    if (plate >= 0 && plate < static_cast<int>(m_plates.size())) {
        m_plates[static_cast<std::size_t>(plate)]->setEnabled(enabled);
    }
}

void MainWindow::placePlate(int plate, QPointF place) {
    if (plate >= 0 && plate < static_cast<int>(m_plates.size())) {
        m_plates[static_cast<std::size_t>(plate)]->move(twipsToPixels(place.x()), twipsToPixels(place.y()));
    }
}

void MainWindow::showBackground(const QString& path) {
    // A file that cannot be read leaves the picture as it was.
    m_playField->loadPicture(path);
}

void MainWindow::drawShotMark(int frame, QPointF place) {
    if (frame < 0 || frame >= static_cast<int>(m_shotMarkFrames.size())) {
        return;
    }
    const auto k = static_cast<std::size_t>(frame);
    const auto x = static_cast<float>(place.x());
    const auto y = static_cast<float>(place.y());
    // The mark reaches the screen only: a refresh wipes it.
    m_playField->setRetainsDrawing(false);
    m_playField->paintPicture(m_shotMarkMasks[k]->picture(), x, y, PictureBox::RasterOp::SrcAnd);
    m_playField->paintPicture(m_shotMarkFrames[k]->picture(), x, y, PictureBox::RasterOp::SrcInvert);
}

void MainWindow::drawFall(int frame, QPointF place) {
    if (frame < 0 || frame >= static_cast<int>(m_fallFrames.size())) {
        return;
    }
    const auto j = static_cast<std::size_t>(frame);
    const auto x = static_cast<float>(place.x());
    const auto y = static_cast<float>(place.y());
    // The fall stays painted into the field's lasting picture.
    m_playField->setRetainsDrawing(true);
    m_playField->paintPicture(m_fallMasks[j]->picture(), x, y, PictureBox::RasterOp::SrcAnd);
    m_playField->paintPicture(m_fallFrames[j]->picture(), x, y, PictureBox::RasterOp::SrcInvert);
}

void MainWindow::refreshField() {
    m_playField->refresh();
}

void MainWindow::openNameEntry(const QString& rankWord, const QString& offeredName) {
    nameEntry().open(rankWord, offeredName);
}

void MainWindow::closeNameEntry() {
    if (m_nameEntryWindow) {
        m_nameEntryWindow->hide();
    }
}

void MainWindow::showHighScores(const QStringList& names, const QStringList& scores) {
    highScoreTable().showRows(names, scores);
}

void MainWindow::showHighScoreTable(bool shown) {
    highScoreTable().setVisible(shown);
}

void MainWindow::showSpeedPosition(int position) {
    speedWindow().showPosition(position);
}

void MainWindow::showStartScore(int startScore) {
    speedWindow().showStartScore(startScore);
}

void MainWindow::showSpeedWindow(bool shown) {
    speedWindow().setVisible(shown);
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
