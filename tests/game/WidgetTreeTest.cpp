// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Records the whole widget tree of the game in every phase, one line per object in the order the tree holds
// them, and compares it with widget-tree.txt beside this file, and the same in English with
// widget-tree-en.txt. With KELVAD_RECORD_WIDGET_TREE=1 in the environment the test writes the files instead
// of comparing.
#include "WidgetTreeTest.h"

#include "GameFixture.h"
#include "JapaneseText.h"
#include "LanguageRows.h"
#include "WidgetText.h"
#include "app/Translation.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <array>
#include <optional>

using kelvad::platform::MessageAnswer;
using kelvad::testing::GameFixture;
using kelvad::testing::quoted;
using kelvad::testing::quotedCaptionOf;

namespace {

QString onOff(bool on, const char* yes, const char* no) {
    return QString::fromLatin1(on ? yes : no);
}

// A window is known by its object name; its kind is the class it is built on. Any other widget by its class.
QString kindOf(const QWidget& widget) {
    const QMetaObject* meta = widget.metaObject();
    if (widget.isWindow() && meta->superClass()) {
        meta = meta->superClass();
    }
    return QString::fromLatin1(meta->className());
}

// What the player reads on a widget.
QString textOf(const QWidget& widget) {
    if (const std::optional<QString> caption = quotedCaptionOf(widget)) {
        return *caption;
    }
    if (const auto* slider = qobject_cast<const QAbstractSlider*>(&widget)) {
        return QStringLiteral("value=%1 range=%2..%3")
            .arg(slider->value())
            .arg(slider->minimum())
            .arg(slider->maximum());
    }
    return QStringLiteral("-");
}

// A window's place depends on the screen and its frame, and the main window's client area lies below a menu
// bar whose height depends on the fonts: of those only the size of the client area is kept.
QString geometryOf(const QWidget& widget) {
    if (const auto* main = qobject_cast<const QMainWindow*>(&widget)) {
        return geometryOf(*main->centralWidget());
    }
    const QRect box = widget.geometry();
    const auto* owner = qobject_cast<const QMainWindow*>(widget.parentWidget());
    if (widget.isWindow() || (owner && owner->centralWidget() == &widget)) {
        return QStringLiteral("%1x%2").arg(box.width()).arg(box.height());
    }
    return QStringLiteral("%1,%2 %3x%4").arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height());
}

QString stateOf(const QWidget& widget) {
    return onOff(widget.isEnabled(), "enabled", "disabled") + QLatin1Char(' ') +
           onOff(widget.isVisible(), "visible", "hidden");
}

void describeMenu(const QMenu& menu, int depth, QStringList& lines);

void describeAction(QAction& action, int depth, QStringList& lines) {
    const QString indent(depth * 2, QLatin1Char(' '));
    if (action.isSeparator()) {
        lines << indent + action.objectName() + QStringLiteral(" separator");
        return;
    }
    if (QMenu* menu = action.menu()) {
        lines << indent + menu->objectName() + QStringLiteral(" QMenu ") + quoted(action.text()) +
                     QLatin1Char(' ') + onOff(action.isEnabled(), "enabled", "disabled") + QLatin1Char(' ') +
                     onOff(action.isVisible(), "visible", "hidden");
        describeMenu(*menu, depth + 1, lines);
        return;
    }
    QString line = indent + action.objectName() + QStringLiteral(" QAction ") + quoted(action.text());
    line += QStringLiteral(" shortcut=") + quoted(action.shortcut().toString(QKeySequence::PortableText));
    if (action.isCheckable()) {
        line += onOff(action.isChecked(), " ticked", " unticked");
    }
    line += QLatin1Char(' ') + onOff(action.isEnabled(), "enabled", "disabled") + QLatin1Char(' ') +
            onOff(action.isVisible(), "visible", "hidden");
    lines << line;
}

void describeMenu(const QMenu& menu, int depth, QStringList& lines) {
    for (QAction* action : menu.actions()) {
        describeAction(*action, depth, lines);
    }
}

// Named widgets in the order of the tree; the toolkit's own unnamed parts (the menu bar's inner widgets, a
// text box's cursor) are left out, as they differ between versions of Qt.
void describeWidget(const QWidget& widget, int depth, QStringList& lines) {
    const QString name = widget.objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || qobject_cast<const QMenu*>(&widget)) {
        return;
    }
    QString line = QString(depth * 2, QLatin1Char(' ')) + name + QLatin1Char(' ') + kindOf(widget) +
                   QLatin1Char(' ') + textOf(widget) + QLatin1Char(' ') + geometryOf(widget) +
                   QLatin1Char(' ') + stateOf(widget);
    if (!widget.accessibleName().isEmpty()) {
        line += QStringLiteral(" accessible=") + quoted(widget.accessibleName());
    }
    lines << line;
    for (QObject* child : widget.children()) {
        if (const auto* childWidget = qobject_cast<const QWidget*>(child)) {
            describeWidget(*childWidget, depth + 1, lines);
        }
    }
}

// The game's timers by the order the game makes them in, under their design names.
constexpr std::array<const char*, 9> kTimerNames{"T4", "T5", "T6", "T7", "T8", "T9", "T10", "T11", "T15"};

