#include "bench/editor/DemoSetup.h"

#include <QApplication>
#include <QPalette>

namespace kalmira {

QStringList ProgrammaKalwsorismatos()
{
    return {
        QStringLiteral("!Καλωσήρθατε στον διερμηνευτή της Καλμίρας"),
        QStringLiteral("!Στο παρόν πλαίσιο γράφετε τον κώδικα του προγράμματος"),
        QStringLiteral("!Δεξιά βλέπετε τα αποτελέσματά του (Γράψε - Διάβασε)"),
        QStringLiteral("!όπως και τις τιμές των μεταβλητών κατά την εκτέλεση"),
        QStringLiteral("!Για να ανοίξετε ένα πρόγραμμα πηγαίνετε Αρχείο -> άνοιγμα"),
        QStringLiteral("!Υπάρχουν προγράμματα - παραδείγματα για όλες τις εντολές"),
        QStringLiteral("!Για να εκτελέσετε ένα πρόγραμμα πηγαίνετε Εκτέλεση -> εκτέλεση"),
        QStringLiteral("!Στο ίδιο μενού υπάρχει και η βηματική εκτέλεση"),
        QStringLiteral("!Για περισσότερη βοήθεια πηγαίνετε στο Βοήθεια -> εγχειρίδιο"),
        QStringLiteral("Πρόγραμμα ΓειαΣουΚόσμε"),
        QStringLiteral("!Εμφανίζει ένα μήνυμα στην οθόνη του χρήστη"),
        QStringLiteral("Αρχή"),
        QStringLiteral("  Γράψε 'Γεια σου κόσμε'"),
        QStringLiteral("Τέλος_προγράμματος"),
    };
}

void RuymiseKwdika(TSyntaxEdit& editor, TKalmiraHighlighter& highlighter)
{
    editor.SetFont(QFont(QStringLiteral("Courier New"), 11));
    editor.SetFontColor(Qt::blue);
    editor.SetGutterWidth(30);
    editor.SetGutterColor(QApplication::palette().color(QPalette::Button));
    editor.SetLineNumberFont(QFont(QStringLiteral("Courier New"), 12, QFont::Bold));
    editor.SetLineNumberColor(Qt::black);
    editor.SetMarkColor({Qt::red, Qt::white});
    editor.SetSelectedColor({Qt::blue, Qt::white});
    editor.SetRightMargin(64);
    editor.SetMaxRightChar(1024);
    editor.SetMaxUndo(10);
    editor.SetOptions(eoAutoIndent | eoAutoUnindent | eoCursorThroughTabs | eoGroupUndo | eoHideSelection |
                      eoInserting | eoLineNumbers | eoScrollPastEOL | eoShowScrollHint | eoTripleClicks |
                      eoUseSyntaxHighlighting | eoWantTabs);
    editor.SetHighLighter(&highlighter);
}

void Ruymise8ovnXrnstn(TSyntaxEdit& editor)
{
    editor.SetFont(QFont(QStringLiteral("Courier New"), 11));
    editor.SetFontColor(QColor(0x00, 0x00, 0x80));
    editor.SetGutterWidth(50);
    editor.SetGutterColor(QColor(0x87, 0xCE, 0xEB));
    editor.SetRightMargin(64);
    editor.SetMarginColor(QColor(0x00, 0x80, 0x00));
    editor.SetMaxRightChar(256);
    editor.SetMaxUndo(0);
    editor.SetBookMarkOptions({false, false});
    editor.SetOptions(eoReadOnly | eoReadOnlySelection | eoInserting);
}

}  // namespace kalmira
