// Opens the real windows on a data root and does what a user does, without end, so a
// test can kill it at any moment: records uses, renames and inserts elements, saves the
// store page, writes the options files as closing does, imports a bookmarks file into
// the web-page collection and takes the last import back. Starts no real program.
//
//   ankerhus-drivkraft <data root> <seed> <bookmarks file>
//
// Prints "klar" once the windows are up, and "import start" / "import slut" (and the
// same for "fortryd") around each import and undo, so the test knows where a kill fell.
// Anything the program reports (an error box, a message) is printed as "FEJL ..." and
// ends the driver with code 3.

#include "admin/boksform.h"
#include "components/handling.h"
#include "draebfaelles.h"
#include "launcher/Ankerhus.h"
#include "launcher/applikation.h"
#include "launcher/bogmaerkeform.h"
#include "launcher/mainform.h"
#include "platform/fejl.h"
#include "platform/modalsvar.h"
#include "platform/skal.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class Driver {
public:
    Driver(quint32 froe, const QString &bogmaerkefil) : m_tal(froe), m_bogmaerkefil(bogmaerkefil) {}

    // A third of the runs begin with an import, and some with an undo: an import takes
    // longer than the test waits before its kill, so these kills land inside it.
    void foerste() {
        const int valg = tal(6);
        medFejlrapport([&] {
            if (valg < 2)
                importer();
            else if (valg == 2)
                fortryd();
        });
        tjek();
    }

    void skridt() {
        const int valg = tal(21);
        // An error the operation raises goes to the one report, as in the program.
        medFejlrapport([&] {
            if (valg < 8)
                brug();
            else if (valg < 12)
                omdoeb();
            else if (valg < 16)
                indsaet();
            else if (valg < 18)
                gemLager();
            else if (valg < 20)
                luk();
            else if (tal(3) == 0)
                fortryd();
            else
                importer();
        });
        tjek();
    }

private:
    int tal(int n) { return int(m_tal.bounded(quint32(n))); }

    void tjek() {
        for (const Modalsvar::Visning &v : Modalsvar::vist()) {
            if (v.slags == u"Spørgsmål")
                continue;
            std::printf("FEJL %s: %s\n", qPrintable(v.slags), qPrintable(v.tekst));
            std::fflush(stdout);
            std::exit(3);
        }
        Modalsvar::ryd();
    }

    // A double click on a random element: the use is written, then the page "opened".
    void brug() {
        QTreeWidget *liste = mainform->Listen;
        if (liste->topLevelItemCount() == 0)
            return;
        liste->setCurrentItem(liste->topLevelItem(tal(liste->topLevelItemCount())));
        mainform->ListenClick();
        mainform->ListenDblClick();
    }

    // Another spelling of a random element's name, sometimes with another address.
    void omdoeb() {
        QTreeWidget *liste = boksform->programBoks;
        if (liste->topLevelItemCount() == 0)
            return;
        liste->setCurrentItem(liste->topLevelItem(tal(liste->topLevelItemCount())));
        boksform->programBoksClick();
        const QString navn = boksform->nytekstEdit->text();
        QStringList andre = Draeb::stavemaader(Draeb::grundnavn(navn));
        andre.removeAll(navn);
        boksform->nytekstEdit->setText(andre.at(tal(andre.size())));
        if (tal(3) == 0)
            boksform->webUrlEdit->setText(Draeb::adresse(tal(Draeb::kAdresser)));
        Modalsvar::forbered(1); // "Ja" when it would replace another element
        boksform->aRedigerNavn->Execute();
    }

    // A new element, or one replacing an element of that name, from either window.
    void indsaet() {
        const QString navn = QStringLiteral("Ny%1").arg(tal(8));
        const QString adr = Draeb::adresse(tal(Draeb::kAdresser));
        Modalsvar::forbered(1);
        if (tal(2) == 0) {
            mainform->webEdit1->setText(adr);
            mainform->webEdit2->setText(navn);
            mainform->actionIL->Execute();
        } else {
            boksform->Bog->setCurrentIndex(1);
            boksform->FilnavnEdit->setText(adr);
            boksform->tekstEdit->setText(navn);
            boksform->aInsertElement->Execute();
        }
    }

    // The store page: a group or two change sides, then the save.
    void gemLager() {
        boksform->Bog->setCurrentIndex(0);
        boksform->Bog->setCurrentWidget(boksform->side4); // starts from the saved lists
        auto vaelg = [this](QListWidget *l) {
            QList<int> mulige;
            for (int i = 0; i < l->count(); ++i)
                if (l->item(i)->text() != Draeb::kGruppe)
                    mulige << i;
            if (mulige.isEmpty())
                return false;
            l->clearSelection();
            l->item(mulige.at(tal(mulige.size())))->setSelected(true);
            return true;
        };
        const int hvad = tal(3);
        if (hvad != 1 && vaelg(boksform->Box))
            mainform->AvalgteTilLager->Execute();
        if (hvad != 0 && vaelg(boksform->lagerBox))
            mainform->AvalgteTilbage->Execute();
        mainform->AgemForandringer->Execute();
    }

    // The bookmarks file into the web-page collection, as the command line and a second
    // start do it; the windows then show what the import wrote.
    void importer() {
        melde("import start");
        const auto [ok, linje] = mainform->importerBogmaerker(m_bogmaerkefil);
        if (!ok)
            fejl(QStringLiteral("import: ") + linje);
        melde("import slut");
    }

    // "Fortryd" in the import window, answered "Ja"; it tells what it removed.
    void fortryd() {
        melde("fortryd start");
        mainform->visBogmaerkeImport();
        Modalsvar::forbered(1);
        mainform->bogmaerkeform->fortryd();
        mainform->bogmaerkeform->reject();
        static const QRegularExpression fjernet(QStringLiteral("^Fjernet: \\d+ element(er)? og \\d+ gruppe(r)?\\.$"));
        QList<Modalsvar::Visning> vist = Modalsvar::vist();
        vist.removeIf([](const Modalsvar::Visning &v) { return v.slags == u"Spørgsmål"; });
        if (vist.size() == 1 && fjernet.match(vist.first().tekst).hasMatch())
            Modalsvar::ryd();
        melde("fortryd slut");
    }

    static void melde(const char *tekst) {
        std::printf("%s\n", tekst);
        std::fflush(stdout);
    }

    static void fejl(const QString &tekst) {
        std::printf("FEJL %s\n", qPrintable(tekst));
        std::fflush(stdout);
        std::exit(3);
    }

    // New sizes, then closing, which writes both options files; then shown again.
    void luk() {
        mainform->resize(Draeb::kHovedBredde + tal(Draeb::kSpand),
                         Draeb::kHovedHoejde + tal(Draeb::kSpand));
        boksform->resize(Draeb::kAdminBredde + tal(Draeb::kSpand),
                         Draeb::kAdminHoejde + tal(Draeb::kSpand));
        boksform->setBrowserIndex(tal(2));
        mainform->close();
        mainform->show();
    }

    QRandomGenerator m_tal;
    QString m_bogmaerkefil;
};

} // namespace

