// Greek for Qt's own texts: the buttons of message boxes, the file, font and page set-up dialogs,
// the standard context menus of the edit controls and the key names shown beside menu items.
// The system ships no Greek translation of Qt, so the workbench carries its own.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTranslator>

#include <span>

class QApplication;

namespace kalmira {

// One translated text of Qt, under the context, source text and disambiguation that Qt asks for.
struct TMetafrasnQt {
    const char* plaisio;   // context (a Qt class name)
    const char* pngaio;    // Qt's English source text
    const char* e3ngnsn;   // disambiguation, "" when Qt gives none
    const char* ellnvika;  // the Greek text
};

// The translations, for the tests that check them.
std::span<const TMetafrasnQt> MetafraseisQt();

// A translator that answers from the table above; every text it does not know stays as Qt has it.
class TEllnviknMetafrasn final : public QTranslator {
    Q_OBJECT
public:
    explicit TEllnviknMetafrasn(QObject* parent = nullptr);

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    QHash<QByteArray, QString> metafraseis_;
};

// Installs the Greek translator in the application, once; call it right after the application
// object is made, before any window exists.
void EgkatastasnEllnvikwv(QApplication& efarmogn);

}  // namespace kalmira
