// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rowtext.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <stdexcept>

QString rowText(float value)
{
    if (value == 0.0F)
        value = 0.0F; // no "-0"
    return QString::number(double(value), 'G', 7);
}

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the run of digits starting at i.
qsizetype digitsFrom(QStringView text, qsizetype i)
{
    qsizetype n = 0;
    while (i + n < text.size() && isDigit(text[i + n]))
        ++n;
    return n;
}

} // namespace

double Val(QStringView text)
{
    qsizetype begin = 0;
    while (begin < text.size() && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;

    qsizetype end = begin;
    if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
        ++end;
    const qsizetype intStart = end;
    const qsizetype intDigits = digitsFrom(text, end);
    end += intDigits;
    qsizetype fracDigits = 0;
    if (end < text.size() && text[end] == u'.') {
        fracDigits = digitsFrom(text, end + 1);
        end += 1 + fracDigits;
    }
    if (intDigits + fracDigits == 0)
        return 0.0;
    const qsizetype mantissaEnd = end;
    if (end < text.size() && (text[end] == u'E' || text[end] == u'e')) {
        qsizetype expEnd = end + 1;
        if (expEnd < text.size() && (text[expEnd] == u'+' || text[expEnd] == u'-'))
            ++expEnd;
        const qsizetype expDigits = digitsFrom(text, expEnd);
        if (expDigits > 0)
            end = expEnd + expDigits;
    }

    // Row texts are whole pixels: up to 15 digits the value is exact, read digit by digit.
    if (end == intStart + intDigits && intDigits <= 15) {
        double value = 0.0;
        for (qsizetype i = intStart; i < end; ++i)
            value = value * 10 + (text[i].unicode() - u'0');
        return text[begin] == u'-' ? -value : value;
    }
    // The C locale reads the span alike on every platform, correctly rounded; it fails only
    // where the number is out of range.
    bool ok = false;
    const double value = QLocale::c().toDouble(text.mid(begin, end - begin), &ok);
    if (ok)
        return value;

    // Out of range is either below the smallest or above the largest double; the decimal
    // order of magnitude tells which, however roughly it is counted.
    qsizetype order = 0;
    for (qsizetype i = intStart; i < mantissaEnd; ++i) {
        if (text[i] != u'0' && text[i] != u'.') {
            order =
                i < intStart + intDigits ? intStart + intDigits - i : intStart + intDigits - i + 1;
            break;
        }
    }
    if (mantissaEnd < end) {
        const bool negative = text[mantissaEnd + 1] == u'-';
        qsizetype exponent = 0;
        for (qsizetype i = mantissaEnd + 1; i < end && exponent < 100000; ++i)
            if (isDigit(text[i]))
                exponent = exponent * 10 + (text[i].unicode() - u'0');
        order += negative ? -exponent : exponent;
    }
    if (order <= 0)
        return 0.0;
    throw std::overflow_error("Val: number too large");
}

namespace {

template <typename Int> Int roundTo(double value)
{
    const double rounded = std::nearbyint(value); // the default rounding mode: ties to even
    if (!(rounded >= double(std::numeric_limits<Int>::min()) &&
          rounded <= double(std::numeric_limits<Int>::max())))
        throw std::overflow_error("integer overflow");
    return Int(rounded);
}

} // namespace

qint16 toInt16(double value)
{
    return roundTo<qint16>(value);
}

qint32 toInt32(double value)
{
    return roundTo<qint32>(value);
}
