// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

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

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    if (argc <= 1) {
        return std::nullopt;
    }
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvad"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVAD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "ケルバド解消ゲーム (kelvad): a thirty-second shooting game played with the mouse.\n"
        "Shoot the three men as they jump about the field, rescue the civilian with the right button,\n"
        "and enter the table of the five best scores. Start a game with Ctrl+S; F1 opens the help.\n"
        "The scores are kept in TOKUTEN: beside a portable copy of the game, or in\n"
        "~/.local/share/kelvad/ for an installed one."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the game's version and exits."));
    parser.addOptions({help, version});
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

    QString error;
    if (!parser.parse(QCoreApplication::arguments())) {
        error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("the game takes no file or other argument: '%1'")
                    .arg(parser.positionalArguments().constFirst());
    }
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("kelvad: %1\nTry 'kelvad --help'.\n").arg(error));
        return 1;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        // The second line names the licence under which anyone may share and change the game.
        print(stdout, QStringLiteral("kelvad %1\n%2\n")
                          .arg(QCoreApplication::applicationVersion(),
                               QCoreApplication::translate(
                                   "CommandLine",
                                   "ライセンス: GPL-3.0-or-later（GNU 一般公衆利用許諾書 第3版以降）")));
        return 0;
    }
    return std::nullopt;
}

}  // namespace kelvad
