// How the main window sets up its controls, and the texts it shows that take more than a line.
// Kept apart from the window so that the demo and the tests set up the same controls.
#pragma once

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QFileDialog;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace kalmira {

class TKalmiraHighlighter;
class TSyntaxEdit;
class TTimn;

// The welcome program that the source editor shows at start, line by line.
QStringList ProgrammaKalwsorismatos();
// The source editor: Courier New (or the nearest fixed-pitch font with Greek) 11 pt in blue,
// line numbers, margin at 64, undo depth 10, coloured by `highlighter`.
void RuymiseKwdika(TSyntaxEdit& editor, TKalmiraHighlighter& highlighter);
// The user screen: read-only, navy on white, sky-blue gutter, green margin line, no undo.
void Ruymise8ovnXrnstn(TSyntaxEdit& editor);
// The variables list: two columns "Μεταβλητή" and "Τιμή", rows of 24 pixels, read-only.
void RuymiseListaMetablntwv(QTableWidget& lista, const QFont& font);

// A value's text in the variables list. A long text is cut with "…" so that a large array or
// string never freezes the list; a text shown whole is also the cell's tool tip.
inline constexpr int MegistoKeimevoKelious = 4000;
void OriseTimnKelious(QTableWidgetItem& keli, const TTimn& timn);

// The question asked after a million statements in one run.
QString MnvumaEkatommuriou();

// The manual's first page: under the current folder, beside the program, or in the installed
// data folder; empty when none exists.
QString ArxeioEgxeiridiou();

// The folder of the example programs: beside the program, or in the installed data folder; the
// current folder when neither exists.
QString FakelosParadeigmatwv();

// A question with Greek Yes, No and Cancel buttons.
QMessageBox::StandardButton ErwtnsnNaiOxiAkuro(QWidget* gonios, const QString& titlos, const QString& keimevo);

// Prepares a file dialog: Qt's own dialog with Greek labels and the filter `filtro`
// ("Description (*.ext1;*.ext2)"), listing folders and the files with one of the filter's
// extensions. (Qt's name filters take only ASCII patterns, so "*.καλμίρα" would list nothing: the
// file model is left unfiltered and a proxy model does the filtering.)
void EtoimaseDialogoArxeiwv(QFileDialog& dialogos, const QString& filtro);

}  // namespace kalmira
