// SPDX-License-Identifier: GPL-3.0-or-later
#include "objreader.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace vorlix {

namespace {

// The characters scanf skips before a conversion.
bool isScanfSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

const char *skipSpace(const char *p, const char *end)
{
    while (p < end && isScanfSpace(*p))
        ++p;
    return p;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99; // a digit in no base
}

// Beyond every valid vertex number, and small enough that one more digit cannot overflow.
constexpr long long saturatedNumber = 1LL << 40;

// from_chars reports overflow and underflow without a value; scanf stores what the C
// library's conversion gives (±infinity, a subnormal or zero), so take it from there.
float outOfRangeValue(const char *begin, const char *end)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const std::string token(begin, end);
    return strtof_l(token.c_str(), nullptr, cLocale);
}

// One "%f" conversion with "." as the decimal point: decimal, hexadecimal ("0x1.8p1"),
// infinity and NaN forms with an optional sign. Moves p past the number on success.
bool readFloat(const char *&p, const char *end, float &value)
{
    const char *q = skipSpace(p, end);
    bool negative = false;
    if (q < end && (*q == '+' || *q == '-')) {
        negative = *q == '-';
        ++q;
    }
    const char *mantissa = q;
    std::chars_format format = std::chars_format::general;
    if (end - q >= 2 && q[0] == '0' && (q[1] == 'x' || q[1] == 'X')) {
        mantissa = q + 2;
        format = std::chars_format::hex;
        if (mantissa == end || !(isHexDigit(*mantissa) || *mantissa == '.'))
            return false;
    }
    // from_chars takes a '-' of its own, which would accept a second sign.
    if (mantissa == end || *mantissa == '-' || *mantissa == '+')
        return false;

    float v = 0;
    const std::from_chars_result r = std::from_chars(mantissa, end, v, format);
    if (r.ec == std::errc::invalid_argument)
        return false;
    if (r.ec == std::errc::result_out_of_range)
        v = outOfRangeValue(q, r.ptr);
    const char *next = r.ptr;

    // Where the C library's scanf differs from from_chars: it reads no "(chars)" after a
    // NaN, it fails on a cut-short "infinity", and it swallows an exponent marker (and its
    // sign) that no digit follows.
    if (*mantissa == 'n' || *mantissa == 'N') {
        next = mantissa + 3;
    } else if (*mantissa == 'i' || *mantissa == 'I') {
        if (next - mantissa == 3 && next < end && (*next == 'i' || *next == 'I'))
            return false;
    } else {
        const bool hex = format == std::chars_format::hex;
        if (next < end && (*next == (hex ? 'p' : 'e') || *next == (hex ? 'P' : 'E'))) {
            ++next;
            if (next < end && (*next == '+' || *next == '-'))
                ++next;
        }
    }
    value = negative ? -v : v;
    p = next;
    return true;
}

// The digits of `base` from q on. Magnitudes too large for any vertex number saturate
// instead of overflowing.
long long readDigits(const char *&q, const char *end, int base)
{
    long long v = 0;
    for (; q < end; ++q) {
        const int d = digitValue(*q);
        if (d >= base)
            break;
        v = v * base + d;
        if (v > saturatedNumber)
            v = saturatedNumber;
    }
    return v;
}

// An optional sign; true if it is '-'.
bool readSign(const char *&q, const char *end)
{
    if (q < end && (*q == '+' || *q == '-'))
        return *q++ == '-';
    return false;
}

bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

// One "%i" conversion: decimal, "0x" hexadecimal or leading-zero octal, optional sign.
bool readInteger(const char *&p, const char *end, long long &value)
{
    const char *q = skipSpace(p, end);
    const bool negative = readSign(q, end);
    if (q == end || !isDecimalDigit(*q))
        return false;
    int base = 10;
    if (*q == '0') {
        base = 8;
        ++q;
        // Like the C library, "0x" without hexadecimal digits reads as 0, "x" consumed.
        if (q < end && (*q == 'x' || *q == 'X')) {
            base = 16;
            ++q;
        }
    }
    const long long v = readDigits(q, end, base);
    value = negative ? -v : v;
    p = q;
    return true;
}

// One vertex of a standard face, "v", "v/vt", "v//vn" or "v/vt/vn": the decimal vertex
// number; the texture and normal numbers are passed over.
bool readVertexReference(const char *&p, const char *end, long long &vertex)
{
    const char *q = skipSpace(p, end);
    const bool negative = readSign(q, end);
    if (q == end || !isDecimalDigit(*q))
        return false;
    const long long v = readDigits(q, end, 10);
    vertex = negative ? -v : v;
    while (q < end && (*q == '/' || *q == '+' || *q == '-' || isDecimalDigit(*q)))
        ++q;
    p = q;
    return true;
}

// Calls visit(begin, end) for every line, without its '\n'; a last line without one too.
template<typename Visit> void forEachLine(const char *data, std::size_t size, Visit visit)
{
    const char *p = data;
    const char *const end = data + size;
    while (p < end) {
        const void *newline = std::memchr(p, '\n', std::size_t(end - p));
        if (!newline) {
            visit(p, end);
            return;
        }
        const char *lineEnd = static_cast<const char *>(newline);
        visit(p, lineEnd);
        p = lineEnd + 1;
    }
}

void appendVertex(const char *p, const char *end, std::vector<float> &vertices)
{
    float xyz[3] = { 0, 0, 0 };
    for (float &coordinate : xyz)
        if (!readFloat(p, end, coordinate))
            break;
    vertices.insert(vertices.end(), xyz, xyz + 3);
}

