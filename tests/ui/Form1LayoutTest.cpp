// The main window as the player first sees it.
#include "Form1LayoutTest.h"

#include "GameFixture.h"
#include "PhaseControls.h"
#include "ui/Fonts.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <functional>

using kelvad::testing::GameFixture;

void Form1LayoutTest::theClientAreaIs430By279AndFixed() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    QCOMPARE(form.centralWidget()->size(), QSize(430, 279));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.windowTitle(), QStringLiteral("ケルバド解消ゲーム"));
}

void Form1LayoutTest::theReadyStateAfterLoad() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    QCOMPARE(kelvad::testing::controlStates(form), kelvad::testing::readyControls());
    for (QWidget* hidden : std::initializer_list<QWidget*>{form.I1, form.I2, form.I3, form.HE1, form.D1,
                                                           form.D2, form.D3, form.F2, form.F3}) {
        QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    }
    for (QWidget* disabled :
         std::initializer_list<QWidget*>{form.I1, form.I2, form.I3, form.D1, form.D2, form.D3}) {
        QVERIFY2(!disabled->isEnabled(), qPrintable(disabled->objectName()));
    }
    QVERIFY(form.F1->isVisible());
    QVERIFY(form.B11->isChecked());
    QVERIFY(!form.B12->isChecked());
    QVERIFY(!form.B13->isChecked());
    QVERIFY(form.ME1->text().isEmpty());
    // The panels lie over the play field and the status panel.
    QCOMPARE(form.centralWidget()->childAt(form.Picture1->geometry().center()), form.TAITOLU[0]);
    QVERIFY(form.TAITOLU[1]->isAncestorOf(form.centralWidget()->childAt(QPoint(300, 150))) ||
            form.centralWidget()->childAt(QPoint(300, 150)) == form.TAITOLU[1]);
    for (auto* timer : {form.T4.get(), form.T5.get(), form.T6.get(), form.T7.get(), form.T8.get(),
                        form.T9.get(), form.T10.get(), form.T11.get(), form.T15.get()}) {
        QVERIFY(!timer->enabled() || timer->interval() == 0);
    }
    QCOMPARE(game.platform.scheduler.nextTickIn(), -1);
}

void Form1LayoutTest::theMenusInTheirOrder() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    // Every entry of the menu bar, depth first: its design name, caption and shortcut.
    QStringList entries;
    const std::function<void(const QList<QAction*>&, const QString&)> list =
        [&](const QList<QAction*>& actions, const QString& indent) {
            for (QAction* action : actions) {
                QMenu* menu = action->menu();
                const QString name = menu ? menu->objectName() : action->objectName();
                const QString text = action->isSeparator() ? QStringLiteral("---") : action->text();
                const QString shortcut = action->shortcut().toString(QKeySequence::PortableText);
                entries << indent + (name + QLatin1Char(' ') + text + QLatin1Char(' ') + shortcut).trimmed();
                if (menu) {
                    list(menu->actions(), indent + QStringLiteral("  "));
                }
            }
        };
    list(form.menuBar()->actions(), QString());
    QCOMPARE(entries, QStringList({
                          QStringLiteral("A1 ｹﾞｰﾑ(&G)"),
                          QStringLiteral("  B1 ｽﾀｰﾄ(&S) Ctrl+S"),
                          QStringLiteral("  B19 ﾀｲﾑ(&T) Ctrl+T"),
                          QStringLiteral("  B21 ｽﾀｰﾄ時に戻す(&B)"),
                          QStringLiteral("  B4 ﾊｲｽｺｱ(&H)... Ctrl+H"),
                          QStringLiteral("  C2 ---"),
                          QStringLiteral("  B5 終了(&E)"),
                          QStringLiteral("A2 ｵﾌﾟｼｮﾝ(&O)"),
                          QStringLiteral("  B6 ｹﾞｰﾑｽﾋﾟｰﾄﾞ(&G)... Ctrl+G"),
                          QStringLiteral("  B10 銃の種類(&S)"),
                          QStringLiteral("    B11 ﾉｰﾏﾙｶﾞﾝ(&N)"),
                          QStringLiteral("    B12 ｻﾌﾞﾏｼﾝｶﾞﾝ(&S)"),
                          QStringLiteral("    B13 ｼﾞｬｯｸｶﾞﾝ(&G)"),
                          QStringLiteral("A3 ﾍﾙﾌﾟ(&H)"),
                          QStringLiteral("  B17 ﾍﾙﾌﾟ(&H) F1"),
                          QStringLiteral("  C3 ---"),
                          QStringLiteral("  B18 ﾊﾞｰｼﾞｮﾝ情報(&A)"),
                      }));
}

