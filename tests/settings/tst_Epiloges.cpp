// The options dialog driven while its command shows it modally: the start values, accepting and
// cancelling, the margin's range, and the Unicode boxes with a font that has their symbols. (The
// window's tests follow each option to its effect.)
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>

#include "settings/uEpiloges.h"

using namespace kalmira;

class TestEpiloges final : public QObject {
    Q_OBJECT
private slots:
    void unicodeBoxesShowTheirSymbols();
    void acceptingAndCancelling();
    void marginStaysInItsRange_data();
    void marginStaysInItsRange();

private:
    // Runs `energeies` while the command shows the dialog, then clicks `koumpi` unless empty.
    bool Evtoln(TfmEpiloges& fm, const std::function<void()>& energeies, const char* koumpi = "btnApodoxn");
};

namespace {

template <typename T>
T* Stoixeio(const TfmEpiloges& fm, const char* ovoma)
{
    return fm.findChild<T*>(QString::fromLatin1(ovoma));
}

void GrapseSto(QSpinBox* spin, const QString& keimevo)
{
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, keimevo);
}

}  // namespace

bool TestEpiloges::Evtoln(TfmEpiloges& fm, const std::function<void()>& energeies, const char* koumpi)
{
    QTimer::singleShot(0, &fm, [&] {
        [&] {
            QVERIFY(fm.isVisible());
            QVERIFY(fm.isModal());
            energeies();
        }();
        if (*koumpi)
            Stoixeio<QPushButton>(fm, koumpi)->click();
        if (fm.isVisible())
            fm.done(QDialog::Rejected);  // a failed check must not leave the dialog open
    });
    return fm.EvtolnEpilogwv();
}

void TestEpiloges::unicodeBoxesShowTheirSymbols()
{
    TfmEpiloges fm;
    const std::array<std::pair<const char*, QString>, 3> boxes{{
        {"chbUnicodeAva8esnTimns", QStringLiteral("← αντι για <--")},
        {"chbUnicodeSxesiakoiTelestes", QStringLiteral("≤, ≥, ≠ αντι για <=, >=, <>")},
        {"chbUnicodeLogikoiTelestes", QStringLiteral("∩∪⊗⊕∅∧∨÷×⊥ αντι για .....")},
    }};
    for (const auto& [ovoma, keimevo] : boxes) {
        const QCheckBox* chb = Stoixeio<QCheckBox>(fm, ovoma);
        QVERIFY2(chb, ovoma);
        QCOMPARE(chb->text(), keimevo);
        QVERIFY(chb->isChecked());
        QVERIFY(!chb->isEnabled());
        QCOMPARE(chb->font().pointSize(), 10);
        const QRawFont raw = QRawFont::fromFont(chb->font());
        for (const QChar c : keimevo) {
            if (!c.isSpace())
                QVERIFY2(raw.supportsCharacter(c), qPrintable(chb->font().family() + u' ' + c));
        }
    }
}

void TestEpiloges::acceptingAndCancelling()
{
    TfmEpiloges fm;
    QCOMPARE(fm.Epiloges().De3iPeri8wrio, 64);
    QVERIFY(fm.Epiloges().ElegxosEisodou && !fm.Epiloges().PlnrnsApotimnsn);
    QVERIFY(Evtoln(fm, [&] {
        GrapseSto(Stoixeio<QSpinBox>(fm, "speDe3iPeri8wrio"), QStringLiteral("80"));
        Stoixeio<QCheckBox>(fm, "chbElegxosEisodou")->click();
    }));
    QCOMPARE(fm.Epiloges().De3iPeri8wrio, 80);
    QVERIFY(!fm.Epiloges().ElegxosEisodou);

    // Cancelled, by the button or by Escape, the options stay. (What the controls show at the next
    // opening is followed through the window.)
    QVERIFY(!Evtoln(fm, [&] {
        Stoixeio<QCheckBox>(fm, "chbPlnrnsApotimnsnSuv8nkwv")->click();
        GrapseSto(Stoixeio<QSpinBox>(fm, "speDe3iPeri8wrio"), QStringLiteral("120"));
    }, "btnAkurwsn"));
    QVERIFY(!fm.Epiloges().PlnrnsApotimnsn);
    QCOMPARE(fm.Epiloges().De3iPeri8wrio, 80);
    QVERIFY(!Evtoln(fm, [&] {
        Stoixeio<QCheckBox>(fm, "chbElegxosEisodou")->click();
        QTest::keyClick(&fm, Qt::Key_Escape);
    }, ""));
    QVERIFY(!fm.Epiloges().ElegxosEisodou);
}

void TestEpiloges::marginStaysInItsRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<int>("accepted");
    QTest::newRow("in range, button") << QStringLiteral("150") << false << 150;
    QTest::newRow("in range, Enter") << QStringLiteral("50") << true << 50;
    QTest::newRow("the last digit would pass 200") << QStringLiteral("999") << false << 99;
    QTest::newRow("below 50, button") << QStringLiteral("30") << false << 64;
    QTest::newRow("minus sign and letters, Enter") << QStringLiteral("-x7") << true << 64;
}

// Whatever is typed, the accepted margin is the value typed if it is in range, and otherwise
// the value the box held before.
void TestEpiloges::marginStaysInItsRange()
{
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(int, accepted);
    TfmEpiloges fm;
    QVERIFY(Evtoln(fm, [&] {
        auto* spin = Stoixeio<QSpinBox>(fm, "speDe3iPeri8wrio");
        GrapseSto(spin, typed);
        if (enter)
            QTest::keyClick(spin, Qt::Key_Return);
    }, enter ? "" : "btnApodoxn"));
    QCOMPARE(fm.Epiloges().De3iPeri8wrio, accepted);
    QCOMPARE(Stoixeio<QSpinBox>(fm, "speDe3iPeri8wrio")->value(), accepted);
}

QTEST_MAIN(TestEpiloges)
#include "tst_Epiloges.moc"
