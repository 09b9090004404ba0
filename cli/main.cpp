// kalmira-cli: compiles and runs programs from the command line.
#include <unistd.h>

#include <iostream>

#include <QCoreApplication>
#include <QLocale>

#include "cli/uGrammnEvtolwv.h"
#include "front/uTimn.h"

int main(int argc, char** argv)
{
    QCoreApplication efarmogn(argc, argv);
    // Reals are written with the decimal separator of the user's locale.
    const QString diaxwristiko = QLocale::system().decimalPoint();
    if (!diaxwristiko.isEmpty())
        kalmira::OriseDekadikoDiaxwristiko(diaxwristiko[0].unicode());
    QStringList orismata = QCoreApplication::arguments();
    orismata.removeFirst();
    std::ios::sync_with_stdio(false);
    int kwdikos = kalmira::GrammnEvtolwv(orismata, std::cin, std::cout, std::cerr, isatty(0) != 0);
    std::cout.flush();
    return kwdikos;
}