void appendFaceIfValid(const char *p, const char *end, int vertexCount, std::vector<int> &faces)
{
    long long numbers[3] = { 0, 0, 0 };
    for (long long &n : numbers)
        if (!readInteger(p, end, n))
            break;
    for (long long n : numbers)
        if (n < 1 || n > vertexCount)
            return;
    for (long long n : numbers)
        faces.push_back(int(n - 1));
}

// A standard face: its vertex references up to the first word that is none, split into
// the fan (1,2,3), (1,3,4), … Positive numbers count from the file's first position,
// negative ones back from the last position before the line.
void appendPolygonIfValid(const char *p, const char *end, int positionsBefore, int vertexCount,
    std::vector<int> &polygon, std::vector<int> &faces)
{
    polygon.clear();
    long long n = 0;
    while (readVertexReference(p, end, n)) {
        const long long index = n > 0 ? n - 1 : positionsBefore + n;
        if (n == 0 || index < 0 || index >= vertexCount)
            return;
        polygon.push_back(int(index));
    }
    for (std::size_t k = 1; k + 1 < polygon.size(); ++k)
        faces.insert(faces.end(), { polygon[0], polygon[k], polygon[k + 1] });
}

void appendNormal(const float *a, const float *b, const float *c, std::vector<float> &normals)
{
    const double u[3] = { double(a[0]) - b[0], double(a[1]) - b[1], double(a[2]) - b[2] };
    const double w[3] = { double(a[0]) - c[0], double(a[1]) - c[1], double(a[2]) - c[2] };
    const double n[3]
        = { u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0] };
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length == 0) {
        normals.insert(normals.end(), { 1.0f, 0.0f, 0.0f });
        return;
    }
    normals.insert(
        normals.end(), { float(n[0] / length), float(n[1] / length), float(n[2] / length) });
}

// A face written as the program has always written its meshes, three plain numbers (also
// hexadecimal or octal), keeps its scanf reading; slashes, signs or more than three
// vertices mark the standard forms.
bool isPlainTriangle(const char *p, const char *end)
{
    int words = 0;
    bool inWord = false;
    for (; p < end; ++p) {
        if (*p == '/' || *p == '-')
            return false;
        const bool blank = *p == ' ' || *p == '\t' || *p == '\r' || *p == '\v' || *p == '\f';
        words += !blank && !inWord;
        inWord = !blank;
    }
    return words <= 3;
}

// Three whole "%i" numbers (no minus sign) followed by a word that is no vertex, such as a
// comment: the standard reader would take the same three vertices but read them in decimal,
// so "f 010 011 012 # c" would not name what the program has always read.
bool isPlainTriangleBeforeText(const char *p, const char *end)
{
    for (int k = 0; k < 3; ++k) {
        const char *word = skipSpace(p, end);
        p = word;
        while (p < end && !isScanfSpace(*p))
            ++p;
        long long ignored = 0;
        const char *q = word;
        if (q == p || *q == '-' || !readInteger(q, p, ignored) || q != p)
            return false;
    }
    long long ignored = 0;
    return !readVertexReference(p, end, ignored);
}

// "vn", "vt" and "vp" lines: normals, texture and parameter-space coordinates.
bool isVertexAttribute(const char *begin, const char *end)
{
    return end - begin >= 2 && (begin[1] == 'n' || begin[1] == 't' || begin[1] == 'p');
}

} // namespace

ObjMesh readObj(const char *data, std::size_t size, char decimalSeparator)
{
    ObjMesh mesh;

    // Count first: the arrays are allocated once, and faces may name later vertices.
    int vertexLines = 0;
    int attributeLines = 0;
    forEachLine(data, size, [&](const char *begin, const char *end) {
        if (begin == end)
            return;
        if (*begin == 'v') {
            ++vertexLines;
            attributeLines += isVertexAttribute(begin, end);
        } else if (*begin == 'f') {
            ++mesh.faceCount;
        }
    });
    mesh.vertexCount = vertexLines - attributeLines;
    mesh.vertices.reserve(3 * std::size_t(mesh.vertexCount));
    mesh.faces.reserve(3 * std::size_t(mesh.faceCount));

    const bool separatorIsPoint = decimalSeparator == '.';
    std::string pointed;
    std::vector<int> polygon;
    forEachLine(data, size, [&](const char *begin, const char *end) {
        if (begin == end)
            return;
        if (*begin == 'v') {
            if (isVertexAttribute(begin, end))
                return;
            const char *numbers = begin + 1;
            if (!separatorIsPoint
                && std::memchr(numbers, decimalSeparator, std::size_t(end - numbers))) {
                pointed.assign(numbers, end);
                for (char &c : pointed)
                    if (c == decimalSeparator)
                        c = '.';
                numbers = pointed.data();
                end = numbers + pointed.size();
            }
            appendVertex(numbers, end, mesh.vertices);
        } else if (*begin == 'f') {
            if (isPlainTriangle(begin + 1, end) || isPlainTriangleBeforeText(begin + 1, end))
                appendFaceIfValid(begin + 1, end, mesh.vertexCount, mesh.faces);
            else
                appendPolygonIfValid(begin + 1, end, int(mesh.vertices.size() / 3),
                    mesh.vertexCount, polygon, mesh.faces);
        }
    });

    mesh.normals.reserve(mesh.faces.size());
    const float *v = mesh.vertices.data();
    for (std::size_t i = 0; i < mesh.faces.size(); i += 3)
        appendNormal(v + 3 * std::size_t(mesh.faces[i]), v + 3 * std::size_t(mesh.faces[i + 1]),
            v + 3 * std::size_t(mesh.faces[i + 2]), mesh.normals);
    return mesh;
}

} // namespace vorlix
