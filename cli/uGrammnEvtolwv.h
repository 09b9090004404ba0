// The command-line runner: compiles a program file and prints its regenerated text, or runs it
// with Διάβασε reading lines from standard input and Γράψε writing lines to standard output.
#pragma once

#include <charconv>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

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

// Runs the command line `orismata` (without the program's own name; the words as the system gives
// them, UTF-8 here). `termatiko` says whether standard input is a terminal: then the input prompt
// goes to `la8n` and nothing is echoed.
int GrammnEvtolwv(const std::vector<std::string>& orismata, std::istream& eisodos, std::ostream& e3odos, std::ostream& la8n,
                  bool termatiko);

// The integer that a word of the command line writes: blanks (space, tab, line and page breaks)
// around it, an optional sign and decimal digits, within 64 bits; false for anything else.
bool Ari8mosOrismatos(std::string_view le3n, long long& timn);

// A number written whole in ASCII, with nothing around it: an optional "+" or "-" and what
// std::from_chars reads as a T; false for anything else, or for a value T cannot hold.
template <class T>
bool Ari8mosAscii(std::string_view le3n, T& timn)
{
    const bool sun = le3n.starts_with('+');  // from_chars takes a minus only
    if (sun)
        le3n.remove_prefix(1);
    if (le3n.empty() || (sun && le3n.front() == '-'))
        return false;
    const auto [telos, la8os] = std::from_chars(le3n.data(), le3n.data() + le3n.size(), timn);
    return la8os == std::errc() && telos == le3n.data() + le3n.size();
}

}  // namespace kalmira
