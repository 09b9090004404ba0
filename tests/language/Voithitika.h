// Helpers shared by the unit tests of the language: texts, declarations, parsing one expression,
// catching an error's message, and a compiled program with its input and output.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/uProgramma.h"
#include "core/uSarwtnsEkfrasewv.h"
#include "core/uTupoiDedomevwv.h"
#include "front/uLa8os.h"
#include "front/uLektikosAvalutns.h"

namespace voithitika {

using namespace kalmira;

inline std::string U8(std::u16string_view s) { return SeUtf8(s); }
inline std::u16string U16(std::string_view s) { return ApoUtf8(s); }

// The text `s` written `n` times.
inline std::u16string Epanalnpsn(std::u16string_view s, int n)
{
    std::u16string r;
    for (int i = 0; i < n; ++i)
        r += s;
    return r;
}

using TOria = std::vector<std::pair<std::int32_t, std::int32_t>>;

// Declarations added to a table, each returned as its own kind.
inline TMetablntn& Metablntn(TPivakasAvagvwristikwv& p, std::u16string ovoma, TTuposDedomevwv tupos)
{
    return static_cast<TMetablntn&>(p.Add(std::make_unique<TMetablntn>(std::move(ovoma), tupos)));
}
inline TMetablntnPivakas& Pivakas(TPivakasAvagvwristikwv& p, std::u16string ovoma, TTuposDedomevwv tupos, TOria oria)
{
    return static_cast<TMetablntnPivakas&>(p.Add(std::make_unique<TMetablntnPivakas>(std::move(ovoma), tupos, std::move(oria))));
}
inline TOvomasmevnSta8era& Sta8era(TPivakasAvagvwristikwv& p, std::u16string ovoma, TTimn timn)
{
    return static_cast<TOvomasmevnSta8era&>(p.Add(std::make_unique<TOvomasmevnSta8era>(std::move(ovoma), std::move(timn))));
}

// Stores and reads as the statements do: an element through its position, a store converted to
// the declared type.
inline void GraceTimn(TMetablntn& metablntn, const TTimn& timn) { Apo8nkeusnMeMetatropn(metablntn.Periexomevo, timn, metablntn.Tupos); }
inline void GraceStoixeio(TMetablntnPivakas& pivakas, const TDeiktes& deiktes, const TTimn& timn)
{
    Apo8nkeusnMeMetatropn(pivakas.StoixeioSe(pivakas.Topo8esia(deiktes.data())), timn, pivakas.Tupos);
}
inline const TTimn& Stoixeio(const TMetablntnPivakas& pivakas, const TDeiktes& deiktes)
{
    return pivakas.AnagvwsnSe(pivakas.Topo8esia(deiktes.data()));
}

// Parses a whole text, operators normalised, as one expression; the text must be used up.
inline std::unique_ptr<TEkfrasn> Diabase(TPivakasAvagvwristikwv& pivakas, std::u16string_view keimevo)
{
    TLektikosAvalutns lektikos(MetatropnTelestwv(keimevo), nullptr);
    lektikos.EpomevnLe3n();
    std::unique_ptr<TEkfrasn> e = TSarwtnsEkfrasewv(lektikos, pivakas).DiabaseEkfrasn();
    EXPECT_EQ(lektikos.Le3n().Eidos, lxTelos) << U8(keimevo) << " was not read to its end";
    return e;
}

// The message of the expected kind of error that `f` raises, or a text that says what happened.
template <class E, class F>
std::string La8os(F&& f)
{
    try {
        f();
    } catch (const E& e) {
        return U8(e.Mnvuma());
    } catch (const std::exception& e) {
        return std::string("another kind of error: ") + e.what();
    }
    return "no error";
}

// A program text: the lines, each followed by CR LF.
inline std::u16string Keimevo(std::initializer_list<std::string_view> grammes)
{
    std::u16string keimevo;
    for (std::string_view grammn : grammes)
        keimevo += U16(grammn) + u"\r\n";
    return keimevo;
}

// A program compiled and, when it compiles, run to its end or its first error: what the compile
// said, the text it left, the lines written and the run-time error ("memory: " before the message
// when the values' memory ran out).
struct TEkbasn {
    bool metaglwttistnke = false;
    std::string eidos, mnvuma;  // of a compile error
    int grammn = 0;
    std::u16string keimevo;
    std::vector<std::string> e3odos;
    std::string la8osEktelesns;
};

inline TEkbasn Metaglwttise(std::u16string pnyh)
{
    TEkbasn e;
    TProgramma programma(nullptr, [&](const std::u16string& g) { e.e3odos.push_back(U8(g)); });
    e.metaglwttistnke = programma.Metaglwttisn(pnyh, 64);
    e.eidos = U8(programma.EidosLa8ous());
    e.mnvuma = U8(programma.MnvumaLa8ous());
    e.grammn = programma.ThesnLa8ous().Grammn;
    e.keimevo = std::move(pnyh);
    try {
        programma.Ektelese(1000000);
    } catch (const EEleipsnMnmns& la8os) {
        e.la8osEktelesns = "memory: " + U8(la8os.Mnvuma());
    } catch (const ELa8osKalmiras& la8os) {
        e.la8osEktelesns = U8(la8os.Mnvuma());
    }
    return e;
}

// A program text: a heading, the declarations and the body, each line ending in CR LF.
inline std::u16string Programma(const std::u16string& dnlwseis, const std::u16string& swma)
{
    return u"Πρόγραμμα Π\r\n" + dnlwseis + u"Αρχή\r\n" + swma + u"Τέλος_προγράμματος\r\n";
}

// A program object compiled from a text in canonical layout, so that its lines are the text's
// lines. Διάβασε takes the input lines in order (running out ends the run as the user would);
// Γράψε's lines are collected.
class TEktelesn {
public:
    explicit TEktelesn(const std::u16string& keimevo, std::vector<std::string> eisodos = {})
        : eisodos(eisodos.begin(), eisodos.end()),
          programma(std::make_unique<TProgramma>(
              [this](const TEkfrasnMetablntns&, std::u16string& apantnsn) {
                  if (this->eisodos.empty())
                      throw ELa8osEktelesns(std::u16string(MnvumaTermatismou));
                  apantnsn = U16(this->eisodos.front());
                  this->eisodos.pop_front();
              },
              [this](const std::u16string& grammn) { e3odos.push_back(U8(grammn)); }))
    {
        std::u16string pnyh = keimevo;
        const bool metaglwttistnke = programma->Metaglwttisn(pnyh, 64);
        EXPECT_TRUE(metaglwttistnke) << U8(programma->MnvumaLa8ous());
        EXPECT_EQ(U8(pnyh), U8(keimevo)) << "the test's text is not in canonical layout";
    }
    TEktelesn(const TEktelesn&) = delete;
    TEktelesn& operator=(const TEktelesn&) = delete;

    TProgramma& operator*() { return *programma; }
    TProgramma* operator->() { return programma.get(); }

    std::deque<std::string> eisodos;
    std::vector<std::string> e3odos;
    std::unique_ptr<TProgramma> programma;
};

}  // namespace voithitika
