// The program object, the statement table with its line emitter, and the statements.
//
// Compiling reads the whole source as one token stream, builds one statement object per statement,
// links them with jump targets while it regenerates the text in a canonical layout, and leaves a
// table that runs one statement per step. Nothing structural is interpreted at run time.
//
// TProgramma, at the top, is what the workbench and the command-line runner use; everything below
// it serves the compile and the statements.
//
// Line numbers: every line number that TProgramma gives is 0-based, counted in the text that
// Metaglwttisn leaves in its argument (the regenerated text after a successful compile), and -1
// means no line. Internally a statement's Grammn is 1-based, as the line emitter counts lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <ranges>
#include <string>
#include <string_view>
#include <vector>

#include "core/uSarwtnsEkfrasewv.h"
#include "core/uTupoiDedomevwv.h"
#include "front/uLektikosAvalutns.h"

namespace kalmira {

class TEvtoln;
class TPivakasEvtolwv;

// Output of Γράψε: one finished line.
using TOnGrace = std::function<void(const std::u16string& grammn)>;
// Input for Διάβασε: the handler fills in the user's text for the variable (its Keimevo and Tupos
// say what is asked for), or throws ELa8osEktelesns to stop the run; with the message
// MnvumaTermatismou the run ends as terminated by the user.
using TOnDiabase = std::function<void(const TEkfrasnMetablntns& metablntn, std::u16string& keimevo)>;

// The message of the run-time error that the input handler raises when the user ends the run from
// the input dialog; the caller of a step tells a user termination from an error by it.
inline constexpr std::u16string_view MnvumaTermatismou = u"TERMATISMENO";

// Where a compile error lies in the text that Metaglwttisn left in its argument.
struct TThesnLa8ous {
    std::size_t Ar3n = 0;  // 0-based offset of the caret in that text; a CR LF line break counts as two
    int Grammn = 0;        // 0-based line
    int Stnln = 0;         // 0-based column, in UTF-16 code units
};

// What a batch of steps did.
struct TApotelesmaEktelesns {
    std::int64_t Bnmata = 0;  // the steps executed
    int TeleutaiaGrammn = -1;  // the line of the statement the last step executed; -1 when no step
                               // ran or when the last step began a run (that step only passes the heading)
    int EpomevnGrammn = -1;    // the line of the statement that runs next; -1 when the program has
                               // ended (or no run is in progress): the next step begins a new run
};

// One identifier as the variables view shows it: its name as declared and its current value,
// neither guarded nor copied (an empty value is simply empty).
struct TTimnAvagvwristikou {
    const std::u16string& Ovoma;
    const TTimn& Timn;
    bool Sta8era;  // a named constant (the variables view leaves them out)
};

// The two handlers as the statements call them. They are fixed when the program object is created;
// a Termatismos called from inside one of them ends the run when the handler returns.
class TXeiristes final {
public:
    TXeiristes(TOnDiabase onDiabase, TOnGrace onGrace) : onDiabase_(std::move(onDiabase)), onGrace_(std::move(onGrace)) {}

    // Γράψε hands over one finished line.
    void Grace(const std::u16string& grammn);
    // Διάβασε asks for the text of one variable.
    void Diabase(const TEkfrasnMetablntns& metablntn, std::u16string& keimevo);
    // Διάβασε, once its values are stored: raises TDiakopnBnmatos if a pause was asked for.
    void ElegxosDiakopns(TEvtoln* epomevn);

private:
    friend class TProgramma;
    void ElegxosTermatismou();

