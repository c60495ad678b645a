// Launching elements: web pages open through the shell, programs are started, and
// every use is recorded in the element's file before anything is opened.

#include "launcher/mainform.h"

#include "components/dialoger.h"
#include "components/handling.h"
#include "launcher/flader.h"
#include "launcher/fejltekster.h"
#include "platform/adresse.h"
#include "platform/fejl.h"
#include "platform/filer.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <limits>

void Tmainform::ListenDblClick() {
    if (valgtRaekke() < 0)
        return;
    if (funkNo != 0)
        runProgrammer();
    else
        webUrl->Execute();
}

void Tmainform::registrerBrug(int i) {
    WebNo = i;
    TWebRecord &e = Web[i];
    const TWebRecord foer = e;
    const QDateTime nu = m_miljoe.ur();
    e.dato = m_miljoe.lokalitet.toString(nu.date(), m_miljoe.datoFormat).left(10);
    e.klokken = m_miljoe.lokalitet.toString(nu.time(), m_miljoe.tidFormat).left(5);
    if (e.Visits < std::numeric_limits<qint32>::max()) // the count stops at its maximum
        e.Visits += 1;
    try {
        GemWeb();
    } catch (...) {
        e = foer; // memory, screen and file change together or not at all
        throw;
    }
    QTreeWidgetItem *raekke = Listen->topLevelItem(i);
    raekke->setText(0, e.dato);
    raekke->setText(1, e.klokken);
    raekke->setText(2, QString::number(e.Visits));
}

void Tmainform::runProgrammer() {
    const int i = valgtRaekke();
    if (funkNo != 1 || i < 0 || i >= Web.size())
        return;
    if (!filFindes(Web.at(i).Url)) {
        visBesked(QStringLiteral("Programmet blev ikke fundet."));
        return;
    }
    registrerBrug(i);
    runFilname(Web.at(i).Url);
}

void Tmainform::webUrlBeforeBrowse() {
    const int i = valgtRaekke();
    if (funkNo != 0 || i < 0 || i >= Web.size())
        return;
    const QString adresse = Web.at(i).Url;
    if (!gyldigAdresse(adresse)) {
        visBesked(QStringLiteral("Der mangler en gyldig webadresse!"));
        return;
    }
    // With nothing on the desktop to open it, the page would not open: no visit counts.
    if (!m_miljoe.skal->harProgramTil(adresse)) {
        ErrorInfo(Skalkode::IngenTilknytning);
        return;
    }
    registrerBrug(i);
    // No application after all (it could not be started): told too. The use was written
    // before the open and stays; other results of the open are not reported.
    if (m_miljoe.skal->aabn(adresse) == Skalkode::IngenTilknytning)
        ErrorInfo(Skalkode::IngenTilknytning);
}

void Tmainform::runFilname(const QString &aFilename) {
    const int resultat = m_miljoe.skal->aabn(aFilename);
    if (resultat <= 32)
        ErrorInfo(resultat);
}

void Tmainform::ErrorInfo(int code) { visFejlinformation(fejltekst(code, false)); }

void Tmainform::aabnBrowser() {
    if (funkNo != 0) {
        const QString sti = m_admin->vaelgProgram();
        if (!sti.isEmpty() && filFindes(sti))
            webEdit1->setText(sti);
        return;
    }
    startBrowser(m_admin->browserIndex());
}

void Tmainform::startBrowser(int browserIndex) {
    const QString chrome = m_miljoe.chromeSti;
    const QString edge = m_miljoe.edgeSti;
    const QStringList orden = browserIndex != 0 ? QStringList{edge, chrome} : QStringList{chrome, edge};
    for (const QString &sti : orden) {
        if (filFindes(sti)) {
            runFilname(sti);
            return;
        }
    }
}
