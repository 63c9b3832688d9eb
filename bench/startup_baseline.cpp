// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for start-up: a bare window of the program's size with one label in its font.
#include "firstframe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(461, 365);
    window.setFont(QFont("Times New Roman", 12));
    QLabel label("Математика -  покриващ правоъгълник", &window);
    label.move(10, 10);
#ifndef Q_OS_WASM // a page stays; its first frame is read from outside (bench/web)
    QuitAfterFirstFrame quit;
    window.installEventFilter(&quit);
#endif
    window.show();
    return app.exec();
}
