// TabSxetika: the about box. It shows the program's icon, name and version, and two links: one
// starts an e-mail to the authors, the other opens their web page.
#pragma once

#include <QDesktopServices>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QUrl>

#include <functional>

#include "settings/Mnvuma.h"

namespace kalmira {

// A link in a dialog: blue, underlined, with a hand cursor; it is reached with Tab and followed
// with a click, Space or Enter.
class TSundesmos final : public QLabel {
    Q_OBJECT
public:
    explicit TSundesmos(const QString& keimevo, QWidget* parent = nullptr);

signals:
    void OnClick();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

class TabSxetika final : public QDialog {
    Q_OBJECT
public:
    // `eikonidio` is the program's icon; without one, the application's window icon.
    explicit TabSxetika(QWidget* parent = nullptr, const QIcon& eikonidio = QIcon());

    // Opens an address with the platform's handler and tells whether it could.
    std::function<bool(const QUrl&)> AvoigmaDieu8uvsns = QDesktopServices::openUrl;
    // How failures reach the user; a message box unless replaced.
    TEmfanisnMnvumatos EmfanisnMnvumatos = EmfaniseMnvuma;

    void stxEMailClick();
    void stxSiteClick();

private:
    TSundesmos* stxEMail_ = nullptr;
    TSundesmos* stxSite_ = nullptr;
};

}  // namespace kalmira
