// The language highlighter: token classes on the edge cases of the language, token information,
// the change notification, and the colours written to and read back from a settings file, sound
// or damaged.
#include <QApplication>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <limits>

#include "editor/SyntaxEditor.h"
#include "settings/KalmiraHighlighter.h"

using namespace kalmira;
using namespace Qt::StringLiterals;

namespace {

// The tokens of a line as "text:class" items, so that a failure shows the whole line.
QStringList Tokens(TKalmiraHighlighter& highlighter, const QString& line)
{
    QStringList tokens;
    int covered = 0;
    for (highlighter.SetLine(line, 0); !highlighter.GetEol(); highlighter.Next()) {
        // Tokens follow each other without gaps or overlaps.
        if (highlighter.GetTokenPos() != covered)
            tokens << QStringLiteral("<gap>");
        covered = highlighter.GetTokenPos() + static_cast<int>(highlighter.GetToken().size());
        tokens << highlighter.GetToken() + u':' + QString::number(highlighter.GetTokenKind());
    }
    if (covered != line.size() && !line.contains(QChar(0)))
        tokens << QStringLiteral("<short>");
    return tokens;
}

// Loads into `highlighter` a settings file holding `times` (key, value), followed by the raw bytes
// `skoupidia`.
void Fortwse(TKalmiraHighlighter& highlighter, const QList<std::pair<QString, QVariant>>& times,
             const QByteArray& skoupidia = {})
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("xrwmata.ini"));
    {
        QSettings store(path, QSettings::IniFormat);
        for (const auto& [kleidi, timn] : times)
            store.setValue(kleidi, timn);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(skoupidia);
    file.close();
    QSettings store(path, QSettings::IniFormat);
    highlighter.FortwseXrwmata(store);
}

}  // namespace

class TestKalmiraHighlighter final : public QObject {
    Q_OBJECT
private slots:
    void tokenClasses_data();
    void tokenClasses();
    void tokenInfoResolvesSystemColours();
    void wordCharacters();
    void changesNotifyOnce();
    void coloursReachTheEditor();
    void settingsRoundTrip();
    void damagedValuesArePassedOver_data();
    void damagedValuesArePassedOver();
    void coloursThatHideTheTextAreNotTaken();
    void damagedFileLoadsWhatItCan();
    void windowColoursBeforeAnyStoredSetting();
};

void TestKalmiraHighlighter::tokenClasses_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("tokens");
    const auto row = [](const char* name, const QString& line, const QStringList& tokens) {
        QTest::newRow(name) << line << tokens;
    };
    row("empty line", QString(), {});
    row("real constant", QStringLiteral("3,14"), {"3,14:263"});
    row("comma and blank", QStringLiteral("3, 14"), {"3:262", ",:265", " :257", "14:262"});
    row("point is a symbol", QStringLiteral("3.14"), {"3:262", ".:265", "14:262"});
    row("comma without digit", QStringLiteral("3,a"), {"3:262", ",:265", "a:261"});
    row("keywords in any case", QStringLiteral("αν ΑΝ άν"), {"αν:259", " :257", "ΑΝ:259", " :257", "άν:259"});
    row("boolean constants are keywords", QStringLiteral("Αληθής ΨΕΥΔΗΣ"), {"Αληθής:259", " :257", "ΨΕΥΔΗΣ:259"});
    row("div is Latin", QStringLiteral("5 div 2"), {"5:262", " :257", "div:261", " :257", "2:262"});
    row("Latin identifier", QStringLiteral("x1_y"), {"x1_y:261"});
    row("Greek identifier", QStringLiteral("χ1_α"), {"χ1_α:260"});
    row("Greek word ends at a Latin letter", QStringLiteral("αx2β"), {"α:260", "x2:261", "β:260"});
    row("keyword with underscore", QStringLiteral("Τέλος_προγράμματος"), {"Τέλος_προγράμματος:259"});
    row("ano teleia is no letter", QStringLiteral("α·"), {"α:260", "·:266"});
    row("comment after code", QStringLiteral("α ← 1 !σχόλιο 'x'"),
        {"α:260", " :257", "←:265", " :257", "1:262", " :257", "!σχόλιο 'x':258"});
    row("! inside a string", QStringLiteral("'α!β' !σχ"), {"'α!β':264", " :257", "!σχ:258"});
    row("double-quoted string", QStringLiteral("\"ab\" x"), {"\"ab\":264", " :257", "x:261"});
    row("unclosed string runs to the end", QStringLiteral("\"ab !c"), {"\"ab !c:264"});
    row("other quote inside", QStringLiteral("'a\"b'"), {"'a\"b':264"});
    row("doubled quote splits the string", QStringLiteral("'it''s'"), {"'it':264", "'s':264"});
    row("quote right after opening", QStringLiteral("''''"), {"'''':264"});
    row("empty string", QStringLiteral("''"), {"'':264"});
    row("typed arrow is three symbols", QStringLiteral("x<--1"), {"x:261", "<:265", "-:265", "-:265", "1:262"});
    row("normalized operators", QStringLiteral("≠≤≥"), {"≠:265", "≤:265", "≥:265"});
    row("invalid characters", QStringLiteral("# _ «"), {"#:266", " :257", "_:266", " :257", "«:266"});
    row("underscore before a word", QStringLiteral("_α"), {"_:266", "α:260"});
    row("tabs and control characters are blanks", QStringLiteral("\t \x01x"), {"\t \x01:257", "x:261"});
    row("a null ends the line", QStringLiteral("α") + QChar(0) + QStringLiteral("β"), {"α:260"});
    const QString face = QString::fromUtf16(u"\U0001F600");
    row("surrogate pair", face, {QString(face[0]) + QStringLiteral(":266"), QString(face[1]) + QStringLiteral(":266")});
}

