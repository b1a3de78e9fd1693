// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's version, one for the window's title, every program's
// --version and the package: CMake's project version.

#include <QString>

#ifndef TERVALIX_VERSION
#error "TERVALIX_VERSION comes from the build (the project's version)"
#endif

namespace Version {
inline QString text() { return QStringLiteral(TERVALIX_VERSION); }
} // namespace Version
