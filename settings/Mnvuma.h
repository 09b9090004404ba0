// The program's message box for a failure the user should know of: captioned "Καλμίρα", with a
// Greek OK button whatever translations are installed.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kalmira {

void EmfaniseMnvuma(QWidget* parent, const QString& keimevo);

// A way to show a message; the dialogs hold one, so that tests can take the message instead.
using TEmfanisnMnvumatos = std::function<void(QWidget* parent, const QString& keimevo)>;

}  // namespace kalmira
