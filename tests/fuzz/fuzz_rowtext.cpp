// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the conversions between numbers and row texts.
#include "rowtext.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

// Val must stay within its text and give a finite number or the overflow error.
void checkVal(QStringView text)
{
    try {
        if (!std::isfinite(Val(text)))
            __builtin_trap();
    } catch (const std::overflow_error &) {
    }
}

// The text of a finite float has no leading blank and at most 7 significant digits, and Val
// reads it back to within those digits.
void checkRoundTrip(float value)
{
    const QString text = rowText(value);
    if (text.isEmpty() || text.front() == u' ')
        __builtin_trap();
    int digits = 0;
    bool leading = true;
    for (QChar c : text) {
        if (c == u'E')
            break;
        if (c.isDigit() && !(leading && c == u'0')) {
            leading = false;
            ++digits;
        }
    }
    if (digits > 7)
        __builtin_trap();
    const double back = Val(text);
    if (std::fabs(back - double(value)) > std::fabs(double(value)) * 5.000001e-7)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The bytes as UTF-16, in a buffer of exactly their length, so a read past it is caught.
    const std::size_t units = size / 2;
    const auto utf16 = std::make_unique<char16_t[]>(units);
    std::memcpy(utf16.get(), data, units * 2);
    checkVal(QStringView(utf16.get(), qsizetype(units)));

    // The bytes as Latin-1, where digits, signs and blanks are one byte each.
    checkVal(QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size)));

    if (size >= sizeof(float)) {
        float value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value))
            checkRoundTrip(value);
    }
    return 0;
}
