// The colours dialog driven as the user drives it, shown modally by its command, with a stand-in
// main editor and highlighter and the user's settings store in a temporary folder.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <tuple>

#include "settings/uXrwmata.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

namespace {

constexpr TColor Kokkino = Rgb(0xFF, 0, 0);
constexpr int KeliKokkivou = 9;
constexpr int KeliMple = 12;
constexpr int KeliLeukou = 15;

// The store's groups, one per token class, and the values of each.
const QStringList OlaTaKleidia{u"Κενός χώρος"_s,        u"Σχόλιο"_s,         u"Δεσμευμένη λέξη"_s,
                               u"Αναγνωριστικό"_s,      u"Αγγλικά γράμματα"_s, u"Ακέραια σταθερά"_s,
                               u"Πραγματική σταθερά"_s, u"Αλφαριθμητικό"_s,  u"Σύμβολο"_s,
                               u"Άκυρος χαρακτήρας"_s};
const QStringList OlesOiTimes{u"Φόντο"_s, u"Χρώμα"_s, u"Έντονα"_s, u"Πλάγια"_s, u"Υπογραμμισμένα"_s, u"Διαγραμμένα"_s};

// The colours of a highlighter, to compare before and after.
using TXrwmata = std::array<std::tuple<TColor, TColor, TFontStyles>, Plnr8osKlasewv>;

TXrwmata XrwmataTou(const TKalmiraHighlighter& highlighter)
{
    TXrwmata x;
    for (int i = 0; i < Plnr8osKlasewv; ++i) {
        const THighlightAttributes* a = highlighter.Attribute(i);
        x[static_cast<std::size_t>(i)] = {a->Background(), a->Foreground(), a->Style()};
    }
    return x;
}

}  // namespace

class TestXrwmata final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void whatTheDialogShows();
    void acceptingWritesEveryClass();
    void restoreDefaultsThenAcceptStoresTheDefaultTable();
    void cancelStoresAndAppliesNothing();
    void unwritableStoreIsReportedAndChangesNothing_data();
    void unwritableStoreIsReportedAndChangesNothing();
    void lineColoursAreAppliedButNotStored();

private:
    // Runs `energeies` inside the command while the dialog is shown, then clicks `koumpi`.
    bool Evtoln(const std::function<void()>& energeies, const char* koumpi);
    template <typename T>
    T* Stoixeio(const char* ovoma) const { return fm->findChild<T*>(QString::fromLatin1(ovoma)); }
    TPlegmaXrwmatwv* Plegma() const { return Stoixeio<TPlegmaXrwmatwv>("clgXrwmata"); }
    void Epilese(int stoixeio) const { Stoixeio<QListWidget>("lsbStoixeio")->setCurrentRow(stoixeio); }
    void Klik(int keli, Qt::MouseButton button) const { QTest::mouseClick(Plegma(), button, {}, Plegma()->CellRect(keli).center()); }
    QString ArxeioApo8nkns() const { return dir->filePath(u"Merovan/Καλμίρα.conf"_s); }
    QVariant Apo8nkeumevo(const QString& kleidi) const { return QSettings(ArxeioApo8nkns(), QSettings::IniFormat).value(kleidi); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TKalmiraHighlighter> kuriosXrwmatistns;
    std::unique_ptr<TSyntaxEdit> kwdikas;
    std::unique_ptr<TfmXrwmata> fm;
    QStringList mnvumata;
};

// The main window's start: the window colours, then whatever is stored over them.
void TestXrwmata::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir->path());
    kuriosXrwmatistns = std::make_unique<TKalmiraHighlighter>();
    XrwmataPara8urou(*kuriosXrwmatistns);
    kuriosXrwmatistns->FortwseXrwmata();
    kwdikas = std::make_unique<TSyntaxEdit>();
    kwdikas->SetHighLighter(kuriosXrwmatistns.get());
    kwdikas->SetMarkColor({Qt::red, Qt::white});
    kwdikas->SetSelectedColor({Qt::blue, Qt::white});
    fm = std::make_unique<TfmXrwmata>();
    mnvumata.clear();
    fm->EmfanisnMnvumatos = [this](QWidget*, const QString& keimevo) { mnvumata << keimevo; };
}

void TestXrwmata::cleanup()
{
    fm.reset();
    kwdikas.reset();
    kuriosXrwmatistns.reset();
    if (dir)
        QFile::setPermissions(ArxeioApo8nkns(), QFile::ReadOwner | QFile::WriteOwner);
    dir.reset();
}

