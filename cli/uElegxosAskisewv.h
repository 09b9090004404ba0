// Checking pupils' programs against a teacher's cases: `kalmira-cli test CASES PROGRAM...`.
//
// CASES is a folder in which a case is a pair of files: NAME.in, the lines given to Διάβασε, one
// per value, and NAME.out, the expected user screen exactly as `kalmira-cli run` writes it with
// NAME.in as its input (the values read are echoed on their own lines). NAME.in may be missing
// when the program reads nothing; every other file in the folder is left alone. Each program is
// compiled once and run against every case, with a limit on steps and on time per case; the
// report tells, per program, how many cases it passed and why each of the others failed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kalmira {

// The help of the test command, which the runner's help prints after its own.
extern const char* const XrnsnElegxou;

// Runs `kalmira-cli test` with the words after "test". The report goes to `e3odos`; a bad folder
// or argument is told on `la8n`. Returns 0 when every program passed every case, 1 when one did
// not (a program that cannot be read included), 4 for a bad folder or argument.
int ElegxosAskisewv(const std::vector<std::string>& orismata, std::ostream& e3odos, std::ostream& la8n);

}  // namespace kalmira