void TestKalmiraHighlighter::tokenClasses()
{
    QFETCH(QString, line);
    QFETCH(QStringList, tokens);
    TKalmiraHighlighter highlighter;
    QCOMPARE(Tokens(highlighter, line), tokens);
}

void TestKalmiraHighlighter::tokenInfoResolvesSystemColours()
{
    TKalmiraHighlighter highlighter;
    highlighter.MorfnAvagvwristikwv()->SetAll(clWindow, clDefault, fsItalic | fsUnderline);
    const QString line = QStringLiteral("  όνομα");
    highlighter.SetLine(line, 0);
    highlighter.Next();
    const TTokenInfo info = highlighter.GetTokenInfo();
    QCOMPARE(info.Kind, int(klAvagvwristiko));
    QCOMPARE(info.Start, 2);
    QCOMPARE(info.Length, 5);
    QCOMPARE(info.Text, line.constData() + 2);
    QCOMPARE(info.Background, FromQColor(QGuiApplication::palette().color(QPalette::Base)));
    QCOMPARE(info.Foreground, clDefault);  // only the editor knows its own text colour
    QCOMPARE(info.Style, fsItalic | fsUnderline);
}

void TestKalmiraHighlighter::wordCharacters()
{
    TKalmiraHighlighter highlighter;
    for (QChar c : QStringLiteral("αΩάΐ_7xZ"))
        QVERIFY2(highlighter.IsWordChar(c), qPrintable(QString(c)));
    for (QChar c : QStringLiteral(" ·«←,'é"))
        QVERIFY2(!highlighter.IsWordChar(c), qPrintable(QString(c)));
}

void TestKalmiraHighlighter::changesNotifyOnce()
{
    TKalmiraHighlighter highlighter;
    QSignalSpy spy(&highlighter, &TSyntaxHighlighter::OnAttributeChange);
    highlighter.MorfnSxoliwv()->SetForeground(Rgb(1, 2, 3));
    QCOMPARE(spy.count(), 1);
    highlighter.MorfnSxoliwv()->SetForeground(Rgb(1, 2, 3));  // the same value again
    QCOMPARE(spy.count(), 1);
    highlighter.MorfnKevwv()->SetBackground(clWindow);
    highlighter.EpavaforaProepilogwv();  // ten attributes, one notification
    QCOMPARE(spy.count(), 3);
    QCOMPARE(highlighter.MorfnSxoliwv()->Foreground(), Rgb(0x80, 0x80, 0x80));
}

