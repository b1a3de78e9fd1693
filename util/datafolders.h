// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where profiles, backups and live-data logs go. A working folder that has
// "Profili" keeps using it, with its "backup" folder and "Logs" beside it, as
// the program always did. Anywhere else (the program started from the
// desktop menu runs in the home folder) they live in one known place of the
// user's: Documents/Tervalix (the platform's documents location).

#include <QString>

namespace DataFolders {

// "./Profili", or the user's Documents/Tervalix/Profili.
QString profiles();
// profiles() + "/backup".
QString backups();
// "./Logs" beside a working folder's "Profili", or Documents/Tervalix/Logs.
QString logs();
// The folder that holds them all ("." or Documents/Tervalix).
QString base();

} // namespace DataFolders
