#include "settings/KalmiraHighlighter.h"

#include <limits>
#include <optional>
#include <string_view>

#include "front/uLektikosAvalutns.h"

namespace kalmira {

namespace {

// The attribute names, in class order: shown in the colours dialog and used as settings keys.
const std::array<QString, Plnr8osKlasewv> OvomataMorfwv{
    QStringLiteral("Κενός χώρος"),     QStringLiteral("Σχόλιο"),
    QStringLiteral("Δεσμευμένη λέξη"), QStringLiteral("Αναγνωριστικό"),
    QStringLiteral("Αγγλικά γράμματα"), QStringLiteral("Ακέραια σταθερά"),
    QStringLiteral("Πραγματική σταθερά"), QStringLiteral("Αλφαριθμητικό"),
    QStringLiteral("Σύμβολο"),         QStringLiteral("Άκυρος χαρακτήρας"),
};

struct TProepilogn {
    TColor Fovto;
    TColor Xrwma;
    TFontStyles Stul;
};

constexpr TColor Leuko = Rgb(0xFF, 0xFF, 0xFF);

// The default table, in class order.
const std::array<TProepilogn, Plnr8osKlasewv> Proepiloges{{
    {Leuko, clDefault, {}},
    {Leuko, Rgb(0x80, 0x80, 0x80), fsItalic},
    {Leuko, Rgb(0x00, 0x00, 0xFF), fsBold},
    {Leuko, Rgb(0x00, 0x00, 0x00), fsItalic},
    {Leuko, Rgb(0xFF, 0x00, 0xFF), fsBold},
    {Leuko, Rgb(0x00, 0x80, 0x00), {}},
    {Leuko, Rgb(0x80, 0x80, 0x00), {}},
    {Leuko, Rgb(0x80, 0x00, 0x80), fsItalic},
    {Leuko, Rgb(0xFF, 0x00, 0x00), fsBold},
    {Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0xFF, 0x00), fsBold},
}};

// The six values of a class's key.
const QString TimnFovto = QStringLiteral("Φόντο");
const QString TimnXrwma = QStringLiteral("Χρώμα");

struct TTimnStul {
    QString Ovoma;
    TFontStyle Stul;
};

const std::array<TTimnStul, 4> TimesStul{{
    {QStringLiteral("Έντονα"), fsBold},
    {QStringLiteral("Πλάγια"), fsItalic},
    {QStringLiteral("Υπογραμμισμένα"), fsUnderline},
    {QStringLiteral("Διαγραμμένα"), fsStrikeOut},
}};

// A stored integer, if the value exists and reads as one.
std::optional<qint64> DiabaseAkeraio(const QSettings& apo8nkn, const QString& ovoma)
{
    if (!apo8nkn.contains(ovoma))
        return std::nullopt;
    bool ok = false;
    const qint64 timn = apo8nkn.value(ovoma).toLongLong(&ok);
    return ok ? std::optional<qint64>(timn) : std::nullopt;
}

// A stored colour, if it is one: a 32-bit integer (read back as negative when its highest bit is
// set, which keeps its bits) holding a plain colour, the default text colour or a known system
// colour. Anything else is damage and is passed over.
std::optional<TColor> DiabaseXrwma(const QSettings& apo8nkn, const QString& ovoma)
{
    const auto timn = DiabaseAkeraio(apo8nkn, ovoma);
    if (!timn || *timn < std::numeric_limits<qint32>::min() || *timn > std::numeric_limits<quint32>::max())
        return std::nullopt;
    const auto xrwma = static_cast<TColor>(static_cast<quint32>(*timn));
    return IsValidColor(xrwma) ? std::optional<TColor>(xrwma) : std::nullopt;
}

// A stored style flag, if it is 0 or 1.
std::optional<bool> DiabaseStul(const QSettings& apo8nkn, const QString& ovoma)
{
    const auto timn = DiabaseAkeraio(apo8nkn, ovoma);
    if (!timn || (*timn != 0 && *timn != 1))
        return std::nullopt;
    return *timn == 1;
}

// Text drawn in the colour of its own background cannot be read. The default text colour is the
// editor's, and the editor keeps it apart from its background.
bool AorataGrammata(TColor fovto, TColor xrwma)
{
    return fovto != clDefault && xrwma != clDefault && ResolveColor(fovto) == ResolveColor(xrwma);
}

}  // namespace