int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    AnkerApplikation app(argc, argv);
    app.setQuitOnLastWindowClosed(false); // closing the main window is one of the steps
    const QStringList arg = app.arguments();
    if (arg.size() != 4) {
        std::fprintf(stderr, "brug: ankerhus-drivkraft <datarod> <froe> <bogmaerkefil>\n");
        return 2;
    }
    Modalsvar::testtilstand(true);

    Miljoe miljoe;
    miljoe.dataRod = arg.at(1);
    miljoe.brugernavn = Draeb::kBruger;
    // A clock that moves an hour and a minute at each look, so every use writes anew.
    miljoe.ur = [t = QDateTime(QDate(2026, 12, 9), QTime(14, 35))]() mutable {
        t = t.addSecs(3660);
        return t;
    };
    miljoe.lokalitet = QLocale(QLocale::Danish, QLocale::Denmark);
    miljoe.datoFormat = QStringLiteral("dd-MM-yyyy");
    miljoe.tidFormat = QStringLiteral("HH:mm:ss");
    miljoe.skal = std::make_shared<StilleSkal>();
    opretVinduer(miljoe);
    mainform->show();
    // The group is chosen as a double click in the group list does.
    const QList<QListWidgetItem *> gruppe =
        mainform->gruppeBoksen->findItems(Draeb::kGruppe, Qt::MatchExactly);
    if (gruppe.isEmpty()) {
        std::printf("FEJL gruppen %s står ikke i listen\n", qPrintable(Draeb::kGruppe));
        return 3;
    }
    mainform->gruppeBoksen->setCurrentItem(gruppe.first());
    mainform->gruppeBoksenDblClick();

    std::printf("klar\n");
    std::fflush(stdout);
    Driver driver(arg.at(2).toUInt(), arg.at(3));
    driver.foerste();
    for (;;) {
        driver.skridt();
        QCoreApplication::processEvents();
    }
}