    const TOnDiabase onDiabase_;
    const TOnGrace onGrace_;
    bool termatismos_ = false;  // Termatismos was called from inside a handler
    bool diakopn_ = false;      // Diakopn was called from inside the input handler
};

// Raised by Διάβασε, once its values are stored, when the input handler asked for a pause: it ends
// a batch of Ektelese after that statement. Not an error; nothing outside the program object sees it.
struct TDiakopnBnmatos {
    TEvtoln* Epomevn;
};

// The program object: one compiled program, and its runs.
//
// A program object compiles once; the workbench creates a new one for every compile. Steps run on
// the caller's thread and call the handlers synchronously. From inside a handler the program
// object must not be destroyed, compiled or stepped again: each of these is a fault of the caller
// and stops the process with a message on standard error rather than run on in freed memory.
class TProgramma {
public:
    TProgramma(TOnDiabase onDiabase, TOnGrace onGrace);
    TProgramma(const TProgramma&) = delete;
    TProgramma& operator=(const TProgramma&) = delete;
    ~TProgramma();

    // Compiles the source, once per object. True: the source now holds the regenerated text.
    // False: it holds the operator-normalised text, and EidosLa8ous, MnvumaLa8ous and ThesnLa8ous
    // say what went wrong and where; running out of memory, the machine's or the budget of values
    // (OrioMnmns, which the arrays take from as they are declared), is such an error too.
    bool Metaglwttisn(std::u16string& pnyh, int de3iPeri8wrio);
    const std::u16string& EidosLa8ous() const { return eidosLa8ous_; }    // the heading, for the status bar
    const std::u16string& MnvumaLa8ous() const { return mnvumaLa8ous_; }  // the message; CR LF between its lines
    const TThesnLa8ous& ThesnLa8ous() const { return thesnLa8ous_; }
    // The analyzer's raw position of the error: a 1-based index into its framed text, which starts
    // with a CR LF of its own (ThesnLa8ous is this position in the caller's text).
    std::size_t SnmeioLa8ous() const { return snmeioLa8ous_; }
    // What the source held after Τέλος_προγράμματος, from the end of that word on: it is neither
    // compiled nor part of the regenerated text, and the workbench keeps it in the editor so that
    // none of the pupil's text is lost. Empty when only blanks follow.
    const std::u16string& KeimevoMetaToTelos() const { return keimevoMetaToTelos_; }
    // The program's name from its heading, as written.
    const std::u16string& OvomaProgrammatos() const { return ovomaProgrammatos_; }

    // Executes one step and returns the line of the statement that runs next, or -1 when the
    // program has ended. With no run in progress the step begins one: every variable becomes empty
    // and the step passes the heading, so the first line reported is the first statement's. A
    // run-time error propagates as ELa8osKalmiras (anything else that fails is reported as an
    // ELa8osEktelesns; values that would pass the memory budget as EEleipsnMnmns) and leaves the
    // failing statement current.
    int EpomevoBnma();
    // Executes up to `megistaBnmata` steps back to back, exactly as many single steps would, and
    // stops early after the step that ends the program. Run-time errors propagate as from
    // EpomevoBnma, with the steps before the failing one done.
    TApotelesmaEktelesns Ektelese(std::int64_t megistaBnmata);
    // Ends the current run: the next step begins a new one. Called from inside a handler, it ends
    // the run when the handler returns, by raising ELa8osEktelesns with MnvumaTermatismou.
    void Termatismos();
    // Called from inside the input handler: the Ektelese in progress stops after that Διάβασε (the
    // input dialog's pause after the input). A single step is not affected.
    void Diakopn();
    // The line of the statement that runs next, which after a run-time error is the statement that
    // failed; -1 when no run is in progress.
    int TrexousaGrammn() const;

    // The constants, variables and arrays in declaration order, with their current values (see
    // TTimnAvagvwristikou). The references stay valid as long as the program object.
    auto Avagvwristika() const
    {
        return avagvwristika_->Stoixeia() | std::views::transform([](const std::unique_ptr<TAvagvwristiko>& a) {
                   return TTimnAvagvwristikou{a->Ovoma, a->Timn(), a->Eidos == TAvagvwristiko::avSta8era};
               });
    }

private:
    class TFrourosBnmatos;

