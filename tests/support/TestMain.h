// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QMetaMethod>
#include <QStringList>
#include <QTest>

#include <vector>

namespace kelvad::testing {

// The arguments for one test class: options pass through; test function names given on the command line
// pass only to the class that has them. Empty when names were given and this class has none of them.
inline std::vector<char*> argumentsFor(const QObject& test, int argc, char** argv) {
    std::vector<char*> options{argv[0]};
    std::vector<char*> names;
    bool anyName = false;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const bool takesValue =
            argument == QLatin1String("-o") || argument == QLatin1String("-maxwarnings") ||
            argument == QLatin1String("-eventdelay") || argument == QLatin1String("-keydelay") ||
            argument == QLatin1String("-mousedelay") || argument == QLatin1String("-platform");
        if (argument.startsWith(QLatin1Char('-'))) {
            options.push_back(argv[i]);
            if (takesValue && i + 1 < argc) {
                options.push_back(argv[++i]);
            }
            continue;
        }
        anyName = true;
        const QString function = argument.section(QLatin1Char(':'), 0, 0).section(QLatin1Char('('), 0, 0);
        const QMetaObject* meta = test.metaObject();
        for (int m = meta->methodOffset(); m < meta->methodCount(); ++m) {
            if (QString::fromLatin1(meta->method(m).name()) == function) {
                names.push_back(argv[i]);
                break;
            }
        }
    }
    if (anyName && names.empty()) {
        return {};
    }
    options.insert(options.end(), names.begin(), names.end());
    return options;
}

// Runs several QTest classes in the application that is already made.
template <typename... Tests>
int runEach(int argc, char** argv) {
    int failures = 0;
    auto run = [&](QObject&& test) {
        std::vector<char*> arguments = argumentsFor(test, argc, argv);
        if (!arguments.empty()) {
            failures += QTest::qExec(&test, static_cast<int>(arguments.size()), arguments.data());
        }
    };
    (run(Tests{}), ...);
    return failures == 0 ? 0 : 1;
}

// Runs several QTest classes in one executable for logic that needs no widget: no GUI is made, as with
// QTEST_GUILESS_MAIN.
template <typename... Tests>
int runGuilessTests(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return runEach<Tests...>(argc, argv);
}

}  // namespace kelvad::testing

#define KELVAD_GUILESS_TEST_MAIN(...)                                     \
    int main(int argc, char** argv) {                                     \
        return kelvad::testing::runGuilessTests<__VA_ARGS__>(argc, argv); \
    }
