// The about box: its texts and icon, its two links followed by mouse and keyboard, and the
// messages when the platform cannot open them.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "settings/Sxetika.h"

using namespace kalmira;

namespace {

QIcon Eikonidio(QColor xrwma)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(xrwma);
    return QIcon(pixmap);
}

template <typename T>
T* Stoixeio(const TabSxetika& fm, const char* ovoma)
{
    return fm.findChild<T*>(QString::fromLatin1(ovoma));
}

}  // namespace

class TestSxetika final : public QObject {
    Q_OBJECT
private slots:
    void textsAndIcon();
    void linksOpenTheirAddresses();
    void failingOpenerShowsTheMessage_data();
    void failingOpenerShowsTheMessage();
};

void TestSxetika::textsAndIcon()
{
    TabSxetika fm(nullptr, Eikonidio(Qt::red));
    QCOMPARE(fm.windowTitle(), QStringLiteral("Πληροφορίες για την εφαρμογή"));
    QCOMPARE(Stoixeio<QLabel>(fm, "lbOvomaProiovtos")->text(), QStringLiteral("Διερμηνευτής της Καλμίρας"));
    QCOMPARE(Stoixeio<QLabel>(fm, "lbEkdosn")->text(), QStringLiteral("Έκδοση 0,8 άλφα"));
    QCOMPARE(Stoixeio<TSundesmos>(fm, "stxEMail")->text(), QStringLiteral("Ομάδα ανάπτυξης της Καλμίρας\nkalmira@merovan.gr"));
    QCOMPARE(Stoixeio<TSundesmos>(fm, "stxSite")->text(), QStringLiteral("https://merovan.gr/kalmira"));
    for (const char* ovoma : {"stxEMail", "stxSite"}) {
        const TSundesmos* link = Stoixeio<TSundesmos>(fm, ovoma);
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }
    QCOMPARE(Stoixeio<QPushButton>(fm, "btEvta3ei")->text(), QStringLiteral("Εντά&ξει"));
    const auto xrwmaEikonidiou = [](const TabSxetika& t) {
        const QImage icon = Stoixeio<QLabel>(t, "ProgramIcon")->pixmap().toImage();
        return icon.isNull() ? QColor() : icon.pixelColor(icon.width() / 2, icon.height() / 2);
    };
    QCOMPARE(xrwmaEikonidiou(fm), QColor(Qt::red));
    // Without an icon of its own, the box shows the application's.
    QApplication::setWindowIcon(Eikonidio(Qt::green));
    QCOMPARE(xrwmaEikonidiou(TabSxetika()), QColor(Qt::green));
    QApplication::setWindowIcon(QIcon());
}

void TestSxetika::linksOpenTheirAddresses()
{
    TabSxetika fm;
    QList<QUrl> opened;
    QStringList messages;
    fm.AvoigmaDieu8uvsns = [&](const QUrl& url) {
        opened << url;
        return true;
    };
    fm.EmfanisnMnvumatos = [&](QWidget*, const QString& keimevo) { messages << keimevo; };
    fm.show();
    auto* email = Stoixeio<TSundesmos>(fm, "stxEMail");
    auto* site = Stoixeio<TSundesmos>(fm, "stxSite");
    QTest::mouseClick(email, Qt::LeftButton);
    QTest::mouseClick(site, Qt::RightButton);  // not a click on a link
    site->setFocus();
    QTest::keyClick(site, Qt::Key_Space);
    QTest::keyClick(email, Qt::Key_Return);
    QTest::keyClick(email, Qt::Key_A);  // other keys do nothing
    QCOMPARE(opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:kalmira@merovan.gr")),
                                  QUrl(QStringLiteral("https://merovan.gr/kalmira")),
                                  QUrl(QStringLiteral("mailto:kalmira@merovan.gr"))}));
    QVERIFY(messages.isEmpty());
    QVERIFY(fm.isVisible());  // following a link leaves the box open
}

void TestSxetika::failingOpenerShowsTheMessage_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("message");
    QTest::newRow("e-mail") << QStringLiteral("stxEMail")
                            << QStringLiteral("Δεν μπόρεσα να εκτελέσω την εντολή mailto:kalmira@merovan.gr");
    QTest::newRow("web page") << QStringLiteral("stxSite")
                              << QStringLiteral("Δεν μπόρεσα να ανοίξω την ιστοσελίδα https://merovan.gr/kalmira");
}

// The message reaches the user in a box over the about box, captioned "Καλμίρα", with a Greek button.
void TestSxetika::failingOpenerShowsTheMessage()
{
    QFETCH(QString, link);
    QFETCH(QString, message);
    TabSxetika fm;
    fm.AvoigmaDieu8uvsns = [](const QUrl&) { return false; };
    fm.show();
    QWidget* parent = nullptr;
    QString caption, text, button;
    QTimer::singleShot(0, &fm, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        parent = box->parentWidget();
        caption = box->windowTitle();
        text = box->text();
        button = box->buttons().value(0)->text();
        box->buttons().value(0)->click();
    });
    QTest::mouseClick(fm.findChild<TSundesmos*>(link), Qt::LeftButton);
    QCOMPARE(parent, &fm);
    QCOMPARE(caption, QStringLiteral("Καλμίρα"));
    QCOMPARE(text, message);
    QCOMPARE(button, QStringLiteral("Εντάξει"));
}

QTEST_MAIN(TestSxetika)
#include "tst_Sxetika.moc"
