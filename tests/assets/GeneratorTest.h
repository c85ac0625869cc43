// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace kelvad {

// The generator itself: same bytes on every run, and a clear failure where it cannot write.
class GeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void sameBytesEveryRun();
    void unwritableDirectoryFailsCleanly();
    void wrongArgumentsShowUsage();
};

// The help pages, Japanese and English, checked alike: each is the page the generator was given, readable,
// complete and whole in its links.
class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void pageIsUtf8Html_data();
    void pageIsUtf8Html();
    void explains_data();
    void explains();
    void picturesItShowsExist_data();
    void picturesItShowsExist();
    void linksHaveTargets_data();
    void linksHaveTargets();
    void englishPageHasNoJapanese();
    void translationKeepsSectionsAndPictures();
};

}  // namespace kelvad
