// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Conversions between coordinates and the texts the point columns hold.

#include <QString>
#include <QStringView>

// The short text of a single-precision number: at most 7 significant digits, no leading
// blank, no decimal point for a whole number (123.0f gives "123").
QString rowText(float value);

// The number at the start of a text: leading blanks are skipped, then the longest leading
// decimal number (sign, digits, fraction, exponent) is read. Text without one gives 0.
// Throws std::overflow_error when the number is too large for a double.
double Val(QStringView text);

// Round to the nearest integer, ties to even. Throws std::overflow_error outside the range.
qint16 toInt16(double value);
qint32 toInt32(double value);
