// The Greek translator of Qt's own texts, checked on the widgets a pupil meets: if a context or a
// source text in the table is not the one Qt asks for, the widget keeps its English and the test
// fails.
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "workbench/uMetafrasn.h"

using namespace kalmira;

class TestMetafrasn : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        EgkatastasnEllnvikwv(*qApp);
        EgkatastasnEllnvikwv(*qApp);
        QCOMPARE(qApp->findChildren<TEllnviknMetafrasn*>().size(), 1);
    }

    void messageBoxButtons()
    {
        QMessageBox mb(QMessageBox::Question, u"Καλμίρα"_qs, u"Να αποθηκευτούν οι αλλαγές;"_qs,
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(mb.button(QMessageBox::No)->text(), u"Ό&χι"_qs);
        QCOMPARE(mb.button(QMessageBox::Cancel)->text(), u"Άκυρο"_qs);
    }

    void fileDialog()
    {
        QTemporaryDir fakelos;
        QFileDialog fd(nullptr, QString(), fakelos.path(), u"*.καλμίρα"_qs);
        fd.setOption(QFileDialog::DontUseNativeDialog);
        fd.setAcceptMode(QFileDialog::AcceptOpen);
        auto* koumpia = fd.findChild<QDialogButtonBox*>();
        QCOMPARE(fd.windowTitle(), u"Άνοιγμα"_qs);
        QCOMPARE(koumpia->button(QDialogButtonBox::Open)->text(), u"Ά&νοιγμα"_qs);
        QCOMPARE(fd.findChild<QToolButton*>(u"backButton"_qs)->toolTip(), u"Πίσω"_qs);
        QCOMPARE(fd.findChild<QLabel*>(u"fileNameLabel"_qs)->text(), u"Όνομα &αρχείου:"_qs);
        QCOMPARE(fd.findChild<QTreeView*>(u"treeView"_qs)->model()->headerData(0, Qt::Horizontal).toString(), u"Όνομα"_qs);

        fd.setAcceptMode(QFileDialog::AcceptSave);
        QCOMPARE(fd.windowTitle(), u"Αποθήκευση ως"_qs);
        QCOMPARE(koumpia->button(QDialogButtonBox::Save)->text(), u"Α&ποθήκευση"_qs);
    }

    void fontDialog()
    {
        QFontDialog fd;
        fd.setOptions(QFontDialog::MonospacedFonts | QFontDialog::DontUseNativeDialog);
        QCOMPARE(fd.windowTitle(), u"Επιλογή γραμματοσειράς"_qs);
        QSet<QString> keimeva;
        for (const QLabel* l : fd.findChildren<QLabel*>())
            keimeva << l->text();
        for (const QCheckBox* c : fd.findChildren<QCheckBox*>())
            keimeva << c->text();
        for (const QGroupBox* g : fd.findChildren<QGroupBox*>())
            keimeva << g->title();
        const QSet<QString> anamevomeva{u"&Γραμματοσειρά"_qs, u"&Στυλ γραμματοσειράς"_qs, u"&Μέγεθος"_qs,
                                        u"Σύστημα γ&ραφής"_qs, u"&Διακριτή διαγραφή"_qs, u"&Υπογράμμιση"_qs,
                                        u"Εφέ"_qs, u"Δείγμα"_qs};
        QVERIFY2(keimeva.contains(anamevomeva), qPrintable(QStringList(keimeva.values()).join(u" | ")));
    }

    void lineEditContextMenu()
    {
        QLineEdit pedio(u"κείμενο"_qs);
        std::unique_ptr<QMenu> menou(pedio.createStandardContextMenu());
        QStringList keimeva;
        for (const QAction* a : menou->actions())
            if (!a->isSeparator())
                keimeva << a->text().section(u'\t', 0, 0);  // without the shortcut after the tab
        QCOMPARE(keimeva, (QStringList{u"Αναίρεσ&η"_qs, u"Ακύρωση α&ναίρεσης"_qs, u"Αποκο&πή"_qs, u"Αντι&γραφή"_qs,
                                       u"&Επικόλληση"_qs, u"&Διαγραφή"_qs, u"Επιλογή ό&λων"_qs}));
    }

    // Key caps keep their printed names, arrows are named in Greek, and every shown text still
    // reads back as the same key.
    void keyNames()
    {
        const QList<std::pair<QString, QString>> periptwseis{
            {u"Ctrl+Alt+Left"_qs, u"Ctrl+Alt+Αριστερά"_qs}, {u"Del"_qs, u"Del"_qs}, {u"Esc"_qs, u"Esc"_qs},
            {u"Shift+Ctrl+F11"_qs, u"Ctrl+Shift+F11"_qs},   {u"Alt+F4"_qs, u"Alt+F4"_qs},
            {u"Ctrl+Alt+="_qs, u"Ctrl+Alt+="_qs},           {u"Ctrl+Space"_qs, u"Ctrl+Διάστημα"_qs}};
        for (const auto& [pliktra, keimevo] : periptwseis) {
            const QKeySequence k = QKeySequence::fromString(pliktra, QKeySequence::PortableText);
            QCOMPARE(k.toString(QKeySequence::NativeText), keimevo);
            QCOMPARE(QKeySequence::fromString(keimevo, QKeySequence::NativeText), k);
            QCOMPARE(QKeySequence(pliktra), k);
        }
    }

    // Every entry keeps its source's placeholders and line breaks, has an access key exactly when
    // the source has one (never on an accented letter), and is reached by its own key.
    void tableIsConsistent()
    {
        static const QRegularExpression kPlaceholder(u"%\\d"_qs);
        auto pistes = [](const QString& s) {
            QStringList p;
            for (auto it = kPlaceholder.globalMatch(s); it.hasNext();)
                p << it.next().captured();
            p.sort();
            return p;
        };
        auto kleidiaProsbasns = [](const QString& s) { return s.count(u'&') - 2 * s.count(u"&&"); };
        QSet<QString> kleidia;
        for (const TMetafrasnQt& m : MetafraseisQt()) {
            const QString pngaio = QString::fromUtf8(m.pngaio), ellnvika = QString::fromUtf8(m.ellnvika);
            const QString ti = QStringLiteral("%1 / %2 / %3").arg(m.plaisio, pngaio, m.e3ngnsn);
            QVERIFY2(!kleidia.contains(ti), qPrintable(ti));
            kleidia << ti;
            QVERIFY2(pistes(pngaio) == pistes(ellnvika), qPrintable(ti));
            QVERIFY2(pngaio.count(u'\n') == ellnvika.count(u'\n'), qPrintable(ti));
            if (kleidiaProsbasns(pngaio) > 0)
                QVERIFY2(kleidiaProsbasns(ellnvika) == 1, qPrintable(ti));
            QVERIFY2(kleidiaProsbasns(ellnvika) <= 1, qPrintable(ti));
            const qsizetype amp = ellnvika.indexOf(u'&');
            if (amp >= 0)
                QVERIFY2(!QStringLiteral("άέήίόύώΆΈΉΊΌΎΏ").contains(ellnvika.at(amp + 1)), qPrintable(ti));
            QCOMPARE(QCoreApplication::translate(m.plaisio, m.pngaio, *m.e3ngnsn ? m.e3ngnsn : nullptr), ellnvika);
        }
        QCOMPARE(QCoreApplication::translate("QPageSize", "Envelope C5"), u"Φάκελος C5"_qs);
        QCOMPARE(QCoreApplication::translate("QShortcut", "Ctrl"), u"Ctrl"_qs);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Alt+Left"), u"Alt+Left"_qs);
    }
};

QTEST_MAIN(TestMetafrasn)
#include "tst_Metafrasn.moc"
