// SPDX-License-Identifier: GPL-3.0-or-later
#include "writeall.h"

namespace vorlix {

bool writeAll(QIODevice &file, const char *data, qint64 size)
{
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

} // namespace vorlix
