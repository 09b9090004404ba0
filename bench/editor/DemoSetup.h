// The two editors of the workbench, set up as the main window sets them up: the source editor
// with the language highlighter, and the read-only user screen. Shared by the demo and the
// benchmark, so that both measure and show the real configuration.
#pragma once

#include <QStringList>

#include "editor/SyntaxEditor.h"
#include "settings/KalmiraHighlighter.h"

namespace kalmira {

// The welcome program, line by line.
QStringList ProgrammaKalwsorismatos();
void RuymiseKwdika(TSyntaxEdit& editor, TKalmiraHighlighter& highlighter);
void Ruymise8ovnXrnstn(TSyntaxEdit& editor);

}  // namespace kalmira
