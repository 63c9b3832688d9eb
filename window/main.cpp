#include "mainform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The window's font. As the application's font too it is the only one ever loaded: the
    // description box lays out an empty document in the application font while it is built.
    QApplication::setFont(QFont(QStringLiteral("Times New Roman"), 12));
    MainForm form;
    form.show();
    return app.exec();
}
