// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "app/Translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

namespace kelvad {

namespace {

// The options that Qt's window-system classes take for themselves, as "-name" or "-name value".
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"reverse", false},
    {"session", true},         {"style", true},
    {"stylesheet", true},      {"widgetcount", false},
    {"display", true},         {"geometry", true},
    {"title", true},           {"name", true},
    {"visual", true},          {"ncols", true},
    {"cmap", false},           {"nograb", false},
    {"dograb", false},         {"sync", false},
    {"fontengine", true},      {"qmljsdebugger", true},
};

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The game's options, described in the language spoken when it is made.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("CommandLine", "このヘルプを表示して終わります。")};
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "ゲームのバージョンを表示して終わります。")};
    QCommandLineOption language{
        QStringLiteral("lang"),
        QCoreApplication::translate("CommandLine", "ゲームの言語: %1。既定は ja（日本語）です。")
            .arg(Translation::languages().join(QStringLiteral(", "))),
        Translation::languages().join(u'|')};

    Options() {
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine",
            "ケルバド解消ゲーム (kelvad): マウスで遊ぶ30秒の射撃ゲームです。\n"
            "跳びまわる3人の男を撃ち、一般人は右ボタンで救って、上位5位の得点表に名前を残しましょう。\n"
            "Ctrl+S でゲームが始まり、F1 でヘルプが開きます。\n"
            "得点はファイル TOKUTEN に記録されます。持ち運べるコピーではゲームと同じフォルダーに、\n"
            "インストールしたゲームでは ~/.local/share/kelvad/ に置かれます。"));
        parser.addOptions({help, version, language});
        for (const QtOption& qtOption : kQtOptions) {
            QCommandLineOption option(QString::fromLatin1(qtOption.name));
            if (qtOption.takesValue) {
                option.setValueName(QStringLiteral("value"));
            }
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        // Qt's options are single-dash words; -h and -v still work, as long options of one letter.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    }
};

}  // namespace

CommandLineAnswer answerCommandLine(int argc, char** argv) {
    const QString ownLanguage = Translation::languages().constFirst();
    if (argc <= 1) {
        return {std::nullopt, ownLanguage};
    }
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvad"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVAD_VERSION));
    const QStringList arguments = QCoreApplication::arguments();

    // The language first, so that everything else is answered in it.
    Translation translation;
    QString language = ownLanguage;
    {
        Options options;
        // A --lang with no language after it is left to the parse below, which names the fault.
        options.parser.parse(arguments);
        if (const QStringList asked = options.parser.values(options.language); !asked.isEmpty()) {
            language = asked.constLast();
        }
    }
    if (!translation.use(language)) {
        // Asked for a language it does not have, the game says so in each one it has.
        for (const QString& spoken : Translation::languages()) {
            translation.use(spoken);
            print(stderr, QCoreApplication::translate("CommandLine",
                                                      "kelvad: 言語 '%1' はありません。使える言語: %2\n")
                              .arg(language, Translation::languages().join(QStringLiteral(", "))));
        }
        return {1, ownLanguage};
    }

    Options options;
    QString error;
    if (!options.parser.parse(arguments)) {
        error = options.parser.errorText();
    } else if (!options.parser.positionalArguments().isEmpty()) {
        error = QCoreApplication::translate("CommandLine", "ゲームはファイルなどの引数を取りません: '%1'")
                    .arg(options.parser.positionalArguments().constFirst());
    }
    if (!error.isEmpty()) {
        print(stderr, QCoreApplication::translate("CommandLine",
                                                  "kelvad: %1\n'kelvad --help' で使い方を表示します。\n")
                          .arg(error));
        return {1, language};
    }
    if (options.parser.isSet(options.help)) {
        print(stdout, options.parser.helpText());
        return {0, language};
    }
    if (options.parser.isSet(options.version)) {
        // The second line names the licence under which anyone may share and change the game.
        print(stdout, QStringLiteral("kelvad %1\n%2\n")
                          .arg(QCoreApplication::applicationVersion(),
                               QCoreApplication::translate(
                                   "CommandLine",
                                   "ライセンス: GPL-3.0-or-later（GNU 一般公衆利用許諾書 第3版以降）")));
        return {0, language};
    }
    return {std::nullopt, language};
}

}  // namespace kelvad
