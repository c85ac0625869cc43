// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLineTest.h"
#include "TestMain.h"
#include "TranslationTest.h"

KELVAD_TEST_MAIN(CommandLineTest, TranslationTest)
