// kalmira-cli: compiles and runs programs from the command line. It loads no Qt: a run needs only
// the language, the reading of program files and the decimal separator of the user's locale.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/uDekadikoDiaxwristiko.h"
#include "cli/uGrammnEvtolwv.h"
#include "front/uTimn.h"

int main(int argc, char** argv)
{
    // Reals are written with the decimal separator of the user's locale.
    kalmira::OriseDekadikoDiaxwristiko(kalmira::DekadikoDiaxwristikoPeribalontos());
    const std::vector<std::string> orismata(argv + 1, argv + argc);
    std::ios::sync_with_stdio(false);
    int kwdikos = kalmira::GrammnEvtolwv(orismata, std::cin, std::cout, std::cerr, isatty(0) != 0);
    std::cout.flush();
    return kwdikos;
}
