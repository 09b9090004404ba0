// TfmKalmira: the workbench's main window. It lays out the source editor, the user screen, the
// variables list, the menus, the tool bar and the status bar, and wires them to the run control
// (uElegxosEktelesns), the program files (uArxeiaProgrammatos) and the dialogs. The logic of
// running, files, templates and search lives in those units; this one only connects.
#pragma once

#include <QDesktopServices>
#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

#include "workbench/uElegxosEktelesns.h"

class QAction;
class QLabel;
class QMenu;
class QMessageBox;
class QSplitter;
class QTabWidget;
class QTableWidget;
class QToolBar;

namespace kalmira {

class TabSxetika;
class TEuresn;
class TfmEisodosXrnstn;
class TfmEpiloges;
class TfmXrwmata;
class TKalmiraHighlighter;
class TSyntaxEdit;

class TfmKalmira final : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmKalmira(QWidget* parent = nullptr);
    ~TfmKalmira() override;

    // Controls, by the names the rest of the workbench and the tests use.
    QToolBar* tbrGrammnErgaleiwv = nullptr;
    TSyntaxEdit* sxeKwdikas = nullptr;
    QSplitter* splDiaxwristiknLwrida = nullptr;
    QTabWidget* pcXeiristnrioSelidwv = nullptr;
    QWidget* tsO8ovnXrnstn = nullptr;
    TSyntaxEdit* seO8ovnXrnstn = nullptr;
    QWidget* tsParakolou8nsnMetablntwv = nullptr;
    QTableWidget* vleParakolou8nsnMetablntwv = nullptr;
    QLabel* sbPanel[4] = {};

    // Menu items.
    QMenu* mnArxeio = nullptr;
    QMenu* mnEpe3ergasia = nullptr;
    QMenu* mnEisagwgn = nullptr;
    QMenu* mnMorfn = nullptr;
    QMenu* mnEktelesn = nullptr;
    QMenu* mnBonqeia = nullptr;
    QAction* miDnmiourgia = nullptr;
    QAction* miAvoigma = nullptr;
    QAction* miApo8nkeusn = nullptr;
    QAction* miApo8nkeusnWs = nullptr;
    QAction* miDiamorfwsnSelidas = nullptr;
    QAction* miProepiskopnsnEktupwsns = nullptr;
    QAction* miEktupwsn = nullptr;
    QAction* miE3odos = nullptr;
    QAction* miAvairesn = nullptr;
    QAction* miApokopn = nullptr;
    QAction* miAvtigrafn = nullptr;
    QAction* miEpikollnsn = nullptr;
    QAction* miDiagrafn = nullptr;
    QAction* miEpilognOlwv = nullptr;
    QAction* miEuresn = nullptr;
    QAction* miEuresnEpomevou = nullptr;
    QAction* miAvtikatastasn = nullptr;
    QAction* miGrammatoseira = nullptr;
    QAction* miXrwmataKwdika = nullptr;
    QAction* miEpiloges = nullptr;
    QAction* miMetaglwttisn = nullptr;
    QAction* miEktelesn = nullptr;
    QAction* miPausnEktelesns = nullptr;
    QAction* miBnmatiknEktelesn = nullptr;
    QAction* miEktelesnWsTnGrammn = nullptr;
    QAction* miTermatismosEktelesns = nullptr;
    QAction* miEisagwgnSnmeiouDiakopns = nullptr;
    QAction* miEisagwgnEkfrasns = nullptr;
    QAction* miToEgxeiridioTnsKalmiras = nullptr;
    QAction* miSxetikaMeToProgramma = nullptr;
    // The save button performs Save as for an unnamed program and Save for a named one.
    QAction* tbApo8nkeusn = nullptr;

    // The dialogs, created at start-up after the window in this order and kept until the end.
    TabSxetika& abSxetika() const { return *abSxetika_; }
    TfmEpiloges& fmEpiloges() const { return *fmEpiloges_; }
    TfmEisodosXrnstn& fmEisodosXrnstn() const { return *fmEisodosXrnstn_; }
    TfmXrwmata& fmXrwmata() const { return *fmXrwmata_; }
    TEuresn& Euresn() const { return *euresn_; }
    TKalmiraHighlighter& ghiKalmira() const { return *ghiKalmira_; }

