// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TranslationTest.h"

#include "GameFixture.h"
#include "JapaneseText.h"
#include "LanguageRows.h"
#include "app/Translation.h"
#include "scores/HighScoreFile.h"
#include "scores/Ranking.h"
#include "scores/UnsavedTable.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

using kelvad::platform::MessageAnswer;
using kelvad::testing::GameFixture;

namespace {

// One caption in its control: the width the text takes and the width the control gives it.
struct Fit {
    QString control;
    QString text;
    int width;
    int room;
};

QString withoutMnemonic(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

int textWidth(const QWidget& widget, const QString& text) {
    return widget.fontMetrics().horizontalAdvance(text);
}

void measureLabelsAndButtons(const QWidget& window, std::vector<Fit>& fits) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty() && !label->objectName().isEmpty()) {
            fits.push_back({label->objectName(), label->text(), textWidth(*label, label->text()),
                            label->contentsRect().width()});
        }
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QString text = withoutMnemonic(button->text());
        const int margins = 2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                                 button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
        fits.push_back({button->objectName(), text, textWidth(*button, text), button->width() - margins});
    }
}

// The menu bar's titles, which must all stand in one row within the window, and every item of their menus.
void measureMenus(kelvad::MainWindow& window, std::vector<Fit>& fits) {
    QMenuBar* bar = window.menuBar();
    int right = 0;
    for (QAction* title : bar->actions()) {
        const QRect place = bar->actionGeometry(title);
        const QString text = withoutMnemonic(title->text());
        fits.push_back({title->menu()->objectName(), text, textWidth(*bar, text), place.width()});
        right = std::max(right, place.right());
        QVERIFY2(place.top() == bar->actionGeometry(bar->actions().constFirst()).top(), qPrintable(text));
    }
    fits.push_back({QStringLiteral("menu bar"), QStringLiteral("(all titles)"), right + 1, bar->width()});
    std::vector<QMenu*> menus;
    for (QAction* title : bar->actions()) {
        menus.push_back(title->menu());
    }
    for (std::size_t m = 0; m < menus.size(); ++m) {
        QMenu* menu = menus[m];
        menu->ensurePolished();
        menu->adjustSize();
        for (QAction* item : menu->actions()) {
            if (item->isSeparator()) {
                continue;
            }
            if (item->menu()) {
                menus.push_back(item->menu());
            }
            const QString shortcut = item->shortcut().toString(QKeySequence::NativeText);
            const QString text = withoutMnemonic(item->text());
            fits.push_back({item->objectName(), text + (shortcut.isEmpty() ? QString() : u'\t' + shortcut),
                            textWidth(*menu, text) + textWidth(*menu, shortcut),
                            menu->actionGeometry(item).width()});
        }
    }
}

// Every text a translation gives for the message bar, in the language spoken now.
QStringList messageBarTexts() {
    QFile file(QStringLiteral(KELVAD_TRANSLATIONS_DIR "/kelvad_en.ts"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QXmlStreamReader reader(&file);
    QString context;
    QStringList texts;
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (reader.isStartElement() && reader.name() == QLatin1String("source") &&
                   context == QLatin1String("MessageBar")) {
            const QByteArray source = reader.readElementText().toUtf8();
            texts << QCoreApplication::translate("MessageBar", source.constData());
        } else if (!reader.isStartElement()) {
            reader.readNext();
        }
    }
    return texts;
}

}  // namespace

void TranslationTest::theLanguagesAreJapaneseAndEnglish() {
    QCOMPARE(kelvad::Translation::languages(), QStringList({QStringLiteral("ja"), QStringLiteral("en")}));
}

void TranslationTest::anUnknownLanguageChangesNothing() {
    kelvad::Translation translation;
    QVERIFY(translation.use(QStringLiteral("en")));
    for (const char* unknown : {"xx", "", "EN", "en_US", "../en", "kelvad_en"}) {
        QVERIFY2(!translation.use(QString::fromLatin1(unknown)), unknown);
        QCOMPARE(QCoreApplication::translate("MessageBar", "弾がありません！"),
                 QStringLiteral("Out of ammo!"));
    }
    QVERIFY(translation.use(QStringLiteral("ja")));
    QCOMPARE(QCoreApplication::translate("MessageBar", "弾がありません！"),
             QStringLiteral("弾がありません！"));
}

void TranslationTest::everyCaptionFitsItsControl_data() {
    kelvad::testing::addLanguageRows();
}

