// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GeneratorTest.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "AssetFiles.h"

using namespace kelvad::assettest;
using namespace Qt::StringLiterals;

namespace kelvad {
namespace {

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QString errors;
};

Run runGenerator(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KELVAD_ASSETGEN), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        return {};
    }
    return {process.exitCode(), process.exitStatus(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QStringList filesUnder(const QString& root) {
    QStringList names;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        names << QDir(root).relativeFilePath(it.next());
    }
    names.sort();
    return names;
}

QString helpPage() {
    return QString::fromUtf8(readAll(programFile(u"Kelvad.Hlp"_s)));
}

}  // namespace

void GeneratorTest::sameBytesEveryRun() {
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(first.isValid() && second.isValid());
    const Run a = runGenerator({first.path()});
    const Run b = runGenerator({second.path()});
    QCOMPARE(a.exitCode, 0);
    QCOMPARE(b.exitCode, 0);
    const QStringList names = filesUnder(first.path());
    QCOMPARE(filesUnder(second.path()), names);
    QVERIFY(names.size() >= 40);
    for (const QString& name : names) {
        const QByteArray bytes = readAll(first.filePath(name));
        QVERIFY2(bytes == readAll(second.filePath(name)), qPrintable(name + u" differs between two runs"_s));
        // The build's program directory holds the same files.
        QVERIFY2(bytes == readAll(programFile(name)), qPrintable(name + u" differs from the built one"_s));
    }
}

void GeneratorTest::unwritableDirectoryFailsCleanly() {
    // A program directory that cannot exist (its parent is a file): the generator says which files it
    // could not write and fails, without crashing.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(u"not-a-folder"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Run run = runGenerator({blocker.fileName() + u"/kelvad"_s});
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains(u"could not write"_s) && run.errors.contains(u"Gun1.Wav"_s),
             qPrintable(run.errors));
}

void GeneratorTest::wrongArgumentsShowUsage() {
    const Run run = runGenerator({});
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errors.contains(u"usage"_s));
}

void HelpTest::pageIsUtf8Html() {
    const QByteArray bytes = readAll(programFile(u"Kelvad.Hlp"_s));
    QVERIFY(!bytes.isEmpty());
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    QVERIFY2(!decoder.hasError(), "not valid UTF-8");
    QVERIFY(text.contains(u"<meta charset=\"utf-8\">"_s, Qt::CaseInsensitive));
    QVERIFY(text.contains(u"<html"_s) && text.contains(u"</html>"_s));
    // The help viewer shows plain HTML: no scripts, no style sheets from elsewhere.
    QVERIFY(!text.contains(u"<script"_s, Qt::CaseInsensitive));
    QVERIFY(!text.contains(u"<link"_s, Qt::CaseInsensitive));
}

void HelpTest::explains_data() {
    QTest::addColumn<QString>("words");
    QTest::newRow("thirty seconds") << u"30秒"_s;
    QTest::newRow("black man's points") << u"10点"_s;
    QTest::newRow("blue man's points") << u"20点"_s;
    QTest::newRow("yellow man's points") << u"30点"_s;
    QTest::newRow("first stage bonus") << u"+20点"_s;
    QTest::newRow("second stage bonus") << u"+40点"_s;
    QTest::newRow("hit rate") << u"命中率"_s;
    QTest::newRow("civilian every ten seconds") << u"10秒ごと"_s;
    QTest::newRow("civilian stays a second and a half") << u"1.5秒間"_s;
    QTest::newRow("rescue with the right button") << u"右クリック"_s;
    QTest::newRow("plates") << u"50点・100点・150点"_s;
    QTest::newRow("plates last three seconds") << u"3秒間"_s;
    QTest::newRow("normal gun") << u"ﾉｰﾏﾙｶﾞﾝ"_s;
    QTest::newRow("submachine gun") << u"ｻﾌﾞﾏｼﾝｶﾞﾝ"_s;
    QTest::newRow("jack gun") << u"ｼﾞｬｯｸｶﾞﾝ"_s;
    QTest::newRow("normal gun reload") << u"0.7秒"_s;
    QTest::newRow("submachine gun reload") << u"1.5秒で15発"_s;
    QTest::newRow("game speed") << u"ｹﾞｰﾑｽﾋﾟｰﾄﾞ"_s;
    QTest::newRow("slowest start score") << u"−250点"_s;
    QTest::newRow("fastest start score") << u"+250点"_s;
    QTest::newRow("high-score file") << u"TOKUTEN"_s;
    QTest::newRow("top five") << u"5位"_s;
    QTest::newRow("time bar secret") << u"75"_s;
    QTest::newRow("start key") << u"Ctrl+S"_s;
    QTest::newRow("time-out key") << u"Ctrl+T"_s;
    QTest::newRow("high-score key") << u"Ctrl+H"_s;
    QTest::newRow("game-speed key") << u"Ctrl+G"_s;
    QTest::newRow("help key") << u"F1"_s;
}

void HelpTest::explains() {
    QFETCH(QString, words);
    // Compare the text as the reader sees it, without markup.
    QString text = helpPage();
    text.remove(QRegularExpression(u"<[^>]*>"_s));
    QVERIFY2(text.contains(words), qPrintable(words));
}

void HelpTest::picturesItShowsExist() {
    const QRegularExpression image(u"<img\\s[^>]*src=\"([^\"]+)\""_s);
    int count = 0;
    for (auto it = image.globalMatch(helpPage()); it.hasNext();) {
        const QString source = it.next().captured(1);
        QVERIFY2(QFile::exists(programFile(source)), qPrintable(source));
        ++count;
    }
    QVERIFY(count >= 4);
}

}  // namespace kelvad
