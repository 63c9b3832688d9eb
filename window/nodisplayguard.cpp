// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "nodisplayguard.h"

#include <cstdio>
#include <cstdlib>

NoDisplayGuard::NoDisplayGuard() : m_previous(qInstallMessageHandler(handle)) {}

NoDisplayGuard::~NoDisplayGuard()
{
    qInstallMessageHandler(m_previous);
    for (const QString &message : std::as_const(s_held))
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    s_held.clear();
}

void NoDisplayGuard::handle(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        s_held.append(message);
        return;
    }
#ifdef Q_OS_WIN
    // Windows always has a display: what failed to load is the platform plugin of the
    // program's folder.
    std::fputs("covering-rectangle: папката на програмата е непълна (липсва "
               "platforms\\qwindows.dll); инсталирайте програмата отново / the program's "
               "folder is incomplete (platforms\\qwindows.dll is missing): install the program "
               "again (QT_QPA_PLATFORM chooses another platform)\n",
               stderr);
#else
    std::fputs("covering-rectangle: няма графичен дисплей, а програмата има нужда от такъв / "
               "no graphical display, and the program needs one (looked for DISPLAY and "
               "WAYLAND_DISPLAY; QT_QPA_PLATFORM chooses another platform)\n",
               stderr);
#endif
    std::_Exit(1); // at once: the application object is half made
}
