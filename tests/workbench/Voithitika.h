// Helpers of the window tests: a main window shown and active with its own settings store, and a
// way to answer the modal dialogs it opens.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#include "editor/SyntaxEditor.h"
#include "workbench/uMain.h"

namespace kalmira {

// Each test gets a fresh window over an empty settings store, shown, active and with the focus
// in the source editor, as a pupil finds it.
inline std::unique_ptr<TfmKalmira> NeoPara8uro(const QTemporaryDir& apo8nkn)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, apo8nkn.path());
    auto para8uro = std::make_unique<TfmKalmira>();
    para8uro->resize(900, 600);
    para8uro->show();
    QApplication::setActiveWindow(para8uro.get());
    if (!QTest::qWaitForWindowActive(para8uro.get()))
        qWarning("the window did not become active");
    para8uro->sxeKwdikas->setFocus();
    QApplication::processEvents();
    return para8uro;
}

// Where the keys go: the focused control, or the source editor when the focus has not come back
// after a dialog. (The offscreen platform gives no window back its activation after a dialog, as
// a desktop does.)
inline QWidget* StoxosPlnktrwv(TfmKalmira& para8uro)
{
    if (QApplication::activeWindow() != &para8uro && !QApplication::activeModalWidget())
        QApplication::setActiveWindow(&para8uro);
    QWidget* estiasn = QApplication::focusWidget();
    return estiasn && estiasn->window() == &para8uro ? estiasn : para8uro.sxeKwdikas->focusProxy();
}

inline void Plnktro(TfmKalmira& para8uro, int plnktro, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(StoxosPlnktrwv(para8uro), static_cast<Qt::Key>(plnktro), m);
}

// Types Latin text as keys.
inline void Plnktrolognsn(TfmKalmira& para8uro, const QString& keimevo)
{
    QTest::keyClicks(StoxosPlnktrwv(para8uro), keimevo);
}

// Acts on the next modal dialog of type T as soon as it shows. The action runs inside the
// dialog's own event loop and must close it.
// The answers still waiting for their dialog.
inline QList<QPointer<QTimer>>& Apavtnseis()
{
    static QList<QPointer<QTimer>> apavtnseis;
    return apavtnseis;
}

// How many answers found no dialog; they are dropped. A test expects none: a dialog that did not
// come is a fault, and a left-over answer would answer the next test's dialog.
inline int AnapavtnteesApavtnseis()
{
    int plnr8os = 0;
    for (const QPointer<QTimer>& x : Apavtnseis()) {
        if (x && x->isActive()) {
            ++plnr8os;
            x->deleteLater();
        }
    }
    Apavtnseis().clear();
    return plnr8os;
}

template <class T>
void OtavEmfanistei(std::function<void(T&)> energeia)
{
    auto* xronometro = new QTimer;
    Apavtnseis().append(xronometro);
    xronometro->setInterval(5);
    QObject::connect(xronometro, &QTimer::timeout, [xronometro, energeia] {
        auto* dialogos = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialogos || !dialogos->isVisible())
            return;
        xronometro->stop();
        xronometro->deleteLater();
        energeia(*dialogos);
    });
    xronometro->start();
}

// Runs `energeia` after `ms` milliseconds, from the event loop (inside a running program's event
// pass when one runs).
inline void Argotera(int ms, std::function<void()> energeia)
{
    QTimer::singleShot(ms, std::move(energeia));
}

// An endless loop reaches a million statements within milliseconds: answers the question that
// comes then, and runs `energeia` a little later, from the running program's event pass.
inline void MetaToEkatommurio(std::function<void()> energeia)
{
    OtavEmfanistei<QMessageBox>([energeia](QMessageBox& m) {
        QWidget* para8uro = m.parentWidget() ? m.parentWidget()->window() : nullptr;
        m.button(QMessageBox::Ok)->click();
        Argotera(20, [para8uro, energeia] {
            // The offscreen platform does not give the window back its activation as a desktop does.
            if (para8uro) {
                QApplication::setActiveWindow(para8uro);
                QApplication::processEvents();
            }
            energeia();
        });
    });
}

// A program text with the given body and declarations, lines joined by CR LF.
inline QString Programma(const QStringList& swma, const QStringList& metablntes = {})
{
    QStringList grammes{QStringLiteral("Πρόγραμμα Δοκιμή")};
    if (!metablntes.isEmpty()) {
        grammes << QStringLiteral("Μεταβλητές");
        for (const QString& m : metablntes)
            grammes << QStringLiteral("  ") + m;
    }
    grammes << QStringLiteral("Αρχή");
    for (const QString& g : swma)
        grammes << QStringLiteral("  ") + g;
    grammes << QStringLiteral("Τέλος_προγράμματος");
    return grammes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

inline const QStringList AtermovosVroxos{QStringLiteral("i ← 0"), QStringLiteral("Όσο Αληθής επανάλαβε"),
                                         QStringLiteral("  i ← i + 1"), QStringLiteral("Τέλος_επανάληψης")};

}  // namespace kalmira
