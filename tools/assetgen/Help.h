// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace assetgen {

// The help's contents page (HTML, UTF-8), kept as a page of its own in assets/help and built into
// the generator as a resource.
QString helpPage();

}  // namespace assetgen
