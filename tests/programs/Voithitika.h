// Helpers shared by the program tests: reading a whole file, and running the command-line
// runner's code path in-process.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/uGrammnEvtolwv.h"

namespace voithitika {

struct TApotelesma {
    int kwdikos = -1;
    std::string e3odos, la8n;
};

inline std::string DiabaseOlo(const std::filesystem::path& arxeio)
{
    std::ifstream in(arxeio, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// What `kalmira-cli ARGS` gives with the input, standard input not being a terminal.
inline TApotelesma Ektelese(const std::vector<std::string>& orismata, const std::string& eisodos)
{
    std::istringstream in(eisodos);
    std::ostringstream out, err;
    const int kwdikos = kalmira::GrammnEvtolwv(orismata, in, out, err, false);
    return {kwdikos, out.str(), err.str()};
}

}  // namespace voithitika
