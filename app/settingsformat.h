// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file as the program writes it: the same INI text Qt writes
// for the platform's own store on Linux (~/.config/Brundholt/Tervalix.conf),
// but replaced only once the new text is proven on disk (written whole,
// synced, its size checked). Qt's own writer can report success for a file
// cut short by a full disk and rename it over the good one. A settings file
// that is a symbolic link is neither followed nor replaced (see writeSettings),
// and one larger than MaxFileBytes is not read.

#include <QSettings>

namespace SettingsFormat {

// The largest settings file read: the program writes a few hundred bytes,
// and anything near this is not its own.
constexpr qint64 MaxFileBytes = 1024 * 1024;

// Registers the format and makes it the default for every QSettings() the
// program constructs. On Linux only (elsewhere the native store stays).
// Returns the format.
QSettings::Format install();

} // namespace SettingsFormat
