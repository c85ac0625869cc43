// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLineTest.h"

#include "JapaneseText.h"

#include <QProcess>
#include <QTest>

void CommandLineTest::answersAndRefusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("exitStatus");
    // Lines the output (standard output, then standard error) must hold, in order.
    QTest::addColumn<QStringList>("lines");
    // Whether any of it is Japanese.
    QTest::addColumn<bool>("japanese");

    const QString licenceJa =
        QStringLiteral("ライセンス: GPL-3.0-or-later（GNU 一般公衆利用許諾書 第3版以降）");
    const QString licenceEn =
        QStringLiteral("Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later)");
    for (const char* locale : {"C.UTF-8", "en_US.UTF-8", "ja_JP.UTF-8"}) {
        const QString lang = QString::fromLatin1(locale);
        QTest::addRow("--version, %s", locale)
            << QStringList{QStringLiteral("--version")} << lang << 0
            << QStringList{QStringLiteral("kelvad 1.51"), licenceJa} << true;
        QTest::addRow("--help, %s", locale)
            << QStringList{QStringLiteral("--help")} << lang << 0
            << QStringList{QStringLiteral("ケルバド解消ゲーム (kelvad): マウスで遊ぶ30秒の射撃ゲームです。"),
                           QStringLiteral("  --lang <ja|en>")}
            << true;
    }
    QTest::newRow("--lang en --version")
        << QStringList{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--version")}
        << QStringLiteral("ja_JP.UTF-8") << 0 << QStringList{QStringLiteral("kelvad 1.51"), licenceEn}
        << false;
    QTest::newRow("--help --lang=en")
        << QStringList{QStringLiteral("--help"), QStringLiteral("--lang=en")} << QStringLiteral("C.UTF-8")
        << 0
        << QStringList{QStringLiteral(
                           "Kelvad Buster (kelvad): a thirty-second shooting game played with the mouse."),
                       QStringLiteral("  --lang <ja|en>"),
                       QStringLiteral("The game's language: ja, en. The default is ja (Japanese).")}
        << false;
    QTest::newRow("-lang ja -v") << QStringList{QStringLiteral("-lang"), QStringLiteral("ja"),
                                                QStringLiteral("-v")}
                                 << QStringLiteral("C.UTF-8") << 0 << QStringList{licenceJa} << true;
    // A language the game lacks is refused in each language it has, naming them.
    for (const char* unknown : {"xx", "", "EN", "../en"}) {
        const QString name = QString::fromLatin1(unknown);
        QTest::addRow("--lang '%s'", unknown)
            << QStringList{QStringLiteral("--lang"), name} << QStringLiteral("C.UTF-8") << 1
            << QStringList{QStringLiteral("kelvad: 言語 '%1' はありません。使える言語: ja, en").arg(name),
                           QStringLiteral("kelvad: there is no language '%1'; the game speaks ja, en")
                               .arg(name)}
            << true;
    }
    QTest::newRow("--lang without a language")
        << QStringList{QStringLiteral("--lang")} << QStringLiteral("C.UTF-8") << 1
        << QStringList{QStringLiteral("kelvad: Missing value after '--lang'."),
                       QStringLiteral("'kelvad --help' で使い方を表示します。")}
        << true;
    QTest::newRow("an argument, in English")
        << QStringList{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("TOKUTEN")}
        << QStringLiteral("C.UTF-8") << 1
        << QStringList{QStringLiteral("kelvad: the game takes no file or other argument: 'TOKUTEN'"),
                       QStringLiteral("Try 'kelvad --help'.")}
        << false;
    QTest::newRow("an unknown option, in Japanese")
        << QStringList{QStringLiteral("--fast")} << QStringLiteral("en_US.UTF-8") << 1
        << QStringList{QStringLiteral("kelvad: Unknown option 'fast'."),
                       QStringLiteral("'kelvad --help' で使い方を表示します。")}
        << true;
}

void CommandLineTest::answersAndRefusals() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(int, exitStatus);
    QFETCH(QStringList, lines);
    QFETCH(bool, japanese);

    QProcess kelvad;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANGUAGE"), locale.section(u'.', 0, 0));
    // No display: these answers come before any window.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    kelvad.setProcessEnvironment(environment);
    kelvad.start(qEnvironmentVariable("KELVAD_PROGRAM_DIR") + QStringLiteral("/kelvad"), arguments);
    QVERIFY(kelvad.waitForFinished(20000));
    QCOMPARE(kelvad.exitStatus(), QProcess::NormalExit);
    const QString output =
        QString::fromUtf8(kelvad.readAllStandardOutput()) + QString::fromUtf8(kelvad.readAllStandardError());
    QCOMPARE(kelvad.exitCode(), exitStatus);
    qsizetype from = 0;
    for (const QString& line : lines) {
        const qsizetype at = output.indexOf(line, from);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("no \"%1\" in:\n%2").arg(line, output)));
        from = at + line.size();
    }
    QCOMPARE(kelvad::testing::hasJapanese(output), japanese);
}
