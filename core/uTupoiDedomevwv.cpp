#include "core/uTupoiDedomevwv.h"

#include <charconv>

#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"

namespace kalmira {

// ---------------------------------------------------------------------------------------------
// Text of real constants in program text

std::u16string KeimevoPragmatiknsSta8eras(double timn)
{
    char buffer[400];
    auto [telos, la8os] = std::to_chars(buffer, buffer + sizeof buffer, timn, std::chars_format::fixed);
    std::u16string apotelesma;
    bool teleia = false;
    for (char* p = buffer; p != telos; ++p) {
        if (*p == '.') {
            teleia = true;
            apotelesma += u',';
        } else {
            apotelesma += static_cast<char16_t>(*p);
        }
    }
    if (!teleia)
        apotelesma += u",0";
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
