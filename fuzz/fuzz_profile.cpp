// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary files offered to the profile loader: only a well-formed 42-byte
// profile is taken, and what it yields saves back to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "profile/profilefile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    ProfileFile::Profile profile;
    QString error;
    const bool ok = ProfileFile::decode(bytes, &profile, &error);
    if (ok != (size == size_t(ProfileFile::FileSize)))
        abort();
    if (!ok) {
        if (error.isEmpty() || !profile.values.isEmpty())
            abort();
        return 0;
    }
    if (profile.values.size() != Curve::Points || profile.k < -128 || profile.k > 127)
        abort();
    for (int v : profile.values)
        if (v < -128 || v > 127)
            abort();
    if (ProfileFile::encode(profile.values, profile.k) != bytes)
        abort();
    return 0;
}
