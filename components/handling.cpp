#include "components/handling.h"

#include "components/hint.h"
#include "platform/fejl.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPointer>

Handling::Handling(QObject *ejer, const char *navn, const QString &tekst, const QString &hint)
    : QAction(tekst, ejer) {
    setObjectName(QLatin1String(navn));
    Hint::saet(this, hint);
    connect(this, &QAction::triggered, this, [this] { medFejlrapport([this] { Execute(); }); });
}

Handling *Handling::genvej(const QKeySequence &tast) {
    setShortcut(tast);
    return this;
}

Handling *Handling::genveje(const QList<QKeySequence> &taster) {
    setShortcuts(taster);
    return this;
}

Handling *Handling::aktiv(std::function<bool()> regel) {
    m_regel = std::move(regel);
    return this;
}

Handling *Handling::udfoer(std::function<void()> handling) {
    m_handling = std::move(handling);
    return this;
}

void Handling::Update() {
    if (m_regel)
        setEnabled(m_regel());
}

bool Handling::Execute() {
    Update();
    if (!isEnabled() || !m_handling)
        return false;
    m_handling();
    return true;
}

void opdaterVedTomgang(QObject *ejer, const QList<Handling *> &handlinger) {
    auto *afsender = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread());
    if (!afsender)
        return;
    QList<QPointer<Handling>> liste;
    for (Handling *h : handlinger)
        liste << h;
    QObject::connect(afsender, &QAbstractEventDispatcher::aboutToBlock, ejer, [liste] {
        for (const QPointer<Handling> &h : liste)
            if (h)
                h->Update();
    });
}
