// The main window's action list, its menu, and choosing a group or an element.

#include "launcher/mainform.h"

#include "components/dialoger.h"
#include "components/handling.h"
#include "components/hint.h"
#include "components/ikon.h"
#include "launcher/flader.h"
#include "platform/adresse.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/navne.h"

#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>

namespace {
QIcon ikon(const char *navn) { return programikon(navn); }

bool erVaelgTast(const QEvent *e) {
    if (e->type() != QEvent::KeyPress)
        return false;
    const int tast = static_cast<const QKeyEvent *>(e)->key();
    return tast == Qt::Key_Return || tast == Qt::Key_Enter || tast == Qt::Key_Space;
}

// The keys that drop down a split button's menu, as in a combo box: Alt+Down or F4.
bool erMenuTast(const QEvent *e) {
    if (e->type() != QEvent::KeyPress)
        return false;
    const auto *k = static_cast<const QKeyEvent *>(e);
    return (k->key() == Qt::Key_Down && k->modifiers() == Qt::AltModifier) ||
           (k->key() == Qt::Key_F4 && k->modifiers() == Qt::NoModifier);
}
} // namespace

void Tmainform::bygHandlinger() {
    lagerActions = new QObject(this);
    lagerActions->setObjectName(QStringLiteral("lagerActions"));
    auto ny = [this](const char *navn, const QString &tekst, const QString &hint, const char *billede) {
        auto *h = new Handling(lagerActions, navn, tekst, hint);
        h->setIcon(ikon(billede));
        h->setShortcutContext(Qt::WindowShortcut);
        addAction(h);
        return h;
    };
    auto altid = [] { return true; };

    actionAW = ny("actionAW", QStringLiteral("Administrer grupper og elementer"),
                  QStringLiteral("Administrer webadresser: Ctrl+A"), "administrer")
                   ->genvej(QKeySequence(Qt::CTRL | Qt::Key_A))
                   ->aktiv(altid)
                   ->udfoer([this] { m_admin->visVindue(); });
    egenskaberGo = ny("egenskaberGo", QStringLiteral("Egenskaber"), QStringLiteral("Program egenskaber"),
                      "egenskaber")
                       ->genvej(QKeySequence(Qt::CTRL | Qt::Key_E))
                       ->aktiv(altid)
                       ->udfoer([this] { m_admin->visVindue(4); });
    actionSI = ny("actionSI", QStringLiteral("Skift indhold"),
                  QStringLiteral("Skift mellem webadresser og programmer: Ctrl+S"), "skift")
                   ->genvej(QKeySequence(Qt::CTRL | Qt::Key_S))
                   ->aktiv(altid)
                   ->udfoer([this] { skiftIndhold(); });
    actionInfo = ny("actionInfo", QStringLiteral("Information"), QStringLiteral("Information: F1"),
                    "information")
                     ->genvej(QKeySequence(Qt::Key_F1))
                     ->aktiv(altid)
                     ->udfoer([this] { Information(QStringLiteral("Ankerhus")); });
    actionIL = ny("actionIL", QString(), QStringLiteral("Indsæt indførte i aktuelle liste: Ctrl+I"), "indsaet")
                   ->genvej(QKeySequence(Qt::CTRL | Qt::Key_I))
                   ->aktiv([this] {
                       return !webEdit1->text().isEmpty() && !webEdit2->text().isEmpty() &&
                              !gruppenavn.isEmpty();
                   })
                   ->udfoer([this] { hurtigIndsaet(); });
    webUrl = ny("webUrl", QString(), QStringLiteral("Besøg valgte url: Ctrl+G"), "besoeg")
                 ->genveje({QKeySequence(Qt::CTRL | Qt::Key_G), QKeySequence(Qt::Key_F9)})
                 ->aktiv([this] { return valgtRaekke() >= 0 && !webEdit1->text().isEmpty(); })
                 ->udfoer([this] { webUrlBeforeBrowse(); });
    actionFind = ny("actionFind", QStringLiteral("Find element"),
                    QStringLiteral("Find et element ved at skrive et par bogstaver: Ctrl+F"), "find")
                     ->genvej(QKeySequence(Qt::CTRL | Qt::Key_F))
                     ->aktiv(altid)
                     ->udfoer([this] { visFind(); });
    webBrowser = ny("webBrowser", QString(),
                    QStringLiteral("Åben browser eller Stifinder for at indføre en url eller et program: Ctrl+B"),
                    "browser")
                     ->genvej(QKeySequence(Qt::CTRL | Qt::Key_B))
                     ->aktiv([this] { return !gruppenavn.isEmpty(); })
                     ->udfoer([this] { aabnBrowser(); });

    // The store page's actions work on the administration window's two lists.
    auto box = [this] { return m_admin ? m_admin->boxValg() : Listevalg(); };
    auto lager = [this] { return m_admin ? m_admin->lagerValg() : Listevalg(); };
    AvalgteTilLager = ny("AvalgteTilLager", QString(), QStringLiteral("Flyt valgte til lager"), "tillager")
                          ->aktiv([box] { return kanFlytteValgte(box()); })
                          ->udfoer([this] { flytLager(flytValgte, true); });
    AvalgteTilbage = ny("AvalgteTilbage", QString(), QStringLiteral("Flyt valgte tilbage"), "tilbage")
                         ->aktiv([lager] { return kanFlytteValgte(lager()); })
                         ->udfoer([this] { flytLager(flytValgte, false); });
    AalleTilLager = ny("AalleTilLager", QString(), QStringLiteral("Flyt alle til lager"), "alletillager")
                        ->aktiv([box] { return kanFlytteAlle(box()); })
                        ->udfoer([this] { flytLager(flytAlle, true); });
    AalleTilbage = ny("AalleTilbage", QString(), QStringLiteral("Flyt alle tilbage"), "alletilbage")
                       ->aktiv([lager] { return kanFlytteAlle(lager()); })
                       ->udfoer([this] { flytLager(flytAlle, false); });
    AflytOp = ny("AflytOp", QString(), QStringLiteral("Flyt valgte op"), "op")
                  ->aktiv([box] { return kanFlytteOp(box()); })
                  ->udfoer([this] { flytIBox(flytOp); });
    AflytNed = ny("AflytNed", QString(), QStringLiteral("Flyt valgte ned"), "ned")
                   ->aktiv([box] { return kanFlytteNed(box()); })
                   ->udfoer([this] { flytIBox(flytNed); });
    AgemForandringer = ny("AgemForandringer", QString(), QStringLiteral("Gem de nye lister"), "gem")
                           ->aktiv([this] { return m_admin && m_admin->listerAendret(); })
                           ->udfoer([this] { gemLagerlister(); });

    opdaterVedTomgang(this, {actionAW, egenskaberGo, actionSI, actionInfo, actionIL, webUrl, webBrowser, actionFind,
                             AvalgteTilLager, AvalgteTilbage, AalleTilLager, AalleTilbage, AflytOp,
                             AflytNed, AgemForandringer});
}