    void KataskeuaseEvtoles();
    void ArxnEktelesns();
    [[noreturn]] void TelosAkurouBnmatos(TEvtoln* apotuxnmevn);

    TXeiristes xeiristes_;
    std::u16string ovomaProgrammatos_;
    std::u16string eidosLa8ous_;
    std::u16string mnvumaLa8ous_;
    std::size_t snmeioLa8ous_ = 0;
    std::size_t thesnTelous_ = 0;  // the analyzer's position of Τέλος_προγράμματος
    std::u16string keimevoMetaToTelos_;
    TThesnLa8ous thesnLa8ous_;

    std::unique_ptr<TLektikosAvalutns> lektikos_;
    std::unique_ptr<TPivakasAvagvwristikwv> avagvwristika_;
    std::unique_ptr<TSarwtnsEkfrasewv> sarwtns_;
    std::unique_ptr<TPivakasEvtolwv> evtoles_;

    bool metaglwttisnZntn8nke_ = false;  // Metaglwttisn has been called
    bool metaglwttistnke_ = false;       // and succeeded
    bool seBnma_ = false;                // a step is in progress
};

// ---------------------------------------------------------------------------------------------
// The statement table and the statements

// How a piece of a statement's text is placed: on a new line, continuing the line, or new while
// the statement has no text yet and continuing afterwards.
enum TEpilognGrammns : std::uint8_t { egNea, egSuvexeia, egAutomatn };

// The base of every statement.
class TEvtoln {
public:
    enum TEidos : std::uint8_t {
        evProgramma,
        evSta8eres,
        evMetablntes,
        evArxn,
        evTelosProgrammatos,
        evAva8esn,
        evDiabase,
        evGrace,
        evAv,
        evAlliwsAv,
        evAlliws,
        evTelosAv,
        evEpile3e,
        evPeriptwsn,
        evTelosEpilogwv,
        evOso,
        evArxikopoinsnGia,
        evGia,
        evArxnEpavalncns,
        evMexrisOtou,
        evTelosEpavalncns,
    };

    explicit TEvtoln(TEidos eidos) : Eidos(eidos) {}
    TEvtoln(const TEvtoln&) = delete;
    TEvtoln& operator=(const TEvtoln&) = delete;
    virtual ~TEvtoln() = default;

    // Executes the statement and returns the statement to run next (none when the program ends).
    virtual TEvtoln* Ektelesn() { return Epomevn; }

    // Emits a piece of the statement's text and keeps it in Kwdikas; the first piece fixes Grammn.
    int Pros8eseKwdika(std::u16string_view keimevo, TEpilognGrammns epilogn, TPivakasEvtolwv& pivakas);

    std::u16string Kwdikas;     // the regenerated text; several lines joined by CR LF
    int Grammn = 0;             // 1-based first line in the regenerated text
    TEvtoln* Epomevn = nullptr;  // the next statement in program order, unless a jump redirects it
    const TEidos Eidos;
};

// A comment waiting for its place in the regenerated text.
struct TEkkremesSxolio {
    TTroposGrammns Tropos;
    std::u16string Keimevo;
};

// The statement table: owns the statements and the lines of the regenerated text, and keeps the
// stack of open blocks while compiling.
class TPivakasEvtolwv {
public:
    explicit TPivakasEvtolwv(int de3iPeri8wrio) : De3iPeri8wrio(de3iPeri8wrio) {}

    // The line emitter (also the lexical analyzer's comment handler). Returns the number of lines.
    int Ekpompn(std::u16string_view keimevo, TTroposGrammns tropos);
    // Appends a statement; it becomes Trexousa.
    TEvtoln* Pros8nkn(std::unique_ptr<TEvtoln> evtoln);
    // Links a statement after Trexousa and appends it (what every statement does once it has read
    // its tokens).
    TEvtoln* Katoxurwsn(std::unique_ptr<TEvtoln> evtoln);
    void Avoigma(TEvtoln* evtoln);
    TEvtoln* Kleisimo();
    void Epavafora();
    int Bnma();
    // Hands over the regenerated text, every line followed by CR LF; the table keeps none of it.
    std::u16string PareKeimevo();

