// The workbench program: one main window and the dialogs it uses.
#include <QApplication>

#include "workbench/uMain.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Καλμίρα"));
    kalmira::TfmKalmira window;
    window.showMaximized();
    return QApplication::exec();
}
