// The two editors of the workbench, set up as the main window sets them up: the source editor
// with the language highlighter, and the read-only user screen. The demo and the benchmark use
// the window's own set-up, so that both measure and show the real configuration.
#pragma once

#include "editor/SyntaxEditor.h"
#include "settings/KalmiraHighlighter.h"
#include "workbench/uRu8miseis.h"