TKalmiraHighlighter::TKalmiraHighlighter(QObject* parent) : TSyntaxHighlighter(parent)
{
    for (int i = 0; i < Plnr8osKlasewv; ++i) {
        morfes_[i] = std::make_unique<THighlightAttributes>(OvomataMorfwv[i]);
        connect(morfes_[i].get(), &THighlightAttributes::OnChange, this, &TKalmiraHighlighter::DefHighlightChange);
    }
    EpavaforaProepilogwv();
    SetDefaultFilter(QStringLiteral("Προγράμματα της Καλμίρας - (*.καλμίρα, *.uni, *.txt)|*.καλμίρα;*.uni;*.txt"));
}

TKalmiraHighlighter::~TKalmiraHighlighter() = default;

THighlightAttributes* TKalmiraHighlighter::Morfn(int klasn) const
{
    return Attribute(klasn - ProtnKlasn);
}

QString TKalmiraHighlighter::LanguageName() const
{
    return QStringLiteral("Καλμίρα");
}

THighlightAttributes* TKalmiraHighlighter::Attribute(int index) const
{
    return index >= 0 && index < Plnr8osKlasewv ? morfes_[index].get() : nullptr;
}

unsigned TKalmiraHighlighter::Capabilities() const
{
    return TSyntaxHighlighter::Capabilities() | hcUserSettings;
}

bool TKalmiraHighlighter::IsWordChar(QChar c) const
{
    const char16_t x = c.unicode();
    return EivaiPsnfio(x) || EivaiGramma(x) || x == u'_';
}

QString TKalmiraHighlighter::GetToken() const
{
    return line_.mid(tokenStart_, run_ - tokenStart_).toString();
}

TTokenInfo TKalmiraHighlighter::GetTokenInfo() const
{
    const THighlightAttributes& morfn = *morfes_[klasn_ - ProtnKlasn];
    return {line_.data() + tokenStart_, klasn_, tokenStart_, run_ - tokenStart_, ResolveColor(morfn.Background()),
            ResolveColor(morfn.Foreground()), morfn.Style()};
}

// ---------------------------------------------------------------------------------------------
// Scanning

void TKalmiraHighlighter::SetLine(QStringView line, int)
{
    atEnd_ = false;
    line_ = line;
    run_ = 0;
    Next();
}

// Next token: the first rule that fits the character at the run position, in this order.
void TKalmiraHighlighter::Next()
{
    tokenStart_ = run_;
    const char16_t c = Xarakthras(run_);
    if (c == u'\0') {
        atEnd_ = true;
    } else if (c <= 32) {
        Kevo();
    } else if (c == u'!') {
        Sxolio();
    } else if (c == u'\'' || c == u'"') {
        Alfari8mntiko(c);
    } else if (EivaiPsnfio(c)) {
        Ari8mos();
    } else if (EivaiEllnvikoGramma(c)) {
        EllnvikhLe3n();
    } else if (EivaiLatinikoGramma(c)) {
        LatinikhLe3n();
    } else {
        // A symbol, or a character of no token; either way one character.
        klasn_ = EivaiSumbolo(c) ? klSumbolo : klAkurosXarakthras;
        ++run_;
    }
}

void TKalmiraHighlighter::Kevo()
{
    klasn_ = klKevo;
    while (Xarakthras(run_) != u'\0' && Xarakthras(run_) <= 32)
        ++run_;
}

void TKalmiraHighlighter::Sxolio()
{
    klasn_ = klSxolio;
    for (char16_t c = Xarakthras(run_); c != u'\0' && c != u'\n' && c != u'\r'; c = Xarakthras(run_))
        ++run_;
}

// A string runs to its closing quote or to the end of the line. Two quotes right after the
// opening one are passed over first; any other doubled quote closes this string and opens the
// next, so the whole of it still shows as strings.
void TKalmiraHighlighter::Alfari8mntiko(char16_t eisagwgiko)
{
    klasn_ = klAlfari8mntiko;
    if (Xarakthras(run_ + 1) == eisagwgiko && Xarakthras(run_ + 2) == eisagwgiko)
        run_ += 2;
    char16_t c;
    do {
        ++run_;
        c = Xarakthras(run_);
    } while (c != eisagwgiko && c != u'\0' && c != u'\n' && c != u'\r');
    if (c == eisagwgiko)
        ++run_;
}

// Digits, and a real constant when a comma is followed by a digit.
void TKalmiraHighlighter::Ari8mos()
{
    klasn_ = klAkeraiaSta8era;
    while (EivaiPsnfio(Xarakthras(run_)))
        ++run_;
    if (Xarakthras(run_) == u',' && EivaiPsnfio(Xarakthras(run_ + 1))) {
        klasn_ = klPragmatiknSta8era;
        ++run_;
        while (EivaiPsnfio(Xarakthras(run_)))
            ++run_;
    }
}