bool TestXrwmata::Evtoln(const std::function<void()>& energeies, const char* koumpi)
{
    QTimer::singleShot(0, fm.get(), [&] {
        // A failed check leaves the inner lambda; the button is clicked all the same.
        [&] {
            QVERIFY(fm->isVisible());
            QVERIFY(fm->isModal());
            energeies();
        }();
        Stoixeio<QPushButton>(koumpi)->click();
    });
    return fm->EvtolnXrwmatwv(*kwdikas, *kuriosXrwmatistns);
}

// (The colours themselves, for the main editor and the dialog, are the highlighter tests'.)
void TestXrwmata::whatTheDialogShows()
{
    Evtoln([this] {
        // The sample: read-only, line 8 marked in the main editor's colours, its selection.
        TSyntaxEdit& deigma = fm->Deigma();
        QVERIFY(deigma.Options() & eoReadOnly);
        QCOMPARE(deigma.MarkLine(), 7);
        QCOMPARE(deigma.MarkColor(), kwdikas->MarkColor());
        QCOMPARE(deigma.SelectedColor(), kwdikas->SelectedColor());
        QCOMPARE(deigma.SelStart(), 72);
        QCOMPARE(deigma.SelEnd(), 89);
        // "Δεσμευμένη λέξη": bold blue on the window colour, which is none of the grid's cells.
        Epilese(1);
        QCOMPARE(Plegma()->ForegroundIndex(), KeliMple);
        QCOMPARE(Plegma()->BackgroundIndex(), -1);
        QVERIFY(Stoixeio<QCheckBox>("chbEvtova")->isChecked());
        QVERIFY(!Stoixeio<QCheckBox>("chbPlagia")->isChecked());
        // "Άκυροι χαρακτήρες": yellow on red.
        Epilese(5);
        QCOMPARE(Plegma()->ForegroundIndex(), 11);
        QCOMPARE(Plegma()->BackgroundIndex(), KeliKokkivou);

        // The line items have no style; the grid shows white on red for the marked line.
        const std::array<QCheckBox*, 3> stul{Stoixeio<QCheckBox>("chbEvtova"), Stoixeio<QCheckBox>("chbPlagia"),
                                             Stoixeio<QCheckBox>("chbYpogrammismeva")};
        for (const int stoixeio : {int(TfmXrwmata::StoixeioGrammnsLa8ous), int(TfmXrwmata::StoixeioGrammnsEktelesns),
                                   int(TfmXrwmata::StoixeioEpilegmevouKeimevou)}) {
            Epilese(1);  // bold: one box ticked
            Epilese(stoixeio);
            for (QCheckBox* chb : stul)
                QVERIFY2(!chb->isEnabled() && !chb->isChecked(), qPrintable(chb->text()));
            if (stoixeio != TfmXrwmata::StoixeioEpilegmevouKeimevou) {
                QCOMPARE(Plegma()->BackgroundIndex(), KeliKokkivou);
                QCOMPARE(Plegma()->ForegroundIndex(), KeliLeukou);
            }
        }
        Epilese(2);
        for (QCheckBox* chb : stul)
            QVERIFY(chb->isEnabled());
        QVERIFY(Stoixeio<QCheckBox>("chbPlagia")->isChecked());

        // A left click picks the foreground, a right click the background, and the sample shows
        // them at once; a middle click and a click beside the cells pick nothing.
        Klik(KeliKokkivou, Qt::LeftButton);
        Klik(KeliLeukou, Qt::RightButton);
        Klik(3, Qt::MiddleButton);
        QTest::mouseClick(Plegma(), Qt::LeftButton, {}, QPoint(Plegma()->width() + 5, 5));
        QCOMPARE(Plegma()->ForegroundIndex(), KeliKokkivou);
        QCOMPARE(Plegma()->BackgroundIndex(), KeliLeukou);
        // The sample's first line shows the identifier "Αναγνωριστικό" red on white.
        const QTextBlock first = deigma.findChild<QPlainTextEdit*>()->document()->firstBlock();
        bool vre8nke = false;
        for (const QTextLayout::FormatRange& r : first.layout()->formats()) {
            if (r.start == 10) {
                vre8nke = true;
                QCOMPARE(r.format.foreground().color(), QColor(Qt::red));
                QCOMPARE(r.format.background().color(), QColor(Qt::white));
            }
        }
        QVERIFY(vre8nke);
    }, "btnMataiwsn");
}

