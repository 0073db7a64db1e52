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

// One "%i" conversion: decimal, "0x" hexadecimal or leading-zero octal, optional sign.
// Magnitudes too large for any vertex number saturate instead of overflowing.
bool readInteger(const char *&p, const char *end, long long &value)
{
    const char *q = skipSpace(p, end);
    bool negative = false;
    if (q < end && (*q == '+' || *q == '-')) {
        negative = *q == '-';
        ++q;
    }
    if (q == end || *q < '0' || *q > '9')
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
    long long v = 0;
    for (; q < end; ++q) {
        const int d = digitValue(*q);
        if (d >= base)
            break;
        v = v * base + d;
        if (v > saturatedNumber)
            v = saturatedNumber;
    }
    value = negative ? -v : v;
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

} // namespace

ObjMesh readObj(const char *data, std::size_t size, char decimalSeparator)
{
    ObjMesh mesh;

    // Count first: the arrays are allocated once, and faces may name later vertices.
    forEachLine(data, size, [&mesh](const char *begin, const char *end) {
        if (begin == end)
            return;
        if (*begin == 'v')
            ++mesh.vertexCount;
        else if (*begin == 'f')
            ++mesh.faceCount;
    });
    mesh.vertices.reserve(3 * std::size_t(mesh.vertexCount));
    mesh.faces.reserve(3 * std::size_t(mesh.faceCount));

    const bool separatorIsPoint = decimalSeparator == '.';
    std::string pointed;
    forEachLine(data, size, [&](const char *begin, const char *end) {
        if (begin == end)
            return;
        if (*begin == 'v') {
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
            appendFaceIfValid(begin + 1, end, mesh.vertexCount, mesh.faces);
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
