// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// In the browser Qt knows no Times New Roman; the program carries Liberation Serif, which has
// the same metrics, and uses it in its place, so the layout is the desktop's.

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

void addTimesNewRoman()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/webfonts/LiberationSerif-Regular.ttf"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(addTimesNewRoman)
