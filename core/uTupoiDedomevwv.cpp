#include "core/uTupoiDedomevwv.h"

#include <charconv>

#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"

namespace kalmira {

// ---------------------------------------------------------------------------------------------
// Text of real constants in program text

std::u16string KeimevoPragmatiknsSta8eras(double timn)
{
    // The shortest digits that read back come from the scientific form, d.ddd e±xx; they are then
    // laid out positionally. The fixed form is not used: for large values it writes the double's
    // exact binary value (1E24 as 999999999999999983222784) instead of the digits the pupil wrote.
    char buffer[64];
    const char* const telos = std::to_chars(buffer, buffer + sizeof buffer, timn, std::chars_format::scientific).ptr;
    const char* p = buffer;
    std::u16string apotelesma;
    if (p != telos && *p == '-') {
        apotelesma += u'-';
        ++p;
    }
    std::string pshfia;
    for (; p != telos && *p != 'e'; ++p)
        if (*p != '.')
            pshfia += *p;
    if (p == telos) {
        // No exponent: infinity or not a number. The reader never makes one, but the text must
        // still say what it holds.
        apotelesma.append(pshfia.begin(), pshfia.end());
        return apotelesma;
    }
    int ek8etns = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), telos, ek8etns);
    // Digits before the comma: the value is 0.pshfia times ten to this.
    const int akeraia = ek8etns + 1;
    const int plnr8os = static_cast<int>(pshfia.size());
    if (akeraia <= 0) {
        apotelesma += u"0,";
        apotelesma.append(static_cast<std::size_t>(-akeraia), u'0');
        apotelesma.append(pshfia.begin(), pshfia.end());
    } else if (akeraia >= plnr8os) {
        apotelesma.append(pshfia.begin(), pshfia.end());
        apotelesma.append(static_cast<std::size_t>(akeraia - plnr8os), u'0');
        apotelesma += u",0";
    } else {
        apotelesma.append(pshfia.begin(), pshfia.begin() + akeraia);
        apotelesma += u',';
        apotelesma.append(pshfia.begin() + akeraia, pshfia.end());
    }
    return apotelesma;
}

// ---------------------------------------------------------------------------------------------
// Identifiers

TOvomasmevnSta8era::TOvomasmevnSta8era(std::u16string ovoma, TTimn timn)
    : TAvagvwristiko(std::move(ovoma), timn.Tupos(), avSta8era), Periexomevo(std::move(timn))
{
}

void TMetablntn::AdeiaMetablntn() const
{
    throw ELa8osEktelesns(Morfh(u"Το πρόγραμμα προσπάθησε να χρησιμοποιήσει την τιμή της μεταβλητής «%s» ενώ αυτή δεν έχει αρχικοποιηθεί", {Ovoma}));
}

void Apo8nkeusnMeMetatropn(TTimn& stoxos, const TTimn& timn, TTuposDedomevwv tupos)
{
    if (tupos < tdAkeraios || tupos > tdLogikos)
        throw ELa8osMou(u"Λάθος τύπος δεδομένων στην GraceTimn");
    if (timn.Tupos() == tupos)
        stoxos = timn;
    else
        stoxos = timn.Metatropn(tupos);
}

TMetablntnPivakas::TMetablntnPivakas(std::u16string ovoma, TTuposDedomevwv tupos,
                                     const std::vector<std::pair<std::int32_t, std::int32_t>>& oria)
    : TAvagvwristiko(std::move(ovoma), tupos, avPivakas)
{
    TDeiktes mege;
    for (auto [katw, anw] : oria) {
        katwOria_.push_back(katw);
        anwOria_.push_back(anw);
        mege.push_back(anw - katw + 1);
    }
    Periexomevo = TTimn::Pivakas(mege);
    stoixeia_ = &Periexomevo.Pivakas()[0];
    katw0_ = katwOria_.empty() ? 1 : katwOria_[0];
    anw0_ = anwOria_.empty() ? 0 : anwOria_[0];
}

void TMetablntnPivakas::EktosOriwv(std::size_t diastasn, std::int32_t timn) const
{
    throw ELa8osEktelesns(Morfh(u"Ο %dος δείκτης του πίνακα «%s» έχει τιμή «%d», δηλαδή είναι εκτός διαστάσεων",
                                {Ari8mos(static_cast<long long>(diastasn) + 1), Ovoma, Ari8mos(timn)}));
}

void TMetablntnPivakas::AdeioStoixeio() const
{
    throw ELa8osEktelesns(Morfh(u"Έγινε προσπάθεια να διαβαστεί στοιχείο του πίνακα «%s» χωρίς πρώτα να αρχικοποιηθεί", {Ovoma}));
}


// ---------------------------------------------------------------------------------------------
// The identifier table

TAvagvwristiko& TPivakasAvagvwristikwv::Add(std::unique_ptr<TAvagvwristiko> avagvwristiko)
{
    std::u16string kleidi = KefalaiaXwrisTovous(avagvwristiko->Ovoma);
    auto [thesn, veo] = euretirio_.try_emplace(std::move(kleidi), avagvwristiko.get());
    if (!veo)
        throw ESuvtaktikoLa8os(Morfh(u"Το αναγνωριστικό «%s» έχει ξαναδηλωθεί", {avagvwristiko->Ovoma}));
    stoixeia_.push_back(std::move(avagvwristiko));
    return *stoixeia_.back();
}

TAvagvwristiko& TPivakasAvagvwristikwv::Find(const std::u16string& ovoma) const
{
    auto thesn = euretirio_.find(KefalaiaXwrisTovous(ovoma));
    if (thesn == euretirio_.end())
        throw ESuvtaktikoLa8os(Morfh(u"Άγνωστο αναγνωριστικό: «%s»", {ovoma}));
    return *thesn->second;
}

void TPivakasAvagvwristikwv::AdeiasmaMetablntwv() noexcept
{
    for (auto& avagvwristiko : stoixeia_) {
        if (avagvwristiko->Eidos == TAvagvwristiko::avMetablntn)
            static_cast<TMetablntn&>(*avagvwristiko).Adeiasma();
        else if (avagvwristiko->Eidos == TAvagvwristiko::avPivakas)
            static_cast<TMetablntnPivakas&>(*avagvwristiko).Adeiasma();
    }
}

}  // namespace kalmira