    std::vector<TEkkremesSxolio> EkkremnSxolia;
    const int De3iPeri8wrio;
    std::vector<std::unique_ptr<TEvtoln>> Lista;
    std::vector<TEvtoln*> Stoiba;
    TEvtoln* Trexousa = nullptr;
    int Ba8os = 0;

private:
    void NeaGrammn();

    // The regenerated text is kept once, as it will be handed over: the lines so far joined by
    // CR LF, the last one without its line break yet.
    std::u16string keimevo_;
    std::size_t ar3nGrammns_ = 0;  // where the last line starts
    int grammes_ = 0;
};

// How many blocks may be open at once, Αρχή included: far beyond any program a pupil writes, and
// low enough that the blanks of the indentation stay a small multiple of the text.
inline constexpr int MegistoBa8osEvtolwv = 100;

// What the statements read while compiling. Every statement class has a static Kataskeuase(p)
// that starts on the statement's first token, reads its tokens, builds the statement, writes its
// text and adds it to the statement table, leaving the analyzer on the first token after it.
struct TPlaisioMetaglwttisns {
    TLektikosAvalutns& Lektikos;
    TSarwtnsEkfrasewv& Sarwtns;
    TPivakasAvagvwristikwv& Avagvwristika;
    TPivakasEvtolwv& Evtoles;
    TXeiristes& Xeiristes;

