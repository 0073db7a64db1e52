// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an OBJ file: the reader must not crash, hang or read outside its arrays,
// and what it returns must be consistent with itself.
#include "objreader.h"

#include <cstdint>
#include <cstdlib>

static void check(bool condition)
{
    if (!condition)
        std::abort();
}

static void readAndCheck(const char *data, std::size_t size, char separator)
{
    const vorlix::ObjMesh mesh = vorlix::readObj(data, size, separator);
    check(mesh.vertices.size() == std::size_t(mesh.vertexCount) * 3);
    check(mesh.faces.size() % 3 == 0);
    check(mesh.normals.size() == mesh.faces.size());
    // A polygon's second and later triangles take at least two more bytes each ("1 ").
    check(std::size_t(mesh.triangleCount()) <= std::size_t(mesh.faceCount) + size / 2);
    for (int index : mesh.faces)
        check(index >= 0 && index < mesh.vertexCount);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    readAndCheck(text, size, '.');
    readAndCheck(text, size, ',');
    return 0;
}
