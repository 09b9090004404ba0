// TfmEisodosXrnstn: the modal dialog in which a running program's Διάβασε asks for a value, with
// the key filter that keeps integer and real input well-formed while it is typed.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QString>

#include "core/uTupoiDedomevwv.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kalmira {

// The prompt for reading a variable: "Διάβασμα της ακέραιας μεταβλητής «α»: ".
QString ProtropnDiabasmatos(TTuposDedomevwv tupos, const QString& keimevoMetablntns);

// The key filter of the input field. Given the type expected, whether checking is on, the field's
// whole text and a typed character, returns the character to type (the same one, or "," for ".")
// or QChar() when the key is refused. Backspace (character 8) is always accepted. Meant for typed
// characters; control keys such as Enter and Escape do not come here.
QChar FiltroPlnktrou(TTuposDedomevwv tupos, bool elegxos, const QString& keimevoPediou, QChar c);

// The input field: typed characters pass through FiltroPlnktrou; pasted text is not filtered.
class TPedioEisodou final : public QLineEdit {
    Q_OBJECT
public:
    explicit TPedioEisodou(QWidget* parent = nullptr);

    TTuposDedomevwv Tupos = tdAlfari8mntikos;
    bool Elegxos = true;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    QString Filtrarismeno(const QString& plnktrologn) const;
};

class TfmEisodosXrnstn final : public QDialog {
    Q_OBJECT
public:
    explicit TfmEisodosXrnstn(QWidget* parent = nullptr);
    ~TfmEisodosXrnstn() override;

    // Shows the dialog modally with the prompt above the field, the field's previous text
    // selected. True when the input was accepted: `keimevo` is the field's text and `pausn` the
    // pause box. False on "Τερματισμός εκτέλεσης", Escape or the close box.
    bool Zntnse(const QString& protropn, TTuposDedomevwv tupos, QString& keimevo, bool& pausn);

    // Key filtering on or off; on at start, set by the options dialog.
    bool ElegxosEisodou() const;
    void SetElegxosEisodou(bool elegxos);
    TTuposDedomevwv AvamevomevosTupos() const;
    void SetAvamevomevosTupos(TTuposDedomevwv tupos);
    // The field's filter for one typed character against its present text: the character is
    // kept, replaced ("." by ",") or made null when refused.
    void leEisagwgnDedomevwvKeyPress(QChar& key) const;

    // The controls, named as the window and the tests know them.
    QLabel* lblEisagwgnDedomevwv = nullptr;
    TPedioEisodou* leEisagwgnDedomevwv = nullptr;
    QCheckBox* chbPausnEktelesns = nullptr;
    QPushButton* btEisagwgn = nullptr;
    QPushButton* btnTermatismosEktelesns = nullptr;
};

}  // namespace kalmira
