#include "workbench/uMain.h"

namespace kalmira {

TfmKalmira::TfmKalmira(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Ανώνυμο Πρόγραμμα - Διερμηνευτής της Καλμίρας"));
}

TfmKalmira::~TfmKalmira() = default;

}  // namespace kalmira