    // Opens an address with the desktop's handler (the manual); tests put their own here.
    std::function<bool(const QUrl&)> AvoigmaDieu8uvsns = QDesktopServices::openUrl;

    TElegxosEktelesns& ElegxosEktelesns() { return elegxos_; }
    TKatastasnEktelesns Katastasn() const { return elegxos_.Katastasn(); }
    // The compiled program, or none.
    const TProgramma* Programma() const { return elegxos_.Programma(); }
    const QString& OvomaArxeiou() const { return ovomaArxeiou_; }

public slots:
    void miMetaglwttisnClick();
    void miEktelesnClick();
    void miPausnEktelesnsClick();
    void miBnmatiknEktelesnClick();
    void miTermatismosEktelesnsClick();
    void miToEgxeiridioTnsKalmirasClick();
    void miE3odosClick();
    // Files.
    void miDnmiourgiaClick();
    void miAvoigmaClick();
    bool miApo8nkeusnClick();
    bool miApo8nkeusnWsClick();
    // Opens a program file without asking about unsaved changes (the file named on the command
    // line); false, after telling the user why, when it cannot be read.
    bool AvoigmaArxeiou(const QString& diadromn);
    // Editing, font and page set-up.
    void sxeKwdikasFocusChange();
    void miGrammatoseiraClick();
    void OriseGrammatoseira(const QFont& grammatoseira);
    void miDiamorfwsnSelidasClick();
    // Format and help.
    void miXrwmataKwdikaClick();
    void miEpilogesClick();
    void miSxetikaMeToProgrammaClick();
    // The source editor's events: text changed by the user, caret moved (0-based), a keyboard
    // command about to run.
    void sxeKwdikasChange();
    void sxeKwdikasCaretChange(int column, int line);
    void sxeKwdikasProcessCommand(int& command);
    // The program's output handler: one more line on the user screen.
    void GraceStnO8ovn(const QString& grammn) { elegxos_.GraceStnO8ovn(grammn); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void DnmiourgiaPara8urou();
    void DnmiourgiaMenou();
    void DnmiourgiaGrammnsErgaleiwv();
    void DnmiourgiaGrammnsKatastasns();
    void SundesnElegxou();
    void SundesnArxeiwv();
    void SundesnEpe3ergasias();
    void DnmiourgiaDialogwv();
    bool GefuraEisodou(const QString& metablntn, TTuposDedomevwv tupos, QString& keimevo, bool& pausn);
    QAction* Evergeia(QMenu* menou, const QString& ovoma, const QString& keimevo, const QKeySequence& suvtomeusn,
                      const QString& eikova = {});

    void GrammesO8ovns(const QStringList& grammes, bool ka8arismos);
    void Metablntes(bool gemisma);
    void EkatommurioEvtolwv();
    void OriseEvergeies(TEvergeiesEktelesns evergeies);
    void TelosMnxanns();

    void KatastasnApo8nkeusns();
    void OriseOvomaArxeiou(const QString& diadromn);
    void Apo8nkeumevo();
    bool ErwtnsnAllagwv();
    bool GrafnSto(const QString& diadromn);
    QString FakelosDialogou() const;

    TElegxosEktelesns elegxos_;
    std::unique_ptr<TKalmiraHighlighter> ghiKalmira_;
    std::unique_ptr<TabSxetika> abSxetika_;
    std::unique_ptr<TfmEpiloges> fmEpiloges_;
    std::unique_ptr<TfmEisodosXrnstn> fmEisodosXrnstn_;
    std::unique_ptr<TfmXrwmata> fmXrwmata_;
    std::unique_ptr<TEuresn> euresn_;
    QString ovomaArxeiou_;
    QString ovomaProtasns_ = QStringLiteral("Ανώνυμο Πρόγραμμα");  // the save dialog's last proposal
    QString fakelosDialogou_;  // the folder of the last file opened or saved; empty: the examples
    QFont grammatoseira_;      // the font chosen last, where the font dialog starts
    QHash<QString, int> grammesMetablntwv_;  // the row of each variable in the list
    QPointer<QMessageBox> mnvumaEkatommuriou_;
    bool kleisimoMetaTnvEktelesn_ = false;   // the window closes once the engine has returned
};

}  // namespace kalmira
