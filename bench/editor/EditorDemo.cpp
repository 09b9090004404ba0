// Shows the source editor with the welcome program, coloured, with a bookmark and a marked line,
// beside a user screen with some output.
#include <QApplication>
#include <QSplitter>

#include "bench/editor/DemoSetup.h"

using namespace kalmira;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TKalmiraHighlighter highlighter;
    XrwmataPara8urou(highlighter);

    QSplitter window;
    window.setWindowTitle(QStringLiteral("Καλμίρα - ο διορθωτής κώδικα"));
    auto* kwdikas = new TSyntaxEdit(&window);
    RuymiseKwdika(*kwdikas, highlighter);
    kwdikas->SetLines(ProgrammaKalwsorismatos());
    kwdikas->SetBookMark(1, 11);
    kwdikas->SetMarkLine(12);

    auto* o8ovn = new TSyntaxEdit(&window);
    Ruymise8ovnXrnstn(*o8ovn);
    o8ovn->AppendLine(QStringLiteral("Γεια σου κόσμε"));
    o8ovn->AppendLine(QStringLiteral("α ← 1  β ≠ 2  γ ≤ 3  δ ≥ 4"));
    o8ovn->AppendLine(QStringLiteral("Ϊϊ Ϋϋ ΐ ΰ άέήίόύώ ΆΈΉΊΌΎΏ"));

    window.addWidget(kwdikas);
    window.addWidget(o8ovn);
    window.setSizes({760, 440});
    window.resize(1200, 520);
    window.show();
    kwdikas->setFocus();
    // After showing: placed earlier, the caret would scroll the still tiny view sideways.
    kwdikas->SetCaretXY({9, 9});
    return app.exec();
}
