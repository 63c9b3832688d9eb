// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainform.h"
#include "nodisplayguard.h"

#include <QApplication>
#include <optional>

int main(int argc, char *argv[])
{
    std::optional<NoDisplayGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    // Task bars and docks find the menu entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    // The window's font. As the application's font too it is the only one ever loaded: the
    // description box lays out an empty document in the application font while it is built.
    QApplication::setFont(QFont(QStringLiteral("Times New Roman"), 12));
    MainForm form;
    form.show();
    return app.exec();
}
