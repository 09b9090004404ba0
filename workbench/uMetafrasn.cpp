#include "workbench/uMetafrasn.h"

#include <QApplication>

namespace kalmira {

// Access keys follow the workbench's own menus where Qt offers the same command (Αναίρεσ&η,
// Αποκο&πή, Αντι&γραφή, &Επικόλληση), never sit on an accented letter, and stay unique within
// each dialog and menu. Modifier and key-cap names (Ctrl, Shift, Alt, Del, Esc, Ins, PgUp, F1...)
// stay as printed on Greek keyboards; only the arrows and the space bar, which carry no printed
// name, are named in Greek. Shortcut texts that Qt parses back into keys (QFileDialog's
// "Alt+Left") must stay untranslated and are left out on purpose.
constexpr TMetafrasnQt kMetafraseis[] = {
    // Standard buttons of message boxes and button boxes.
    {"QPlatformTheme", "OK", "", "Εντάξει"},
    {"QPlatformTheme", "Save", "", "Αποθήκευση"},
    {"QPlatformTheme", "Save All", "", "Αποθήκευση όλων"},
    {"QPlatformTheme", "Open", "", "Άνοιγμα"},
    {"QPlatformTheme", "&Yes", "", "&Ναι"},
    {"QPlatformTheme", "Yes to &All", "", "Ναι σε ό&λα"},
    {"QPlatformTheme", "&No", "", "Ό&χι"},
    {"QPlatformTheme", "N&o to All", "", "Όχι σε όλ&α"},
    {"QPlatformTheme", "Abort", "", "Διακοπή"},
    {"QPlatformTheme", "Retry", "", "Επανάληψη"},
    {"QPlatformTheme", "Ignore", "", "Παράβλεψη"},
    {"QPlatformTheme", "Close", "", "Κλείσιμο"},
    {"QPlatformTheme", "Cancel", "", "Άκυρο"},
    {"QPlatformTheme", "Discard", "", "Απόρριψη"},
    {"QPlatformTheme", "Help", "", "Βοήθεια"},
    {"QPlatformTheme", "Apply", "", "Εφαρμογή"},
    {"QPlatformTheme", "Reset", "", "Επαναφορά"},
    {"QPlatformTheme", "Restore Defaults", "", "Επαναφορά προεπιλογών"},
    // The same buttons on GNOME desktops.
    {"QGnomeTheme", "&OK", "", "&Εντάξει"},
    {"QGnomeTheme", "&Save", "", "&Αποθήκευση"},
    {"QGnomeTheme", "&Cancel", "", "Ά&κυρο"},
    {"QGnomeTheme", "&Close", "", "&Κλείσιμο"},
    {"QGnomeTheme", "Close without Saving", "", "Κλείσιμο χωρίς αποθήκευση"},

    {"QMessageBox", "OK", "", "Εντάξει"},
    {"QMessageBox", "Help", "", "Βοήθεια"},
    {"QMessageBox", "Show Details...", "", "Εμφάνιση λεπτομερειών..."},
    {"QMessageBox", "Hide Details...", "", "Απόκρυψη λεπτομερειών..."},
    {"QMessageBox", "About Qt", "", "Σχετικά με το Qt"},
    {"QErrorMessage", "&Show this message again", "", "&Να εμφανίζεται ξανά αυτό το μήνυμα"},
    {"QErrorMessage", "&OK", "", "&Εντάξει"},
    {"QErrorMessage", "Debug Message:", "", "Μήνυμα αποσφαλμάτωσης:"},
    {"QErrorMessage", "Warning:", "", "Προειδοποίηση:"},
    {"QErrorMessage", "Critical Error:", "", "Κρίσιμο σφάλμα:"},
    {"QErrorMessage", "Fatal Error:", "", "Μοιραίο σφάλμα:"},
    {"QErrorMessage", "Information:", "", "Πληροφορία:"},
    {"QProgressDialog", "Cancel", "", "Άκυρο"},
    {"QInputDialog", "Enter a value:", "", "Δώστε μια τιμή:"},

    // The file dialog (Qt's own, used where the desktop offers none).
    {"QFileDialog", "Open", "", "Άνοιγμα"},
    {"QFileDialog", "Save As", "", "Αποθήκευση ως"},
    {"QFileDialog", "Find Directory", "", "Επιλογή φακέλου"},
    {"QFileDialog", "Look in:", "", "Αναζήτηση σε:"},
    {"QFileDialog", "File &name:", "", "Όνομα &αρχείου:"},
    {"QFileDialog", "Files of type:", "", "Αρχεία τύπου:"},
    {"QFileDialog", "Directory:", "", "Φάκελος:"},
    {"QFileDialog", "&Open", "", "Ά&νοιγμα"},
    {"QFileDialog", "&Save", "", "Α&ποθήκευση"},
    {"QFileDialog", "&Choose", "", "&Επιλογή"},
    {"QFileDialog", "Back", "", "Πίσω"},
    {"QFileDialog", "Go back", "", "Μετάβαση πίσω"},
    {"QFileDialog", "Forward", "", "Μπροστά"},
    {"QFileDialog", "Go forward", "", "Μετάβαση μπροστά"},
    {"QFileDialog", "Parent Directory", "", "Γονικός φάκελος"},
    {"QFileDialog", "Go to the parent directory", "", "Μετάβαση στον γονικό φάκελο"},
    {"QFileDialog", "Create New Folder", "", "Δημιουργία νέου φακέλου"},
    {"QFileDialog", "Create a New Folder", "", "Δημιουργία νέου φακέλου"},
    {"QFileDialog", "List View", "", "Προβολή λίστας"},
    {"QFileDialog", "Change to list view mode", "", "Αλλαγή σε προβολή λίστας"},
    {"QFileDialog", "Detail View", "", "Προβολή λεπτομερειών"},
    {"QFileDialog", "Change to detail view mode", "", "Αλλαγή σε προβολή λεπτομερειών"},
    {"QFileDialog", "Sidebar", "", "Πλευρική στήλη"},
    {"QFileDialog", "List of places and bookmarks", "", "Λίστα θέσεων και σελιδοδεικτών"},
    {"QFileDialog", "Files", "", "Αρχεία"},
    {"QFileDialog", "Directories", "", "Φάκελοι"},
    {"QFileDialog", "Recent Places", "", "Πρόσφατες θέσεις"},
    {"QFileDialog", "All Files (*)", "", "Όλα τα αρχεία (*)"},
    {"QFileDialog", "All files (*)", "", "Όλα τα αρχεία (*)"},
    // Followed by a column's name in the header's menu: "Εμφάνιση στήλης: Μέγεθος".
    {"QFileDialog", "Show ", "", "Εμφάνιση στήλης: "},
    {"QFileDialog", "&Rename", "", "&Μετονομασία"},
    {"QFileDialog", "&Delete", "", "&Διαγραφή"},
    {"QFileDialog", "Show &hidden files", "", "Εμφάνιση &κρυφών αρχείων"},
    {"QFileDialog", "&New Folder", "", "&Νέος φάκελος"},
    {"QFileDialog", "New Folder", "", "Νέος φάκελος"},
    {"QFileDialog", "Delete", "", "Διαγραφή"},
    {"QFileDialog", "Remove", "", "Αφαίρεση"},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.", "",
     "%1\nΤο αρχείο δεν βρέθηκε.\nΕλέγξτε ότι δώσατε σωστά το όνομα του αρχείου."},
    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.", "",
     "%1\nΟ φάκελος δεν βρέθηκε.\nΕλέγξτε ότι δώσατε σωστά το όνομα του φακέλου."},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "",
     "Το «%1» υπάρχει ήδη.\nΘέλετε να το αντικαταστήσετε;"},
    {"QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?", "",
     "Το «%1» προστατεύεται από εγγραφή.\nΘέλετε να διαγραφεί παρ' όλα αυτά;"},
    {"QFileDialog", "Are you sure you want to delete '%1'?", "", "Θέλετε σίγουρα να διαγράψετε το «%1»;"},
    {"QFileDialog", "Could not delete directory.", "", "Δεν ήταν δυνατή η διαγραφή του φακέλου."},
    {"QFileSystemModel", "Name", "", "Όνομα"},
    {"QFileSystemModel", "Size", "", "Μέγεθος"},
    {"QFileSystemModel", "Type", "All other platforms", "Τύπος"},
    {"QFileSystemModel", "Date Modified", "", "Ημερομηνία τροποποίησης"},
    {"QFileSystemModel", "Computer", "", "Υπολογιστής"},
    {"QAbstractFileIconProvider", "Drive", "", "Μονάδα δίσκου"},
    {"QAbstractFileIconProvider", "Folder", "All other platforms", "Φάκελος"},
    {"QAbstractFileIconProvider", "Unknown", "", "Άγνωστο"},

    // The font dialog, with the writing systems and font styles that it lists.
    {"QFontDialog", "Select Font", "", "Επιλογή γραμματοσειράς"},
    {"QFontDialog", "&Font", "", "&Γραμματοσειρά"},
    {"QFontDialog", "Font st&yle", "", "&Στυλ γραμματοσειράς"},
    {"QFontDialog", "&Size", "", "&Μέγεθος"},
    {"QFontDialog", "Effects", "", "Εφέ"},
    {"QFontDialog", "Stri&keout", "", "&Διακριτή διαγραφή"},
    {"QFontDialog", "&Underline", "", "&Υπογράμμιση"},
    {"QFontDialog", "Sample", "", "Δείγμα"},
    {"QFontDialog", "Wr&iting System", "", "Σύστημα γ&ραφής"},
    {"QFontDatabase", "Normal", "The Normal or Regular font weight", "Κανονικά"},
    {"QFontDatabase", "Italic", "", "Πλάγια"},
    {"QFontDatabase", "Oblique", "", "Κεκλιμένα"},
    {"QFontDatabase", "Thin", "", "Λεπτότατα"},
    {"QFontDatabase", "Extra Light", "", "Πολύ λεπτά"},
    {"QFontDatabase", "Light", "", "Λεπτά"},
    {"QFontDatabase", "Medium", "The Medium font weight", "Μεσαία"},
    {"QFontDatabase", "Demi Bold", "", "Ημιέντονα"},
    {"QFontDatabase", "Bold", "", "Έντονα"},
    {"QFontDatabase", "Extra Bold", "", "Πολύ έντονα"},
    {"QFontDatabase", "Black", "", "Μαύρα"},
    {"QFontDatabase", "Any", "", "Όλα"},
    {"QFontDatabase", "Latin", "", "Λατινικό"},
    {"QFontDatabase", "Greek", "", "Ελληνικό"},
    {"QFontDatabase", "Cyrillic", "", "Κυριλλικό"},
    {"QFontDatabase", "Armenian", "", "Αρμενικό"},
    {"QFontDatabase", "Hebrew", "", "Εβραϊκό"},
    {"QFontDatabase", "Arabic", "", "Αραβικό"},
    {"QFontDatabase", "Syriac", "", "Συριακό"},
    {"QFontDatabase", "Thaana", "", "Θαάνα"},
    {"QFontDatabase", "Devanagari", "", "Ντεβαναγκάρι"},
    {"QFontDatabase", "Bengali", "", "Βεγγαλικό"},
    {"QFontDatabase", "Gurmukhi", "", "Γκουρμούκι"},
    {"QFontDatabase", "Gujarati", "", "Γκουτζαράτι"},
    {"QFontDatabase", "Oriya", "", "Όρια"},
    {"QFontDatabase", "Tamil", "", "Ταμιλικό"},
    {"QFontDatabase", "Telugu", "", "Τελούγκου"},
    {"QFontDatabase", "Kannada", "", "Κανάντα"},
    {"QFontDatabase", "Malayalam", "", "Μαλαγιάλαμ"},
    {"QFontDatabase", "Sinhala", "", "Σινχαλικό"},
    {"QFontDatabase", "Thai", "", "Ταϊλανδικό"},
    {"QFontDatabase", "Lao", "", "Λαοτινό"},
    {"QFontDatabase", "Tibetan", "", "Θιβετιανό"},
    {"QFontDatabase", "Myanmar", "", "Βιρμανικό"},
    {"QFontDatabase", "Georgian", "", "Γεωργιανό"},
    {"QFontDatabase", "Khmer", "", "Χμερ"},
    {"QFontDatabase", "Simplified Chinese", "", "Απλοποιημένο κινεζικό"},
    {"QFontDatabase", "Traditional Chinese", "", "Παραδοσιακό κινεζικό"},
    {"QFontDatabase", "Japanese", "", "Ιαπωνικό"},
    {"QFontDatabase", "Korean", "", "Κορεατικό"},
    {"QFontDatabase", "Vietnamese", "", "Βιετναμικό"},
    {"QFontDatabase", "Symbol", "", "Σύμβολα"},
    {"QFontDatabase", "Ogham", "", "Όγκαμ"},
    {"QFontDatabase", "Runic", "", "Ρουνικό"},
    {"QFontDatabase", "N'Ko", "", "Ν'Κο"},

    // The page set-up dialog.
    {"QPrintPreviewDialog", "Page Setup", "", "Διαμόρφωση σελίδας"},
    {"QPageSetupWidget", "Paper", "", "Χαρτί"},
    {"QPageSetupWidget", "Page size:", "", "Μέγεθος σελίδας:"},
    {"QPageSetupWidget", "Width:", "", "Πλάτος:"},
    {"QPageSetupWidget", "Height:", "", "Ύψος:"},
    {"QPageSetupWidget", "Paper source:", "", "Τροφοδοσία χαρτιού:"},
    {"QPageSetupWidget", "Orientation", "", "Προσανατολισμός"},
    {"QPageSetupWidget", "Portrait", "", "Κατακόρυφος"},
    {"QPageSetupWidget", "Landscape", "", "Οριζόντιος"},
    {"QPageSetupWidget", "Reverse landscape", "", "Ανεστραμμένος οριζόντιος"},
    {"QPageSetupWidget", "Reverse portrait", "", "Ανεστραμμένος κατακόρυφος"},
    {"QPageSetupWidget", "Margins", "", "Περιθώρια"},
    {"QPageSetupWidget", "top margin", "", "επάνω περιθώριο"},
    {"QPageSetupWidget", "left margin", "", "αριστερό περιθώριο"},
    {"QPageSetupWidget", "right margin", "", "δεξί περιθώριο"},
    {"QPageSetupWidget", "bottom margin", "", "κάτω περιθώριο"},
    {"QPageSetupWidget", "Page Layout", "", "Διάταξη σελίδας"},
    {"QPageSetupWidget", "Page order:", "", "Σειρά σελίδων:"},
    {"QPageSetupWidget", "Pages per sheet:", "", "Σελίδες ανά φύλλο:"},
    {"QPageSetupWidget", "Custom", "", "Προσαρμοσμένο"},
    // The unit symbols (mm, pt, in...) are international and stay as they are.
    {"QPageSetupWidget", "Millimeters (mm)", "", "Χιλιοστά (mm)"},
    {"QPageSetupWidget", "Points (pt)", "", "Στιγμές (pt)"},
    {"QPageSetupWidget", "Inches (in)", "", "Ίντσες (in)"},
    {"QPageSetupWidget", "Pica (P̸)", "", "Πίκα (P̸)"},
    {"QPageSetupWidget", "Didot (DD)", "", "Ντιντό (DD)"},
    {"QPageSetupWidget", "Cicero (CC)", "", "Σίσερο (CC)"},
    {"QPrintDialog", "Left to Right, Top to Bottom", "", "Αριστερά προς δεξιά, επάνω προς κάτω"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "", "Αριστερά προς δεξιά, κάτω προς επάνω"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "", "Δεξιά προς αριστερά, κάτω προς επάνω"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "", "Δεξιά προς αριστερά, επάνω προς κάτω"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "", "Κάτω προς επάνω, αριστερά προς δεξιά"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "", "Κάτω προς επάνω, δεξιά προς αριστερά"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "", "Επάνω προς κάτω, αριστερά προς δεξιά"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "", "Επάνω προς κάτω, δεξιά προς αριστερά"},
    // Paper names: the names of formats (A4, Letter, Legal, JIS B5...) stay; the words around
    // them are Greek. Envelopes are translated by rule in translate() below.
    {"QPageSize", "Custom", "", "Προσαρμοσμένο"},
    {"QPageSize", "Custom (%1mm x %2mm)", "", "Προσαρμοσμένο (%1mm x %2mm)"},
    {"QPageSize", "Custom (%1pt x %2pt)", "", "Προσαρμοσμένο (%1pt x %2pt)"},
    {"QPageSize", "Custom (%1in x %2in)", "", "Προσαρμοσμένο (%1in x %2in)"},
    {"QPageSize", "Custom (%1pc x %2pc)", "", "Προσαρμοσμένο (%1pc x %2pc)"},
    {"QPageSize", "Custom (%1DD x %2DD)", "", "Προσαρμοσμένο (%1DD x %2DD)"},
    {"QPageSize", "Custom (%1CC x %2CC)", "", "Προσαρμοσμένο (%1CC x %2CC)"},
    {"QPageSize", "%1 x %2 in", "", "%1 x %2 ίντσες"},
    {"QPageSize", "Executive (7.5 x 10 in)", "", "Executive (7,5 x 10 ίντσες)"},
    {"QPageSize", "Executive (7.25 x 10.5 in)", "", "Executive (7,25 x 10,5 ίντσες)"},
    {"QPageSize", "Folio (8.27 x 13 in)", "", "Folio (8,27 x 13 ίντσες)"},
    {"QPageSize", "Fan-fold US (14.875 x 11 in)", "", "Συνεχές χαρτί ΗΠΑ (14,875 x 11 ίντσες)"},
    {"QPageSize", "Fan-fold German (8.5 x 12 in)", "", "Συνεχές χαρτί γερμανικό (8,5 x 12 ίντσες)"},
    {"QPageSize", "Fan-fold German Legal (8.5 x 13 in)", "", "Συνεχές χαρτί γερμανικό Legal (8,5 x 13 ίντσες)"},
    {"QPageSize", "Postcard", "", "Καρτ ποστάλ"},
    {"QPageSize", "Double Postcard", "", "Διπλή καρτ ποστάλ"},
    {"QPageSize", "Architect A", "", "Αρχιτεκτονικό A"},
    {"QPageSize", "Architect B", "", "Αρχιτεκτονικό B"},
    {"QPageSize", "Architect C", "", "Αρχιτεκτονικό C"},
    {"QPageSize", "Architect D", "", "Αρχιτεκτονικό D"},
    {"QPageSize", "Architect E", "", "Αρχιτεκτονικό E"},
    {"QPageSize", "Envelope Invite", "", "Φάκελος πρόσκλησης"},
    {"QPageSize", "Envelope Italian", "", "Φάκελος ιταλικός"},
    {"QPageSize", "Envelope Personal", "", "Φάκελος προσωπικός"},

    // Standard context menus of the edit controls and spin boxes.
    {"QLineEdit", "&Undo", "", "Αναίρεσ&η"},
    {"QLineEdit", "&Redo", "", "Ακύρωση α&ναίρεσης"},
    {"QLineEdit", "Cu&t", "", "Αποκο&πή"},
    {"QLineEdit", "&Copy", "", "Αντι&γραφή"},
    {"QLineEdit", "&Paste", "", "&Επικόλληση"},
    {"QLineEdit", "Delete", "", "&Διαγραφή"},
    {"QLineEdit", "Select All", "", "Επιλογή ό&λων"},
    {"QWidgetTextControl", "&Undo", "", "Αναίρεσ&η"},
    {"QWidgetTextControl", "&Redo", "", "Ακύρωση α&ναίρεσης"},
    {"QWidgetTextControl", "Cu&t", "", "Αποκο&πή"},
    {"QWidgetTextControl", "&Copy", "", "Αντι&γραφή"},
    {"QWidgetTextControl", "&Paste", "", "&Επικόλληση"},
    {"QWidgetTextControl", "Delete", "", "&Διαγραφή"},
    {"QWidgetTextControl", "Select All", "", "Επιλογή ό&λων"},
    {"QWidgetTextControl", "Copy &Link Location", "", "Αντιγραφή θέσης &συνδέσμου"},
    {"QAbstractSpinBox", "&Select All", "", "Επιλογή ό&λων"},
    {"QAbstractSpinBox", "&Step up", "", "&Αύξηση"},
    {"QAbstractSpinBox", "Step &down", "", "&Μείωση"},

    // The scroll bars' context menu.
    {"QScrollBar", "Scroll here", "", "Κύλιση εδώ"},
    {"QScrollBar", "Top", "", "Επάνω άκρο"},
    {"QScrollBar", "Bottom", "", "Κάτω άκρο"},
    {"QScrollBar", "Page up", "", "Μία σελίδα επάνω"},
    {"QScrollBar", "Page down", "", "Μία σελίδα κάτω"},
    {"QScrollBar", "Scroll up", "", "Κύλιση επάνω"},
    {"QScrollBar", "Scroll down", "", "Κύλιση κάτω"},
    {"QScrollBar", "Left edge", "", "Αριστερό άκρο"},
    {"QScrollBar", "Right edge", "", "Δεξί άκρο"},
    {"QScrollBar", "Page left", "", "Μία σελίδα αριστερά"},
    {"QScrollBar", "Page right", "", "Μία σελίδα δεξιά"},
    {"QScrollBar", "Scroll left", "", "Κύλιση αριστερά"},
    {"QScrollBar", "Scroll right", "", "Κύλιση δεξιά"},

    // Tab bars and dock widgets.
    {"CloseButton", "Close Tab", "", "Κλείσιμο καρτέλας"},
    {"QTabBar", "Scroll Left", "", "Κύλιση αριστερά"},
    {"QTabBar", "Scroll Right", "", "Κύλιση δεξιά"},
    {"QDockWidget", "Float", "", "Αποκόλληση"},
    {"QDockWidget", "Undocks and re-attaches the dock widget", "", "Αποκολλά και επανασυνδέει το πλαίσιο"},
    {"QDockWidget", "Close", "", "Κλείσιμο"},
    {"QDockWidget", "Closes the dock widget", "", "Κλείνει το πλαίσιο"},

    // Key names beside menu items: only those without a printed name on the key.
    {"QShortcut", "Left", "", "Αριστερά"},
    {"QShortcut", "Right", "", "Δεξιά"},
    {"QShortcut", "Up", "", "Πάνω"},
    {"QShortcut", "Down", "", "Κάτω"},
    {"QShortcut", "Space", "", "Διάστημα"},
};

