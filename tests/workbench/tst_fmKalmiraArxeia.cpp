// The main window's file, insert and editing commands, driven through its menus and dialogs.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "tests/workbench/Voithitika.h"

using namespace kalmira;

namespace {

QByteArray Bytes(const QString& diadromn)
{
    QFile f(diadromn);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Grapse(const QString& diadromn, const QByteArray& bytes)
{
    QFile f(diadromn);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Answers the next file dialog with a path, or cancels it when the path is empty.
void ApavtnsnDialogou(const QString& diadromn, QString* protasn = nullptr)
{
    OtavEmfanistei<QFileDialog>([diadromn, protasn](QFileDialog& d) {
        if (protasn)
            *protasn = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        if (diadromn.isEmpty()) {
            d.reject();
            return;
        }
        d.selectFile(diadromn);
        static_cast<QDialog&>(d).accept();
    });
}

// Answers the next question with a button, keeping its text.
void ApavtnsnErwtnsns(QMessageBox::StandardButton koumpi, QString* keimevo = nullptr)
{
    OtavEmfanistei<QMessageBox>([koumpi, keimevo](QMessageBox& m) {
        if (keimevo)
            *keimevo = m.text();
        // A message has one button of its own, the default one.
        QAbstractButton* b = m.button(koumpi) ? m.button(koumpi) : m.defaultButton();
        b->click();
    });
}

}  // namespace

class tst_fmKalmiraArxeia final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup()
    {
        p.reset();
        QCOMPARE(AnapavtnteesApavtnseis(), 0);
    }

    void ErwtnsnAllagwv();
    void Apo8nkeusnKaiAvoigma();
    void ProtasnOvomatosApoTnvEpikefalida();
    void ArxeioKwdikoselidas();
    void ApotuxiaApo8nkeusns();
    void KleisimoMeAllages();
    void MenouEisagwgns();
    void EvergopoinsnEpe3ergasias();
    void Grammatoseira();
    void Egxeiridio();

private:
    QTemporaryDir apo8nkn;
    QTemporaryDir fakelos;
    std::unique_ptr<TfmKalmira> p;
};

void tst_fmKalmiraArxeia::init()
{
    p = NeoPara8uro(apo8nkn);
}

void tst_fmKalmiraArxeia::ErwtnsnAllagwv()
{
    Plnktrolognsn(*p, QStringLiteral("a"));
    QVERIFY(p->sxeKwdikas->Modified());
    const QString keimevo = p->sxeKwdikas->Text();
    // Cancel keeps everything.
    QString erwtnsn;
    ApavtnsnErwtnsns(QMessageBox::Cancel, &erwtnsn);
    p->miDnmiourgia->trigger();
    QCOMPARE(erwtnsn, QStringLiteral("Έχετε τροποποιήσει το πρόγραμμα «Ανώνυμο πρόγραμμα».\r\n"
                                     "Θέλετε να αποθηκεύσετε τις αλλαγές;"));
    QCOMPARE(p->sxeKwdikas->Text(), keimevo);
    // Yes, then a cancelled save dialog, abandons the command.
    ApavtnsnErwtnsns(QMessageBox::Yes);
    ApavtnsnDialogou({});
    p->miDnmiourgia->trigger();
    QCOMPARE(p->sxeKwdikas->Text(), keimevo);
    QVERIFY(p->sxeKwdikas->Modified());
    // No goes on without saving.
    ApavtnsnErwtnsns(QMessageBox::No);
    p->miDnmiourgia->trigger();
    QCOMPARE(p->sxeKwdikas->LineCount(), 0);
    QVERIFY(!p->sxeKwdikas->Modified());
    QCOMPARE(p->sbPanel[1]->text(), QStringLiteral("Αποθηκευμένο"));
    QCOMPARE(p->windowTitle(), QStringLiteral("Ανώνυμο πρόγραμμα - Διερμηνευτής της Καλμίρας"));
}

void tst_fmKalmiraArxeia::Apo8nkeusnKaiAvoigma()
{
    // After New, Ctrl+S opens the save dialog; a name without extension gets ".καλμίρα".
    const QString diadromn = fakelos.filePath(QStringLiteral("Άσκηση"));
    ApavtnsnDialogou(diadromn);
    Plnktro(*p, Qt::Key_S, Qt::ControlModifier);
    const QString arxeio = diadromn + QStringLiteral(".καλμίρα");
    QCOMPARE(p->OvomaArxeiou(), arxeio);
    QCOMPARE(p->windowTitle(), QDir::toNativeSeparators(arxeio) + QStringLiteral(" - Διερμηνευτής της Καλμίρας"));
    const QByteArray bytes = Bytes(arxeio);
    QVERIFY(bytes.startsWith("\xFF\xFE"));
    QVERIFY(bytes.endsWith(QByteArray("\r\0\n\0", 4)));
    QCOMPARE(bytes.count(QByteArray("\r\0\n\0", 4)), 14);
    QVERIFY(p->miApo8nkeusn->isEnabled());
    QCOMPARE(p->miApo8nkeusn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QVERIFY(p->miApo8nkeusnWs->shortcut().isEmpty());
    QCOMPARE(p->tbApo8nkeusn->text(), p->miApo8nkeusn->text());

    // Named: Ctrl+S saves without a dialog.
    Plnktrolognsn(*p, QStringLiteral("!"));
    Plnktro(*p, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!p->sxeKwdikas->Modified());
    QVERIFY(Bytes(arxeio).startsWith(QByteArray("\xFF\xFE!\0", 4)));

    // Open brings the same lines back.
    const QStringList grammes = p->sxeKwdikas->Lines();
    p->miDnmiourgia->trigger();
    ApavtnsnDialogou(arxeio);
    p->miAvoigma->trigger();
    QCOMPARE(p->sxeKwdikas->Lines(), grammes);
    QCOMPARE(p->OvomaArxeiou(), arxeio);
    QVERIFY(!p->sxeKwdikas->Modified());
}

void tst_fmKalmiraArxeia::ProtasnOvomatosApoTnvEpikefalida()
{
    p->sxeKwdikas->SetText(QStringLiteral("Πρόγραμμα Άσκηση1\r\nΑρχή\r\nΤέλος_προγράμματος\r\n"));
    p->miMetaglwttisnClick();
    QString protasn;
    ApavtnsnDialogou({}, &protasn);
    p->miApo8nkeusnWs->trigger();
    QCOMPARE(protasn, QStringLiteral("Άσκηση1"));
    QVERIFY(p->OvomaArxeiou().isEmpty());
}

void tst_fmKalmiraArxeia::ArxeioKwdikoselidas()
{
    // Windows-1253 Greek without a byte-order mark opens intact and is saved as UTF-16.
    const QString arxeio = fakelos.filePath(QStringLiteral("παλιό.txt"));
    Grapse(arxeio, QByteArray("\xD0\xF1\xFC\xE3\xF1\xE1\xEC\xEC\xE1 \xC1\r\n\xC1\xF1\xF7\xDE\r\n"
                              "\xD4\xDD\xEB\xEF\xF2_\xF0\xF1\xEF\xE3\xF1\xDC\xEC\xEC\xE1\xF4\xEF\xF2\r\n"));
    QVERIFY(p->AvoigmaArxeiou(arxeio));
    QCOMPARE(p->sxeKwdikas->Line(0), QStringLiteral("Πρόγραμμα Α"));
    QCOMPARE(p->sxeKwdikas->Line(2), QStringLiteral("Τέλος_προγράμματος"));
    QVERIFY(p->miApo8nkeusnClick());
    QCOMPARE(Bytes(arxeio).left(6), QByteArray("\xFF\xFE\xA0\x03\xC1\x03", 6));
}

void tst_fmKalmiraArxeia::ApotuxiaApo8nkeusns()
{
    const QString arxeio = fakelos.filePath(QStringLiteral("α.καλμίρα"));
    ApavtnsnDialogou(arxeio);
    p->miApo8nkeusnWs->trigger();
    QCOMPARE(p->OvomaArxeiou(), arxeio);
    Plnktrolognsn(*p, QStringLiteral("!"));
    // The file's place is taken by a folder: the save fails, says why, and changes nothing.
    QVERIFY(QFile::remove(arxeio));
    QVERIFY(QDir(fakelos.path()).mkdir(QStringLiteral("α.καλμίρα")));
    QString mnvuma;
    ApavtnsnErwtnsns(QMessageBox::Ok, &mnvuma);
    QVERIFY(!p->miApo8nkeusnClick());
    QVERIFY2(mnvuma.contains(QStringLiteral("α.καλμίρα")), qPrintable(mnvuma));
    QVERIFY(p->sxeKwdikas->Modified());
    QCOMPARE(p->sbPanel[1]->text(), QStringLiteral("Τροποποιημένο"));
    QCOMPARE(p->OvomaArxeiou(), arxeio);

    // A failed Save as (to a link that leads into a folder that does not exist) keeps the old name
    // and caption.
    const QString titlos = p->windowTitle();
    const QString desmos = fakelos.filePath(QStringLiteral("β.καλμίρα"));
    QVERIFY(QFile::link(fakelos.filePath(QStringLiteral("δεν/υπάρχει.καλμίρα")), desmos));
    ApavtnsnDialogou(desmos);
    ApavtnsnErwtnsns(QMessageBox::Ok);
    QVERIFY(!p->miApo8nkeusnWsClick());
    QCOMPARE(p->windowTitle(), titlos);
    QCOMPARE(p->OvomaArxeiou(), arxeio);
}

void tst_fmKalmiraArxeia::KleisimoMeAllages()
{
    Plnktrolognsn(*p, QStringLiteral("a"));
    ApavtnsnErwtnsns(QMessageBox::Cancel);
    p->close();
    QVERIFY(p->isVisible());
    ApavtnsnErwtnsns(QMessageBox::No);
    p->close();
    QVERIFY(!p->isVisible());
}

void tst_fmKalmiraArxeia::MenouEisagwgns()
{
    p->sxeKwdikas->SetText(QStringLiteral("    \r\n"));
    p->sxeKwdikas->SetCaretXY({4, 0});
    QAction* ovo = p->mnEisagwgn->findChild<QAction*>(QStringLiteral("miOsoEpavalabe"));
    QVERIFY(ovo);
    ovo->trigger();
    QCOMPARE(p->sxeKwdikas->Line(0), QStringLiteral("    Όσο  επανάλαβε"));
    QCOMPARE(p->sxeKwdikas->Line(1), QStringLiteral("      "));
    QCOMPARE(p->sxeKwdikas->Line(2), QStringLiteral("    τέλος_επανάληψης"));
    QCOMPARE(p->sxeKwdikas->CaretXY().Column, 8);
    QCOMPARE(p->sxeKwdikas->CaretXY().Line, 0);
    // With the focus in the user screen nothing is inserted.
    p->seO8ovnXrnstn->setFocus();
    QApplication::processEvents();
    const QString prin = p->sxeKwdikas->Text();
    ovo->trigger();
    QCOMPARE(p->sxeKwdikas->Text(), prin);
}

void tst_fmKalmiraArxeia::EvergopoinsnEpe3ergasias()
{
    QApplication::clipboard()->setText(QStringLiteral("x"));
    QVERIFY(!p->miApokopn->isEnabled());
    QVERIFY(p->miEpikollnsn->isEnabled());
    QVERIFY(p->miEpilognOlwv->isEnabled());
    Plnktro(*p, Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(p->miApokopn->isEnabled());
    QVERIFY(p->miAvtigrafn->isEnabled());
    p->seO8ovnXrnstn->setFocus();
    QApplication::processEvents();
    for (QAction* a : {p->miAvairesn, p->miApokopn, p->miAvtigrafn, p->miEpikollnsn, p->miDiagrafn, p->miEpilognOlwv})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
}

void tst_fmKalmiraArxeia::Grammatoseira()
{
    QFont grammatoseira = p->sxeKwdikas->Font();
    grammatoseira.setPointSize(12);
    p->OriseGrammatoseira(grammatoseira);
    QCOMPARE(p->sxeKwdikas->LineNumberFont().pointSize(), 10);
    QCOMPARE(p->sxeKwdikas->GutterWidth(), 3 * p->sxeKwdikas->CharWidth());
    QCOMPARE(p->seO8ovnXrnstn->Font().pointSize(), 12);
    grammatoseira.setPointSize(11);
    p->OriseGrammatoseira(grammatoseira);
    QCOMPARE(p->sxeKwdikas->LineNumberFont().pointSize(), 9);
    grammatoseira.setPointSize(10);
    p->OriseGrammatoseira(grammatoseira);
    QCOMPARE(p->sxeKwdikas->LineNumberFont().pointSize(), 8);
}

void tst_fmKalmiraArxeia::Egxeiridio()
{
    // F1 opens egxeiridio/index.htm of the current folder with the desktop's handler.
    QVERIFY(QDir(fakelos.path()).mkpath(QStringLiteral("egxeiridio")));
    Grapse(fakelos.filePath(QStringLiteral("egxeiridio/index.htm")), "<html></html>");
    const QString prin = QDir::currentPath();
    QVERIFY(QDir::setCurrent(fakelos.path()));
    QList<QUrl> avoiktes;
    bool petuxaivei = true;
    p->AvoigmaDieu8uvsns = [&](const QUrl& url) {
        avoiktes << url;
        return petuxaivei;
    };
    Plnktro(*p, Qt::Key_F1);
    QCOMPARE(avoiktes, QList<QUrl>{QUrl::fromLocalFile(fakelos.filePath(QStringLiteral("egxeiridio/index.htm")))});
    // When the desktop cannot open it, the message says so.
    petuxaivei = false;
    QString mnvuma;
    ApavtnsnErwtnsns(QMessageBox::Ok, &mnvuma);
    Plnktro(*p, Qt::Key_F1);
    QCOMPARE(mnvuma, QStringLiteral("Δεν μπόρεσα να ανοίξω το αρχείο βοήθειας egxeiridio\\index.htm"));
    QVERIFY(QDir::setCurrent(prin));
}

QTEST_MAIN(tst_fmKalmiraArxeia)
#include "tst_fmKalmiraArxeia.moc"
