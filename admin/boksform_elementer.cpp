// Element administration: inserting, changing, resetting and deleting elements.

#include "admin/boksform.h"

#include "components/dialoger.h"
#include "launcher/mainform.h"
#include "platform/adresse.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/navne.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTreeWidget>

int Tboksform::valgtElement() const {
    QTreeWidgetItem *r = programBoks->currentItem();
    if (!r || !r->isSelected())
        return -1;
    const int i = programBoks->indexOfTopLevelItem(r);
    return i < m_hoved->Web.size() ? i : -1;
}

void Tboksform::InsertElement() {
    if (m_hoved->gruppenavn.isEmpty())
        return;
    const QString adresse = FilnavnEdit->text();
    const QString navn = tekstEdit->text();
    if (navn.isEmpty()) {
        visBesked(QStringLiteral("Der mangler et kort navn!"));
        return;
    }
    if (m_hoved->funkNo == 1) {
        if (adresse.isEmpty()) {
            visBesked(QStringLiteral("Der mangler et program!"));
            return;
        }
        if (!filFindes(adresse)) {
            visBesked(QStringLiteral("Filen kunne ikke findes!"));
            return;
        }
    } else {
        if (adresse.isEmpty()) {
            visBesked(QStringLiteral("Der mangler en webadresse!"));
            return;
        }
        if (!gyldigAdresse(adresse)) {
            visBesked(QStringLiteral("Der mangler en gyldig webadresse!"));
            return;
        }
    }
    if (!gyldigtNytNavn(navn)) {
        visBesked(ugyldigtNavnTekst());
        return;
    }
    if (m_hoved->gruppemappeEllerBesked().isEmpty())
        return;
    m_hoved->insertElement(adresse, navn);
    FilnavnEdit->clear();
    tekstEdit->clear();
}

void Tboksform::actionOpenEleExecute() {
    if (m_hoved->funkNo == 1) {
        const QString sti = vaelgProgram();
        if (!sti.isEmpty() && filFindes(sti))
            FilnavnEdit->setText(sti);
        return;
    }
    m_hoved->startBrowser(browserIndex());
}

void Tboksform::programBoksClick() {
    const int i = valgtElement();
    if (i < 0)
        return;
    nytekstEdit->setText(programBoks->topLevelItem(i)->text(0));
    webUrlEdit->setText(m_hoved->Web.at(i).Url);
}

void Tboksform::RedigerNavn() {
    const QString adresse = webUrlEdit->text();
    const QString navn = nytekstEdit->text();
    if (!gyldigAdresse(adresse)) {
        visBesked(QStringLiteral("Der mangler en gyldig webadresse!"));
        return;
    }
    const int i = valgtElement();
    if (i < 0)
        return;
    TWebRecord rec = m_hoved->Web.at(i);
    const bool nyAdresse = !ensUdenAZ(adresse, rec.Url);
    const bool nytNavn = !ensUdenAZ(navn, rec.Navn);
    if (!nyAdresse && !nytNavn) {
        visBesked(QStringLiteral("Valgte element er det oprindelige.\rDet bliver derfor ikke opdateret."));
        return;
    }
    if (nytNavn && !gyldigtNytNavn(navn)) {
        visBesked(ugyldigtNavnTekst());
        return;
    }
    const QString mappe = m_hoved->gruppemappeEllerBesked();
    if (mappe.isEmpty())
        return;
    const QString gammelFil = kasseblindSti(mappe, rec.Navn + QStringLiteral(".txt"));
    const QString nyFil = kasseblindSti(mappe, navn + QStringLiteral(".txt"));
    const bool sammeFil = QFileInfo(gammelFil) == QFileInfo(nyFil);
    // Another element of that name would be replaced: ask as inserting does.
    if (nytNavn && !sammeFil && QFileInfo::exists(nyFil) && !Tmainform::maaOverskrive(navn))
        return;

    m_hoved->gruppeDir = mappe;
    m_hoved->WebNo = i;
    TWebRecord &e = m_hoved->Web[i];
    // One write holds both changes, and memory changes back with a failed write, so the
    // old file stays as it was until the new one is whole.
    try {
        if (nyAdresse)
            e.Url = adresse;
        if (nytNavn && sammeFil) {
            // Only the spelling changes: the file takes the new spelling, unless it has
            // it already (an element written over another of that name keeps its file).
            const QString nyStavning = mappe + kSep + navn + QStringLiteral(".txt");
            const bool omdoeb = nyStavning != gammelFil;
            if (omdoeb && !QFile::rename(gammelFil, nyStavning))
                throw AnkerFejl(QStringLiteral("Filen \"%1\" kunne ikke omdøbes.").arg(gammelFil));
            e.Navn = navn;
            try {
                m_hoved->GemWeb();
            } catch (...) {
                if (omdoeb)
                    QFile::rename(nyStavning, gammelFil);
                throw;
            }
        } else {
            // Written under the new name before the old file goes, so nothing is lost.
            if (nytNavn)
                e.Navn = navn;
            m_hoved->GemWeb();
        }
    } catch (...) {
        e = rec;
        throw;
    }
    if (nytNavn) {
        if (!sammeFil)
            sletFilStrengt(gammelFil);
        m_hoved->loadGruppefil();
    }
    webUrlEdit->clear();
    nytekstEdit->clear();
}

void Tboksform::aResetVisitsExecute() {
    const int i = valgtElement();
    if (i < 0)
        return;
    TWebRecord &rec = m_hoved->Web[i];
    m_hoved->WebNo = i;
    if (!ensUdenAZ(webUrlEdit->text(), rec.Url) || !ensUdenAZ(nytekstEdit->text(), rec.Navn)) {
        visBesked(QStringLiteral("Url og elementnavn skal være de oprindelige, hvis nulstilling af besøg skal "
                                 "kunne lade sig gøre."));
        return;
    }
    if (!gyldigAdresse(webUrlEdit->text()))
        return;
    rec.Url = webUrlEdit->text();
    rec.Navn = nytekstEdit->text();
    m_hoved->insertElement(rec.Url, rec.Navn);
}

void Tboksform::fjernKnapClick() {
    const int antalPoster = programBoks->topLevelItemCount();
    if (antalPoster == 0)
        return;
    QStringList valgte;
    for (int i = 0; i < antalPoster; ++i)
        if (programBoks->topLevelItem(i)->checkState(0) == Qt::Checked)
            valgte << programBoks->topLevelItem(i)->text(0);
    if (valgte.isEmpty()) {
        visBesked(QStringLiteral("Der er ikke valgt elementer!\rAfkryds elementer, der skal slettes."));
        return;
    }
    const QString tekst = QStringLiteral("Valgt: \r") + valgte.join(QStringLiteral(", ")) + QStringLiteral("\r") +
                          (valgte.size() == 1 ? QStringLiteral("Skal det valgte element slettes?")
                                              : QStringLiteral("Skal de %1 valgte elementer slettes?").arg(valgte.size()));
    if (!spoerg(tekst))
        return;
    // The files the elements were read from, in the group's folder as it is now, so
    // deleting works after a group rename too.
    const QString mappe = m_hoved->gruppemappe(m_hoved->gruppenavn);
    if (mappe.isEmpty())
        return;
    for (int i = antalPoster - 1; i >= 0; --i)
        if (programBoks->topLevelItem(i)->checkState(0) == Qt::Checked && i < m_hoved->Web.size())
            sletFilStrengt(mappe + kSep + QFileInfo(m_hoved->Web.at(i).kilde).fileName());
    m_hoved->loadGruppefil();
}
