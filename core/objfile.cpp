// SPDX-License-Identifier: GPL-3.0-or-later
#include "objfile.h"

#include <QFile>

#include <cstdio>

namespace vorlix {

ObjFile readObjFile(const QString &path, char decimalSeparator)
{
    ObjFile read;
    QFile file(path);
    read.opened = file.open(QIODevice::ReadOnly);
    if (read.opened)
        read.mesh = readObj(file.readAll(), decimalSeparator);
    return read;
}

char numericLocaleSeparator()
{
    char formatted[10];
    std::snprintf(formatted, sizeof formatted, "%f", 0.1);
    return formatted[1];
}

} // namespace vorlix
