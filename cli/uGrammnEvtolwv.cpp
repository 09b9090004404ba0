#include "cli/uGrammnEvtolwv.h"

#include <istream>
#include <limits>
#include <new>
#include <stdexcept>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/uElegxosAskisewv.h"
#include "core/uProgramma.h"
#include "front/uLa8os.h"
#include "front/uTimn.h"
#include "workbench/uAvagvwsnProgrammatos.h"

namespace kalmira {

namespace {

const char* const Xrnsn =
    "Χρήση:\n"
    "  kalmira-cli check [--max-memory MB] ΑΡΧΕΙΟ\n"
    "      Μεταγλωττίζει το πρόγραμμα και τυπώνει το κείμενό του στην κανονική μορφή,\n"
    "      ή το λάθος που βρέθηκε.\n"
    "  kalmira-cli run [--full-evaluation] [--margin N] [--max-steps N] [--max-memory MB] ΑΡΧΕΙΟ\n"
    "      Μεταγλωττίζει και εκτελεί το πρόγραμμα. Κάθε τιμή που ζητά η «Διάβασε» διαβάζεται\n"
    "      από μία γραμμή της τυπικής εισόδου· ό,τι γράφει η «Γράψε» βγαίνει στην τυπική έξοδο.\n"
    "\n"
    "Επιλογές:\n"
    "  --full-evaluation  πλήρης αποτίμηση των λογικών εκφράσεων με «ή» και «και»\n"
    "  --margin N         η στήλη όπου τελειώνουν τα σχόλια στο τέλος των γραμμών (50 έως 200, αρχικά 64)\n"
    "  --max-steps N      σταματά την εκτέλεση που χρειάζεται περισσότερα από N βήματα\n"
    "  --max-memory MB    η μνήμη που επιτρέπεται για τις τιμές του προγράμματος, δηλαδή τους πίνακες\n"
    "                     και τα αλφαριθμητικά του (1 έως 1048576, αρχικά 1024)· ένας πίνακας που δεν\n"
    "                     χωράει είναι λάθος μεταγλώττισης, ένα αλφαριθμητικό σφάλμα εκτέλεσης\n"
    "  --help             τυπώνει αυτές τις οδηγίες\n"
    "\n"
    "Κωδικοί εξόδου: 0 επιτυχία, 1 λάθος μεταγλώττισης, 2 σφάλμα εκτέλεσης, 3 τερματισμός από τον\n"
    "χρήστη (τέλος της εισόδου), 4 λάθος αρχείου ή παραμέτρων, 5 όριο βημάτων, 6 έλλειψη μνήμης.\n"
    "Ένα αρχείο μεγαλύτερο από 8 MB δεν διαβάζεται (4). Όταν η μνήμη, του συστήματος ή όση ορίζει η\n"
    "--max-memory, δεν φτάνει για τη μεταγλώττιση, αυτό είναι λάθος μεταγλώττισης (1)· όταν δεν\n"
    "φτάνει για την εκτέλεση, σφάλμα εκτέλεσης (2)· όταν δεν φτάνει για το ίδιο το διάβασμα του\n"
    "αρχείου ή το γράψιμο του κειμένου, ο κωδικός είναι 6.\n";

static_assert(MegistoMegethosProgrammatos == 8 * 1024 * 1024, "the help names the largest program file");

struct TParametroi {
    bool ektelesn = false;
    bool plnrnsApotimnsn = false;
    int peri8wrio = 64;
    long long megistaBnmata = -1;
    long long megistnMnmn = ArxikoOrioMnmns / (1024 * 1024);  // MB
    std::string arxeio;
};

// Writes a text line by line, each CR LF as one line break, without a whole copy of it.
void GrapseGrammes(std::ostream& e3odos, std::u16string_view keimevo)
{
    while (!keimevo.empty()) {
        const std::size_t telos = keimevo.find(u"\r\n");
        e3odos << SeUtf8(keimevo.substr(0, telos));
        if (telos == std::u16string_view::npos)
            break;
        e3odos << '\n';
        keimevo.remove_prefix(telos + 2);
    }
}

bool Ari8mos(const std::string& keimevo, long long elaxisto, long long megisto, long long& timn)
{
    return Ari8mosOrismatos(keimevo, timn) && timn >= elaxisto && timn <= megisto;
}

// Reads the arguments; returns false with the reason written to `la8n`.
bool DiabaseParametrous(const std::vector<std::string>& orismata, TParametroi& parametroi, std::ostream& la8n)
{
    auto la8os = [&la8n](const std::string& mnvuma) {
        la8n << "kalmira-cli: " << mnvuma << "\nΔείτε «kalmira-cli --help» για τον τρόπο χρήσης.\n";
        return false;
    };
    if (orismata.empty())
        return la8os("λείπει η εντολή (check, run ή test)");
    if (orismata[0] == "check")
        parametroi.ektelesn = false;
    else if (orismata[0] == "run")
        parametroi.ektelesn = true;
    else
        return la8os("άγνωστη εντολή «" + orismata[0] + "»");
    for (std::size_t i = 1; i < orismata.size(); ++i) {
        const std::string& orisma = orismata[i];
        if (parametroi.ektelesn && orisma == "--full-evaluation") {
            parametroi.plnrnsApotimnsn = true;
        } else if (parametroi.ektelesn && (orisma == "--margin" || orisma == "--max-steps")) {
            if (i + 1 >= orismata.size())
                return la8os("η επιλογή «" + orisma + "» θέλει έναν αριθμό");
            long long timn;
            if (orisma == "--margin") {
                if (!Ari8mos(orismata[++i], 50, 200, timn))
                    return la8os("το περιθώριο πρέπει να είναι ακέραιος από 50 έως 200");
                parametroi.peri8wrio = static_cast<int>(timn);
            } else {
                if (!Ari8mos(orismata[++i], 0, std::numeric_limits<long long>::max(), timn))
                    return la8os("ο μέγιστος αριθμός βημάτων πρέπει να είναι μη αρνητικός ακέραιος");
                parametroi.megistaBnmata = timn;
            }
        } else if (orisma == "--max-memory") {
            if (i + 1 >= orismata.size())
                return la8os("η επιλογή «--max-memory» θέλει έναν αριθμό");
            if (!Ari8mos(orismata[++i], 1, 1048576, parametroi.megistnMnmn))
                return la8os("η μνήμη πρέπει να είναι ακέραιος αριθμός MB από 1 έως 1048576");
        } else if (orisma.starts_with("--")) {
            return la8os("άγνωστη επιλογή «" + orisma + "»");
        } else if (parametroi.arxeio.empty()) {
            parametroi.arxeio = orisma;
        } else {
            return la8os("δόθηκαν περισσότερα από ένα αρχεία");
        }
    }
    if (parametroi.arxeio.empty())
        return la8os("λείπει το αρχείο του προγράμματος");
    return true;
}

int Ektelesn(const std::vector<std::string>& orismata, std::istream& eisodos, std::ostream& e3odos, std::ostream& la8n, bool termatiko)
{
    if (orismata.size() == 1 && (orismata[0] == "--help" || orismata[0] == "-h")) {
        e3odos << Xrnsn << '\n' << XrnsnElegxou;
        return ke3Epituxia;
    }
    if (!orismata.empty() && orismata[0] == "test")
        return ElegxosAskisewv({orismata.begin() + 1, orismata.end()}, e3odos, la8n);
    TParametroi parametroi;
    if (!DiabaseParametrous(orismata, parametroi, la8n))
        return ke3La8osArxeiouNParametrwv;

    OriseOrioMnmns(parametroi.megistnMnmn * 1024 * 1024);
    std::u16string pnyh;
    std::string la8os;
    if (!DiabaseArxeioProgrammatos(parametroi.arxeio, pnyh, la8os)) {
        la8n << "kalmira-cli: " << la8os << "\n";
        return ke3La8osArxeiouNParametrwv;
    }
    const std::string& arxeio = parametroi.arxeio;

    auto grace = [&e3odos](const std::u16string& grammn) { e3odos << SeUtf8(grammn) << '\n'; };
    auto diabase = [&](const TEkfrasnMetablntns& metablntn, std::u16string& apantnsn) {
        if (termatiko) {
            e3odos.flush();
            la8n << "Διάβασμα της " << SeUtf8(PngaiosKwdikasTupou(metablntn.Tupos, ptGeviknEvikou, gv8nluko)) << " μεταβλητής «"
                 << SeUtf8(metablntn.Keimevo()) << "»: " << std::flush;
        }
        std::string grammn;
        if (!std::getline(eisodos, grammn))
            throw ELa8osEktelesns(std::u16string(MnvumaTermatismou));
        if (!grammn.empty() && grammn.back() == '\r')
            grammn.pop_back();
        apantnsn = ApoUtf8(grammn);
        if (!termatiko)
            e3odos << SeUtf8(apantnsn) << '\n';
    };

    TProgramma programma(diabase, grace);
    if (!programma.Metaglwttisn(pnyh, parametroi.peri8wrio)) {
        const TThesnLa8ous& thesn = programma.ThesnLa8ous();
        la8n << arxeio << ':' << thesn.Grammn + 1 << ':' << thesn.Stnln + 1 << ": " << SeUtf8(programma.EidosLa8ous()) << '\n';
        GrapseGrammes(la8n, programma.MnvumaLa8ous());
        la8n << '\n';
        return ke3La8osMetaglwttisns;
    }
    if (!parametroi.ektelesn) {
        GrapseGrammes(e3odos, pnyh);
        return ke3Epituxia;
    }

    PlnrnsApotimnsn = parametroi.plnrnsApotimnsn;
    const long long orio = parametroi.megistaBnmata >= 0 ? parametroi.megistaBnmata : std::numeric_limits<long long>::max();
    TApotelesmaEktelesns apotelesma;
    bool sfalma = false;
    std::u16string mnvuma;
    try {
        apotelesma = programma.Ektelese(orio);
    } catch (const ELa8osEktelesns& e) {
        if (e.Mnvuma() == MnvumaTermatismou) {
            e3odos.flush();
            la8n << "Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη\n";
            return ke3Termatismos;
        }
        sfalma = true;
        mnvuma = e.Mnvuma();
    } catch (const ELa8osKalmiras& e) {
        sfalma = true;
        mnvuma = e.Mnvuma();
    }
    if (sfalma) {
        e3odos << "Σφάλμα εκτέλεσης!\n";
        GrapseGrammes(e3odos, mnvuma);
        e3odos << '\n';
        e3odos.flush();
        la8n << arxeio << ':' << programma.TrexousaGrammn() + 1 << ": Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε\n";
        return ke3La8osEktelesns;
    }
    if (apotelesma.EpomevnGrammn >= 0) {
        e3odos.flush();
        la8n << "Η εκτέλεση σταμάτησε μετά από " << orio << " βήματα\n";
        return ke3OrioBnmatwv;
    }
    return ke3Epituxia;
}

}  // namespace

bool Ari8mosOrismatos(std::string_view le3n, long long& timn)
{
    auto keno = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!le3n.empty() && keno(le3n.front()))
        le3n.remove_prefix(1);
    while (!le3n.empty() && keno(le3n.back()))
        le3n.remove_suffix(1);
    return Ari8mosAscii(le3n, timn);
}

int GrammnEvtolwv(const std::vector<std::string>& orismata, std::istream& eisodos, std::ostream& e3odos, std::ostream& la8n,
                  bool termatiko)
{
    // The compile and the run report their own lack of memory; this is the runner's, while it
    // reads the file or writes the regenerated text.
    try {
        return Ektelesn(orismata, eisodos, e3odos, la8n, termatiko);
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    e3odos.flush();
    la8n << "kalmira-cli: Δεν υπάρχει αρκετή μνήμη για να συνεχιστεί η εργασία\n";
    return ke3EleipsnMnmns;
}

}  // namespace kalmira
