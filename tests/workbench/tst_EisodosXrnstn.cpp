// The input dialog: the prompt, the key filter on its own and in the field, and the modal
// showing with its answers, as the input bridge uses them.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "workbench/uEisodosXrnstn.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

namespace {

// Types text as the keyboard would; QTest's own helpers drop non-Latin characters.
void Type(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

struct TApantnsn {
    bool dekto = false;
    QString keimevo = u"(τίποτα)"_s;
    bool pausn = false;
};

// Asks as the input bridge does and plays `xeirismos` on the dialog once it is up. A dialog that
// stays open fails the test rather than hanging it.
TApantnsn Rwtnse(TfmEisodosXrnstn& d, TTuposDedomevwv tupos, const std::function<void()>& xeirismos,
                 const QString& metablntn = u"α"_s)
{
    QTimer fulakas;
    fulakas.setSingleShot(true);
    QObject::connect(&fulakas, &QTimer::timeout, &d, [&d] {
        QTest::qFail("the dialog stayed open", __FILE__, __LINE__);
        d.reject();
    });
    fulakas.start(5000);
    QTimer::singleShot(0, &d, [&] {
        QTRY_VERIFY(d.isVisible());
        QTRY_VERIFY(d.leEisagwgnDedomevwv->hasFocus());
        xeirismos();
    });
    TApantnsn a;
    a.dekto = d.Zntnse(ProtropnDiabasmatos(tupos, metablntn), tupos, a.keimevo, a.pausn);
    return a;
}

void Pata(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(widget, key, modifiers);
}

}  // namespace

class TestEisodosXrnstn final : public QObject {
    Q_OBJECT
private slots:
    void prompt();
    void keyFilter_data();
    void keyFilter();
    void acceptsWhatWasTypedAsFiltered();
    void previousInputStaysSelected();
    void cancelInEveryWay();
    void noFilterWhenCheckingIsOffAndInputMethods();
    void pasteAndShortcutsAreNotFiltered();
    void dialogFontAndNothingCut();
};

void TestEisodosXrnstn::prompt()
{
    QCOMPARE(ProtropnDiabasmatos(tdAkeraios, u"α"_s), u"Διάβασμα της ακέραιας μεταβλητής «α»: "_s);
    QCOMPARE(ProtropnDiabasmatos(tdPragmatikos, u"Μέσος_όρος"_s), u"Διάβασμα της πραγματικής μεταβλητής «Μέσος_όρος»: "_s);
    QCOMPARE(ProtropnDiabasmatos(tdAlfari8mntikos, u"Π[ι, 2]"_s), u"Διάβασμα της αλφαριθμητικής μεταβλητής «Π[ι, 2]»: "_s);
}

void TestEisodosXrnstn::keyFilter_data()
{
    QTest::addColumn<int>("tupos");
    QTest::addColumn<bool>("elegxos");
    QTest::addColumn<QString>("pedio");
    QTest::addColumn<QChar>("c");
    QTest::addColumn<QChar>("apotelesma");
    const QChar akuro;
    const QChar backspace(8);

    QTest::newRow("integer digit") << int(tdAkeraios) << true << u"12"_s << QChar(u'7') << QChar(u'7');
    QTest::newRow("integer minus on empty") << int(tdAkeraios) << true << QString() << QChar(u'-') << QChar(u'-');
    QTest::newRow("integer minus after text") << int(tdAkeraios) << true << u"5"_s << QChar(u'-') << akuro;
    QTest::newRow("integer backspace") << int(tdAkeraios) << true << u"5"_s << backspace << backspace;
    QTest::newRow("integer comma") << int(tdAkeraios) << true << u"5"_s << QChar(u',') << akuro;
    QTest::newRow("integer letter") << int(tdAkeraios) << true << QString() << QChar(u'α') << akuro;
    QTest::newRow("integer Arabic-Indic digit") << int(tdAkeraios) << true << QString() << QChar(0x0663) << akuro;
    QTest::newRow("real point becomes comma") << int(tdPragmatikos) << true << u"3"_s << QChar(u'.') << QChar(u',');
    QTest::newRow("real second point") << int(tdPragmatikos) << true << u"3,1"_s << QChar(u'.') << akuro;
    QTest::newRow("real second comma") << int(tdPragmatikos) << true << u",5"_s << QChar(u',') << akuro;
    QTest::newRow("real minus after text") << int(tdPragmatikos) << true << u"0"_s << QChar(u'-') << akuro;
    QTest::newRow("real exponent") << int(tdPragmatikos) << true << u"1"_s << QChar(u'e') << akuro;
    QTest::newRow("text anything") << int(tdAlfari8mntikos) << true << u"5"_s << QChar(u'-') << QChar(u'-');
    QTest::newRow("integer unchecked") << int(tdAkeraios) << false << u"5"_s << QChar(u'x') << QChar(u'x');
    QTest::newRow("real unchecked point") << int(tdPragmatikos) << false << u"5"_s << QChar(u'.') << QChar(u'.');
}

void TestEisodosXrnstn::keyFilter()
{
    QFETCH(int, tupos);
    QFETCH(bool, elegxos);
    QFETCH(QString, pedio);
    QFETCH(QChar, c);
    QFETCH(QChar, apotelesma);
    QCOMPARE(FiltroPlnktrou(static_cast<TTuposDedomevwv>(tupos), elegxos, pedio, c), apotelesma);
}

void TestEisodosXrnstn::acceptsWhatWasTypedAsFiltered()
{
    TfmEisodosXrnstn d;
    QCOMPARE(d.windowTitle(), u"Καλμίρα - Είσοδος δεδομένων"_s);
    QVERIFY(d.ElegxosEisodou());
    const TApantnsn a = Rwtnse(d, tdPragmatikos, [&] {
        QCOMPARE(d.lblEisagwgnDedomevwv->text(), u"Διάβασμα της πραγματικής μεταβλητής «α»: "_s);
        QCOMPARE(d.AvamevomevosTupos(), tdPragmatikos);
        for (Qt::Key k : {Qt::Key_3, Qt::Key_Period, Qt::Key_5, Qt::Key_Period, Qt::Key_Minus, Qt::Key_E})
            QTest::keyClick(d.leEisagwgnDedomevwv, k, Qt::NoModifier);
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"3,5"_s);
        Pata(d.leEisagwgnDedomevwv, Qt::Key_Return);  // the default button
    });
    QVERIFY(a.dekto);
    QCOMPARE(a.keimevo, u"3,5"_s);
    QVERIFY(!a.pausn);
    QVERIFY(!d.isVisible());
}