void TranslationTest::everyCaptionFitsItsControl() {
    QFETCH(QString, language);
    kelvad::Translation translation;
    QVERIFY(translation.use(language));
    GameFixture game;
    kelvad::MainWindow& window = game.window();

    // The small windows are the main window's children, made when first shown.
    window.openNameEntry(QString(), QString());
    window.showSpeedPosition(5);
    auto* messageBar = game.control<QLabel>("ME1");
    auto* rankLabel = game.control("Form2")->findChild<QLabel*>(QStringLiteral("Label2"));
    std::vector<Fit> fits;
    measureLabelsAndButtons(window, fits);
    measureMenus(window, fits);
    const QStringList messages = messageBarTexts();
    QVERIFY(!messages.isEmpty());
    for (const QString& message : messages) {
        fits.push_back({messageBar->objectName(), message, textWidth(*messageBar, message),
                        messageBar->contentsRect().width()});
    }
    for (int rank = 1; rank <= 5; ++rank) {
        fits.push_back({rankLabel->objectName(), kelvad::rankWord(rank),
                        textWidth(*rankLabel, kelvad::rankWord(rank)), rankLabel->contentsRect().width()});
    }

    std::sort(fits.begin(), fits.end(),
              [](const Fit& a, const Fit& b) { return a.room - a.width < b.room - b.width; });
    // The five tightest, the table's rows alike in width and room counted once.
    QStringList tightest;
    for (std::size_t i = 0; i < fits.size() && tightest.size() < 5; ++i) {
        if (i > 0 && fits[i].width == fits[i - 1].width && fits[i].room == fits[i - 1].room) {
            tightest.last() += u' ' + fits[i].control;
            continue;
        }
        tightest << QStringLiteral("\"%1\" %2 px in %3: %4")
                        .arg(fits[i].text)
                        .arg(fits[i].width)
                        .arg(fits[i].room)
                        .arg(fits[i].control);
    }
    for (const QString& line : tightest) {
        qInfo("tightest %s: %s", qPrintable(language), qPrintable(line));
    }
    for (const Fit& fit : fits) {
        QVERIFY2(fit.width <= fit.room, qPrintable(QStringLiteral("%1 \"%2\": %3 px in %4")
                                                       .arg(fit.control, fit.text)
                                                       .arg(fit.width)
                                                       .arg(fit.room)));
    }
}

void TranslationTest::noMenuRepeatsAnAccelerator_data() {
    everyCaptionFitsItsControl_data();
}

// Alt and a letter reach each menu of the bar, and a letter each item of an open menu: one letter, one place.
void TranslationTest::noMenuRepeatsAnAccelerator() {
    QFETCH(QString, language);
    kelvad::Translation translation;
    QVERIFY(translation.use(language));
    GameFixture game;
    std::vector<QList<QAction*>> menus{game.window().menuBar()->actions()};
    for (std::size_t m = 0; m < menus.size(); ++m) {
        QSet<QChar> letters;
        for (QAction* action : menus[m]) {
            if (action->isSeparator()) {
                continue;
            }
            if (action->menu()) {
                menus.push_back(action->menu()->actions());
            }
            const QRegularExpressionMatch accelerator =
                QRegularExpression(QStringLiteral("&([^&])")).match(action->text());
            QVERIFY2(accelerator.hasMatch(), qPrintable(action->text()));
            const QChar letter = accelerator.captured(1).at(0).toUpper();
            QVERIFY2(!letters.contains(letter), qPrintable(action->text()));
            letters.insert(letter);
        }
    }
}

void TranslationTest::everyMessageBoxSpeaksTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("helpPage");
    for (const QString& language : kelvad::Translation::languages()) {
        QTest::newRow(qPrintable(language))
            << language
            << (language == QLatin1String("ja") ? QStringLiteral("/Kelvad.Hlp")
                                                : QStringLiteral("/Kelvad-%1.Hlp").arg(language));
    }
}

// The boxes a game can show, each opened as a player would, in English with nothing Japanese left; and the
// help page of the language.
void TranslationTest::everyMessageBoxSpeaksTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, helpPage);
    kelvad::Translation translation;
    QVERIFY(translation.use(language));
    GameFixture game;
    auto& boxes = game.platform.messageBoxes;

    game.choose("B18");
    game.choose("B4");
    boxes.answer(MessageAnswer::Cancel);
    QTest::mouseClick(game.control("Form3")->findChild<QPushButton*>(QStringLiteral("Command2")),
                      Qt::LeftButton);
    QTest::mouseClick(game.control("Form3")->findChild<QPushButton*>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    game.platform.helpViewer.error = QStringLiteral("-");
    game.choose("B17");
    QCOMPARE(game.platform.helpViewer.opened.size(), 1);
    QVERIFY2(game.platform.helpViewer.opened.constFirst().endsWith(helpPage),
             qPrintable(game.platform.helpViewer.opened.constFirst()));
    game.clickStart();
    boxes.answer(MessageAnswer::Ok);
    game.choose("B19");
    boxes.answer(MessageAnswer::No);
    game.choose("B21");
    boxes.answer(MessageAnswer::Ok);
    game.advance(61 * 500);

    QCOMPARE(boxes.shown.size(), std::size_t{6});
    QStringList texts;
    for (const kelvad::testing::ShownBox& box : boxes.shown) {
        QVERIFY(!box.title.isEmpty() && !box.text.isEmpty());
        texts << box.title + u'\n' + box.text;
    }
    // A change of the table that its file could not take, for each reason the game names in its own words.
    using Cause = kelvad::WriteFailure::Cause;
    for (const kelvad::TableChange change : {kelvad::TableChange::NewEntry, kelvad::TableChange::Reset}) {
        for (const Cause cause : {Cause::NotAFile, Cause::NoPermission, Cause::NoRoom}) {
            texts << kelvad::unsavedTableText(change, QStringLiteral("/games/TOKUTEN"), {cause, QString()});
        }
    }
    for (const QString& text : texts) {
        qInfo("%s: %s", qPrintable(language), qPrintable(text));
        QCOMPARE(kelvad::testing::hasJapanese(text), language == QLatin1String("ja"));
    }
}