    const TLe3n& Le3n() const { return Lektikos.Le3n(); }
    TEidosLe3ns Eidos() const { return Lektikos.Le3n().Eidos; }
    void Epomevn() { Lektikos.EpomevnLe3n(); }
};

// The condition of Αν, αλλιώς_αν, Όσο and Μέχρις_ότου: an expression that must be boolean.
std::unique_ptr<TEkfrasn> DiabaseSuv8nknEvtolns(TPlaisioMetaglwttisns& p);
// Refuses a statement that would open one block more than MegistoBa8osEvtolwv; called on the
// statement's first token, so that the error points at it.
void ElegxosBa8ous(const TPlaisioMetaglwttisns& p);
// A closing or continuing word that does not match the innermost open statement.
[[noreturn]] void DevEpitrepetai(std::u16string_view le3n, const TEvtoln* kleismevn);
// Closes the innermost block for a continuing or closing word: pops it, starts the word's line one
// level out, checks that the popped statement is of an expected kind, writes the word and reads
// past it. Returns the popped statement.
TEvtoln* KleiseMplok(TPlaisioMetaglwttisns& p, TEvtoln& evtoln, std::u16string_view le3n,
                     std::initializer_list<TEvtoln::TEidos> anamevomena);
// The current token, as messages quote it.
std::u16string KeimevoLe3ns(const TPlaisioMetaglwttisns& p);

// ---------------------------------------------------------------------------------------------
// The frame and the declaration sections

class TEvtolnProgramma final : public TEvtoln {
public:
    TEvtolnProgramma() : TEvtoln(evProgramma) {}
    // The first step of a run passes through the heading and the sections.
    TEvtoln* Ektelesn() override { return Epomevn->Ektelesn(); }
    static void Kataskeuase(TPlaisioMetaglwttisns& p, std::u16string& ovomaProgrammatos);
};

class TEvtolnArxn final : public TEvtoln {
public:
    TEvtolnArxn() : TEvtoln(evArxn) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnTelosProgrammatos final : public TEvtoln {
public:
    TEvtolnTelosProgrammatos() : TEvtoln(evTelosProgrammatos) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnSta8eres final : public TEvtoln {
public:
    TEvtolnSta8eres() : TEvtoln(evSta8eres) {}
    TEvtoln* Ektelesn() override { return Epomevn->Ektelesn(); }
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnMetablntes final : public TEvtoln {
public:
    TEvtolnMetablntes() : TEvtoln(evMetablntes) {}
    TEvtoln* Ektelesn() override { return Epomevn->Ektelesn(); }
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

// ---------------------------------------------------------------------------------------------
// Assignment, input and output

// Assignment. The compile builds a subclass specialised for the target and the value's tag, which
// executes it; the base holds the parts.
class TEvtolnAva8esnTimns : public TEvtoln {
public:
    TEvtolnAva8esnTimns(std::unique_ptr<TEkfrasnMetablntns> stoxos, std::unique_ptr<TEkfrasn> ekfrasn)
        : TEvtoln(evAva8esn), Stoxos(std::move(stoxos)), Ekfrasn(std::move(ekfrasn)) {}
    TEvtoln* Ektelesn() override = 0;
    static void Kataskeuase(TPlaisioMetaglwttisns& p);

    const std::unique_ptr<TEkfrasnMetablntns> Stoxos;
    const std::unique_ptr<TEkfrasn> Ekfrasn;
};

class TEvtolnDiabase final : public TEvtoln {
public:
    explicit TEvtolnDiabase(TXeiristes& xeiristes) : TEvtoln(evDiabase), Xeiristes(xeiristes) {}
    TEvtoln* Ektelesn() override;
    static void Kataskeuase(TPlaisioMetaglwttisns& p);

    TListaEkfrasewv Metablntes;
    TXeiristes& Xeiristes;
};

class TEvtolnGrace final : public TEvtoln {
public:
    explicit TEvtolnGrace(TXeiristes& xeiristes) : TEvtoln(evGrace), Xeiristes(xeiristes) {}
    TEvtoln* Ektelesn() override;
    static void Kataskeuase(TPlaisioMetaglwttisns& p);

    TListaEkfrasewv Ekfraseis;
    TXeiristes& Xeiristes;
};

// The value the integer input rule reads from a text, or false when the text breaks the rule.
bool DiabaseAkeraio(std::u16string_view keimevo, std::int64_t& timn);
// The text of a real input as the real input rule takes it: "," turned into ".", and the blanks
// and control characters around it removed.
std::u16string Ka8aroPragmatiko(std::u16string keimevo);
// The real input rule on a text prepared by Ka8aroPragmatiko: 1 read, 0 not a number, -1 a
// number beyond the range of a double.
int DiabasePragmatiko(std::u16string_view keimevo, double& timn);

// ---------------------------------------------------------------------------------------------
// Conditions

// A statement that branches on a condition: true continues with Epomevn, false jumps to Alma.
class TEvtolnDiakladwsns : public TEvtoln {
public:
    using TEvtoln::TEvtoln;
    TEvtoln* Ektelesn() override { return Suv8nkn->Logikos() ? Epomevn : Alma; }

    TEvtoln* Alma = nullptr;
    std::unique_ptr<TEkfrasn> Suv8nkn;
};

class TEvtolnAv final : public TEvtolnDiakladwsns {
public:
    TEvtolnAv() : TEvtolnDiakladwsns(evAv) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);

    TEvtolnDiakladwsns* AvoixtnDiakladwsn = nullptr;
    std::vector<TEvtoln*> TelnKladwv;
};

class TEvtolnAlliwsAv final : public TEvtolnDiakladwsns {
public:
    TEvtolnAlliwsAv() : TEvtolnDiakladwsns(evAlliwsAv) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnAlliws final : public TEvtoln {
public:
    TEvtolnAlliws() : TEvtoln(evAlliws) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnTelosAv final : public TEvtoln {
public:
    TEvtolnTelosAv() : TEvtoln(evTelosAv) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnEpile3e final : public TEvtoln {
public:
    TEvtolnEpile3e() : TEvtoln(evEpile3e) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);

    TEvtolnDiakladwsns* AvoixtnPeriptwsn = nullptr;
    std::vector<TEvtoln*> TelnKladwv;
    std::unique_ptr<TEkfrasn> Epilogeas;
};

class TEvtolnPeriptwsn final : public TEvtolnDiakladwsns {
public:
    TEvtolnPeriptwsn() : TEvtolnDiakladwsns(evPeriptwsn) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnTelosEpilogwv final : public TEvtoln {
public:
    TEvtolnTelosEpilogwv() : TEvtoln(evTelosEpilogwv) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

// Once the whole program is linked, replaces every branch of the kinds above whose condition is a
// comparison of two numbers, or "και" / "ή", by one that evaluates that condition in place, and
// redirects the jumps to it. Its kind (Eidos), text and line stay; its class is no longer the
// statement's own, which only the compile needed.
void EidikeusnDiakladwsewv(TPivakasEvtolwv& evtoles);

// ---------------------------------------------------------------------------------------------
// Loops

class TEvtolnOso final : public TEvtolnDiakladwsns {
public:
    TEvtolnOso() : TEvtolnDiakladwsns(evOso) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnTelosEpavalncns final : public TEvtoln {
public:
    TEvtolnTelosEpavalncns() : TEvtoln(evTelosEpavalncns) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnArxnEpavalncns final : public TEvtoln {
public:
    TEvtolnArxnEpavalncns() : TEvtoln(evArxnEpavalncns) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnMexrisOtou final : public TEvtolnDiakladwsns {
public:
    TEvtolnMexrisOtou() : TEvtolnDiakladwsns(evMexrisOtou) {}
    static void Kataskeuase(TPlaisioMetaglwttisns& p);
};

class TEvtolnGia;

// The entry of a counted loop: initialises the counter, takes the step and the final value, and
// tests once.
class TEvtolnArxikopoinsnGia final : public TEvtoln {
public:
    explicit TEvtolnArxikopoinsnGia(TEvtolnGia& gia) : TEvtoln(evArxikopoinsnGia), Gia(gia) {}
    TEvtoln* Ektelesn() override;

    TEvtolnGia& Gia;
};

// The increment and test of a counted loop; the block stack holds it and the end of the body
// jumps back to it. Its loop test is the counter against the final value taken on entry, by the
// sign of the step.
class TEvtolnGia final : public TEvtolnDiakladwsns {
public:
    TEvtolnGia() : TEvtolnDiakladwsns(evGia) {}
    TEvtoln* Ektelesn() override;
    static void Kataskeuase(TPlaisioMetaglwttisns& p);

    // Compares the counter with the final value taken on entry.
    bool ElegxosVroxou() const;
    [[gnu::noinline]] TEvtoln* EpavalnpsnGeniki();

    std::unique_ptr<TEkfrasnMetablntns> Metrntns;
    std::unique_ptr<TEkfrasn> ArxiknTimn;
    std::unique_ptr<TEkfrasn> TeliknTimn;
    std::unique_ptr<TEkfrasn> Bnma;
    TTimn TimnBnmatos;
    TTimn TeliknTimnEisodou;  // the final value taken on entry
    bool Au3ousa = true;      // the step is positive: the test is counter ≤ final
    // Set on entry when counter, step and final are all integers and the counter is a simple
    // variable: the iteration then adds and compares 64-bit integers directly. Both directions
    // test "≤": a falling loop compares the counters' bits inverted (~x reverses the order), so
    // the loop goes on while (counter ^ AkeraiaAntistrofn) ≤ AkeraiaTeliknTimn.
    TTimn* AkeraiosMetrntns = nullptr;
    std::int64_t AkeraioBnma = 0;
    std::int64_t AkeraiaAntistrofn = 0;  // 0 for a rising loop, all bits set for a falling one
    std::int64_t AkeraiaTeliknTimn = 0;  // the final value, inverted as the counter is
};

}  // namespace kalmira
