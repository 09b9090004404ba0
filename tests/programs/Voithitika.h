// Helpers shared by the program tests: files in a folder of the test's own, the command-line
// runner's code path in-process, and the kalmira-cli program run as a child process.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/uGrammnEvtolwv.h"

extern char** environ;

namespace voithitika {

namespace fs = std::filesystem;

struct TApotelesma {
    int kwdikos = -1;
    std::string e3odos, la8n;
    long mnmnKB = 0;  // the child's peak resident memory, when it ran as one
};

inline std::string DiabaseOlo(const fs::path& arxeio)
{
    std::ifstream in(arxeio, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every "FILE" in the text replaced by the path.
inline std::string MeDiadromn(std::string keimevo, const std::string& diadromn)
{
    for (std::size_t i = keimevo.find("FILE"); i != std::string::npos; i = keimevo.find("FILE", i + diadromn.size()))
        keimevo.replace(i, 4, diadromn);
    return keimevo;
}

// A new folder under the temporary folder, removed with the object.
class TProswrinosFakelos {
public:
    TProswrinosFakelos()
    {
        std::string protypo = (fs::temp_directory_path() / "kalmira-test-XXXXXX").string();
        if (mkdtemp(protypo.data()))
            fakelos_ = protypo;
        else
            ADD_FAILURE() << "cannot make a temporary folder";
    }
    ~TProswrinosFakelos()
    {
        std::error_code e;
        fs::remove_all(fakelos_, e);
    }
    TProswrinosFakelos(const TProswrinosFakelos&) = delete;
    TProswrinosFakelos& operator=(const TProswrinosFakelos&) = delete;

    const fs::path& Diadromn() const { return fakelos_; }

    // Writes a file into the folder and returns its path.
    std::string Arxeio(const std::string& ovoma, const std::string& bytes) const
    {
        std::ofstream(fakelos_ / ovoma, std::ios::binary) << bytes;
        return (fakelos_ / ovoma).string();
    }

private:
    fs::path fakelos_;
};

// What `kalmira-cli ARGS` gives with the input, standard input not being a terminal.
inline TApotelesma Ektelese(const std::vector<std::string>& orismata, const std::string& eisodos)
{
    std::istringstream in(eisodos);
    std::ostringstream out, err;
    const int kwdikos = kalmira::GrammnEvtolwv(orismata, in, out, err, false);
    return {kwdikos, out.str(), err.str()};
}

// How the child's standard input is connected.
enum class TEisodos { Arxeio, Swlnvas, Termatiko };

// Changes to the child's environment: a value sets the variable, no value removes it.
using TAllagesPeribalontos = std::vector<std::pair<std::string, std::optional<std::string>>>;

// Runs the kalmira-cli program under LC_ALL=el_GR.UTF-8 (reals with the comma, as in the program
// tests) unless `allages` changes the environment; its standard streams are files in `fakelos`.
// The child is spawned without a copy of this process, so that its peak memory is its own; one
// that hangs is killed after a minute.
inline TApotelesma EkteleseCli(const TProswrinosFakelos& fakelos, std::vector<std::string> orismata, const std::string& eisodos = {},
                              TEisodos tropos = TEisodos::Arxeio, const TAllagesPeribalontos& allages = {})
{
    static int metrntns = 0;
    signal(SIGPIPE, SIG_IGN);
    const std::string n = std::to_string(++metrntns);
    const std::string e3odos = (fakelos.Diadromn() / ("stdout-" + n)).string(), la8n = (fakelos.Diadromn() / ("stderr-" + n)).string();
    const std::string arxeioEisodou = fakelos.Arxeio("stdin-" + n, eisodos);
    posix_spawn_file_actions_t energeies;
    posix_spawn_file_actions_init(&energeies);
    int trofodosia = -1, anagvwsn = -1;  // the end that feeds the child's standard input, and the child's end of a pipe
    std::string termatiko;
    if (tropos == TEisodos::Arxeio) {
        posix_spawn_file_actions_addopen(&energeies, 0, arxeioEisodou.c_str(), O_RDONLY, 0);
    } else if (int akra[2]; tropos == TEisodos::Swlnvas && pipe(akra) == 0) {
        anagvwsn = akra[0];
        trofodosia = akra[1];
        posix_spawn_file_actions_adddup2(&energeies, anagvwsn, 0);
    } else if (tropos == TEisodos::Termatiko) {
        trofodosia = posix_openpt(O_RDWR | O_NOCTTY);
        if (trofodosia >= 0 && grantpt(trofodosia) == 0 && unlockpt(trofodosia) == 0)
            termatiko = ptsname(trofodosia);
        posix_spawn_file_actions_addopen(&energeies, 0, termatiko.c_str(), O_RDWR | O_NOCTTY, 0);
    }
    if (trofodosia >= 0)
        posix_spawn_file_actions_addclose(&energeies, trofodosia);
    posix_spawn_file_actions_addopen(&energeies, 1, e3odos.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&energeies, 2, la8n.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    orismata.insert(orismata.begin(), KALMIRA_CLI);
    std::vector<std::string> peribalon;
    for (char** e = environ; *e; ++e)
        peribalon.emplace_back(*e);
    TAllagesPeribalontos oles{{"LC_ALL", "el_GR.UTF-8"}};
    oles.insert(oles.end(), allages.begin(), allages.end());
    for (const auto& [ovoma, timn] : oles) {
        std::erase_if(peribalon, [&ovoma](const std::string& m) { return m.starts_with(ovoma + "="); });
        if (timn)
            peribalon.push_back(ovoma + "=" + *timn);
    }
    auto deiktes = [](std::vector<std::string>& keimena) {
        std::vector<char*> d;
        for (std::string& k : keimena)
            d.push_back(k.data());
        d.push_back(nullptr);
        return d;
    };
    std::vector<char*> argv = deiktes(orismata), envp = deiktes(peribalon);
    pid_t pid = -1;
    const int apotuxia = posix_spawn(&pid, KALMIRA_CLI, &energeies, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&energeies);
    if (anagvwsn >= 0)
        close(anagvwsn);
    TApotelesma a;
    if (apotuxia != 0 || (tropos == TEisodos::Termatiko && termatiko.empty())) {
        ADD_FAILURE() << "cannot start " << KALMIRA_CLI;
        return a;
    }
    if (tropos != TEisodos::Arxeio) {
        for (std::size_t grammeva = 0; grammeva < eisodos.size();) {
            const ssize_t k = write(trofodosia, eisodos.data() + grammeva, eisodos.size() - grammeva);
            if (k <= 0)
                break;
            grammeva += static_cast<std::size_t>(k);
        }
        if (tropos == TEisodos::Swlnvas)
            close(trofodosia);
    }
    int katastasn = 0;
    rusage xrnsn{};
    for (int anamovn = 0; wait4(pid, &katastasn, WNOHANG, &xrnsn) == 0; ++anamovn) {
        if (anamovn == 6000) {
            kill(pid, SIGKILL);
            ADD_FAILURE() << "kalmira-cli did not finish within a minute";
        }
        usleep(anamovn < 100 ? 1000 : 10000);
    }
    if (tropos == TEisodos::Termatiko)
        close(trofodosia);
    a.kwdikos = WIFEXITED(katastasn) ? WEXITSTATUS(katastasn) : -1;
    a.e3odos = DiabaseOlo(e3odos);
    a.la8n = DiabaseOlo(la8n);
    a.mnmnKB = xrnsn.ru_maxrss;
    return a;
}

}  // namespace voithitika