// A Greek word ends at the first character that is not a Greek letter, a digit or "_"; a Latin
// letter starts a token of its own.
void TKalmiraHighlighter::EllnvikhLe3n()
{
    for (char16_t c = Xarakthras(run_); EivaiEllnvikoGramma(c) || EivaiPsnfio(c) || c == u'_'; c = Xarakthras(run_))
        ++run_;
    const QStringView le3n = line_.mid(tokenStart_, run_ - tokenStart_);
    TEidosLe3ns eidos = lxTelos;
    const bool desmevmevn = BreDesmevmevnLe3n(std::u16string_view(le3n.utf16(), static_cast<std::size_t>(le3n.size())), eidos);
    klasn_ = desmevmevn ? klDesmevmevnLe3n : klAvagvwristiko;
}

void TKalmiraHighlighter::LatinikhLe3n()
{
    klasn_ = klAgglika;
    for (char16_t c = Xarakthras(run_); EivaiLatinikoGramma(c) || EivaiPsnfio(c) || c == u'_'; c = Xarakthras(run_))
        ++run_;
}

// ---------------------------------------------------------------------------------------------
// Colours and the settings store

void TKalmiraHighlighter::EpavaforaProepilogwv()
{
    BeginUpdate();
    for (int i = 0; i < Plnr8osKlasewv; ++i)
        morfes_[i]->SetAll(Proepiloges[i].Fovto, Proepiloges[i].Xrwma, Proepiloges[i].Stul);
    EndUpdate();
}

void XrwmataPara8urou(TKalmiraHighlighter& highlighter, TKatoxosXrwmatwv katoxos)
{
    highlighter.BeginUpdate();
    highlighter.EpavaforaProepilogwv();
    for (int i = 0; i < highlighter.AttributeCount(); ++i)
        highlighter.Attribute(i)->SetBackground(clWindow);
    const TColor akuroi = katoxos == kxDialogosXrwmatwv ? Rgb(0xFF, 0xFF, 0x00) : Rgb(0x00, 0x00, 0x00);
    highlighter.MorfnAkurwv()->SetAll(Rgb(0xFF, 0x00, 0x00), akuroi, fsBold);
    highlighter.EndUpdate();
}

std::unique_ptr<QSettings> Apo8nknXrwmatwv()
{
    return std::make_unique<QSettings>(QStringLiteral("Merovan"), QStringLiteral("Καλμίρα"));
}

void TKalmiraHighlighter::FortwseXrwmata()
{
    FortwseXrwmata(*Apo8nknXrwmatwv());
}

bool TKalmiraHighlighter::Apo8nkeuseXrwmata()
{
    return Apo8nkeuseXrwmata(*Apo8nknXrwmatwv());
}

// Each value that is there and sound is applied over the class's present colours; a damaged
// value is passed over like a missing one. Colours that would hide the class's text are not
// taken: the class keeps the colours it had.
void TKalmiraHighlighter::FortwseXrwmata(QSettings& apo8nkn)
{
    const QStringList kleidia = apo8nkn.childGroups();
    BeginUpdate();
    for (const auto& morfn : morfes_) {
        if (!kleidia.contains(morfn->Name()))
            continue;
        apo8nkn.beginGroup(morfn->Name());
        TColor fovto = DiabaseXrwma(apo8nkn, TimnFovto).value_or(morfn->Background());
        TColor xrwma = DiabaseXrwma(apo8nkn, TimnXrwma).value_or(morfn->Foreground());
        if (AorataGrammata(fovto, xrwma)) {
            fovto = morfn->Background();
            xrwma = morfn->Foreground();
        }
        TFontStyles stul = morfn->Style();
        for (const TTimnStul& timn : TimesStul) {
            if (const auto energo = DiabaseStul(apo8nkn, timn.Ovoma))
                stul.setFlag(timn.Stul, *energo);
        }
        morfn->SetAll(fovto, xrwma, stul);
        apo8nkn.endGroup();
    }
    EndUpdate();
}

bool TKalmiraHighlighter::Apo8nkeuseXrwmata(QSettings& apo8nkn)
{
    for (const auto& morfn : morfes_) {
        apo8nkn.beginGroup(morfn->Name());
        apo8nkn.setValue(TimnFovto, static_cast<qint32>(morfn->Background()));
        apo8nkn.setValue(TimnXrwma, static_cast<qint32>(morfn->Foreground()));
        for (const TTimnStul& timn : TimesStul)
            apo8nkn.setValue(timn.Ovoma, morfn->Style().testFlag(timn.Stul) ? 1 : 0);
        apo8nkn.endGroup();
    }
    apo8nkn.sync();
    return apo8nkn.status() == QSettings::NoError;
}

}  // namespace kalmira
