// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GeneratorTest.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

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

// One row for each help page the game opens: in Japanese, and in English.
void addHelpPageRows() {
    QTest::addColumn<QString>("file");
    QTest::newRow("Japanese") << u"Kelvad.Hlp"_s;
    QTest::newRow("English") << u"Kelvad-en.Hlp"_s;
}

QString helpPage(const QString& file) {
    return QString::fromUtf8(readAll(programFile(file)));
}

QStringList captures(const QString& pattern, const QString& text) {
    QStringList found;
    for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext();) {
        found << it.next().captured(1);
    }
    return found;
}

QStringList picturesOf(const QString& page) {
    return captures(u"<img\\s[^>]*src=\"([^\"]+)\""_s, page);
}

QStringList anchorsOf(const QString& page) {
    return captures(u"<a\\s[^>]*name=\"([^\"]+)\""_s, page);
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

void HelpTest::pageIsUtf8Html_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("Japanese") << u"Kelvad.Hlp"_s << u"Kelvad.html"_s << u"ja"_s
                              << u"ケルバド解消ゲーム ヘルプ"_s;
    QTest::newRow("English") << u"Kelvad-en.Hlp"_s << u"Kelvad-en.html"_s << u"en"_s
                             << u"Kelvad Buster Help"_s;
}

void HelpTest::pageIsUtf8Html() {
    QFETCH(QString, file);
    QFETCH(QString, source);
    QFETCH(QString, language);
    QFETCH(QString, title);
    const QByteArray bytes = readAll(programFile(file));
    QVERIFY(!bytes.isEmpty());
    // The program directory holds the page as it was written, byte for byte: a Japanese game's help stays
    // what it always was, whatever pages join it.
    QVERIFY2(bytes == readAll(QDir(QStringLiteral(KELVAD_HELP_SOURCES)).filePath(source)),
             qPrintable(file + u" is not "_s + source));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    QVERIFY2(!decoder.hasError(), "not valid UTF-8");
    QVERIFY(text.contains(u"<meta charset=\"utf-8\">"_s, Qt::CaseInsensitive));
    QVERIFY(text.contains(u"<html lang=\""_s + language + u"\">"_s) && text.contains(u"</html>"_s));
    QVERIFY(text.contains(u"<title>"_s + title + u"</title>"_s));
    // The help viewer shows plain HTML: no scripts, no style sheets from elsewhere.
    QVERIFY(!text.contains(u"<script"_s, Qt::CaseInsensitive));
    QVERIFY(!text.contains(u"<link"_s, Qt::CaseInsensitive));
}

void HelpTest::explains_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("words");
    // Every fact in both languages, so that neither page loses one.
    const auto fact = [](const char* name, const QString& japanese, const QString& english) {
        QTest::addRow("Japanese: %s", name) << u"Kelvad.Hlp"_s << japanese;
        QTest::addRow("English: %s", name) << u"Kelvad-en.Hlp"_s << english;
    };
    fact("thirty seconds", u"30秒"_s, u"30 seconds"_s);
    fact("black man's points", u"10点"_s, u"10 points"_s);
    fact("blue man's points", u"20点"_s, u"20 points"_s);
    fact("yellow man's points", u"30点"_s, u"30 points"_s);
    fact("first stage bonus", u"+20点"_s, u"+20 points"_s);
    fact("second stage bonus", u"+40点"_s, u"+40 points"_s);
    fact("hit rate", u"命中率"_s, u"Hit Rate"_s);
    fact("civilian every ten seconds", u"10秒ごと"_s, u"every 10 seconds"_s);
    fact("civilian stays a second and a half", u"1.5秒間"_s, u"for just 1.5 seconds"_s);
    fact("rescue with the right button", u"右クリック"_s, u"Right-click the civilian"_s);
    fact("plates", u"50点・100点・150点"_s, u"50, 100 or 150 points"_s);
    fact("plates last three seconds", u"3秒間"_s, u"after 3 seconds"_s);
    fact("normal gun", u"ﾉｰﾏﾙｶﾞﾝ"_s, u"Normal Gun"_s);
    fact("submachine gun", u"ｻﾌﾞﾏｼﾝｶﾞﾝ"_s, u"Submachine Gun"_s);
    fact("jack gun", u"ｼﾞｬｯｸｶﾞﾝ"_s, u"Jack Gun"_s);
    fact("normal gun reload", u"0.7秒"_s, u"0.7 seconds"_s);
    fact("submachine gun reload", u"1.5秒で15発"_s, u"15 bullets in 1.5 seconds"_s);
    fact("out of ammo", u"弾がありません！"_s, u"Out of ammo!"_s);
    fact("game speed", u"ｹﾞｰﾑｽﾋﾟｰﾄﾞ"_s, u"Game Speed..."_s);
    fact("slowest start score", u"−250点"_s, u"−250 points"_s);
    fact("fastest start score", u"+250点"_s, u"+250 points"_s);
    fact("high-score file", u"TOKUTEN"_s, u"TOKUTEN"_s);
    fact("top five", u"5位"_s, u"top 5"_s);
    fact("time bar secret", u"75"_s, u"75"_s);
    fact("time bar square", u"「撃破数」の右"_s, u"right of “Kills”"_s);
    fact("start key", u"Ctrl+S"_s, u"Ctrl+S"_s);
    fact("time-out key", u"Ctrl+T"_s, u"Ctrl+T"_s);
    fact("time-out menu", u"ｹﾞｰﾑ → ﾀｲﾑ"_s, u"Game → Time Out"_s);
    fact("back to start", u"ｹﾞｰﾑ → ｽﾀｰﾄ時に戻す"_s, u"Game → Back to Start"_s);
    fact("high-score key", u"Ctrl+H"_s, u"Ctrl+H"_s);
    fact("game-speed key", u"Ctrl+G"_s, u"Ctrl+G"_s);
    fact("help key", u"F1"_s, u"F1"_s);
    fact("version", u"ﾍﾙﾌﾟ → ﾊﾞｰｼﾞｮﾝ情報"_s, u"Help → About"_s);
}

