#include "uLektikosAvalutns.h"

#include <charconv>
#include <string>

#include "uLa8os.h"

namespace kalmira {

const char16_t PivakasSumbolwv[Plnr8osSumbolwv] = {
    u'(', u')', u'*', u'+', u',', u'-', u'.', u'/', u':', u'<', u'=', u'>', u'[', u']', u'^',
    u'\u2190', u'\u2260', u'\u2264', u'\u2265',
};

const std::u16string_view PivakasDesmevmevwvLe3ewv[Plnr8osDesmevmevwvLe3ewv] = {
    u"div", u"mod", u"Α_Μ", u"Α_Τ", u"ακέραιες", u"Αληθής", u"αλλιώς", u"αλλιώς_αν", u"Αν", u"από",
    u"Αρχή", u"Αρχή_επανάληψης", u"Για", u"Γράψε", u"Διάβασε", u"Ε", u"επανάλαβε", u"Επίλεξε", u"ΕΦ", u"ή",
    u"ΗΜ", u"και", u"ΛΟΓ", u"λογικές", u"με_βήμα", u"Μεταβλητές", u"μέχρι", u"Μέχρις_ότου", u"Όσο", u"όχι",
    u"Περίπτωση", u"πραγματικές", u"Πρόγραμμα", u"Σταθερές", u"ΣΥΝ", u"Τ_Ρ", u"Τέλος_αν", u"Τέλος_επανάληψης",
    u"Τέλος_επιλογών", u"Τέλος_προγράμματος", u"τότε", u"χαρακτήρες", u"Ψευδής",
};

// ---------------------------------------------------------------------------------------------
// The fold

// Indexed by code unit minus U+0386, for U+0386 to U+03CE. The three unassigned code points of the
// range (U+038B, U+038D, U+03A2) fold to themselves.
static const char16_t PivakasAvadiplwsns[73] = {
    u'Α',      // 0386 Ά
    u'\u0387', // 0387 ano teleia (never consulted: not a letter)
    u'Ε',      // 0388 Έ
    u'Η',      // 0389 Ή
    u'Ι',      // 038A Ί
    u'\u038B', // 038B unassigned
    u'Ο',      // 038C Ό
    u'\u038D', // 038D unassigned
    u'Υ',      // 038E Ύ
    u'Ω',      // 038F Ώ
    u'Ι',      // 0390 ΐ
    u'Α', u'Β', u'Γ', u'Δ', u'Ε', u'Ζ', u'Η', u'Θ', u'Ι', u'Κ', u'Λ', u'Μ', u'Ν', u'Ξ', u'Ο', u'Π', u'Ρ',  // 0391-03A1
    u'\u03A2', // 03A2 unassigned
    u'Σ', u'Τ', u'Υ', u'Φ', u'Χ', u'Ψ', u'Ω',  // 03A3-03A9
    u'Ι',      // 03AA Ϊ
    u'Υ',      // 03AB Ϋ
    u'Α',      // 03AC ά
    u'Ε',      // 03AD έ
    u'Η',      // 03AE ή
    u'Ι',      // 03AF ί
    u'Υ',      // 03B0 ΰ
    u'Α', u'Β', u'Γ', u'Δ', u'Ε', u'Ζ', u'Η', u'Θ', u'Ι', u'Κ', u'Λ', u'Μ', u'Ν', u'Ξ', u'Ο', u'Π', u'Ρ',  // 03B1-03C1
    u'Σ',      // 03C2 ς
    u'Σ', u'Τ', u'Υ', u'Φ', u'Χ', u'Ψ', u'Ω',  // 03C3-03C9
    u'Ι',      // 03CA ϊ
    u'Υ',      // 03CB ϋ
    u'Ο',      // 03CC ό
    u'Υ',      // 03CD ύ
    u'Ω',      // 03CE ώ
};

char16_t KefalaioXwrisTovo(char16_t c)
{
    if (EivaiEllnvikoGramma(c))
        return PivakasAvadiplwsns[c - 0x0386];
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - u'a' + u'A');
    return c;
}

std::u16string KefalaiaXwrisTovous(std::u16string_view keimevo)
{
    std::u16string apotelesma(keimevo);
    for (char16_t& c : apotelesma)
        c = KefalaioXwrisTovo(c);
    return apotelesma;
}