void TestKalmiraHighlighter::coloursReachTheEditor()
{
    TKalmiraHighlighter highlighter;
    TSyntaxEdit editor;
    editor.SetHighLighter(&highlighter);
    editor.SetText(QStringLiteral("Αρχή !σχόλιο"));
    QSignalSpy changes(&editor, &TSyntaxEdit::OnChange);
    const QTextDocument* document = editor.findChild<QPlainTextEdit*>()->document();
    const auto colourAt = [&](int position) {
        for (const QTextLayout::FormatRange& r : document->firstBlock().layout()->formats()) {
            if (position >= r.start && position < r.start + r.length)
                return r.format.foreground().color();
        }
        return QColor();
    };
    QCOMPARE(colourAt(0), QColor(0, 0, 0xFF));
    QCOMPARE(colourAt(6), QColor(0x80, 0x80, 0x80));
    highlighter.MorfnSxoliwv()->SetForeground(Rgb(0, 0x80, 0x80));
    QCOMPARE(colourAt(6), QColor(0, 0x80, 0x80));
    // Colouring is no edit of the user's.
    QCOMPARE(changes.count(), 0);
    QVERIFY(!editor.Modified());
    // Without the option the text is not coloured.
    editor.SetOptions(editor.Options() & ~TEditorOptions(eoUseSyntaxHighlighting));
    QCOMPARE(colourAt(0), QColor());
}

void TestKalmiraHighlighter::settingsRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("xrwmata.ini"));
    TKalmiraHighlighter saved;
    saved.MorfnKevwv()->SetAll(clWindow, clDefault, {});
    saved.MorfnSxoliwv()->SetAll(Rgb(0xFF, 0xFF, 0xFF), Rgb(0x80, 0x80, 0x80), fsItalic | fsStrikeOut);
    saved.MorfnAkurwv()->SetAll(Rgb(0xFF, 0, 0), Rgb(0xFF, 0xFF, 0), fsBold | fsUnderline);
    {
        QSettings store(path, QSettings::IniFormat);
        QVERIFY(saved.Apo8nkeuseXrwmata(store));
    }
    TKalmiraHighlighter loaded;
    loaded.MorfnAvagvwristikwv()->SetAll(Rgb(9, 9, 9), Rgb(9, 9, 9), fsStrikeOut);
    QSettings store(path, QSettings::IniFormat);
    loaded.FortwseXrwmata(store);
    for (int i = 0; i < Plnr8osKlasewv; ++i) {
        const THighlightAttributes* a = saved.Attribute(i);
        const THighlightAttributes* b = loaded.Attribute(i);
        QCOMPARE(b->Name(), a->Name());
        QCOMPARE(b->Background(), a->Background());
        QCOMPARE(b->Foreground(), a->Foreground());
        QCOMPARE(b->Style(), a->Style());
    }
}

void TestKalmiraHighlighter::damagedValuesArePassedOver_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QVariant>("stored");
    const auto row = [](const char* name, const char* value, const QVariant& stored) {
        QTest::newRow(name) << QString::fromUtf8(value) << stored;
    };
    row("colour as text", "Φόντο", QStringLiteral("όχι αριθμός"));
    row("colour as a list", "Φόντο", QStringList{QStringLiteral("1"), QStringLiteral("2")});
    row("colour above 32 bits", "Φόντο", qint64(1) << 32);
    row("colour below 32 bits", "Χρώμα", qint64(std::numeric_limits<qint32>::min()) - 1);
    row("no colour at all", "Χρώμα", 0x40000000);
    row("unknown system colour", "Χρώμα", static_cast<qint32>(0x800000FFu));
    row("system colour with stray bits", "Φόντο", static_cast<qint32>(0x80010005u));
    row("style flag 2", "Πλάγια", 2);
    row("style flag -1", "Πλάγια", -1);
    row("style flag as a word", "Πλάγια", QStringLiteral("ναι"));
}

// A damaged value is passed over like a missing one; the sound value beside it is still read.
void TestKalmiraHighlighter::damagedValuesArePassedOver()
{
    QFETCH(QString, value);
    QFETCH(QVariant, stored);
    TKalmiraHighlighter highlighter;
    XrwmataPara8urou(highlighter);
    Fortwse(highlighter, {{u"Σχόλιο/"_s + value, stored}, {u"Σχόλιο/Υπογραμμισμένα"_s, 1}});
    const THighlightAttributes* sxolio = highlighter.MorfnSxoliwv();
    QCOMPARE(sxolio->Background(), clWindow);
    QCOMPARE(sxolio->Foreground(), Rgb(0x80, 0x80, 0x80));
    QCOMPARE(sxolio->Style(), fsItalic | fsUnderline);
}