// Every class is written with its six values, whatever was changed. "Αναγνωριστικό" is black on
// the window colour: unticking a style must not turn the background into the grid's first cell,
// black, which would hide every identifier.
void TestXrwmata::acceptingWritesEveryClass()
{
    QVERIFY(Evtoln([this] {
        Epilese(2);
        QCOMPARE(Plegma()->BackgroundIndex(), -1);
        QCOMPARE(Plegma()->ForegroundIndex(), 0);
        Stoixeio<QCheckBox>("chbPlagia")->click();
        Epilese(0);  // "Κενός χώρος": the default text colour on the window colour
        Stoixeio<QCheckBox>("chbEvtova")->click();
    }, "btnApodoxn"));
    QSettings apo8nkn(ArxeioApo8nkns(), QSettings::IniFormat);
    QStringList kleidia = apo8nkn.childGroups(), anamenomena = OlaTaKleidia;
    kleidia.sort();
    anamenomena.sort();
    QCOMPARE(kleidia, anamenomena);
    for (const QString& kleidi : OlaTaKleidia)
        for (const QString& timn : OlesOiTimes)
            QVERIFY2(apo8nkn.contains(kleidi + u'/' + timn), qPrintable(kleidi + u'/' + timn));
    // The window colour keeps its symbolic value; the dialog's invalid characters are yellow.
    QCOMPARE(apo8nkn.value(u"Σχόλιο/Φόντο"_s).toLongLong(), qint64(qint32(clWindow)));
    QCOMPARE(apo8nkn.value(u"Σχόλιο/Χρώμα"_s).toLongLong(), 8421504);
    QCOMPARE(apo8nkn.value(u"Σχόλιο/Πλάγια"_s).toInt(), 1);
    QCOMPARE(apo8nkn.value(u"Άκυρος χαρακτήρας/Χρώμα"_s).toLongLong(), 65535);
    QVERIFY(mnvumata.isEmpty());
    // The main highlighter was loaded from the store.
    QCOMPARE(kuriosXrwmatistns->MorfnAkurwv()->Foreground(), Rgb(0xFF, 0xFF, 0));
    const THighlightAttributes* avagvwristiko = kuriosXrwmatistns->MorfnAvagvwristikwv();
    QCOMPARE(avagvwristiko->Background(), clWindow);
    QCOMPARE(avagvwristiko->Foreground(), Rgb(0, 0, 0));
    QCOMPARE(avagvwristiko->Style(), TFontStyles());
    QCOMPARE(kuriosXrwmatistns->MorfnKevwv()->Background(), clWindow);
    QCOMPARE(kuriosXrwmatistns->MorfnKevwv()->Foreground(), clDefault);
    QCOMPARE(kuriosXrwmatistns->MorfnKevwv()->Style(), TFontStyles(fsBold));
}

void TestXrwmata::restoreDefaultsThenAcceptStoresTheDefaultTable()
{
    QVERIFY(Evtoln([this] {
        Epilese(1);
        QCOMPARE(Plegma()->BackgroundIndex(), -1);
        Stoixeio<QPushButton>("btnEpavaforaProepilogwv")->click();
        // The grid follows at once: a style click afterwards must not bring back the old colours.
        QCOMPARE(Plegma()->BackgroundIndex(), KeliLeukou);
        Stoixeio<QCheckBox>("chbYpogrammismeva")->click();
    }, "btnApodoxn"));
    for (const QString& kleidi : OlaTaKleidia)
        QCOMPARE(Apo8nkeumevo(kleidi + u"/Φόντο"_s).toLongLong(), kleidi == u"Άκυρος χαρακτήρας"_s ? 255 : 16777215);
    QCOMPARE(Apo8nkeumevo(u"Άκυρος χαρακτήρας/Χρώμα"_s).toLongLong(), 65280);  // lime
    QCOMPARE(Apo8nkeumevo(u"Δεσμευμένη λέξη/Υπογραμμισμένα"_s).toInt(), 1);
    QCOMPARE(kuriosXrwmatistns->MorfnAkurwv()->Foreground(), Rgb(0, 0xFF, 0));
    QCOMPARE(kuriosXrwmatistns->MorfnDesmeumevwvLe3ewv()->Background(), Rgb(0xFF, 0xFF, 0xFF));
    QCOMPARE(kuriosXrwmatistns->MorfnDesmeumevwvLe3ewv()->Style(), fsBold | fsUnderline);
}

void TestXrwmata::cancelStoresAndAppliesNothing()
{
    const TXrwmata prin = XrwmataTou(*kuriosXrwmatistns);
    const TColorPair mark = kwdikas->MarkColor();
    QVERIFY(!Evtoln([this] {
        Epilese(2);
        Stoixeio<QCheckBox>("chbPlagia")->click();
        Klik(KeliKokkivou, Qt::LeftButton);
        Epilese(TfmXrwmata::StoixeioGrammnsEktelesns);
        Klik(KeliMple, Qt::RightButton);
        Stoixeio<QPushButton>("btnEpavaforaProepilogwv")->click();
    }, "btnMataiwsn"));
    QVERIFY(!QFile::exists(ArxeioApo8nkns()));
    QVERIFY(XrwmataTou(*kuriosXrwmatistns) == prin);
    QCOMPARE(kwdikas->MarkColor(), mark);
    QVERIFY(mnvumata.isEmpty());
}