// ---------------------------------------------------------------------------------------------
// Keywords and symbols

namespace {

// The keywords' folded forms, computed once, in the table's order.
struct TDiplwmenesLe3eis {
    std::u16string morfes[Plnr8osDesmevmevwvLe3ewv];
    TDiplwmenesLe3eis()
    {
        for (int i = 0; i < Plnr8osDesmevmevwvLe3ewv; ++i)
            morfes[i] = KefalaiaXwrisTovous(PivakasDesmevmevwvLe3ewv[i]);
    }
};

// Bisection over a sorted table of n entries: low, high, middle rounded down, greater goes right.
// `sugkrisn(i)` compares the wanted item with entry i. Returns the index found, or -1.
template <class F>
int Dixotomnsn(int n, F sugkrisn)
{
    int xamnlo = 0, ypnlo = n - 1;
    while (xamnlo <= ypnlo) {
        int meso = (xamnlo + ypnlo) / 2;
        int s = sugkrisn(meso);
        if (s == 0)
            return meso;
        if (s > 0)
            xamnlo = meso + 1;
        else
            ypnlo = meso - 1;
    }
    return -1;
}

const TDiplwmenesLe3eis& DiplwmenesLe3eis()
{
    static const TDiplwmenesLe3eis le3eis;
    return le3eis;
}

}  // namespace

bool BreDesmevmevnLe3n(std::u16string_view le3n, TEidosLe3ns& eidos)
{
    // Only words of letters, digits and "_" can be keywords; the fold is done on a small buffer.
    if (le3n.empty() || le3n.size() > 32)
        return false;
    char16_t diplwmevn[32];
    for (std::size_t i = 0; i < le3n.size(); ++i)
        diplwmevn[i] = KefalaioXwrisTovo(le3n[i]);
    std::u16string_view zntoumevn(diplwmevn, le3n.size());
    const auto& morfes = DiplwmenesLe3eis().morfes;
    int thesn = Dixotomnsn(Plnr8osDesmevmevwvLe3ewv, [&](int i) { return zntoumevn.compare(morfes[i]); });
    if (thesn < 0)
        return false;
    eidos = static_cast<TEidosLe3ns>(ProtnDesmevmevnLe3n + thesn);
    return true;
}

TEidosLe3ns BreSumbolo(std::u16string_view sumbolo)
{
    if (sumbolo.size() != 1)
        return lxOxiSumbolo;
    const int c = sumbolo[0];
    int thesn = Dixotomnsn(Plnr8osSumbolwv, [&](int i) { return c - PivakasSumbolwv[i]; });
    return thesn < 0 ? lxOxiSumbolo : static_cast<TEidosLe3ns>(ProtoSumbolo + thesn);
}

bool EivaiSumbolo(char16_t c)
{
    return BreSumbolo(std::u16string_view(&c, 1)) != lxOxiSumbolo;
}

std::u16string AvtikatastasnOlwv(std::u16string_view keimevo, std::u16string_view palio, std::u16string_view veo)
{
    if (keimevo.empty() || palio.empty())
        return std::u16string(keimevo);
    std::u16string apotelesma;
    apotelesma.reserve(keimevo.size());
    std::size_t i = 0;
    while (i < keimevo.size()) {
        if (keimevo.compare(i, palio.size(), palio) == 0) {
            apotelesma += veo;
            i += palio.size();
        } else {
            apotelesma += keimevo[i++];
        }
    }
    return apotelesma;
}

std::u16string MetatropnTelestwv(std::u16string_view keimevo)
{
    std::u16string apotelesma(keimevo);
    MetatropnTelestwvSeThesn(apotelesma);
    return apotelesma;
}

