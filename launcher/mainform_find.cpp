// Finding elements by typing: the index of both collections, kept current, and the find
// window's hits opened or shown through this window's own choosing and launching.

#include "launcher/mainform.h"

#include "components/dialoger.h"
#include "launcher/findform.h"
#include "launcher/flader.h"
#include "launcher/lagerregler.h"
#include "platform/fejl.h"
#include "platform/navne.h"
#include "soeg/indeksvagt.h"
#include "soeg/rangering.h"
#include "soeg/soegeindeks.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

void Tmainform::bygIndeks() {
    if (m_indeks)
        return;
    m_indeks = std::make_unique<Soegeindeks>(std::array<QString, 2>{programdir0, programdir1},
                                             Datolaeser{m_miljoe.lokalitet, m_miljoe.datoFormat});
    m_indeks->bygAlt();
    m_indeksvagt = new Indeksvagt(*m_indeks, this);
    connect(m_indeksvagt, &Indeksvagt::mapperLaest, this,
            [this](const QStringList &mapper) { medFejlrapport([&] { mapperAendret(mapper); }); });
}

void Tmainform::visFind(const QString &tekst) {
    bygIndeks();
    if (!findform) {
        findform = new Tfindform(this, [this](const QString &q) {
            return findTraeffere(m_indeks->poster(), q, m_miljoe.ur().date(), Tfindform::kHoejstTraeffere);
        });
        connect(findform, &Tfindform::aabn, this,
                [this](const Soegepost &p) { medFejlrapport([&] { aabnElement(p); }); });
        connect(findform, &Tfindform::vis, this, [this](const Soegepost &p) {
            medFejlrapport([&] {
                if (visElement(p)) {
                    raise();
                    activateWindow();
                    Listen->setFocus();
                }
            });
        });
    }
    if (isMinimized() || !isVisible())
        showNormal();
    findform->visFind(tekst);
}

bool Tmainform::visElement(const Soegepost &p) {
    if (funkNo != p.samling && m_admin)
        m_admin->vendSamling(); // as "Skift indhold" does
    const qsizetype pos = gruppeposition(gruppeliste, p.gruppe);
    if (pos >= 0) {
        // Chosen in the group list as a double click there chooses it.
        gruppeBoksen->setCurrentRow(int(pos));
        gruppeBoksen->item(int(pos))->setSelected(true);
        gruppeBoksenDblClick();
    } else if (!ensUdenAZ(gruppenavn, p.gruppe) || Listen->topLevelItemCount() == 0) {
        // A stored group has no row in the group list; it is shown all the same.
        gruppeBoksen->clearSelection();
        gruppenavn = p.gruppe;
        if (m_admin)
            m_admin->SkiftGruppe();
    }
    for (int i = 0; i < Web.size(); ++i) {
        if (Web.at(i).kilde == p.element.kilde) {
            QTreeWidgetItem *raekke = Listen->topLevelItem(i);
            Listen->clearSelection();
            Listen->setCurrentItem(raekke);
            raekke->setSelected(true);
            Listen->scrollToItem(raekke);
            return true;
        }
    }
    visBesked(QStringLiteral("Elementet \"%1\" findes ikke længere i gruppen \"%2\".").arg(p.element.Navn, p.gruppe));
    return false;
}

void Tmainform::aabnElement(const Soegepost &p) {
    if (!visElement(p))
        return;
    // A double click clicks first: the address goes to the entry field, then the launch.
    ListenClick();
    ListenDblClick();
}

void Tmainform::indeksGruppe() {
    if (m_indeks && !gruppenavn.isEmpty() && !gruppeDir.isEmpty())
        m_indeks->saetGruppe(funkNo, gruppeDir, Web);
    if (findform)
        findform->soegIgen();
}

void Tmainform::indeksLister() {
    if (!m_indeks)
        return;
    m_indeks->laesLister(funkNo);
    m_indeksvagt->opdaterVagt();
    if (findform)
        findform->soegIgen();
}

void Tmainform::mapperAendret(const QStringList &mapper) {
    if (findform)
        findform->soegIgen();
    if (gruppenavn.isEmpty() || gruppeDir.isEmpty() || !mapper.contains(udenSkilletegn(gruppeDir)))
        return;
    // Our own writes come back this way too: only a real difference reloads the list.
    if (laesElementer(gruppeDir) == Web)
        return;
    const int i = valgtRaekke();
    const QString valgt = i >= 0 && i < Web.size() ? Web.at(i).kilde : QString();
    const QString adresse = webEdit1->text();
    const QString navn = webEdit2->text();
    loadGruppefil();
    webEdit1->setText(adresse); // what the user was typing stays
    webEdit2->setText(navn);
    for (int r = 0; r < Web.size(); ++r) {
        if (!valgt.isEmpty() && Web.at(r).kilde == valgt) {
            Listen->setCurrentItem(Listen->topLevelItem(r));
            break;
        }
    }
}
