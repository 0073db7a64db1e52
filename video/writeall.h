// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_WRITEALL_H
#define VORLIX_WRITEALL_H

#include <QIODevice>

namespace vorlix {

/// Writes all `size` bytes of `data` to the unbuffered `file`. A write cut short (the
/// disk filling up mid-way) is followed by one for the rest, which fails with the file's
/// error set to the system's reason, e.g. "No space left on device"; false then.
bool writeAll(QIODevice &file, const char *data, qint64 size);

} // namespace vorlix

#endif
