// Shows the colours, options and about dialogs as the main window's commands show them, over a
// source editor set up as the workbench sets it up. With --png PREFIX each dialog is saved as
// PREFIX-xrwmata.png, PREFIX-epiloges.png and PREFIX-sxetika.png and closed instead.
#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QTimer>

#include "bench/editor/DemoSetup.h"
#include "settings/Sxetika.h"
#include "settings/uEpiloges.h"
#include "settings/uXrwmata.h"

using namespace kalmira;

namespace {

// A stand-in for the program's icon.
QIcon DokimastikoEikonidio()
{
    QPixmap pixmap(128, 128);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x20, 0x60, 0xB0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(4, 4, 120, 120);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(80);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Κ"));
    return QIcon(pixmap);
}

// While `dialog` runs modally: save it to `png` and close it, when a file name is given.
void Fwtografise(QDialog& dialog, const QString& png)
{
    if (png.isEmpty())
        return;
    QTimer::singleShot(300, &dialog, [&dialog, png] {
        dialog.grab().save(png);
        dialog.reject();
    });
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Καλμίρα"));
    QApplication::setWindowIcon(DokimastikoEikonidio());
    const QStringList args = QApplication::arguments();
    const int png = static_cast<int>(args.indexOf(QStringLiteral("--png")));
    const QString prefix = png > 0 && png + 1 < args.size() ? args[png + 1] : QString();
    const auto file = [&](const char* name) {
        return prefix.isEmpty() ? QString() : prefix + u'-' + QString::fromLatin1(name) + QStringLiteral(".png");
    };

    TKalmiraHighlighter highlighter;
    XrwmataPara8urou(highlighter);
    highlighter.FortwseXrwmata();
    TSyntaxEdit kwdikas;
    RuymiseKwdika(kwdikas, highlighter);
    kwdikas.SetLines(ProgrammaKalwsorismatos());
    kwdikas.resize(800, 400);
    kwdikas.show();

    TabSxetika sxetika(&kwdikas);
    TfmEpiloges epiloges(&kwdikas);
    TfmXrwmata xrwmata(&kwdikas);

    // "Άκυροι χαρακτήρες", whose colours both lie in the grid, so that both marks show.
    xrwmata.findChild<QListWidget*>(QStringLiteral("lsbStoixeio"))->setCurrentRow(5);
    Fwtografise(xrwmata, file("xrwmata"));
    xrwmata.EvtolnXrwmatwv(kwdikas, highlighter);
    Fwtografise(epiloges, file("epiloges"));
    epiloges.EvtolnEpilogwv();
    Fwtografise(sxetika, file("sxetika"));
    sxetika.exec();
    return 0;
}
