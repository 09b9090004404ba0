// The command-line runner: compiles a program file and prints its regenerated text, or runs it
// with Διάβασε reading lines from standard input and Γράψε writing lines to standard output.
#pragma once

#include <iosfwd>

#include <QStringList>

namespace kalmira {

// Exit codes of the runner.
enum TKwdikosE3odou : int {
    ke3Epituxia = 0,
    ke3La8osMetaglwttisns = 1,
    ke3La8osEktelesns = 2,
    ke3Termatismos = 3,
    ke3La8osArxeiouNParametrwv = 4,
    ke3OrioBnmatwv = 5,
    ke3EleipsnMnmns = 6,  // the runner itself ran out of memory (reading or writing a program)
};

// Runs the command line `orismata` (without the program's own name). `termatiko` says whether
// standard input is a terminal: then the input prompt goes to `la8n` and nothing is echoed.
int GrammnEvtolwv(const QStringList& orismata, std::istream& eisodos, std::ostream& e3odos, std::ostream& la8n, bool termatiko);

}  // namespace kalmira