void Tmainform::bygMenu() {
    // Each entry shows its action's caption, icon and shortcut, and runs the action. The
    // key is only written beside the caption: bound to the entry as well, it would have two
    // owners while Button2 has the focus, and Qt runs neither of two matches.
    auto post = [this](const char *navn, Handling *h) {
        QAction *a = PopupMenu->addAction(
            h->icon(), h->text() + u'\t' + h->shortcut().toString(QKeySequence::NativeText));
        a->setObjectName(QLatin1String(navn));
        Hint::saet(a, h->statusTip());
        connect(a, &QAction::triggered, h, [h] { medFejlrapport([h] { h->Execute(); }); });
        return a;
    };
    Administrerindhold1 = post("Administrerindhold1", actionAW);
    N1 = PopupMenu->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    Skiftindhold1 = post("Skiftindhold1", actionSI);
    Find1 = post("Find1", actionFind);
    N2 = PopupMenu->addSeparator();
    N2->setObjectName(QStringLiteral("N2"));
    Egenskaber1 = post("Egenskaber1", egenskaberGo);
    Information1 = post("Information1", actionInfo);
    // Seldom used, so no key of their own: every free one is taken or means something else.
    N3 = PopupMenu->addSeparator();
    N3->setObjectName(QStringLiteral("N3"));
    auto vindue = [this](const char *navn, const QString &tekst, const QString &hint, void (Tmainform::*vis)()) {
        QAction *a = PopupMenu->addAction(tekst);
        a->setObjectName(QLatin1String(navn));
        Hint::saet(a, hint);
        connect(a, &QAction::triggered, this, [this, vis] { medFejlrapport([this, vis] { (this->*vis)(); }); });
        return a;
    };
    Importerbogmaerker1 = vindue("Importerbogmaerker1", QStringLiteral("Importér bogmærker…"),
                                 QStringLiteral("Hent bogmærker ind fra en browser eller en bogmærkefil"),
                                 &Tmainform::visBogmaerkeImport);
    Eksporterbogmaerker1 = vindue("Eksporterbogmaerker1", QStringLiteral("Eksportér bogmærker…"),
                                  QStringLiteral("Skriv websidegrupper til en bogmærkefil, som en browser kan indlæse"),
                                  &Tmainform::visBogmaerkeEksport);
}

