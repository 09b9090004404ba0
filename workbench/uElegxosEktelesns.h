// The run control of the workbench: the compiled program, the run state machine, the run engine
// that executes it on the user-interface thread, and the status texts they produce. It knows no
// widget: the main window connects its signals to the status bar, the editors and the lists, and
// gives it the input bridge.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/uProgramma.h"

namespace kalmira {

// The run state, in this order.
enum TKatastasnEktelesns : std::uint8_t {
    keAdraveia,  // no run since the last compile, or the last run ended because the code changed
    keSuvexns,   // a continuous run is in progress
    keBnmatikn,  // a run is stopped between statements (after a step or a pause)
    keTelos,     // the last run finished, was terminated by the user or failed
};

// What a compile gives back to the window.
struct TApotelesmaMetaglwttisns {
    bool Epituxia = false;
    QString Keimevo;          // the regenerated text, or the operator-normalised text after an error
    int SnmeioDromea = 0;    // after an error: the caret offset of the error (a line break counts two)
};

// The input bridge: asks the user for the text of one variable. False when the user terminated
// the run; `pausn` is set when the user asked for a pause after the input.
using TEisodosXrnstn = std::function<bool(const QString& protropn, TTuposDedomevwv tupos, QString& keimevo, bool& pausn)>;

// The items of the run menu whose look the run control decides.
struct TEvergeiesEktelesns {
    bool EktelesnOratn = true;       // "Εκτέλεση" shown, "Παύση εκτέλεσης" hidden
    bool TermatismosEvergos = false;
    friend bool operator==(const TEvergeiesEktelesns&, const TEvergeiesEktelesns&) = default;
};

class TElegxosEktelesns final : public QObject {
    Q_OBJECT
public:
    // After this many statements in one call of the engine the user is asked whether the
    // program is in an endless loop.
    static constexpr std::int64_t OrioEvtolwv = 1'000'000;

    explicit TElegxosEktelesns(QObject* parent = nullptr);
    ~TElegxosEktelesns() override;

    TKatastasnEktelesns Katastasn() const { return katastasn_; }
    TEvergeiesEktelesns Evergeies() const { return evergeies_; }
    int GrammnSnmadiou() const { return grammnSnmadiou_; }
    // The compiled program, or none.
    const TProgramma* Programma() const { return programma_.get(); }
    // The engine is running (a statement, the input dialog or the event pass between statements).
    bool MnxanhSeLeitourgia() const { return ba8osMnxanns_ > 0; }

    void OriseEisodo(TEisodosXrnstn eisodos) { eisodos_ = std::move(eisodos); }

    // The commands of the run menu and the events of the source editor.
    // Compiles the text. After an error the window puts the returned text into the editor and
    // moves the caret to the error, then calls SnmadepseLa8osMetaglwttisns.
    TApotelesmaMetaglwttisns Metaglwttise(const QString& keimevo, int de3iPeri8wrio);
    void SnmadepseLa8osMetaglwttisns();
    void Ektelesn();
    void Bnmatikn();
    void Pausn();
    void Termatismos();
    // The user edited the source.
    void AllagnKwdika();
    // The caret moved: an error or end mark lasts until then.
    void MetakinnsnDromea();
    // New and Open: the program is discarded and a stopped run ends.
    void Aporripse();

    // The output handler of the program, also used to echo the input: the line is shown on the
    // user screen at the next refresh.
    void GraceStnO8ovn(const QString& grammn);

signals:
    void KeimevoKatastasns(const QString& keimevo);
    void SnmadiGrammns(int grammn);
    void EvergeiesAllaxav(kalmira::TEvergeiesEktelesns evergeies);
    // Lines for the user screen, in order; `ka8arismos` empties the screen first.
    void GrammesO8ovns(const QStringList& grammes, bool ka8arismos);
    void ProvolnO8ovnsXrnstn();
    // The variable list: filled anew after a compile, values refreshed when the engine returns.
    void Metablntes(bool gemisma);
    // The engine has run a million statements in this call; the window asks the user (modally).
    void EkatommurioEvtolwv();
    // The outermost engine call has returned.
    void MnxanhStamatnse();

private:
    void Mnxanh();
    bool TrexeiSuvexws(TProgramma& programma, int& prev, int& cur, std::int64_t& plnr8os);
    void TrexeiBnma(TProgramma& programma, int& prev, int& cur, std::int64_t& plnr8os);
    void Metrnsn(std::int64_t& plnr8os, std::int64_t bnmata);
    void ProodosGegovotwv(bool anagkastika);
    void AdeiaseE3odo();
    void Anafora(int prev, int cur);
    void SfalmaEktelesns(const QString& mnvuma, int grammn);
    void TelosEktelesns();
    void OriseSnmadi(int grammn);
    void OriseEvergeies(TEvergeiesEktelesns evergeies);
    void OriseKatastasn(TKatastasnEktelesns katastasn) { katastasn_ = katastasn; }
    void Apomakrunsn();
    void Diabase(const TEkfrasnMetablntns& metablntn, std::u16string& keimevo);

    TKatastasnEktelesns katastasn_ = keAdraveia;
    TEvergeiesEktelesns evergeies_;
    int grammnSnmadiou_ = -1;
    int grammnLa8ous_ = -1;            // the line of the last compile error
    std::int64_t partida_ = 256;       // statements per batch of a continuous run
    std::unique_ptr<TProgramma> programma_;
    // Programs discarded while the engine still runs; freed when the outermost engine returns.
    std::vector<std::unique_ptr<TProgramma>> aposur8evta_;
    int ba8osMnxanns_ = 0;
    bool akomnEvaBnma_ = false;        // a step was asked for during a continuous run
    bool ekatommurioEdei3e_ = false;
    TEisodosXrnstn eisodos_;
    QStringList ekkremnsE3odos_;
    QElapsedTimer apoTnvProodo_;       // since the last pass of event processing
    QElapsedTimer apoTnvAvavewsn_;     // since the user screen was last refreshed
};

}  // namespace kalmira
