// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the program: the application and MainForm exactly as main makes them.
#include "firstframe.h"
#include "mainform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Times New Roman"), 12));
    MainForm form;
    QuitAfterFirstFrame quit;
    form.installEventFilter(&quit);
    form.show();
    return app.exec();
}