void HelpTest::explains() {
    QFETCH(QString, file);
    QFETCH(QString, words);
    // Compare the text as the reader sees it, without markup.
    QString text = helpPage(file);
    text.remove(QRegularExpression(u"<[^>]*>"_s));
    QVERIFY2(text.contains(words), qPrintable(words));
}

void HelpTest::picturesItShowsExist_data() {
    addHelpPageRows();
}

void HelpTest::picturesItShowsExist() {
    QFETCH(QString, file);
    const QStringList pictures = picturesOf(helpPage(file));
    for (const QString& source : pictures) {
        QVERIFY2(QFile::exists(programFile(source)), qPrintable(source));
    }
    QVERIFY(pictures.size() >= 4);
}

void HelpTest::linksHaveTargets_data() {
    addHelpPageRows();
}

void HelpTest::linksHaveTargets() {
    // The contents list jumps within the page: every #link needs its <a name>, and each name is given once.
    QFETCH(QString, file);
    const QString page = helpPage(file);
    const QStringList anchors = anchorsOf(page);
    QCOMPARE(QSet<QString>(anchors.begin(), anchors.end()).size(), anchors.size());
    const QStringList links = captures(u"<a\\s[^>]*href=\"#([^\"]*)\""_s, page);
    for (const QString& link : links) {
        QVERIFY2(anchors.contains(link), qPrintable(u"#"_s + link));
    }
    QVERIFY(links.size() >= 9);
    // No link leaves the page: the viewer has nowhere to go.
    QCOMPARE(captures(u"<a\\s[^>]*href=\"([^#][^\"]*)\""_s, page), QStringList());
}

void HelpTest::englishPageHasNoJapanese() {
    // Kana, kanji and the full- and half-width forms have no place in the English page, not even in its
    // pictures' descriptions: the player's kelvad is written in Latin letters there.
    const QString page = helpPage(u"Kelvad-en.Hlp"_s);
    QVERIFY(!page.isEmpty());
    const QRegularExpression japanese(
        u"[\\x{3000}-\\x{30FF}\\x{31F0}-\\x{31FF}\\x{3400}-\\x{4DBF}"
        u"\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"_s);
    const QRegularExpressionMatch match = japanese.match(page);
    QVERIFY2(!match.hasMatch(), qPrintable(page.mid(std::max<qsizetype>(0, match.capturedStart() - 30), 60)));
}

void HelpTest::translationKeepsSectionsAndPictures() {
    // The same sections under the same anchors, and the same pictures in the same order.
    const QString japanese = helpPage(u"Kelvad.Hlp"_s);
    const QString english = helpPage(u"Kelvad-en.Hlp"_s);
    QVERIFY(!japanese.isEmpty() && !english.isEmpty());
    QCOMPARE(anchorsOf(english), anchorsOf(japanese));
    QCOMPARE(picturesOf(english), picturesOf(japanese));
    QCOMPARE(english.count(u"<tr"_s), japanese.count(u"<tr"_s));
    QCOMPARE(english.count(u"<li>"_s), japanese.count(u"<li>"_s));
}

}  // namespace kelvad
