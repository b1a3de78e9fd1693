#pragma once
// The settings file as the program writes it: the same INI text Qt writes
// for the platform's own store on Linux (~/.config/Brundholt/Tervalix.conf),
// but replaced only once the new text is proven on disk (written whole,
// synced, its size checked). Qt's own writer can report success for a file
// cut short by a full disk and rename it over the good one.

#include <QSettings>

namespace SettingsFormat {

// Registers the format and makes it the default for every QSettings() the
// program constructs. On Linux only (elsewhere the native store stays).
// Returns the format.
QSettings::Format install();

} // namespace SettingsFormat