void Form1LayoutTest::nothingBelowTheVisibleAreaIsShown() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    const QList<QWidget*> all = form.centralWidget()->findChildren<QWidget*>();
    const int visibleHeight = form.centralWidget()->height();
    for (QWidget* widget : all) {
        if (widget->mapTo(form.centralWidget(), QPoint(0, 0)).y() >= visibleHeight) {
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        }
    }
    for (auto* stock : form.V) {
        QVERIFY(!stock->isVisible());
        QCOMPARE(stock->picture().size(), QSize(40, 40));
    }
    for (auto* stock : form.P) {
        QVERIFY(!stock->isVisible());
        QCOMPARE(stock->picture().size(), QSize(32, 39));
    }
}

void Form1LayoutTest::controlsAreFoundByTheirDesignNames() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("TOKUTEN")), form.TOKUTEN);
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("GEKIHA")), form.GEKIHA);
    QCOMPARE(form.findChild<kelvad::PictureBox*>(QStringLiteral("Picture1")), form.Picture1);
    QCOMPARE(form.findChild<kelvad::ImageBox*>(QStringLiteral("TA_7")), form.TA[7]);
    // Geometry in twips / 15.
    QCOMPARE(form.Picture1->geometry(), QRect(8, 40, 257, 233));
    QCOMPARE(form.Frame1->geometry(), QRect(272, 80, 153, 193));
    QCOMPARE(form.TA[7]->geometry(), QRect(120, 8, 12, 23));
    QCOMPARE(form.D3->geometry(), QRect(184, 200, 60, 20));
    QCOMPARE(form.Label13->geometry(), QRect(16, 4, 33, 17));
    QCOMPARE(form.Label13->text(), QStringLiteral("150"));
    QCOMPARE(form.Command1->text(), QStringLiteral("始める"));
    QCOMPARE(form.Label17->text(), QStringLiteral("…10点"));
}

void Form1LayoutTest::theDesignFontsResolveToTheIpaFonts() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    QCOMPARE(QFontInfo(form.ME1->font()).family(), QStringLiteral("IPAMincho"));
    QVERIFY(form.ME1->font().bold());
    QCOMPARE(QFontInfo(form.Command1->font()).family(), QStringLiteral("IPAGothic"));
    QCOMPARE(QFontInfo(form.Label1->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(QFontInfo(form.TOKUTEN->font()).family(), QStringLiteral("IPAGothic"));
}

void Form1LayoutTest::pictureOnlyControlsHaveAccessibleNames() {
    GameFixture game;
    kelvad::Form1& form = game.form();
    for (QWidget* picture :
         std::initializer_list<QWidget*>{form.I1, form.I2, form.I3, form.HE1, form.D1, form.D2, form.D3,
                                         form.TA[0], form.Image9, form.Picture1}) {
        QVERIFY2(!picture->accessibleName().isEmpty(), qPrintable(picture->objectName()));
    }
    // A label that shows a value keeps no accessible name, so that its live text is what is read.
    QVERIFY(form.TOKUTEN->accessibleName().isEmpty());
    QVERIFY(form.GEKIHA->accessibleName().isEmpty());
}

void Form1LayoutTest::closingTheWindowLeavesTheScoreFileUntouched() {
    GameFixture game;
    const QString file = game.platform.programDirectory() + QStringLiteral("/TOKUTEN");
    QFile before(file);
    QByteArray bytes;
    if (before.open(QIODevice::ReadOnly)) {
        bytes = before.readAll();
        before.close();
    }
    game.form().close();
    QFile after(file);
    if (after.open(QIODevice::ReadOnly)) {
        QCOMPARE(after.readAll(), bytes);
    } else {
        QVERIFY(bytes.isEmpty());
    }
}
