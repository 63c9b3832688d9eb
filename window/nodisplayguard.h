// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// While the application object is being created: if Qt cannot open its platform it ends the
// process with a generic advice to reinstall. This guard says instead, in one line, what is
// missing on this platform (on Linux a graphical display, and where it was looked for; on
// Windows the platform plugin of the program's folder) and exits with status 1.
// Qt's other messages from that time are passed on once the guard ends.

#include <QStringList>
#include <QtGlobal>

class NoDisplayGuard
{
public:
    NoDisplayGuard();
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard &) = delete;
    NoDisplayGuard &operator=(const NoDisplayGuard &) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    static inline QStringList s_held;
    QtMessageHandler m_previous;
};