int Tmainform::valgtRaekke() const {
    const QList<QTreeWidgetItem *> valgte = Listen->selectedItems();
    return valgte.isEmpty() ? -1 : Listen->indexOfTopLevelItem(valgte.first());
}

void Tmainform::gruppeBoksenDblClick() {
    const int pos = gruppeBoksen->currentRow();
    if (pos < 0 || !gruppeBoksen->item(pos)->isSelected())
        return;
    m_admin->vaelgGruppe(pos);
    gruppenavn = gruppeBoksen->item(pos)->text();
    m_admin->SkiftGruppe();
}

void Tmainform::ListenClick() {
    const int i = valgtRaekke();
    if (i >= 0 && funkNo == 0 && i < Web.size())
        webEdit1->setText(Web.at(i).Url);
}

void Tmainform::hurtigIndsaet() {
    const QString adresse = webEdit1->text();
    const QString navn = webEdit2->text();
    if (navn.size() < 3) {
        visBesked(QStringLiteral("Kort navn: Minimum 3 tegn!"));
        return;
    }
    if (funkNo != 0 && !filFindes(adresse)) {
        visBesked(QStringLiteral("Filen kunne ikke findes!"));
        return;
    }
    if (funkNo == 0 && !gyldigAdresse(adresse)) {
        visBesked(QStringLiteral("Der mangler en gyldig webadresse!"));
        return;
    }
    // Refused like the checks above: told, and both fields kept for a correction.
    if (!gyldigtNytNavn(navn)) {
        visBesked(ugyldigtNavnTekst());
        return;
    }
    // A group whose name cannot be a folder name takes no element. (A folder that is
    // missing shows as the write's own error, the fields kept as well.)
    if (gruppemappe(gruppenavn).isEmpty()) {
        visBesked(ingenGruppemappeTekst());
        return;
    }
    insertElement(adresse, navn);
    webEdit1->clear();
    webEdit2->clear();
}

void Tmainform::skiftIndhold() {
    m_admin->vendSamling();
    // The tick's change ran the switch; running it again changes nothing further.
    skiftSamling(funkNo == 1);
}

void Tmainform::Information(const QString &S) {
    if (m_info)
        m_info->aabnEmne(S);
}

void Tmainform::changeEvent(QEvent *e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Hint::gorTilModtager(infoBar); // FormActivate
}

bool Tmainform::eventFilter(QObject *o, QEvent *e) {
    if (o == Listen && erVaelgTast(e)) { // ListenKeyPress
        medFejlrapport([this] { ListenDblClick(); });
        return true;
    }
    // Without a key the menu and the entries only it holds would need the mouse.
    if (o == Button2 && erMenuTast(e)) {
        Button2->showMenu();
        return true;
    }
    if (o == gruppeBoksen && erVaelgTast(e)) { // gruppeBoksenKeyPress
        medFejlrapport([this] { gruppeBoksenDblClick(); });
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}