void MetatropnTelestwvSeThesn(std::u16string& keimevo) noexcept
{
    // One pass that tries the four in their order at each place: a match of a later one can
    // neither start inside an earlier one's nor overlap one that starts after it.
    const std::size_t n = keimevo.size();
    std::size_t grafn = 0;
    for (std::size_t i = 0; i < n;) {
        const char16_t c = keimevo[i];
        const char16_t epomevos = i + 1 < n ? keimevo[i + 1] : u'\0';
        char16_t telestns = 0;
        std::size_t mhkos = 0;
        if (c == u'<' && epomevos == u'>')
            telestns = u'\u2260', mhkos = 2;
        else if (c == u'<' && epomevos == u'=')
            telestns = u'\u2264', mhkos = 2;
        else if (c == u'>' && epomevos == u'=')
            telestns = u'\u2265', mhkos = 2;
        else if (c == u'<' && epomevos == u'-' && i + 2 < n && keimevo[i + 2] == u'-')
            telestns = u'\u2190', mhkos = 3;
        if (mhkos > 0) {
            keimevo[grafn++] = telestns;
            i += mhkos;
        } else {
            keimevo[grafn++] = c;
            ++i;
        }
    }
    keimevo.resize(grafn);
}

// ---------------------------------------------------------------------------------------------
// The analyzer

TLektikosAvalutns::TLektikosAvalutns(std::u16string_view pnyh, TOnSxolio onSxolio) : onSxolio_(std::move(onSxolio))
{
    // CR LF, the source, CR LF and U+001A: the first line starts after a line break like every
    // other, and a string or comment on the last line always meets a CR.
    keimevo_.reserve(pnyh.size() + 5);
    keimevo_ += u"\r\n";
    keimevo_ += pnyh;
    keimevo_ += u"\r\n\u001A";
    PerasmaKevwv();
}

void TLektikosAvalutns::PerasmaKevwv()
{
    while (tre3ousa8esn_ <= keimevo_.size() && EivaiKevo(Xarakthras(tre3ousa8esn_)))
        ++tre3ousa8esn_;
}

void TLektikosAvalutns::Telos()
{
    ar3nLe3ns_ = tre3ousa8esn_;
    le3n_.Eidos = lxTelos;
    le3n_.Timn = TTimn();
}

bool TLektikosAvalutns::EpomevnLe3n()
{
    // The final LF of the frame is at the length minus 1.
    const std::size_t telos = keimevo_.size() - 1;
    if (tre3ousa8esn_ >= telos) {
        Telos();
        return false;
    }
    while (Xarakthras(tre3ousa8esn_) == u'!') {
        DiabaseSxolio();
        if (tre3ousa8esn_ >= telos) {
            Telos();
            return false;
        }
    }
    ar3nLe3ns_ = tre3ousa8esn_;
    char16_t c = Xarakthras(tre3ousa8esn_);
    if (EivaiPsnfio(c))
        DiabaseAri8mo();
    else if (EivaiGramma(c))
        DiabaseLe3n();
    else if (c == u'\'' || c == u'"')
        DiabaseAlfari8mntiko(c);
    else if (EivaiSumbolo(c))
        DiabaseSumbolo();
    else if (c == u'_')
        throw ELektikoLa8os(u"Η κάτω παύλα «_» δεν επιτρέπεται στην αρχή των αναγνωριστικών");
    else
        throw ELektikoLa8os(Morfh(u"Ο χαρακτήρας «%1s» δεν είναι αποδεκτός χαρακτήρας της Καλμίρας", {std::u16string_view(&c, 1)}));
    PerasmaKevwv();
    return true;
}

void TLektikosAvalutns::DiabaseAri8mo()
{
    std::string psnfia;
    while (EivaiPsnfio(Xarakthras(tre3ousa8esn_)))
        psnfia += static_cast<char>(Xarakthras(tre3ousa8esn_++));
    // A comma followed by a digit continues the number as a real; a point never does.
    if (Xarakthras(tre3ousa8esn_) == u',' && EivaiPsnfio(Xarakthras(tre3ousa8esn_ + 1))) {
        psnfia += '.';
        ++tre3ousa8esn_;
        while (EivaiPsnfio(Xarakthras(tre3ousa8esn_)))
            psnfia += static_cast<char>(Xarakthras(tre3ousa8esn_++));
        double timn = 0;
        auto [telos, la8os] = std::from_chars(psnfia.data(), psnfia.data() + psnfia.size(), timn);
        if (la8os == std::errc::result_out_of_range) {
            // Out of range either way: too large, or so small that it rounds to zero.
            if (psnfia.find_first_not_of("0.") < psnfia.find('.'))
                throw ELektikoLa8os(Morfh(u"Πολύ μεγάλος αριθμός για να χωρέσει σε πραγματική μεταβλητή: «%s»", {ApoUtf8(psnfia)}));
            timn = 0.0;
        }
        le3n_.Eidos = lxPragmatiknSta8era;
        le3n_.Timn = TTimn::ApoPragmatiko(timn);
        return;
    }
    std::uint64_t timn = 0;
    for (char p : psnfia) {
        timn = timn * 10 + static_cast<std::uint64_t>(p - '0');
        if (timn > 9223372036854775807ULL)
            throw ELektikoLa8os(Morfh(u"Πολύ μεγάλος αριθμός για να χωρέσει σε ακέραια μεταβλητή: «%s»", {ApoUtf8(psnfia)}));
    }
    le3n_.Eidos = lxAkeraiaSta8era;
    le3n_.Timn = TTimn::ApoAkeraio(static_cast<std::int64_t>(timn));
}