void TestXrwmata::unwritableStoreIsReportedAndChangesNothing_data()
{
    QTest::addColumn<bool>("readOnlyFile");
    QTest::newRow("read-only file") << true;
    QTest::newRow("a file where the folder should be") << false;
}

void TestXrwmata::unwritableStoreIsReportedAndChangesNothing()
{
    QFETCH(bool, readOnlyFile);
    QByteArray periexomeno;
    if (readOnlyFile) {
        QSettings(ArxeioApo8nkns(), QSettings::IniFormat).setValue(u"Σχόλιο/Χρώμα"_s, 255);
        QFile file(ArxeioApo8nkns());
        QVERIFY(file.open(QIODevice::ReadOnly));
        periexomeno = file.readAll();
        file.close();
        QVERIFY(QFile::setPermissions(ArxeioApo8nkns(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (QFileInfo(ArxeioApo8nkns()).isWritable())
            QSKIP("the file stays writable for this user (the superuser)");
        kuriosXrwmatistns->FortwseXrwmata();
    } else {
        QFile blocker(dir->filePath(u"Merovan"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    const TXrwmata prin = XrwmataTou(*kuriosXrwmatistns);
    const TColorPair mark = kwdikas->MarkColor();
    const TColorPair epilogn = kwdikas->SelectedColor();
    QVERIFY(!Evtoln([this] {
        Epilese(2);
        Klik(KeliKokkivou, Qt::LeftButton);
        Epilese(TfmXrwmata::StoixeioGrammnsEktelesns);
        Klik(KeliMple, Qt::RightButton);
        Epilese(TfmXrwmata::StoixeioEpilegmevouKeimevou);
        Klik(KeliKokkivou, Qt::RightButton);
    }, "btnApodoxn"));
    QCOMPARE(mnvumata.size(), 1);
    QVERIFY2(mnvumata[0].startsWith(u"Δεν μπόρεσα να αποθηκεύσω τα χρώματα του κώδικα"_s), qPrintable(mnvumata[0]));
    QVERIFY2(mnvumata[0].contains(u'«' + ArxeioApo8nkns() + u'»'), qPrintable(mnvumata[0]));
    QVERIFY(XrwmataTou(*kuriosXrwmatistns) == prin);
    QCOMPARE(kwdikas->MarkColor(), mark);
    QCOMPARE(kwdikas->SelectedColor(), epilogn);
    if (readOnlyFile) {
        QFile file(ArxeioApo8nkns());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), periexomeno);
    }
}

// One marked-line colour serves error and execution lines alike; it goes to the main editor but
// not to the store. The dialog lives on: the next opening reloads the stored classes and takes
// the main editor's colours for the line items again.
void TestXrwmata::lineColoursAreAppliedButNotStored()
{
    QVERIFY(Evtoln([this] {
        Epilese(2);
        Klik(KeliKokkivou, Qt::LeftButton);
        Epilese(TfmXrwmata::StoixeioGrammnsLa8ous);
        Klik(KeliMple, Qt::RightButton);
        QCOMPARE(fm->Deigma().MarkColor(), (TColorPair{Qt::blue, Qt::white}));
    }, "btnApodoxn"));
    QCOMPARE(kwdikas->MarkColor(), (TColorPair{Qt::blue, Qt::white}));
    QCOMPARE(kwdikas->SelectedColor(), (TColorPair{Qt::blue, Qt::white}));
    QCOMPARE(kuriosXrwmatistns->MorfnAvagvwristikwv()->Foreground(), Kokkino);
    QSettings apo8nkn(ArxeioApo8nkns(), QSettings::IniFormat);
    QCOMPARE(apo8nkn.childGroups().size(), Plnr8osKlasewv);
    for (const QString& kleidi : apo8nkn.allKeys())
        QVERIFY2(!kleidi.startsWith(u"Γραμμή"_s), qPrintable(kleidi));

    kwdikas->SetSelectedColor({Qt::green, Qt::black});
    fm->Xrwmatistns().MorfnAvagvwristikwv()->SetForeground(Rgb(0, 0x80, 0));  // to be replaced on opening
    Evtoln([this] {
        Epilese(2);
        QCOMPARE(Plegma()->ForegroundIndex(), KeliKokkivou);
        Epilese(TfmXrwmata::StoixeioGrammnsEktelesns);
        QCOMPARE(Plegma()->BackgroundIndex(), KeliMple);
        QCOMPARE(fm->Deigma().SelectedColor(), (TColorPair{Qt::green, Qt::black}));
        QCOMPARE(fm->Deigma().SelStart(), 72);
    }, "btnMataiwsn");
}

QTEST_MAIN(TestXrwmata)
#include "tst_Xrwmata.moc"