std::span<const TMetafrasnQt> MetafraseisQt()
{
    return kMetafraseis;
}

static QByteArray Kleidi(const char* plaisio, const char* pngaio, const char* e3ngnsn)
{
    QByteArray kleidi(plaisio);
    kleidi += '\x1f';
    kleidi += pngaio;
    kleidi += '\x1f';
    if (e3ngnsn)
        kleidi += e3ngnsn;
    return kleidi;
}

TEllnviknMetafrasn::TEllnviknMetafrasn(QObject* parent) : QTranslator(parent)
{
    metafraseis_.reserve(std::size(kMetafraseis));
    for (const TMetafrasnQt& m : kMetafraseis)
        metafraseis_.insert(Kleidi(m.plaisio, m.pngaio, m.e3ngnsn), QString::fromUtf8(m.ellnvika));
}

QString TEllnviknMetafrasn::translate(const char* context, const char* sourceText, const char* disambiguation,
                                      int /*n*/) const
{
    if (!context || !sourceText)
        return {};
    // As Qt's own translator does: the exact disambiguation first, then none.
    auto it = metafraseis_.constFind(Kleidi(context, sourceText, disambiguation));
    if (it == metafraseis_.cend() && disambiguation && *disambiguation)
        it = metafraseis_.constFind(Kleidi(context, sourceText, nullptr));
    if (it != metafraseis_.cend())
        return *it;
    // "Envelope C5", "Envelope US 10", "Envelope Monarch"...: the rest is the format's name.
    constexpr QLatin1StringView kFakelos("Envelope ");
    if (qstrcmp(context, "QPageSize") == 0 && QLatin1StringView(sourceText).startsWith(kFakelos))
        return QStringLiteral("Φάκελος ") + QString::fromUtf8(sourceText + kFakelos.size());
    return {};
}

void EgkatastasnEllnvikwv(QApplication& efarmogn)
{
    if (efarmogn.findChild<TEllnviknMetafrasn*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    QApplication::installTranslator(new TEllnviknMetafrasn(&efarmogn));
}

}  // namespace kalmira
