// The insert menu: statement and symbol templates, the table the window builds the menu from,
// and the expansion of a template into the text to insert and the caret's new place.
//
// A template is the item's caption: a description between braces is dropped together with the
// blank before it, "…" opens a new line with the caret's indentation, and "|" marks where the
// caret goes.
#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringView>

#include <functional>
#include <span>

class QAction;
class QMenu;

namespace kalmira {

class TSyntaxEdit;

// One item of an insert submenu. An item without a name is a separator. Every shortcut of the
// menu is Ctrl+Alt with the key given; Qt::Key(0) means none.
struct TStoixeioEisagwgns {
    const char* Ovoma = nullptr;  // the item's object name, miAva8esnTimns and so on
    QStringView Protupo;          // the caption, which is the template
    Qt::Key Plnktro = Qt::Key(0);

    bool Diaxwristiko() const { return Ovoma == nullptr; }
    QKeySequence Suvtomeusn() const;
};

// One submenu of the insert menu, with its caption (access key included) and items in order.
struct TUpomenouEisagwgns {
    QStringView Titlos;
    std::span<const TStoixeioEisagwgns> Stoixeia;
};

// The submenus of "Ει&σαγωγή", in menu order.
std::span<const TUpomenouEisagwgns> UpomenouEisagwgns();

// Adds the submenus and their items to `menou`; choosing an item calls `epilogn` with the item's
// template. The actions carry their object names, captions and shortcuts. Returns nothing: the
// actions belong to the menus, found again by object name when needed.
void GemiseMenouEisagwgns(QMenu& menou, const std::function<void(QStringView protupo)>& epilogn);

// What a template turns into at a caret.
struct TEpektasnProtupou {
    QString Keimevo;  // the text to insert, line breaks as CR LF
    int Stoxos = 0;   // the caret's offset after the insertion, a line break counting two
};

// Expands a template for a caret at 0-based column `stnln` whose offset into the editor's text is
// `thesnDromea` (the place where the text goes in; a line break counts two).
TEpektasnProtupou EpektasnProtupou(QStringView protupo, int stnln, int thesnDromea);

// Inserts a template into the editor at its caret, replacing the selection, and moves the caret
// to the template's place. Does nothing, and returns false, when the editor does not have the
// keyboard focus or is read-only.
bool EisagwgnProtupou(TSyntaxEdit& sxeKwdikas, QStringView protupo);

}  // namespace kalmira