void TestKalmiraHighlighter::coloursThatHideTheTextAreNotTaken()
{
    TKalmiraHighlighter highlighter;
    XrwmataPara8urou(highlighter);
    highlighter.MorfnSxoliwv()->SetBackground(Rgb(0xFF, 0xFF, 0xFF));
    Fortwse(highlighter, {
        {u"Αναγνωριστικό/Φόντο"_s, 0}, {u"Αναγνωριστικό/Χρώμα"_s, 0},  // black on black
        {u"Αναγνωριστικό/Έντονα"_s, 1},
        {u"Σύμβολο/Χρώμα"_s, static_cast<qint32>(clWindow)},  // the window colour on itself
        // Text in the editor's own colour is always readable.
        {u"Κενός χώρος/Φόντο"_s, 0}, {u"Κενός χώρος/Χρώμα"_s, static_cast<qint32>(clDefault)},
        // The window colour as a system colour stored negative, and blue text on it: both taken.
        {u"Σχόλιο/Φόντο"_s, -2147483643}, {u"Σχόλιο/Χρώμα"_s, 16711680},
    });
    const THighlightAttributes* avagvwristiko = highlighter.MorfnAvagvwristikwv();
    QCOMPARE(avagvwristiko->Background(), clWindow);
    QCOMPARE(avagvwristiko->Foreground(), Rgb(0, 0, 0));
    QCOMPARE(avagvwristiko->Style(), fsItalic | fsBold);  // the style is still read
    QCOMPARE(highlighter.MorfnSumbolwv()->Foreground(), Rgb(0xFF, 0, 0));
    QCOMPARE(highlighter.MorfnKevwv()->Background(), Rgb(0, 0, 0));
    QCOMPARE(highlighter.MorfnKevwv()->Foreground(), clDefault);
    QCOMPARE(highlighter.MorfnSxoliwv()->Background(), clWindow);
    QCOMPARE(highlighter.MorfnSxoliwv()->Foreground(), Rgb(0, 0, 0xFF));
}

// A store file with garbage in it: the groups that can be read are, the rest keep the window
// colours, and no class ends with unreadable text.
void TestKalmiraHighlighter::damagedFileLoadsWhatItCan()
{
    TKalmiraHighlighter highlighter;
    XrwmataPara8urou(highlighter);
    Fortwse(highlighter, {{u"Σχόλιο/Χρώμα"_s, 255}},
            QByteArray("\n\x01\x02[[[\n=\n\xff\xfe garbage\n[") + QByteArray(1000, '\0') +
                QByteArray("\nx=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x12)\n@Invalid()=\n"));
    QCOMPARE(highlighter.MorfnSxoliwv()->Foreground(), Rgb(0xFF, 0, 0));
    QCOMPARE(highlighter.MorfnSxoliwv()->Background(), clWindow);
    for (int i = 0; i < Plnr8osKlasewv; ++i) {
        const THighlightAttributes* a = highlighter.Attribute(i);
        QVERIFY2(a->Foreground() == clDefault || ResolveColor(a->Foreground()) != ResolveColor(a->Background()),
                 qPrintable(a->Name()));
    }
}

void TestKalmiraHighlighter::windowColoursBeforeAnyStoredSetting()
{
    TKalmiraHighlighter defaults;
    for (const TKatoxosXrwmatwv katoxos : {kxKurioPara8uro, kxDialogosXrwmatwv}) {
        TKalmiraHighlighter highlighter;
        highlighter.MorfnSxoliwv()->SetAll(Rgb(1, 2, 3), Rgb(4, 5, 6), fsStrikeOut);  // anything before
        QSignalSpy spy(&highlighter, &TSyntaxHighlighter::OnAttributeChange);
        XrwmataPara8urou(highlighter, katoxos);
        QCOMPARE(spy.count(), 1);
        for (int i = 0; i < Plnr8osKlasewv - 1; ++i) {
            const THighlightAttributes* a = highlighter.Attribute(i);
            QCOMPARE(a->Background(), clWindow);
            QCOMPARE(a->Foreground(), defaults.Attribute(i)->Foreground());
            QCOMPARE(a->Style(), defaults.Attribute(i)->Style());
        }
        const THighlightAttributes* akuroi = highlighter.MorfnAkurwv();
        QCOMPARE(akuroi->Background(), Rgb(0xFF, 0, 0));
        QCOMPARE(akuroi->Foreground(), katoxos == kxKurioPara8uro ? Rgb(0, 0, 0) : Rgb(0xFF, 0xFF, 0));
        QCOMPARE(akuroi->Style(), TFontStyles(fsBold));
    }
}

QTEST_MAIN(TestKalmiraHighlighter)
#include "tst_KalmiraHighlighter.moc"
