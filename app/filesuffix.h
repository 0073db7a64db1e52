// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_FILESUFFIX_H
#define VORLIX_FILESUFFIX_H

#include <QString>

/// Appends "." + suffix unless the name already ends in the suffix's letters in any case:
/// "picture.PNG" and even "apng" are kept as they are, as users of the export expect.
inline QString withSuffix(const QString &fileName, const QString &suffix)
{
    if (fileName.right(suffix.size()).compare(suffix, Qt::CaseInsensitive) == 0)
        return fileName;
    return fileName + '.' + suffix;
}

#endif
