#include "settings/Mnvuma.h"

#include <QMessageBox>
#include <QPushButton>

namespace kalmira {

void EmfaniseMnvuma(QWidget* parent, const QString& keimevo)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Καλμίρα"), keimevo, QMessageBox::NoButton, parent);
    box.setDefaultButton(box.addButton(QStringLiteral("Εντάξει"), QMessageBox::AcceptRole));
    box.exec();
}

}  // namespace kalmira
