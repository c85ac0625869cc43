// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TranscriptTest.h"
#include "WidgetTreeTest.h"
#include "WindowTestMain.h"

KELVAD_TEST_MAIN(WidgetTreeTest, TranscriptTest)
