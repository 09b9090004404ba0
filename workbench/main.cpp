// The workbench program: one main window and the dialogs it uses. A program file named on the
// command line (what a file manager passes on a double-click) is opened at once.
#include <QApplication>
#include <QStringList>

#include "workbench/uMain.h"
#include "workbench/uMetafrasn.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kalmira::EgkatastasnEllnvikwv(app);
    QApplication::setApplicationName(QStringLiteral("Καλμίρα"));
    QApplication::setDesktopFileName(QStringLiteral("gr.merovan.kalmira"));
    kalmira::TfmKalmira window;
    QApplication::setWindowIcon(window.windowIcon());
    window.showMaximized();
    const QStringList orismata = QApplication::arguments();
    if (orismata.size() > 1)
        window.AvoigmaArxeiou(orismata.at(1));
    return QApplication::exec();
}