void TestEisodosXrnstn::previousInputStaysSelected()
{
    TfmEisodosXrnstn d;
    Rwtnse(d, tdAkeraios, [&] {
        Type(d.leEisagwgnDedomevwv, u"42"_s);
        d.btEisagwgn->click();
    });
    const TApantnsn a = Rwtnse(d, tdAkeraios, [&] {
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"42"_s);
        QCOMPARE(d.leEisagwgnDedomevwv->selectedText(), u"42"_s);
        // The field is not empty, selected or not: no sign yet.
        Type(d.leEisagwgnDedomevwv, u"-"_s);
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"42"_s);
        Type(d.leEisagwgnDedomevwv, u"7"_s);  // replaces the selection
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"7"_s);
        Pata(d.leEisagwgnDedomevwv, Qt::Key_Backspace);
        Type(d.leEisagwgnDedomevwv, u"-4α"_s);
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"-4"_s);
        d.chbPausnEktelesns->click();
        d.btEisagwgn->click();
    });
    QVERIFY(a.dekto);
    QCOMPARE(a.keimevo, u"-4"_s);
    QVERIFY(a.pausn);
    // The pause box and the text stay for the next read.
    const TApantnsn b = Rwtnse(d, tdAkeraios, [&] {
        QVERIFY(d.chbPausnEktelesns->isChecked());
        Pata(d.leEisagwgnDedomevwv, Qt::Key_Enter);
    });
    QVERIFY(b.dekto);
    QCOMPARE(b.keimevo, u"-4"_s);
    QVERIFY(b.pausn);
}

