#include "uTimn.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>

#include "uLa8os.h"

namespace kalmira {

static_assert(sizeof(TTimn) == 16, "a scalar value must fit in 16 bytes");

// ---------------------------------------------------------------------------------------------
// The memory budget

namespace {

// Like the library's other settings these serve one thread at a time: the count is read and
// written back rather than added to atomically, which keeps strings cheap to grow.
std::atomic<std::int64_t> orioMnmns{ArxikoOrioMnmns};
std::atomic<std::int64_t> mnmnTimwv{0};

void Pros8esn(std::int64_t bytes) noexcept
{
    mnmnTimwv.store(mnmnTimwv.load(std::memory_order_relaxed) + bytes, std::memory_order_relaxed);
}

constexpr std::int64_t MB = 1024 * 1024;

[[noreturn]] void EleipsnMnmns()
{
    throw EEleipsnMnmns(Morfh(u"Το πρόγραμμα χρειάζεται περισσότερη μνήμη από τα %d MB που επιτρέπονται για τις τιμές του",
                              {Ari8mos(orioMnmns.load(std::memory_order_relaxed) / MB)}));
}

bool Xwraei(std::int64_t bytes) noexcept
{
    return bytes <= orioMnmns.load(std::memory_order_relaxed) - mnmnTimwv.load(std::memory_order_relaxed);
}

// Takes `bytes` from the budget, or refuses them.
void Xrewsn(std::int64_t bytes)
{
    if (!Xwraei(bytes))
        EleipsnMnmns();
    Pros8esn(bytes);
}

// Gives back what was taken, or corrects an estimate to what was allocated.
void Pistwsn(std::int64_t bytes) noexcept { Pros8esn(-bytes); }

// What a string held by a value takes: the object on the heap and its characters.
std::int64_t Bytes(std::size_t xwritikotnta) noexcept
{
    return static_cast<std::int64_t>(sizeof(std::u16string) + xwritikotnta * sizeof(char16_t));
}
std::int64_t Bytes(const std::u16string& s) noexcept { return Bytes(s.capacity()); }

// What an array's payload takes, its elements' strings aside.
std::int64_t BytesPivaka(std::size_t plnr8os, std::size_t diastaseis) noexcept
{
    return static_cast<std::int64_t>(sizeof(TPivakasTimwv) + plnr8os * sizeof(TTimn) + diastaseis * sizeof(std::int32_t));
}
std::int64_t BytesPivaka(const TPivakasTimwv& p) noexcept { return BytesPivaka(p.Plnr8os(), p.AnwOria().size()); }

// Makes a string on the heap with `ftiakse`, taking from the budget an estimate of its bytes
// before and correcting it to its capacity after.
template <class F>
std::u16string* MeXrewsn(std::size_t xaraktnres, F ftiakse)
{
    const std::int64_t ektimnsn = Bytes(xaraktnres);
    Xrewsn(ektimnsn);
    std::u16string* s;
    try {
        s = ftiakse();
    } catch (...) {
        Pistwsn(ektimnsn);
        throw;
    }
    Pistwsn(ektimnsn - Bytes(*s));
    return s;
}

}  // namespace

std::int64_t OrioMnmns() noexcept { return orioMnmns.load(std::memory_order_relaxed); }
void OriseOrioMnmns(std::int64_t bytes) noexcept { orioMnmns.store(bytes, std::memory_order_relaxed); }
std::int64_t MnmnTimwv() noexcept { return mnmnTimwv.load(std::memory_order_relaxed); }

void ElegxosMnmnsAlfari8mntikou(std::size_t xaraktnres)
{
    if (!Xwraei(Bytes(xaraktnres)))
        EleipsnMnmns();
}

// ---------------------------------------------------------------------------------------------
// TTimn

TTimn TTimn::ApoAlfari8mntiko(std::u16string timn)
{
    TTimn t;
    t.alfari8mntiko_ = MeXrewsn(timn.capacity(), [&] { return new std::u16string(std::move(timn)); });
    t.eidos_ = tmAlfari8mntiko;
    return t;
}

TTimn TTimn::Pivakas(const TDeiktes& anwOria)
{
    std::size_t plnr8os = 1;
    for (std::int32_t orio : anwOria)
        plnr8os *= static_cast<std::size_t>(orio);
    const std::int64_t bytes = BytesPivaka(plnr8os, anwOria.size());
    Xrewsn(bytes);
    TTimn t;
    try {
        t.pivakas_ = new TPivakasTimwv(anwOria);
    } catch (...) {
        Pistwsn(bytes);
        throw;
    }
    t.eidos_ = tmPivakas;
    return t;
}

// A deep copy of an array: its payload is taken from the budget here, its strings by their own copies.
static TPivakasTimwv* AntigrafoPivaka(const TPivakasTimwv& pivakas)
{
    const std::int64_t bytes = BytesPivaka(pivakas);
    Xrewsn(bytes);
    try {
        return new TPivakasTimwv(pivakas);
    } catch (...) {
        Pistwsn(bytes);
        throw;
    }
}

TTimn::TTimn(const TTimn& allo) : eidos_(allo.eidos_), akeraios_(allo.akeraios_)
{
    if (eidos_ == tmAlfari8mntiko) {
        const std::u16string& s = *allo.alfari8mntiko_;
        alfari8mntiko_ = MeXrewsn(s.size(), [&] { return new std::u16string(s); });
    } else if (eidos_ == tmPivakas) {
        pivakas_ = AntigrafoPivaka(*allo.pivakas_);
    }
}

TTimn& TTimn::operator=(const TTimn& allo)
{
    if (this == &allo)
        return *this;
    if (allo.eidos_ == tmAlfari8mntiko) {
        OriseAlfari8mntiko(std::u16string_view(*allo.alfari8mntiko_));
    } else if (allo.eidos_ == tmPivakas) {
        auto antigrafo = AntigrafoPivaka(*allo.pivakas_);
        Adeiasma();
        pivakas_ = antigrafo;
        eidos_ = tmPivakas;
    } else {
        Adeiasma();
        eidos_ = allo.eidos_;
        akeraios_ = allo.akeraios_;
    }
    return *this;
}

TTimn& TTimn::operator=(TTimn&& allo) noexcept
{
    if (this != &allo) {
        Adeiasma();
        eidos_ = allo.eidos_;
        akeraios_ = allo.akeraios_;
        allo.eidos_ = tmKevo;
    }
    return *this;
}

void TTimn::Apeleu8erwsn() noexcept
{
    if (eidos_ == tmAlfari8mntiko) {
        Pistwsn(Bytes(*alfari8mntiko_));
        delete alfari8mntiko_;
    } else if (eidos_ == tmPivakas) {
        Pistwsn(BytesPivaka(*pivakas_));
        delete pivakas_;
    }
}

void TTimn::OriseAlfari8mntiko(std::u16string_view timn)
{
    if (eidos_ == tmAlfari8mntiko) {
        std::u16string& s = *alfari8mntiko_;
        if (timn.size() <= s.capacity()) {
            s.assign(timn);  // keeps the buffer; safe when timn points into it
            return;
        }
        // A larger buffer of exactly this size, taken from the budget before it is made.
        const std::int64_t prin = Bytes(s);
        std::u16string* veo = MeXrewsn(timn.size(), [&] { return new std::u16string(timn); });
        alfari8mntiko_ = veo;
        Pistwsn(prin);
        delete &s;
        return;
    }
    auto veo = MeXrewsn(timn.size(), [&] { return new std::u16string(timn); });
    Adeiasma();
    alfari8mntiko_ = veo;
    eidos_ = tmAlfari8mntiko;
}

void TTimn::OriseAlfari8mntiko(std::u16string&& timn)
{
    if (eidos_ == tmAlfari8mntiko) {
        // The buffers change hands: the budget follows the difference, and refuses a larger one.
        std::u16string& s = *alfari8mntiko_;
        const std::int64_t diafora = Bytes(timn) - Bytes(s);
        if (diafora > 0)
            Xrewsn(diafora);
        const std::int64_t prin = Bytes(s) + std::max<std::int64_t>(diafora, 0);
        s = std::move(timn);
        Pistwsn(prin - Bytes(s));
        return;
    }
    auto veo = MeXrewsn(timn.capacity(), [&] { return new std::u16string(std::move(timn)); });
    Adeiasma();
    alfari8mntiko_ = veo;
    eidos_ = tmAlfari8mntiko;
}

void TTimn::Pros8eseAlfari8mntiko(std::u16string_view timn)
{
    std::u16string& s = *alfari8mntiko_;
    const std::size_t mhkos = s.size() + timn.size();
    if (mhkos <= s.capacity()) {
        s.append(timn);
        return;
    }
    // The buffer doubles, so that appending again and again stays linear; near the end of the
    // budget it takes what is left, and past it the append is refused. The new buffer is taken
    // from the budget while the old one is still held, as both are until the characters move.
    const std::int64_t prin = Bytes(s);
    const std::int64_t diathesimo = OrioMnmns() - MnmnTimwv() - Bytes(std::size_t{0});
    std::size_t xwritikotnta = std::max(mhkos, 2 * s.capacity());
    if (diathesimo > 0 && xwritikotnta > static_cast<std::size_t>(diathesimo) / sizeof(char16_t))
        xwritikotnta = std::max(mhkos, static_cast<std::size_t>(diathesimo) / sizeof(char16_t));
    const std::int64_t veo = Bytes(xwritikotnta);
    Xrewsn(veo);
    try {
        std::u16string megalutero;
        megalutero.reserve(xwritikotnta);
        megalutero += s;
        megalutero += timn;
        s.swap(megalutero);
    } catch (...) {
        Pistwsn(veo);
        throw;
    }
    Pistwsn(prin + veo - Bytes(s));
}

[[noreturn]] static void AdunatnMetatropn(const TTimn& timn, TTuposDedomevwv tupos)
{
    throw ELa8osEktelesns(Morfh(u"Δεν είναι δυνατή η μετατροπή της τιμής «%s» σε %s τιμή",
                                {KeimevoTimns(timn), PngaiosKwdikasTupou(tupos, ptAitiatiknEvikou, gv8nluko)}));
}

std::int64_t StrogguleusnMeArtio(double timn)
{
    double r = std::nearbyint(timn);  // the default rounding mode sends halves to the even neighbour
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
        throw ELa8osEktelesns(u"Invalid floating point operation");
    return static_cast<std::int64_t>(r);
}

std::int64_t TTimn::SeAkeraio() const
{
    switch (eidos_) {
    case tmAkeraios: return akeraios_;
    case tmPragmatikos: return StrogguleusnMeArtio(pragmatikos_);
    case tmLogikos: return logikos_ ? 1 : 0;
    default: AdunatnMetatropn(*this, tdAkeraios);
    }
}

double TTimn::SePragmatiko() const
{
    switch (eidos_) {
    case tmAkeraios: return static_cast<double>(akeraios_);
    case tmPragmatikos: return pragmatikos_;
    case tmLogikos: return logikos_ ? 1.0 : 0.0;
    default: AdunatnMetatropn(*this, tdPragmatikos);
    }
}

// The plain string conversion: numbers as digits, a boolean as the platform's "True"/"False".
std::u16string TTimn::SeAlfari8mntiko() const
{
    switch (eidos_) {
    case tmAkeraios: return Ari8mos(akeraios_);
    case tmPragmatikos: return KeimevoPragmatikou(pragmatikos_);
    case tmAlfari8mntiko: return *alfari8mntiko_;
    case tmLogikos: return logikos_ ? u"True" : u"False";
    default: AdunatnMetatropn(*this, tdAlfari8mntikos);
    }
}

TTimn TTimn::Metatropn(TTuposDedomevwv tupos) const
{
    if (static_cast<TTuposDedomevwv>(eidos_) == tupos && eidos_ != tmPivakas)
        return *this;
    switch (tupos) {
    case tdAkeraios: return ApoAkeraio(SeAkeraio());
    case tdPragmatikos: return ApoPragmatiko(SePragmatiko());
    case tdAlfari8mntikos: return ApoAlfari8mntiko(SeAlfari8mntiko());
    case tdLogikos:
        if (eidos_ == tmAkeraios)
            return ApoLogiko(akeraios_ != 0);
        if (eidos_ == tmPragmatikos)
            return ApoLogiko(pragmatikos_ != 0.0);
        AdunatnMetatropn(*this, tdLogikos);
    default: throw ELa8osMou(u"Λάθος τύπος δεδομένων στην GraceTimn");
    }
}

// ---------------------------------------------------------------------------------------------
// Arrays

TPivakasTimwv::TPivakasTimwv(TDeiktes anwOria) : anwOria_(std::move(anwOria))
{
    std::size_t plnr8os = 1;
    for (std::int32_t orio : anwOria_)
        plnr8os *= static_cast<std::size_t>(orio);
    stoixeia_.resize(plnr8os);
}

void TPivakasTimwv::Adeiasma() noexcept
{
    for (TTimn& t : stoixeia_)
        t.Adeiasma();
}

// ---------------------------------------------------------------------------------------------
// Text of values

static char16_t dekadikoDiaxwristiko = u',';

char16_t DekadikoDiaxwristiko() { return dekadikoDiaxwristiko; }
void OriseDekadikoDiaxwristiko(char16_t diaxwristiko) { dekadikoDiaxwristiko = diaxwristiko; }

std::u16string KeimevoPragmatikou(double timn)
{
    char buffer[64];
    auto [telos, la8os] = std::to_chars(buffer, buffer + sizeof buffer, timn, std::chars_format::general, 15);
    std::u16string apotelesma;
    for (char* p = buffer; p != telos; ++p) {
        char c = *p;
        if (c == '.')
            apotelesma += dekadikoDiaxwristiko;
        else if (c == 'e')
            apotelesma += u'E';
        else
            apotelesma += static_cast<char16_t>(c);
    }
    return apotelesma;
}

std::u16string KeimevoTimns(const TTimn& timn)
{
    bool kommevo = false;
    return KeimevoTimns(timn, std::u16string::npos, kommevo);
}

std::u16string KeimevoTimns(const TTimn& timn, std::size_t megisto, bool& kommevo)
{
    kommevo = false;
    std::u16string apotelesma;
    switch (timn.Eidos()) {
    case TTimn::tmKevo: apotelesma = u"-"; break;
    case TTimn::tmLogikos: apotelesma = timn.Logikos() ? u"Αληθής" : u"Ψευδής"; break;
    case TTimn::tmPivakas: {
        // Element by element, so that a huge array costs no more than the text that is kept.
        const TPivakasTimwv& pivakas = timn.Pivakas();
        apotelesma = u"(";
        for (std::size_t i = 0; i < pivakas.Plnr8os() && apotelesma.size() <= megisto; ++i) {
            if (i > 0)
                apotelesma += u", ";
            apotelesma += pivakas[i].EivaiKevo() ? std::u16string(u"-") : pivakas[i].SeAlfari8mntiko();
        }
        apotelesma += u')';
        break;
    }
    case TTimn::tmAlfari8mntiko:
        apotelesma = timn.Alfari8mntiko().substr(0, megisto == std::u16string::npos ? megisto : megisto + 1);
        break;
    default: apotelesma = timn.SeAlfari8mntiko(); break;
    }
    if (apotelesma.size() > megisto) {
        apotelesma.resize(megisto);
        kommevo = true;
    }
    return apotelesma;
}

// ---------------------------------------------------------------------------------------------
// Type names

static const std::u16string_view OvomataTupwv[2][8][4] = {
    {
        {u"ακέραιος", u"πραγματικός", u"αλφαριθμητικός", u"λογικός"},
        {u"ακέραιου", u"πραγματικού", u"αλφαριθμητικού", u"λογικού"},
        {u"ακέραιο", u"πραγματικό", u"αλφαριθμητικό", u"λογικό"},
        {u"ακέραιε", u"πραγματικέ", u"αλφαριθμητικέ", u"λογικέ"},
        {u"ακέραιοι", u"πραγματικοί", u"αλφαριθμητικοί", u"λογικοί"},
        {u"ακεραίων", u"πραγματικών", u"αλφαριθμητικών", u"λογικών"},
        {u"ακέραιους", u"πραγματικούς", u"αλφαριθμητικούς", u"λογικούς"},
        {u"ακέραιοι", u"πραγματικοί", u"αλφαριθμητικοί", u"λογικοί"},
    },
    {
        {u"ακέραια", u"πραγματική", u"αλφαριθμητική", u"λογική"},
        {u"ακέραιας", u"πραγματικής", u"αλφαριθμητικής", u"λογικής"},
        {u"ακέραια", u"πραγματική", u"αλφαριθμητική", u"λογική"},
        {u"ακέραια", u"πραγματική", u"αλφαριθμητική", u"λογική"},
        {u"ακέραιες", u"πραγματικές", u"αλφαριθμητικές", u"λογικές"},
        {u"ακεραίων", u"πραγματικών", u"αλφαριθμητικών", u"λογικών"},
        {u"ακέραιες", u"πραγματικές", u"αλφαριθμητικές", u"λογικές"},
        {u"ακέραιες", u"πραγματικές", u"αλφαριθμητικές", u"λογικές"},
    },
};

std::u16string PngaiosKwdikasTupou(TTuposDedomevwv tupos, TPtwsn ptwsn, TGevos gevos)
{
    if (tupos < tdAkeraios || tupos > tdLogikos || ptwsn > ptKlntiknPln8uvtikou || gevos > gv8nluko)
        throw ELa8osMou(u"Λάθος τύπος variant στην PngaiosKwdikasTupou");
    return std::u16string(OvomataTupwv[gevos][ptwsn][tupos - tdAkeraios]);
}

}  // namespace kalmira
