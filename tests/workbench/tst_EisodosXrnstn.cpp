// The input dialog on its own: the prompt, the key filter, and what the window tests do not
// reach (the kept and selected field, the other ways to cancel, pasted and composed text, layout).
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <tuple>

#include "tests/workbench/Voithitika.h"
#include "workbench/uEisodosXrnstn.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

namespace {

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

}  // namespace

class TestEisodosXrnstn final : public QObject {
    Q_OBJECT
private slots:
    void prompt();
    void keyFilter_data();
    void keyFilter();
    void previousInputStaysSelected();
    void cancelInEveryWay();
    void pastedAndComposedText();
    void dialogFontAndNothingCut();
};

void TestEisodosXrnstn::prompt()
{
    QCOMPARE(ProtropnDiabasmatos(tdAkeraios, u"α"_s), u"Διάβασμα της ακέραιας μεταβλητής «α»: "_s);
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

void TestEisodosXrnstn::previousInputStaysSelected()
{
    TfmEisodosXrnstn d;
    Rwtnse(d, tdAkeraios, [&] {
        GrapseMePlnktra(d.leEisagwgnDedomevwv, u"42"_s);
        d.btEisagwgn->click();
    });
    const TApantnsn a = Rwtnse(d, tdAkeraios, [&] {
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"42"_s);
        QCOMPARE(d.leEisagwgnDedomevwv->selectedText(), u"42"_s);
        // The field is not empty, selected or not: no sign yet.
        GrapseMePlnktra(d.leEisagwgnDedomevwv, u"-"_s);
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"42"_s);
        GrapseMePlnktra(d.leEisagwgnDedomevwv, u"7"_s);  // replaces the selection
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"7"_s);
        QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_Backspace);
        GrapseMePlnktra(d.leEisagwgnDedomevwv, u"-4α"_s);
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
        QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_Enter);
    });
    QVERIFY(b.dekto);
    QCOMPARE(b.keimevo, u"-4"_s);
    QVERIFY(b.pausn);
}

void TestEisodosXrnstn::cancelInEveryWay()
{
    TfmEisodosXrnstn d;
    const std::function<void()> tropoi[] = {
        [&] { QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_Escape); },
        [&] { d.btnTermatismosEktelesns->click(); },
        [&] { d.close(); },  // the close box
    };
    for (const auto& tropos : tropoi) {
        const TApantnsn a = Rwtnse(d, tdAlfari8mntikos, [&] {
            GrapseMePlnktra(d.leEisagwgnDedomevwv, u"κείμενο"_s);
            tropos();
        });
        QVERIFY(!a.dekto);
        QCOMPARE(a.keimevo, u"(τίποτα)"_s);
        QVERIFY(!d.isVisible());
    }
}

// Pasted text and the keys of the field's own shortcuts are not filtered; text an input method
// composes is.
void TestEisodosXrnstn::pastedAndComposedText()
{
    TfmEisodosXrnstn d;
    QApplication::clipboard()->setText(u"12α"_s);
    TApantnsn a = Rwtnse(d, tdAkeraios, [&] {
        QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(d.leEisagwgnDedomevwv->text(), u"12α"_s);
        QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(d.leEisagwgnDedomevwv->selectedText(), u"12α"_s);
        QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_Home);
        QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_Delete);
        d.btEisagwgn->click();
    });
    QCOMPARE(a.keimevo, u"2α"_s);

    a = Rwtnse(d, tdPragmatikos, [&] {
        QTest::keyClick(d.leEisagwgnDedomevwv, Qt::Key_Backspace);
        QInputMethodEvent sunthesn;
        sunthesn.setCommitString(u"ά2.5"_s);
        QApplication::sendEvent(d.leEisagwgnDedomevwv, &sunthesn);
        d.btEisagwgn->click();
    });
    QCOMPARE(a.keimevo, u"2,5"_s);

    // The key handler judges a key against the field's text and the type last asked for.
    for (const auto& [pedio, key, apotelesma] : {std::tuple{u"2"_s, u'.', QChar(u',')}, std::tuple{u"2,5"_s, u'.', QChar()},
                                                 std::tuple{QString(), u'-', QChar(u'-')}}) {
        d.leEisagwgnDedomevwv->setText(pedio);
        QChar c(key);
        d.leEisagwgnDedomevwvKeyPress(c);
        QCOMPARE(c, apotelesma);
    }
}

void TestEisodosXrnstn::dialogFontAndNothingCut()
{
    QWidget para8uro;
    para8uro.setFont(QFont(u"Courier New"_s, 11));
    TfmEisodosXrnstn d(&para8uro);
    QCOMPARE(d.font(), QApplication::font("QDialog"));
    QCOMPARE(d.chbPausnEktelesns->font(), QApplication::font("QDialog"));

    // A one-line prompt: the dialog's designed layout, 394 x 127.
    Rwtnse(d, tdAkeraios, [&] {
        QCOMPARE(d.size(), QSize(394, 127));
        QCOMPARE(d.leEisagwgnDedomevwv->geometry().topLeft(), QPoint(8, 24));
        QCOMPARE(d.leEisagwgnDedomevwv->width(), 377);
        QCOMPARE(d.chbPausnEktelesns->geometry().topLeft(), QPoint(16, 56));
        QCOMPARE(d.chbPausnEktelesns->width(), 361);
        QCOMPARE(d.btEisagwgn->geometry(), QRect(16, 88, 169, 25));
        QCOMPARE(d.btnTermatismosEktelesns->geometry(), QRect(208, 88, 169, 25));
        d.reject();
    });

    // A long prompt wraps rather than being cut; every control gets the room it asks for.
    for (const QString& metablntn : {u"α"_s, u"Ονοματεπώνυμα_μαθητών_του_τμήματος[τρέχων_μαθητής, 2]"_s}) {
        const auto diata3n = [&] {
            QVERIFY(d.width() >= 394);
            QLabel* etiketa = d.lblEisagwgnDedomevwv;
            QVERIFY(etiketa->height() >= etiketa->heightForWidth(etiketa->width()));
            QVERIFY(d.rect().contains(etiketa->geometry()));
            for (QWidget* w : std::initializer_list<QWidget*>{d.chbPausnEktelesns, d.btEisagwgn, d.btnTermatismosEktelesns})
                QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height() &&
                             d.rect().contains(w->geometry()),
                         qPrintable(w->objectName()));
        };
        Rwtnse(d, tdAlfari8mntikos, [&] { diata3n(); d.reject(); }, metablntn);
    }
}

QTEST_MAIN(TestEisodosXrnstn)
#include "tst_EisodosXrnstn.moc"