void TestEisodosXrnstn::cancelInEveryWay()
{
    TfmEisodosXrnstn d;
    const std::function<void()> tropoi[] = {
        [&] { Pata(d.leEisagwgnDedomevwv, Qt::Key_Escape); },
        [&] { d.btnTermatismosEktelesns->click(); },
        [&] { d.close(); },  // the close box
    };
    for (const auto& tropos : tropoi) {
        const TApantnsn a = Rwtnse(d, tdAlfari8mntikos, [&] {
            Type(d.leEisagwgnDedomevwv, u"κείμενο"_s);
            tropos();
        });
        QVERIFY(!a.dekto);
        QCOMPARE(a.keimevo, u"(τίποτα)"_s);
        QVERIFY(!d.isVisible());
    }
}

void TestEisodosXrnstn::noFilterWhenCheckingIsOffAndInputMethods()
{
    TfmEisodosXrnstn d;
    d.SetElegxosEisodou(false);
    TApantnsn a = Rwtnse(d, tdAkeraios, [&] {
        Pata(d.leEisagwgnDedomevwv, Qt::Key_Backspace);
        Type(d.leEisagwgnDedomevwv, u"1.5α-"_s);
        d.btEisagwgn->click();
    });
    QCOMPARE(a.keimevo, u"1.5α-"_s);

    d.SetElegxosEisodou(true);

    // Characters an input method composes are typed too.
    a = Rwtnse(d, tdPragmatikos, [&] {
        Pata(d.leEisagwgnDedomevwv, Qt::Key_Backspace);
        QInputMethodEvent sunthesn;
        sunthesn.setCommitString(u"ά2.5"_s);
        QApplication::sendEvent(d.leEisagwgnDedomevwv, &sunthesn);
        d.btEisagwgn->click();
    });
    QCOMPARE(a.keimevo, u"2,5"_s);
}

void TestEisodosXrnstn::pasteAndShortcutsAreNotFiltered()
{
    TfmEisodosXrnstn d;
    QApplication::clipboard()->setText(u"12α"_s);
    const TApantnsn a = Rwtnse(d, tdAkeraios, [&] {
        Pata(d.leEisagwgnDedomevwv, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"12α"_s);
        Pata(d.leEisagwgnDedomevwv, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(d.leEisagwgnDedomevwv->selectedText(), u"12α"_s);
        Pata(d.leEisagwgnDedomevwv, Qt::Key_Home);
        Pata(d.leEisagwgnDedomevwv, Qt::Key_Delete);
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"2α"_s);
        d.btEisagwgn->click();
    });
    QCOMPARE(a.keimevo, u"2α"_s);
}

void TestEisodosXrnstn::dialogFontAndNothingCut()
{
    QWidget para8uro;
    para8uro.setFont(QFont(u"Courier New"_s, 11));
    TfmEisodosXrnstn d(&para8uro);
    QCOMPARE(d.font(), QApplication::font("QDialog"));
    QCOMPARE(d.chbPausnEktelesns->font(), QApplication::font("QDialog"));

    // A long prompt wraps rather than being cut; every control gets the room it asks for.
    for (const QString& metablntn : {u"α"_s, u"Ονοματεπώνυμα_μαθητών_του_τμήματος[τρέχων_μαθητής, 2]"_s}) {
        Rwtnse(
            d, tdAlfari8mntikos,
            [&] {
                QCOMPARE(d.lblEisagwgnDedomevwv->text(), ProtropnDiabasmatos(tdAlfari8mntikos, metablntn));
                QVERIFY(d.width() >= 394);
                QLabel* etiketa = d.lblEisagwgnDedomevwv;
                QVERIFY(etiketa->height() >= etiketa->heightForWidth(etiketa->width()));
                QVERIFY(d.rect().contains(etiketa->geometry()));
                for (QWidget* w : std::initializer_list<QWidget*>{d.chbPausnEktelesns, d.btEisagwgn, d.btnTermatismosEktelesns}) {
                    QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(w->objectName()));
                    QVERIFY2(w->height() >= w->sizeHint().height(), qPrintable(w->objectName()));
                    QVERIFY2(d.rect().contains(w->geometry()), qPrintable(w->objectName()));
                }
                d.reject();
            },
            metablntn);
    }
}

QTEST_MAIN(TestEisodosXrnstn)
#include "tst_EisodosXrnstn.moc"
