// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_OBJFILE_H
#define VORLIX_OBJFILE_H

#include "objreader.h"

#include <QString>

namespace vorlix {

/// A mesh file as read from disk: a file that cannot be opened reads as an empty mesh,
/// and `opened` tells that apart from an opened file that holds nothing.
struct ObjFile {
    bool opened = false;
    ObjMesh mesh;
};

/// Reads the OBJ file at `path` (see readObj for the numbers and `decimalSeparator`).
ObjFile readObjFile(const QString &path, char decimalSeparator);

/// The decimal separator of the process's LC_NUMERIC: mesh files write ".", and their
/// numbers are read the way this locale's scanf would read them.
char numericLocaleSeparator();

} // namespace vorlix

#endif
