#include "cli/uElegxosAskisewv.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/uGrammnEvtolwv.h"
#include "core/uProgramma.h"
#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"
#include "workbench/uAvagvwsnProgrammatos.h"

namespace kalmira {

const char* const XrnsnElegxou =
    "Έλεγχος ασκήσεων:\n"
    "  kalmira-cli test [ΕΠΙΛΟΓΕΣ] ΠΕΡΙΠΤΩΣΕΙΣ ΠΡΟΓΡΑΜΜΑ...\n"
    "      Ελέγχει κάθε ΠΡΟΓΡΑΜΜΑ με τις περιπτώσεις του φακέλου ΠΕΡΙΠΤΩΣΕΙΣ. Μια περίπτωση είναι\n"
    "      ένα ζεύγος αρχείων: ΟΝΟΜΑ.in με τις τιμές που διαβάζει η «Διάβασε», μία σε κάθε γραμμή,\n"
    "      και ΟΝΟΜΑ.out με την οθόνη που περιμένετε, όπως τη γράφει η run όταν η είσοδος έρχεται\n"
    "      από αρχείο: μαζί με τις τιμές που διαβάστηκαν, κάθε μία σε δική της γραμμή. Το .in\n"
    "      παραλείπεται όταν το πρόγραμμα δεν διαβάζει τίποτα· τα άλλα αρχεία του φακέλου δεν\n"
    "      μετρούν. Το .out φτιάχνεται από μια λύση-πρότυπο με την εντολή\n"
    "          kalmira-cli run λύση.καλμίρα < ΟΝΟΜΑ.in > ΟΝΟΜΑ.out\n"
    "      Κάθε πρόγραμμα μεταγλωττίζεται μία φορά και εκτελείται με κάθε περίπτωση· την περνά όταν\n"
    "      τελειώνει κανονικά και η οθόνη του είναι ίδια με το .out. Για κάθε πρόγραμμα τυπώνονται\n"
    "      οι σωστές περιπτώσεις στο σύνολο και γιατί απέτυχε καθεμία από τις άλλες.\n"
    "\n"
    "Επιλογές της test:\n"
    "  --max-steps N             όριο βημάτων σε κάθε περίπτωση (αρχικά 5000000)\n"
    "  --time-limit Δ            όριο χρόνου σε κάθε περίπτωση, σε δευτερόλεπτα (αρχικά 10)\n"
    "  --ignore-trailing-blanks  αγνοεί τα κενά στο τέλος των γραμμών και τις κενές γραμμές στο τέλος\n"
    "  --ignore-case             αγνοεί τη διαφορά πεζών-κεφαλαίων και τους τόνους\n"
    "  --full-evaluation         πλήρης αποτίμηση των λογικών εκφράσεων με «ή» και «και»\n"
    "  --format text|csv|tsv     η αναφορά σε κείμενο (αρχικά) ή μία γραμμή για κάθε πρόγραμμα και\n"
    "                            περίπτωση, με στήλες χωρισμένες με κόμμα ή στηλοθέτη\n"
    "\n"
    "Κωδικοί εξόδου της test: 0 όλα τα προγράμματα πέρασαν όλες τις περιπτώσεις, 1 κάποιο δεν\n"
    "πέρασε κάποια περίπτωση ή δεν διαβάζεται, 4 λάθος φακέλου ή παραμέτρων.\n";

namespace {

constexpr int ke3Apotuxia = 1;  // some program failed some case

enum TMorfnAnaforas : std::uint8_t { maKeimevo, maCsv, maTsv };

struct TRu8miseis {
    long long megistaBnmata = 5'000'000;
    std::chrono::duration<double> xronos{10.0};
    std::string xronosKeimevo = "10";  // the time limit as the report writes it
    bool xwrisKevaTelous = false;      // --ignore-trailing-blanks
    bool xwrisPeza = false;            // --ignore-case
    bool plnrnsApotimnsn = false;
    TMorfnAnaforas morfn = maKeimevo;
    std::string fakelos;
    std::vector<std::string> programmata;
};

// One case: its name, the lines of its input and of its expected screen.
struct TPeriptwsn {
    std::string ovoma;
    std::vector<std::u16string> eisodos, o8ovn;
};

// How a case ended, in the order the report names them.
enum TEkbasn : std::uint8_t { ekSwsto, ekArxeio, ekMetaglwttisn, ekEktelesn, ekBnmata, ekXronos, ekEisodos, ekE3odos };

const char* const OvomaEkbasns[] = {"σωστό",        "λάθος αρχείου", "λάθος μεταγλώττισης", "σφάλμα εκτέλεσης",
                                    "όριο βημάτων", "όριο χρόνου",   "τέλος εισόδου",       "λάθος έξοδος"};

struct TApotelesma {
    TEkbasn ekbasn = ekSwsto;
    int grammn = 0, stnln = 0;  // 1-based; 0 when the result has no line or column
    std::string leptomereies;
};

// ---------------------------------------------------------------------------------------------
// Arguments

bool Ari8mos(const std::string& keimevo, long long elaxisto, long long& timn)
{
    return Ari8mosOrismatos(keimevo, timn) && timn >= elaxisto;
}

// The blanks of Unicode (spaces, line and paragraph separators, and the control blanks).
bool EivaiKenoUnicode(char16_t c)
{
    return (c >= u'\t' && c <= u'\r') || c == u' ' || c == u'\x85' || c == u'\xA0' || c == u'\x1680' || (c >= u'\x2000' && c <= u'\x200A') ||
           c == u'\x2028' || c == u'\x2029' || c == u'\x202F' || c == u'\x205F' || c == u'\x3000';
}

// A number of seconds: blanks around it, an optional sign, decimal digits with an optional point or
// comma, and an optional exponent.
bool Deuterolepta(const std::string& le3n, double& timn)
{
    std::u16string keimevo = ApoUtf8(le3n);
    std::replace(keimevo.begin(), keimevo.end(), u',', u'.');
    std::u16string_view v = keimevo;
    while (!v.empty() && EivaiKenoUnicode(v.front()))
        v.remove_prefix(1);
    while (!v.empty() && EivaiKenoUnicode(v.back()))
        v.remove_suffix(1);
    std::string ascii;
    for (char16_t c : v) {
        if (c >= 0x80)
            return false;
        ascii += static_cast<char>(c);
    }
    return Ari8mosAscii(ascii, timn);
}

bool DiabaseParametrous(const std::vector<std::string>& orismata, TRu8miseis& r, std::ostream& la8n)
{
    auto la8os = [&la8n](const std::string& mnvuma) {
        la8n << "kalmira-cli test: " << mnvuma << "\nΔείτε «kalmira-cli --help» για τον τρόπο χρήσης.\n";
        return false;
    };
    for (std::size_t i = 0; i < orismata.size(); ++i) {
        const std::string& orisma = orismata[i];
        if (orisma == "--ignore-trailing-blanks") {
            r.xwrisKevaTelous = true;
        } else if (orisma == "--ignore-case") {
            r.xwrisPeza = true;
        } else if (orisma == "--full-evaluation") {
            r.plnrnsApotimnsn = true;
        } else if (orisma == "--max-steps" || orisma == "--time-limit" || orisma == "--format") {
            if (i + 1 >= orismata.size())
                return la8os("η επιλογή «" + orisma + "» θέλει μια τιμή");
            const std::string& timn = orismata[++i];
            if (orisma == "--max-steps") {
                if (!Ari8mos(timn, 1, r.megistaBnmata))
                    return la8os("ο μέγιστος αριθμός βημάτων πρέπει να είναι θετικός ακέραιος");
            } else if (orisma == "--time-limit") {
                double deuterolepta = 0;
                const bool egkuro = Deuterolepta(timn, deuterolepta);
                if (!egkuro || !(deuterolepta > 0 && deuterolepta <= 86400))
                    return la8os("το όριο χρόνου πρέπει να είναι θετικός αριθμός δευτερολέπτων, έως 86400");
                r.xronos = std::chrono::duration<double>(deuterolepta);
                r.xronosKeimevo = timn;
            } else if (timn == "text" || timn == "csv" || timn == "tsv") {
                r.morfn = timn == "text" ? maKeimevo : timn == "csv" ? maCsv : maTsv;
            } else {
                return la8os("άγνωστη μορφή «" + timn + "»: γράψτε text, csv ή tsv");
            }
        } else if (orisma.starts_with("--")) {
            return la8os("άγνωστη επιλογή «" + orisma + "»");
        } else if (r.fakelos.empty()) {
            r.fakelos = orisma;
        } else {
            r.programmata.push_back(orisma);
        }
    }
    if (r.fakelos.empty())
        return la8os("λείπει ο φάκελος με τις περιπτώσεις");
    if (r.programmata.empty())
        return la8os("λείπει το αρχείο του προγράμματος");
    return true;
}

// ---------------------------------------------------------------------------------------------
// The cases

constexpr bool EivaiPsnfio(char16_t c) { return c >= u'0' && c <= u'9'; }

// The order of case names with their numbers compared as numbers: 2 before 10.
bool FusiknSeira(std::u16string_view a, std::u16string_view b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (EivaiPsnfio(a[i]) && EivaiPsnfio(b[j])) {
            while (i + 1 < a.size() && a[i] == u'0' && EivaiPsnfio(a[i + 1]))
                ++i;
            while (j + 1 < b.size() && b[j] == u'0' && EivaiPsnfio(b[j + 1]))
                ++j;
            std::size_t ta = i, tb = j;
            while (ta < a.size() && EivaiPsnfio(a[ta]))
                ++ta;
            while (tb < b.size() && EivaiPsnfio(b[tb]))
                ++tb;
            if (ta - i != tb - j)
                return ta - i < tb - j;
            if (const int s = a.substr(i, ta - i).compare(b.substr(j, tb - j)); s != 0)
                return s < 0;
            i = ta;
            j = tb;
        } else if (a[i] != b[j]) {
            return a[i] < b[j];
        } else {
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j || (a.size() - i == b.size() - j && a < b);
}

// The lines of a text whose line breaks are CR LF; a final line break ends the last line.
std::vector<std::u16string> Grammes(std::u16string_view keimevo)
{
    std::vector<std::u16string> grammes;
    for (std::size_t ar3n = 0;;) {
        const std::size_t telos = keimevo.find(u"\r\n", ar3n);
        grammes.emplace_back(keimevo.substr(ar3n, telos == std::u16string_view::npos ? std::u16string_view::npos : telos - ar3n));
        if (telos == std::u16string_view::npos)
            break;
        ar3n = telos + 2;
    }
    if (grammes.back().empty())
        grammes.pop_back();
    return grammes;
}

bool DiabaseGrammes(const std::string& diadromn, std::vector<std::u16string>& grammes, std::string& la8os)
{
    std::u16string keimevo;
    if (!DiabaseArxeioProgrammatos(diadromn, keimevo, la8os))
        return false;
    grammes = Grammes(keimevo);
    return true;
}

// A file of a folder, as a folder's path and a file name make it: the folder without one final "/",
// then "/" unless it ends in one.
std::string DiadromnSeFakelo(std::string fakelos, const std::string& arxeio)
{
    if (fakelos.size() > 1 && fakelos.back() == '/')
        fakelos.pop_back();
    if (fakelos.empty())
        fakelos = ".";
    return fakelos.back() == '/' ? fakelos + arxeio : fakelos + '/' + arxeio;
}

// Reads every case of the folder, in the order of their names. False with the reason in `la8os`
// when the folder is missing, holds no case, a NAME.in without its NAME.out, or a case file that
// cannot be read or is not text.
bool DiabasePeriptwseis(const std::string& fakelos, std::vector<TPeriptwsn>& periptwseis, std::string& la8os)
{
    namespace fs = std::filesystem;
    std::error_code sfalma;
    const fs::file_status katastasn = fs::status(fakelos, sfalma);
    if (!fs::exists(katastasn)) {
        la8os = "ο φάκελος «" + fakelos + "» δεν υπάρχει";
        return false;
    }
    if (!fs::is_directory(katastasn)) {
        la8os = "το «" + fakelos + "» δεν είναι φάκελος";
        return false;
    }
    if (access(fakelos.c_str(), R_OK) != 0) {
        la8os = "δεν επιτρέπεται η ανάγνωση του φακέλου «" + fakelos + "»";
        return false;
    }
    // The cases by their names as text, in that order: NAME.in and NAME.out among the files of the
    // folder that are not hidden (a link counts as the file it leads to).
    struct TZeugos {
        bool in = false, out = false;
        std::string ovoma;
    };
    std::map<std::u16string, TZeugos> zeugn;
    for (fs::directory_iterator it(fakelos, sfalma), telos; !sfalma && it != telos; it.increment(sfalma)) {
        const std::string arxeio = it->path().filename().string();
        if (arxeio.starts_with('.') || !fs::is_regular_file(fs::status(it->path(), sfalma)))
            continue;
        for (const auto& [katal3n, in] : {std::pair<std::string_view, bool>{".in", true}, {".out", false}}) {
            if (arxeio.ends_with(katal3n) && arxeio.size() > katal3n.size()) {
                const std::string ovoma = arxeio.substr(0, arxeio.size() - katal3n.size());
                TZeugos& zeugos = zeugn[ApoUtf8(ovoma)];
                zeugos.ovoma = ovoma;
                (in ? zeugos.in : zeugos.out) = true;
            }
        }
    }
    if (zeugn.empty()) {
        la8os = "ο φάκελος «" + fakelos +
                "» δεν έχει περιπτώσεις: κάθε περίπτωση είναι ένα αρχείο ΟΝΟΜΑ.out με την αναμενόμενη οθόνη και ένα ΟΝΟΜΑ.in με τις "
                "τιμές εισόδου";
        return false;
    }
    std::vector<std::u16string> ovomata;
    for (const auto& [ovoma, zeugos] : zeugn) {
        if (!zeugos.out) {
            la8os = "η περίπτωση «" + zeugos.ovoma + "» έχει το αρχείο «" + zeugos.ovoma + ".in» αλλά όχι το «" + zeugos.ovoma +
                    ".out» με την αναμενόμενη οθόνη";
            return false;
        }
        ovomata.push_back(ovoma);
    }
    std::sort(ovomata.begin(), ovomata.end(), FusiknSeira);
    for (const std::u16string& ovoma : ovomata) {
        const TZeugos& zeugos = zeugn[ovoma];
        TPeriptwsn p{zeugos.ovoma, {}, {}};
        if ((zeugos.in && !DiabaseGrammes(DiadromnSeFakelo(fakelos, zeugos.ovoma + ".in"), p.eisodos, la8os)) ||
            !DiabaseGrammes(DiadromnSeFakelo(fakelos, zeugos.ovoma + ".out"), p.o8ovn, la8os))
            return false;
        periptwseis.push_back(std::move(p));
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// The screen and its comparison

bool EivaiKevo(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view XwrisKevaTelous(std::u16string_view grammn)
{
    while (!grammn.empty() && EivaiKevo(grammn.back()))
        grammn.remove_suffix(1);
    return grammn;
}

bool EivaiKevn(std::u16string_view grammn) { return XwrisKevaTelous(grammn).empty(); }

// The user screen of one run. It keeps the lines that a comparison can reach: as many as the
// expected screen has and one more, and beyond those only the first line that is not blank, so
// that a program printing without end does not fill the memory.
class TO8ovn {
public:
    explicit TO8ovn(std::size_t kratoumenes) : kratoumenes_(kratoumenes) {}

    void Pros8ese(const std::u16string& grammn)
    {
        if (grammes_.size() < kratoumenes_)
            grammes_.push_back(grammn);
        else if (!pera_ && !EivaiKevn(grammn))
            pera_ = {plnthos_, grammn};
        ++plnthos_;
    }
    std::size_t Plnthos() const { return plnthos_; }
    // Line i; a line that was not kept is blank.
    std::u16string_view Grammn(std::size_t i) const
    {
        if (i < grammes_.size())
            return grammes_[i];
        return pera_ && pera_->first == i ? std::u16string_view(pera_->second) : std::u16string_view();
    }
    // The first line from i on that is not blank, or Plnthos() when there is none.
    std::size_t ProtnMnKevn(std::size_t i) const
    {
        for (; i < grammes_.size(); ++i)
            if (!EivaiKevn(grammes_[i]))
                return i;
        return pera_ ? pera_->first : plnthos_;
    }
    // The lines up to the last that is not blank. Past a non-blank line that was not kept the
    // count stops there: the expected screen has ended before it in any case.
    std::size_t PlnthosXwrisKevesStoTelos() const
    {
        if (pera_)
            return pera_->first + 1;
        std::size_t n = grammes_.size();
        while (n > 0 && EivaiKevn(grammes_[n - 1]))
            --n;
        return n;
    }

private:
    const std::size_t kratoumenes_;
    std::vector<std::u16string> grammes_;
    std::optional<std::pair<std::size_t, std::u16string>> pera_;  // the first non-blank line not kept
    std::size_t plnthos_ = 0;
};

std::string Eisagwgika(std::u16string_view keimevo) { return "«" + SeUtf8(keimevo) + "»"; }

// Compares the screen with the expected one; for the first line that differs, fills in the
// result. With trailing blanks ignored, a screen that has ended is compared with the first line of
// the other that is not blank.
bool IdiaO8ovn(const std::vector<std::u16string>& anamenomevn, const TO8ovn& o8ovn, const TRu8miseis& r, TApotelesma& a)
{
    auto morfn = [&r](std::u16string_view grammn) {
        if (r.xwrisKevaTelous)
            grammn = XwrisKevaTelous(grammn);
        return r.xwrisPeza ? KefalaiaXwrisTovous(grammn) : std::u16string(grammn);
    };
    std::size_t nA = anamenomevn.size(), nO = o8ovn.Plnthos();
    if (r.xwrisKevaTelous) {
        while (nA > 0 && EivaiKevn(anamenomevn[nA - 1]))
            --nA;
        nO = o8ovn.PlnthosXwrisKevesStoTelos();
    }
    for (std::size_t i = 0; i < std::max(nA, nO); ++i) {
        if (i < nA && i < nO && morfn(anamenomevn[i]) == morfn(o8ovn.Grammn(i)))
            continue;
        a.ekbasn = ekE3odos;
        if (i < nA && i < nO) {
            a.leptomereies = "αναμενόταν " + Eisagwgika(anamenomevn[i]) + ", βγήκε " + Eisagwgika(o8ovn.Grammn(i));
        } else if (i < nA) {
            while (r.xwrisKevaTelous && EivaiKevn(anamenomevn[i]))
                ++i;
            a.leptomereies = "αναμενόταν " + Eisagwgika(anamenomevn[i]) + ", η οθόνη τελείωσε";
        } else {
            if (r.xwrisKevaTelous)
                i = o8ovn.ProtnMnKevn(i);
            a.leptomereies = "αναμενόταν το τέλος της οθόνης, βγήκε " + Eisagwgika(o8ovn.Grammn(i));
        }
        a.grammn = static_cast<int>(std::min<std::size_t>(i + 1, std::numeric_limits<int>::max()));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Running the programs

std::string PrwtnGrammn(const std::u16string& mnvuma) { return SeUtf8(mnvuma.substr(0, mnvuma.find(u"\r\n"))); }

std::string MiaGrammn(const std::u16string& mnvuma) { return SeUtf8(AvtikatastasnOlwv(mnvuma, u"\r\n", u" ")); }

std::string Plnthos(long long n, const char* eviko, const char* plnPuntiko)
{
    return std::to_string(n) + " " + (n == 1 ? eviko : plnPuntiko);
}

class TElegktns {
public:
    TElegktns(const TRu8miseis& r, const std::vector<TPeriptwsn>& periptwseis) : r_(r), periptwseis_(periptwseis) {}

    // The results of one program: one for the whole program when it cannot be read or compiled,
    // otherwise one per case.
    std::vector<TApotelesma> Elegxos(const std::string& arxeio)
    {
        std::u16string pnyh;
        std::string la8os;
        if (!DiabaseArxeioProgrammatos(arxeio, pnyh, la8os))
            return {{ekArxeio, 0, 0, la8os}};
        TProgramma programma([this](const TEkfrasnMetablntns&, std::u16string& apantnsn) { Diabase(apantnsn); },
                             [this](const std::u16string& grammn) { trexousa_.o8ovn->Pros8ese(grammn); });
        if (!programma.Metaglwttisn(pnyh, 64)) {
            const TThesnLa8ous& thesn = programma.ThesnLa8ous();
            return {{ekMetaglwttisn, thesn.Grammn + 1, thesn.Stnln + 1, PrwtnGrammn(programma.MnvumaLa8ous())}};
        }
        std::vector<TApotelesma> apotelesmata;
        for (const TPeriptwsn& p : periptwseis_)
            apotelesmata.push_back(Ektelese(programma, p));
        return apotelesmata;
    }

private:
    struct TTrexousa {
        const std::vector<std::u16string>* eisodos = nullptr;
        std::size_t epomevn = 0;
        TO8ovn* o8ovn = nullptr;
    };

    // Διάβασε takes the next input line and echoes it, as `run` does when its input is a file.
    void Diabase(std::u16string& apantnsn)
    {
        if (trexousa_.epomevn >= trexousa_.eisodos->size())
            throw ELa8osEktelesns(std::u16string(MnvumaTermatismou));
        apantnsn = (*trexousa_.eisodos)[trexousa_.epomevn++];
        trexousa_.o8ovn->Pros8ese(apantnsn);
    }

    TApotelesma Ektelese(TProgramma& programma, const TPeriptwsn& p)
    {
        // Steps run in batches, and the clock is read between two batches.
        constexpr long long Paketo = 1 << 16;
        TO8ovn o8ovn(p.o8ovn.size() + 1);
        trexousa_ = {&p.eisodos, 0, &o8ovn};
        TApotelesma a;
        const auto arxn = std::chrono::steady_clock::now();
        long long ypoloipa = r_.megistaBnmata;
        try {
            for (;;) {
                const TApotelesmaEktelesns e = programma.Ektelese(std::min(ypoloipa, Paketo));
                ypoloipa -= e.Bnmata;
                if (e.EpomevnGrammn < 0)
                    break;
                if (ypoloipa <= 0) {
                    a = {ekBnmata, 0, 0, "η εκτέλεση σταμάτησε μετά από " + Plnthos(r_.megistaBnmata, "βήμα", "βήματα")};
                    break;
                }
                if (std::chrono::steady_clock::now() - arxn > r_.xronos) {
                    a = {ekXronos, 0, 0,
                         "η εκτέλεση σταμάτησε μετά από " + r_.xronosKeimevo + (r_.xronosKeimevo == "1" ? " δευτερόλεπτο" : " δευτερόλεπτα")};
                    break;
                }
            }
        } catch (const ELa8osKalmiras& e) {
            if (e.Mnvuma() == MnvumaTermatismou)
                a = {ekEisodos, programma.TrexousaGrammn() + 1, 0, "το πρόγραμμα ζήτησε κι άλλη τιμή"};
            else
                a = {ekEktelesn, programma.TrexousaGrammn() + 1, 0, MiaGrammn(e.Mnvuma())};
        }
        // The next case begins a new run, whatever state this one left.
        programma.Termatismos();
        trexousa_ = {};
        if (a.ekbasn == ekSwsto)
            IdiaO8ovn(p.o8ovn, o8ovn, r_, a);
        return a;
    }

    const TRu8miseis& r_;
    const std::vector<TPeriptwsn>& periptwseis_;
    TTrexousa trexousa_;
};

// ---------------------------------------------------------------------------------------------
// The report

// Where the result points: a line and column of the program, or a line of the screen.
std::string Thesn(const TApotelesma& a)
{
    if (a.grammn == 0)
        return "";
    if (a.ekbasn == ekE3odos)
        return " (γραμμή " + std::to_string(a.grammn) + " της οθόνης)";
    return " (γραμμή " + std::to_string(a.grammn) + (a.stnln > 0 ? ", στήλη " + std::to_string(a.stnln) : "") + ")";
}

std::string Aitia(const TApotelesma& a) { return OvomaEkbasns[a.ekbasn] + Thesn(a) + ": " + a.leptomereies; }

std::string PediaCsv(const std::vector<std::string>& pedia, TMorfnAnaforas morfn)
{
    std::string grammn;
    for (const std::string& pedio : pedia) {
        if (!grammn.empty())
            grammn += morfn == maCsv ? ',' : '\t';
        if (morfn == maTsv) {
            std::string ka8aro = pedio;
            std::replace_if(ka8aro.begin(), ka8aro.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
            grammn += ka8aro;
        } else if (pedio.find_first_of(",\"\r\n") != std::string::npos) {
            grammn += '"';
            for (char c : pedio)
                grammn += c == '"' ? std::string("\"\"") : std::string(1, c);
            grammn += '"';
        } else {
            grammn += pedio;
        }
    }
    return grammn + '\n';
}

}  // namespace

int ElegxosAskisewv(const std::vector<std::string>& orismata, std::ostream& e3odos, std::ostream& la8n)
{
    TRu8miseis r;
    if (!DiabaseParametrous(orismata, r, la8n))
        return ke3La8osArxeiouNParametrwv;
    std::vector<TPeriptwsn> periptwseis;
    if (std::string la8os; !DiabasePeriptwseis(r.fakelos, periptwseis, la8os)) {
        la8n << "kalmira-cli test: " << la8os << '\n';
        return ke3La8osArxeiouNParametrwv;
    }

    PlnrnsApotimnsn = r.plnrnsApotimnsn;
    TElegktns elegktns(r, periptwseis);
    const long long plnthosPeriptwsewv = static_cast<long long>(periptwseis.size());
    long long swstaProgrammata = 0, swstesPeriptwseis = 0;
    if (r.morfn != maKeimevo)
        e3odos << PediaCsv({"πρόγραμμα", "περίπτωση", "αποτέλεσμα", "γραμμή", "στήλη", "λεπτομέρειες"}, r.morfn);
    for (const std::string& programma : r.programmata) {
        const std::vector<TApotelesma> apotelesmata = elegktns.Elegxos(programma);
        const bool olo = apotelesmata.size() == 1 && (apotelesmata[0].ekbasn == ekArxeio || apotelesmata[0].ekbasn == ekMetaglwttisn);
        const long long swstes = std::count_if(apotelesmata.begin(), apotelesmata.end(), [](const TApotelesma& a) { return a.ekbasn == ekSwsto; });
        swstesPeriptwseis += swstes;
        swstaProgrammata += swstes == plnthosPeriptwsewv;
        const std::string& arxeio = programma;
        if (r.morfn == maKeimevo) {
            e3odos << arxeio << ": " << swstes << '/' << plnthosPeriptwsewv << '\n';
            for (std::size_t i = 0; i < apotelesmata.size(); ++i)
                if (apotelesmata[i].ekbasn != ekSwsto)
                    e3odos << "  " << (olo ? "" : periptwseis[i].ovoma + ": ") << Aitia(apotelesmata[i]) << '\n';
        } else {
            for (std::size_t i = 0; i < periptwseis.size(); ++i) {
                const TApotelesma& a = apotelesmata[olo ? 0 : i];
                e3odos << PediaCsv({arxeio, periptwseis[i].ovoma, OvomaEkbasns[a.ekbasn], a.grammn ? std::to_string(a.grammn) : "",
                                    a.stnln ? std::to_string(a.stnln) : "", a.leptomereies},
                                   r.morfn);
            }
        }
        e3odos.flush();
    }
    if (r.morfn == maKeimevo)
        e3odos << "Σύνολο: " << swstaProgrammata << '/' << r.programmata.size() << " προγράμματα πέρασαν όλες τις περιπτώσεις, "
               << swstesPeriptwseis << '/' << plnthosPeriptwsewv * r.programmata.size() << " περιπτώσεις σωστές.\n";
    return swstaProgrammata == static_cast<long long>(r.programmata.size()) ? ke3Epituxia : ke3Apotuxia;
}

}  // namespace kalmira