void TLektikosAvalutns::DiabaseLe3n()
{
    std::size_t ar3n = tre3ousa8esn_;
    ++tre3ousa8esn_;
    for (char16_t c = Xarakthras(tre3ousa8esn_); EivaiGramma(c) || EivaiPsnfio(c) || c == u'_'; c = Xarakthras(tre3ousa8esn_))
        ++tre3ousa8esn_;
    std::u16string_view le3n(keimevo_.data() + ar3n - 1, tre3ousa8esn_ - ar3n);
    TEidosLe3ns eidos;
    if (!BreDesmevmevnLe3n(le3n, eidos)) {
        le3n_.Eidos = lxAvagvwristiko;
        le3n_.Timn = TTimn::ApoAlfari8mntiko(std::u16string(le3n));
    } else if (eidos == lxAln8ns || eidos == lxPseudns) {
        le3n_.Eidos = lxLogiknSta8era;
        le3n_.Timn = TTimn::ApoLogiko(eidos == lxAln8ns);
    } else {
        le3n_.Eidos = eidos;
        le3n_.Timn = TTimn::ApoAlfari8mntiko(std::u16string(PivakasDesmevmevwvLe3ewv[eidos - ProtnDesmevmevnLe3n]));
    }
}

void TLektikosAvalutns::DiabaseAlfari8mntiko(char16_t eisagwgiko)
{
    ++tre3ousa8esn_;
    std::u16string periexomevo;
    for (;;) {
        char16_t c = Xarakthras(tre3ousa8esn_);
        if (c == u'\r')
            throw ELektikoLa8os(Morfh(u"Στο αλφαριθμητικό «%s» δεν έχει κλείσει το δεξί εισαγωγικό", {periexomevo}));
        if (c == eisagwgiko) {
            if (Xarakthras(tre3ousa8esn_ + 1) != eisagwgiko) {
                ++tre3ousa8esn_;
                break;
            }
            tre3ousa8esn_ += 2;
            periexomevo += eisagwgiko;
        } else {
            periexomevo += c;
            ++tre3ousa8esn_;
        }
    }
    le3n_.Eidos = lxAlfari8mntiko;
    le3n_.Timn = TTimn::ApoAlfari8mntiko(std::move(periexomevo));
}

void TLektikosAvalutns::DiabaseSxolio()
{
    TTroposGrammns tropos = (Xarakthras(tre3ousa8esn_ - 2) == u'\r' && Xarakthras(tre3ousa8esn_ - 1) == u'\n') ? tgNea : tgSxolio;
    std::size_t ar3n = tre3ousa8esn_;
    while (Xarakthras(tre3ousa8esn_) != u'\r')
        ++tre3ousa8esn_;
    std::u16string sxolio = keimevo_.substr(ar3n - 1, tre3ousa8esn_ - ar3n);
    PerasmaKevwv();
    if (onSxolio_)
        onSxolio_(sxolio, tropos);
}

void TLektikosAvalutns::DiabaseSumbolo()
{
    char16_t c = Xarakthras(tre3ousa8esn_);
    le3n_.Eidos = BreSumbolo(std::u16string_view(&c, 1));
    le3n_.Timn = TTimn::ApoAlfari8mntiko(std::u16string(1, c));
    ++tre3ousa8esn_;
}

}  // namespace kalmira
