// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// The game's languages: Japanese, its own, and English on request.
class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void theLanguagesAreJapaneseAndEnglish();
    void anUnknownLanguageChangesNothing();
    void everyCaptionFitsItsControl_data();
    void everyCaptionFitsItsControl();
    void noMenuRepeatsAnAccelerator_data();
    void noMenuRepeatsAnAccelerator();
    void everyMessageBoxSpeaksTheLanguage_data();
    void everyMessageBoxSpeaksTheLanguage();
};