// The whole main window with the small windows it holds, its menus and the game's timers.
QStringList describeGame(GameFixture& game, const QString& phase) {
    QStringList lines{QStringLiteral("== ") + phase};
    kelvad::MainWindow& window = game.window();
    describeWidget(window, 0, lines);
    lines << QStringLiteral("menus");
    for (QAction* action : window.menuBar()->actions()) {
        describeAction(*action, 1, lines);
    }
    lines << QStringLiteral("timers");
    const kelvad::testing::VirtualScheduler& scheduler = game.platform.scheduler;
    for (std::size_t order = 0; order < scheduler.timerCount() && order < kTimerNames.size(); ++order) {
        const kelvad::platform::Timer& timer = scheduler.timer(order);
        lines << QStringLiteral("  %1 timer %2 interval=%3")
                     .arg(QString::fromLatin1(kTimerNames[order]), onOff(timer.enabled(), "on", "off"))
                     .arg(timer.interval());
    }
    return lines;
}

QString recordedFile(const QString& language) {
    const QString japanese = QStringLiteral(KELVAD_WIDGET_TREE_FILE);
    return language == QLatin1String("ja") ? japanese
                                           : japanese.chopped(4) + u'-' + language + QStringLiteral(".txt");
}

const QByteArray kHeader =
    "# SPDX-FileCopyrightText: 2026 The kelvad authors\n"
    "# SPDX-License-Identifier: GPL-3.0-or-later\n"
    "# The game's widget tree in each phase, written by tests/game/WidgetTreeTest.cpp.\n";

}  // namespace

void WidgetTreeTest::everyWindowInEveryPhaseIsAsRecorded_data() {
    kelvad::testing::addLanguageRows();
}

void WidgetTreeTest::everyWindowInEveryPhaseIsAsRecorded() {
    QFETCH(QString, language);
    kelvad::Translation translation;
    QVERIFY(translation.use(language));
    GameFixture game;
    QStringList lines = describeGame(game, QStringLiteral("ready"));

    // The speed dialog, moved to the fastest speed: the game then starts with 250 points, enough for a place
    // in the default table, so that the name entry opens at its end.
    game.choose("B6");
    auto* slider = game.control<QSlider>("Slider1");
    slider->setValue(10);
    QWidget* speed = game.control("Form4");
    QTest::mouseMove(speed->windowHandle(), slider->mapTo(speed, QPoint(2, 2)));
    lines << describeGame(game, QStringLiteral("speed dialog open, fastest chosen"));
    QTest::mouseClick(speed->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);

    const auto tableOk = [&] {
        QTest::mouseClick(game.control("Form3")->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    };
    game.choose("B4");
    lines << describeGame(game, QStringLiteral("high-score table open before a game"));
    tableOk();
    lines << describeGame(game, QStringLiteral("ready after the table"));

    game.choose("B12");
    game.clickStart();
    game.advance(1000);
    // No man reaches this far right.
    game.press(game.control("Picture1"), Qt::LeftButton, QPoint(250, 5));
    lines << describeGame(game, QStringLiteral("playing, second gun, one shot"));

    game.platform.messageBoxes.answer(MessageAnswer::Ok,
                                      [&] { lines << describeGame(game, QStringLiteral("paused")); });
    game.choose("B19");

    game.platform.messageBoxes.answer(MessageAnswer::Ok, [&] {
        lines << describeGame(game, QStringLiteral("game over at the score message"));
    });
    game.advance(61 * 500);
    lines << describeGame(game, QStringLiteral("name entry open"));

    QTest::keyClicks(game.control("Text1"), QStringLiteral("Ace"));
    QTest::keyClick(game.control("Text1"), Qt::Key_Return);
    lines << describeGame(game, QStringLiteral("high-score table after the name entry"));
    tableOk();
    lines << describeGame(game, QStringLiteral("ready after a game"));

    if (language != QLatin1String("ja")) {
        // Nothing of the Japanese text is left, but for the names in the table a fresh score file holds.
        for (const QString& line : lines) {
            if (!line.contains(QStringLiteral(" QLabel \"名前なし\" "))) {
                QVERIFY2(!kelvad::testing::hasJapanese(line), qPrintable(line));
            }
        }
        for (const kelvad::testing::ShownBox& box : game.platform.messageBoxes.shown) {
            QVERIFY2(!kelvad::testing::hasJapanese(box.title + box.text), qPrintable(box.text));
        }
    }

    const QByteArray tree = kHeader + lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    QFile file(recordedFile(language));
    if (qEnvironmentVariableIntValue("KELVAD_RECORD_WIDGET_TREE") == 1) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(tree), tree.size());
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QList<QByteArray> expected = file.readAll().split('\n');
    const QList<QByteArray> actual = tree.split('\n');
    // Line by line, so that a failure names the first object that differs.
    for (qsizetype line = 0; line < std::min(expected.size(), actual.size()); ++line) {
        QCOMPARE(actual[line], expected[line]);
    }
    QCOMPARE(actual.size(), expected.size());
}
