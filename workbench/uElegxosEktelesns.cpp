#include "workbench/uElegxosEktelesns.h"

#include <QCoreApplication>

#include <algorithm>
#include <exception>
#include <new>

#include "front/uLa8os.h"

namespace kalmira {

namespace {

// A continuous run executes statements in batches and looks at the clock after each batch: the
// user interface processes its events once a millisecond, and the user screen shows new output
// at display rate. A pass that finds no event does nothing, so no key press or edit waits for
// more than a few milliseconds.
constexpr qint64 DiasthmaProodou = 1'000'000;  // nanoseconds between two passes of event processing
constexpr qint64 DiasthmaAvavewsns = 16;       // milliseconds between two refreshes of the user screen
constexpr std::int64_t ElaxistnPartida = 1;
constexpr std::int64_t MegistnPartida = 1 << 16;

QStringList GrammesMnvumatos(const QString& mnvuma)
{
    return mnvuma.split(QStringLiteral("\r\n"));
}

}  // namespace

TElegxosEktelesns::TElegxosEktelesns(QObject* parent) : QObject(parent)
{
    apoTnvProodo_.start();
    apoTnvAvavewsn_.start();
}

TElegxosEktelesns::~TElegxosEktelesns() = default;

// ---------------------------------------------------------------------------------------------
// Compile

TApotelesmaMetaglwttisns TElegxosEktelesns::Metaglwttise(const QString& keimevo, int de3iPeri8wrio)
{
    // A compile while the engine runs ends that run: the program it runs is discarded, and the
    // new one has not run yet.
    if (MnxanhSeLeitourgia() && (katastasn_ == keSuvexns || katastasn_ == keBnmatikn))
        OriseKatastasn(keAdraveia);
    Apomakrunsn();
    programma_ = std::make_unique<TProgramma>(
        [this](const TEkfrasnMetablntns& metablntn, std::u16string& timn) { Diabase(metablntn, timn); },
        [this](const std::u16string& grammn) { GraceStnO8ovn(QString::fromStdU16String(grammn)); });

    std::u16string pnyh = keimevo.toStdU16String();
    TApotelesmaMetaglwttisns apotelesma;
    apotelesma.Epituxia = programma_->Metaglwttisn(pnyh, de3iPeri8wrio);
    apotelesma.Keimevo = QString::fromStdU16String(pnyh);
    if (apotelesma.Epituxia && !programma_->KeimevoMetaToTelos().empty()) {
        // What the pupil wrote after Τέλος_προγράμματος is not compiled, but it stays in the
        // editor, after the end of the regenerated program.
        apotelesma.Keimevo.chop(2);
        apotelesma.Keimevo += QString::fromStdU16String(programma_->KeimevoMetaToTelos());
    }
    if (apotelesma.Epituxia) {
        emit KeimevoKatastasns(QStringLiteral("Επιτυχής μεταγλώττιση"));
        emit GrammesO8ovns({}, true);
        emit Metablntes(true);
        return apotelesma;
    }
    emit KeimevoKatastasns(QString::fromStdU16String(programma_->EidosLa8ous()));
    emit GrammesO8ovns(GrammesMnvumatos(QString::fromStdU16String(programma_->MnvumaLa8ous())), true);
    apotelesma.SnmeioDromea = static_cast<int>(programma_->ThesnLa8ous().Ar3n);
    grammnLa8ous_ = programma_->ThesnLa8ous().Grammn;
    programma_.reset();
    return apotelesma;
}

void TElegxosEktelesns::SnmadepseLa8osMetaglwttisns()
{
    OriseSnmadi(grammnLa8ous_);
    emit ProvolnO8ovnsXrnstn();
}

// ---------------------------------------------------------------------------------------------
// Commands

void TElegxosEktelesns::Ektelesn()
{
    if (!programma_ || katastasn_ == keSuvexns)
        return;
    OriseSnmadi(-1);
    OriseEvergeies({false, true});
    emit KeimevoKatastasns(QStringLiteral("Το πρόγραμμα εκτελείται, πατείστε [Esc] για παύση"));
    OriseKatastasn(keSuvexns);
    if (!MnxanhSeLeitourgia())
        Mnxanh();
}

void TElegxosEktelesns::Bnmatikn()
{
    if (!programma_)
        return;
    OriseEvergeies({evergeies_.EktelesnOratn, true});
    if (katastasn_ == keTelos)
        OriseSnmadi(-1);
    OriseKatastasn(keBnmatikn);
    // Inside the engine's event pass the running engine executes the step: one more statement,
    // then it stops.
    if (MnxanhSeLeitourgia())
        akomnEvaBnma_ = true;
    else
        Mnxanh();
}

void TElegxosEktelesns::Pausn()
{
    if (katastasn_ == keSuvexns)
        OriseKatastasn(keBnmatikn);
}

void TElegxosEktelesns::Termatismos()
{
    const bool stamatnmevo = katastasn_ == keBnmatikn;
    OriseKatastasn(keTelos);
    if (stamatnmevo && !MnxanhSeLeitourgia())
        Mnxanh();
    if (programma_)
        programma_->Termatismos();
}

void TElegxosEktelesns::AllagnKwdika()
{
    if (katastasn_ != keAdraveia) {
        OriseKatastasn(keAdraveia);
        if (!MnxanhSeLeitourgia())
            Mnxanh();
    }
    OriseSnmadi(-1);
}

void TElegxosEktelesns::MetakinnsnDromea()
{
    if (katastasn_ == keAdraveia || katastasn_ == keTelos)
        OriseSnmadi(-1);
}

void TElegxosEktelesns::Aporripse()
{
    const bool etrexe = katastasn_ == keSuvexns || katastasn_ == keBnmatikn;
    OriseKatastasn(keAdraveia);
    Apomakrunsn();
    OriseSnmadi(-1);
    if (etrexe)
        emit KeimevoKatastasns(QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε λόγω αλλαγής του κώδικα"));
    if (!MnxanhSeLeitourgia())
        OriseEvergeies({true, false});
}

// ---------------------------------------------------------------------------------------------
// The engine

void TElegxosEktelesns::Mnxanh()
{
    TProgramma* const programma = programma_.get();  // linked: a command may discard it meanwhile
    auto aposur8nke = [&] { return programma_.get() != programma; };
    int cur = grammnSnmadiou_;
    int prev = -1;
    std::int64_t plnr8os = 0;
    bool prwto = true;
    ekatommurioEdei3e_ = false;
    akomnEvaBnma_ = false;
    ++ba8osMnxanns_;
    try {
        while (programma && !aposur8nke()) {
            if (katastasn_ == keSuvexns) {
                if (!TrexeiSuvexws(*programma, prev, cur, plnr8os) || aposur8nke() || cur < 0)
                    break;
            } else if (katastasn_ == keBnmatikn && (prwto || akomnEvaBnma_)) {
                akomnEvaBnma_ = false;
                TrexeiBnma(*programma, prev, cur, plnr8os);
                if (aposur8nke() || cur < 0)
                    break;
            } else {
                break;
            }
            prwto = false;
        }
        AdeiaseE3odo();
        if (!aposur8nke())
            Anafora(prev, cur);
    } catch (const ELa8osKalmiras& la8os) {
        AdeiaseE3odo();
        if (!aposur8nke()) {
            if (la8os.Mnvuma() == MnvumaTermatismou) {
                emit KeimevoKatastasns(QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"));
                OriseSnmadi(-1);
                TelosEktelesns();
            } else {
                SfalmaEktelesns(QString::fromStdU16String(la8os.Mnvuma()), programma->TrexousaGrammn());
            }
        }
    } catch (const std::bad_alloc&) {
        AdeiaseE3odo();
        if (!aposur8nke())
            SfalmaEktelesns(QStringLiteral("Δεν υπάρχει αρκετή μνήμη για να συνεχιστεί η εκτέλεση του προγράμματος"),
                            programma->TrexousaGrammn());
    } catch (const std::exception& la8os) {
        AdeiaseE3odo();
        if (!aposur8nke())
            SfalmaEktelesns(QString::fromUtf8(la8os.what()), programma->TrexousaGrammn());
    }
    --ba8osMnxanns_;

    if (!aposur8nke()) {
        if (programma)
            emit Metablntes(false);
        if (katastasn_ == keAdraveia)
            programma_.reset();
    }
    OriseEvergeies({true, katastasn_ == keBnmatikn || katastasn_ == keSuvexns});
    if (ba8osMnxanns_ == 0) {
        aposur8evta_.clear();
        emit MnxanhStamatnse();
    }
}

// One batch of a continuous run; false when the run must stop for the engine's report.
bool TElegxosEktelesns::TrexeiSuvexws(TProgramma& programma, int& prev, int& cur, std::int64_t& plnr8os)
{
    std::int64_t partida = partida_;
    if (plnr8os < OrioEvtolwv)
        partida = std::min(partida, OrioEvtolwv - plnr8os);
    QElapsedTimer xronos;
    xronos.start();
    const TApotelesmaEktelesns apotelesma = programma.Ektelese(partida);
    // Keep a batch near a tenth of the pass interval, so that a slow statement mix still lets
    // the interface in about once a millisecond.
    const qint64 diarkeia = xronos.nsecsElapsed();
    if (diarkeia < DiasthmaProodou / 20 && partida_ < MegistnPartida)
        partida_ *= 2;
    else if (diarkeia > DiasthmaProodou / 5 && partida_ > ElaxistnPartida)
        partida_ /= 2;

    if (apotelesma.Bnmata > 0) {
        prev = apotelesma.TeleutaiaGrammn;
        cur = apotelesma.EpomevnGrammn;
    }
    Metrnsn(plnr8os, apotelesma.Bnmata);
    if (apoTnvProodo_.nsecsElapsed() >= DiasthmaProodou || plnr8os == OrioEvtolwv)
        ProodosGegovotwv(false);
    if (plnr8os == OrioEvtolwv && !ekatommurioEdei3e_) {
        ekatommurioEdei3e_ = true;
        AdeiaseE3odo();
        emit EkatommurioEvtolwv();
    }
    return true;
}

// One statement, then one pass of event processing.
void TElegxosEktelesns::TrexeiBnma(TProgramma& programma, int& prev, int& cur, std::int64_t& plnr8os)
{
    // The statement this step executes: the marked one, unless the step begins a new run (after
    // the program ended, or after a compile while a run was stopped, where the mark is the old
    // program's); that step only passes the heading.
    prev = programma.TrexousaGrammn();
    cur = programma.EpomevoBnma();
    ProodosGegovotwv(true);
    Metrnsn(plnr8os, 1);
    if (plnr8os == OrioEvtolwv && !ekatommurioEdei3e_) {
        ekatommurioEdei3e_ = true;
        emit EkatommurioEvtolwv();
    }
}

void TElegxosEktelesns::Metrnsn(std::int64_t& plnr8os, std::int64_t bnmata)
{
    if (plnr8os <= OrioEvtolwv)
        plnr8os = std::min(plnr8os + bnmata, OrioEvtolwv + 1);
}

void TElegxosEktelesns::ProodosGegovotwv(bool anagkastika)
{
    if (anagkastika || apoTnvAvavewsn_.elapsed() >= DiasthmaAvavewsns)
        AdeiaseE3odo();
    QCoreApplication::processEvents();
    apoTnvProodo_.restart();
}

void TElegxosEktelesns::AdeiaseE3odo()
{
    apoTnvAvavewsn_.restart();
    if (ekkremnsE3odos_.isEmpty())
        return;
    const QStringList grammes = std::move(ekkremnsE3odos_);
    ekkremnsE3odos_.clear();
    emit GrammesO8ovns(grammes, false);
}

void TElegxosEktelesns::GraceStnO8ovn(const QString& grammn)
{
    ekkremnsE3odos_.append(grammn);
    if (!MnxanhSeLeitourgia())
        AdeiaseE3odo();
}

// The engine's report once the loop has ended without an error.
void TElegxosEktelesns::Anafora(int prev, int cur)
{
    switch (katastasn_) {
    case keSuvexns:
        OriseKatastasn(keTelos);
        emit KeimevoKatastasns(QStringLiteral("Η εκτέλεση του προγράμματος τελείωσε"));
        break;
    case keBnmatikn:
        emit KeimevoKatastasns(prev == -1 ? QStringLiteral("Το πρόγραμμα εκτελείται βηματικά")
                                          : QStringLiteral("Η γραμμή %1 εκτελέστηκε βηματικά").arg(prev + 1));
        OriseSnmadi(cur);
        break;
    case keTelos:
        emit KeimevoKatastasns(QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε από τον χρήστη"));
        OriseSnmadi(-1);
        break;
    case keAdraveia:
        emit KeimevoKatastasns(QStringLiteral("Η εκτέλεση του προγράμματος τερματίστηκε λόγω αλλαγής του κώδικα"));
        break;
    }
}

void TElegxosEktelesns::SfalmaEktelesns(const QString& mnvuma, int grammn)
{
    QStringList grammes{QStringLiteral("Σφάλμα εκτέλεσης!")};
    grammes += GrammesMnvumatos(mnvuma);
    emit GrammesO8ovns(grammes, false);
    emit KeimevoKatastasns(QStringLiteral("Σφάλμα εκτέλεσης - η εκτέλεση του προγράμματος τερματίστηκε"));
    OriseSnmadi(grammn);
    TelosEktelesns();
}

void TElegxosEktelesns::TelosEktelesns()
{
    OriseKatastasn(keTelos);
    programma_->Termatismos();
    emit ProvolnO8ovnsXrnstn();
}

// ---------------------------------------------------------------------------------------------
// Input

void TElegxosEktelesns::Diabase(const TEkfrasnMetablntns& metablntn, std::u16string& timn)
{
    AdeiaseE3odo();
    QString keimevo;
    bool pausn = false;
    if (!eisodos_ || !eisodos_(QString::fromStdU16String(metablntn.Keimevo()), metablntn.Tupos, keimevo, pausn))
        throw ELa8osEktelesns(std::u16string(MnvumaTermatismou));
    if (pausn) {
        // The run stops once this Διάβασε has read all its values.
        Pausn();
        if (programma_)
            programma_->Diakopn();
    }
    GraceStnO8ovn(keimevo);
    timn = keimevo.toStdU16String();
}

// ---------------------------------------------------------------------------------------------
// State

void TElegxosEktelesns::OriseSnmadi(int grammn)
{
    grammnSnmadiou_ = std::max(grammn, -1);
    emit SnmadiGrammns(grammnSnmadiou_);
}

void TElegxosEktelesns::OriseEvergeies(TEvergeiesEktelesns evergeies)
{
    evergeies_ = evergeies;
    emit EvergeiesAllaxav(evergeies_);
}

// Discards the program; while the engine runs, it is kept until the outermost engine returns.
void TElegxosEktelesns::Apomakrunsn()
{
    if (!programma_)
        return;
    if (MnxanhSeLeitourgia())
        aposur8evta_.push_back(std::move(programma_));
    else
        programma_.reset();
}

}  // namespace kalmira
