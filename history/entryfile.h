// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the small files of a history (profiles, sidecars) as fast as a
// list of a thousand entries needs, and never through a link: a name that
// is a symbolic link, or anything but a regular file, is refused with a
// reason instead of being followed.

#include <QByteArray>
#include <QString>

namespace EntryFile {

enum class Read { Ok, Missing, Refused };
// Reads at most `maxBytes` (+1, to tell a longer file); `why` says what is
// wrong unless Ok.
Read read(const QString &path, int maxBytes, QByteArray *bytes, QString *why);

} // namespace EntryFile
