// The five pages of the administration window.

#include "admin/boksform.h"

#include "components/gitterdelegat.h"
#include "components/gruppedelegat.h"
#include "components/handling.h"
#include "components/hint.h"
#include "components/ikon.h"
#include "components/navnefelt.h"
#include "components/navngiv.h"
#include "launcher/mainform.h"
#include "platform/fejl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QLineEdit *felt(QWidget *ejer, const char *navn, bool skrivebeskyttet, int bredde = 0) {
    auto *e = navngiv(new QLineEdit(ejer), navn);
    e->setReadOnly(skrivebeskyttet);
    if (skrivebeskyttet)
        e->setFocusPolicy(Qt::ClickFocus); // skipped by the Tab key
    if (bredde > 0)
        e->setFixedWidth(bredde);
    return e;
}

// A label; with `til`, the label is the control's caption, which a screen reader reads.
QLabel *etiket(QWidget *ejer, const char *navn, const QString &tekst, QWidget *til = nullptr) {
    auto *l = navngiv(new QLabel(tekst, ejer), navn);
    l->setBuddy(til);
    return l;
}

QLabel *ombrudt(QWidget *ejer, const char *navn, const QString &tekst) {
    auto *l = etiket(ejer, navn, tekst);
    l->setWordWrap(true);
    return l;
}

QToolButton *knap(QWidget *ejer, const char *navn, const QString &tekst, const QString &hint,
                  const char *billede = nullptr) {
    auto *k = navngiv(new QToolButton(ejer), navn);
    k->setText(tekst);
    Hint::saet(k, hint);
    k->setCursor(Qt::PointingHandCursor);
    k->setAutoRaise(true);
    if (billede) {
        k->setIcon(programikon(billede));
        k->setToolButtonStyle(tekst.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    }
    return k;
}

QToolButton *handlingsknap(QWidget *ejer, const char *navn, QAction *handling, bool medTekst) {
    auto *k = navngiv(new QToolButton(ejer), navn);
    k->setDefaultAction(handling);
    k->setCursor(Qt::PointingHandCursor);
    k->setToolButtonStyle(medTekst ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    return k;
}

QListWidget *gruppeliste(QWidget *ejer, const char *navn, QAbstractItemView::SelectionMode valg) {
    auto *l = navngiv(new QListWidget(ejer), navn);
    l->setSelectionMode(valg);
    new GruppeDelegat(l);
    return l;
}

QFrame *skillelinje(QWidget *ejer) {
    auto *linje = new QFrame(ejer);
    linje->setFrameShape(QFrame::HLine);
    linje->setFrameShadow(QFrame::Sunken);
    return linje;
}

QFont skrift(const char *familie, int punkt) {
    QFont f{QString::fromLatin1(familie)};
    f.setPointSize(punkt);
    return f;
}
} // namespace

void Tboksform::bygGruppeside() {
    side0 = navngiv(new QWidget, "side0");
    auto *lag = new QHBoxLayout(side0);
    lag->setContentsMargins(4, 4, 4, 4);
    Splitter2 = navngiv(new QSplitter(side0), "Splitter2");
    Panel7 = navngiv(new QWidget(Splitter2), "Panel7");
    auto *venstre = new QVBoxLayout(Panel7);
    venstre->setContentsMargins(0, 0, 0, 0);
    gruppeBoks = gruppeliste(Panel7, "gruppeBoks", QAbstractItemView::SingleSelection);
    venstre->addWidget(etiket(Panel7, "Label10", QStringLiteral("Eksisterende grupper"), gruppeBoks));
    gruppeBoks->setMinimumWidth(182);
    venstre->addWidget(gruppeBoks, 1);
    Panel7->setMinimumWidth(188);

    rightPanel1 = navngiv(new QWidget(Splitter2), "rightPanel1");
    rightPanel1->setMinimumWidth(259);
    auto *g = new QGridLayout(rightPanel1);
    g->setContentsMargins(6, 0, 0, 0);
    g->setVerticalSpacing(5);
    valgtGruppeEdit = felt(rightPanel1, "valgtGruppeEdit", true, 160);
    foelgNavn(valgtGruppeEdit);
    g->addWidget(etiket(rightPanel1, "Label13", QStringLiteral("Valgt gruppe"), valgtGruppeEdit), 0, 0);
    g->addWidget(valgtGruppeEdit, 0, 1);
    sletKnap = handlingsknap(rightPanel1, "sletKnap", aSletGruppe, true);
    redigerCheck = navngiv(new QCheckBox(QStringLiteral("Rediger"), rightPanel1), "redigerCheck");
    Hint::saet(redigerCheck, QStringLiteral("Muliggør redigering af gruppenavnet"));
    redigerKnap = handlingsknap(rightPanel1, "redigerKnap", aRedigerGruppe, true);
    auto *raekke = new QHBoxLayout;
    raekke->addWidget(sletKnap);
    raekke->addWidget(redigerCheck);
    raekke->addWidget(redigerKnap);
    raekke->addStretch(1);
    g->addLayout(raekke, 1, 0, 1, 2);
    g->addWidget(skillelinje(rightPanel1), 2, 0, 1, 2);
    g->addWidget(etiket(rightPanel1, "Label12", QStringLiteral("Indfør ny gruppe")), 3, 0, 1, 2);
    gEdit = felt(rightPanel1, "gEdit", false, 160);
    g->addWidget(etiket(rightPanel1, "Label4", QStringLiteral("Gruppe navn"), gEdit), 4, 0);
    g->addWidget(gEdit, 4, 1);
    nyGruppeKnap = handlingsknap(rightPanel1, "nyGruppeKnap", aNyGruppe, true);
    auto *ny = new QHBoxLayout;
    ny->addWidget(nyGruppeKnap);
    ny->addWidget(etiket(rightPanel1, "Label11", QStringLiteral("Minimum 3 bogstaver")));
    ny->addStretch(1);
    g->addLayout(ny, 5, 0, 1, 2);
    g->addWidget(skillelinje(rightPanel1), 6, 0, 1, 2);
    sbInformationsKnap = knap(rightPanel1, "sbInformationsKnap", QStringLiteral("Information"),
                              QStringLiteral("Information: Grupper"), "information");
    sorterKnap = knap(rightPanel1, "sorterKnap", QStringLiteral("Sorter listen"),
                      QStringLiteral("Sorter listen alfabetisk"), "sorter");
    auto *info = new QHBoxLayout;
    info->addWidget(sbInformationsKnap);
    info->addWidget(sorterKnap);
    info->addStretch(1);
    g->addLayout(info, 7, 0, 1, 2);
    g->addWidget(skillelinje(rightPanel1), 8, 0, 1, 2);
    funkCheck = navngiv(new QCheckBox(QStringLiteral("Programmer"), rightPanel1), "funkCheck");
    Hint::saet(funkCheck, QStringLiteral("Skift mellem webadresser og programmer: Ctrl+S"));
    g->addWidget(funkCheck, 9, 0, 1, 2);
    g->setRowStretch(10, 1);
    g->setColumnStretch(2, 1);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);
    lag->addWidget(Splitter2);
    Bog->addTab(side0, QStringLiteral("Grupper"));

    connect(gruppeBoks, &QListWidget::currentRowChanged, this, [this] {
        if (!m_listeFraProgram)
            medFejlrapport([this] { gruppeBoksClick(); });
    });
    connect(gruppeBoks, &QListWidget::itemClicked, this,
            [this] { medFejlrapport([this] { gruppeBoksClick(); }); });
    connect(redigerCheck, &QCheckBox::toggled, this, [this] { redigerCheckClick(); });
    connect(sorterKnap, &QToolButton::clicked, this, [this] { medFejlrapport([this] { sorterKnapClick(); }); });
    connect(sbInformationsKnap, &QToolButton::clicked, this,
            [this] { m_hoved->Information(QStringLiteral("Grupper")); });
}

void Tboksform::bygIndfoerside() {
    side1 = navngiv(new QWidget, "side1");
    auto *lag = new QVBoxLayout(side1);
    lag->setContentsMargins(4, 4, 4, 4);
    rightPanel2 = navngiv(new QWidget(side1), "rightPanel2");
    auto *g = new QGridLayout(rightPanel2);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(5);
    gruppeEdit = felt(rightPanel2, "gruppeEdit", true, 160);
    foelgNavn(gruppeEdit);
    auto *label3 = ombrudt(rightPanel2, "Label3", QStringLiteral("Elementerne indsættes i følgende gruppe"));
    label3->setBuddy(gruppeEdit);
    g->addWidget(label3, 0, 0, 1, 2);
    g->addWidget(gruppeEdit, 0, 2);
    g->addWidget(skillelinje(rightPanel2), 1, 0, 1, 4);
    adrLabel = etiket(rightPanel2, "adrLabel", QStringLiteral("Werbadresse"));
    adrLabel->setMinimumWidth(68);
    FilnavnEdit = felt(rightPanel2, "FilnavnEdit", false);
    adrLabel->setBuddy(FilnavnEdit);
    openKnap = handlingsknap(rightPanel2, "openKnap", actionOpenEle, false);
    openKnap->setFixedWidth(26);
    g->addWidget(adrLabel, 2, 0);
    g->addWidget(FilnavnEdit, 2, 1, 1, 2);
    g->addWidget(openKnap, 2, 3);
    tekstEdit = felt(rightPanel2, "tekstEdit", false, 160);
    g->addWidget(etiket(rightPanel2, "Label6", QStringLiteral("Kort navn"), tekstEdit), 3, 0);
    g->addWidget(tekstEdit, 3, 1, 1, 2, Qt::AlignLeft);
    insertKnap = handlingsknap(rightPanel2, "insertKnap", aInsertElement, true);
    insertKnap->setMinimumWidth(110);
    g->addWidget(insertKnap, 4, 1, 1, 2, Qt::AlignLeft);
    g->addWidget(skillelinje(rightPanel2), 5, 0, 1, 4);
    g->addWidget(ombrudt(rightPanel2, "Label15",
                         QStringLiteral("Hvis \"Kort navn\" eksisterer i forvejen, kan elementets \"Dato\" og "
                                        "\"Besøg\" nulstilles, hvis det vælges, at filen overskrives.")),
                 6, 0, 1, 4);
    g->addWidget(ombrudt(rightPanel2, "Label16",
                         QStringLiteral("Ellers skal \"Kort navn\" være unikt i valgte gruppe.")),
                 7, 0, 1, 4);
    sbInfo2 = knap(rightPanel2, "sbInfo2", QStringLiteral("Information"),
                   QStringLiteral("Information: Indfør element"), "information");
    g->addWidget(sbInfo2, 8, 0, 1, 2, Qt::AlignLeft);
    g->addWidget(skillelinje(rightPanel2), 9, 0, 1, 4);
    g->setColumnStretch(1, 1);
    lag->addWidget(rightPanel2);

    auto *gruppe = navngiv(new QGroupBox(QStringLiteral("Vælg browser til indførelse af webadresse"), side1),
                           "browserValgBoks");
    gruppe->setFixedSize(315, 53);
    auto *knapper = new QHBoxLayout(gruppe);
    browserValg = new QButtonGroup(gruppe);
    browserValg->setObjectName(QStringLiteral("browserValg"));
    const QStringList browsere{QStringLiteral("Google Chrome"), QStringLiteral("Microsoft Edge")};
    for (int i = 0; i < browsere.size(); ++i) {
        auto *r = new QRadioButton(browsere[i], gruppe);
        r->setObjectName(i == 0 ? QStringLiteral("googleChrome") : QStringLiteral("microsoftEdge"));
        browserValg->addButton(r, i);
        knapper->addWidget(r);
    }
    browserValg->button(0)->setChecked(true);
    lag->addWidget(gruppe);
    lag->addStretch(1);
    Bog->addTab(side1, QStringLiteral("Indfør element"));

    connect(sbInfo2, &QToolButton::clicked, this, [this] { m_hoved->Information(QStringLiteral("Indfør element")); });
}

void Tboksform::bygRedigerside() {
    side2 = navngiv(new QWidget, "side2");
    auto *lag = new QHBoxLayout(side2);
    lag->setContentsMargins(4, 4, 4, 4);
    Splitter1 = navngiv(new QSplitter(side2), "Splitter1");
    Panel8 = navngiv(new QWidget(Splitter1), "Panel8");
    Panel8->setMinimumWidth(195);
    auto *venstre = new QVBoxLayout(Panel8);
    venstre->setContentsMargins(0, 0, 0, 0);
    programBoks = navngiv(new QTreeWidget(Panel8), "programBoks");
    programBoks->setColumnCount(1);
    programBoks->setHeaderLabels({QStringLiteral("Elementer")});
    programBoks->setRootIsDecorated(false);
    programBoks->setUniformRowHeights(true);
    programBoks->setItemDelegate(new GitterDelegat(programBoks));
    programBoks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    programBoks->setSelectionMode(QAbstractItemView::SingleSelection);
    programBoks->header()->setStretchLastSection(true);
    venstre->addWidget(programBoks, 1);
    fjernKnap = knap(Panel8, "fjernKnap", QStringLiteral("Fjern valgte"),
                     QStringLiteral("Fjern afkrydsede programmer fra gruppen"), "slet");
    fjernKnap->setMinimumWidth(89);
    fjernKnap->setAutoRaise(false);
    auto *bund = new QHBoxLayout;
    bund->addWidget(fjernKnap);
    bund->addWidget(ombrudt(Panel8, "Label9", QStringLiteral("Alle afkrydsede fjernes permanent.")), 1);
    venstre->addLayout(bund);

    rightPanel3 = navngiv(new QWidget(Splitter1), "rightPanel3");
    auto *h = new QVBoxLayout(rightPanel3);
    h->setContentsMargins(6, 0, 0, 0);
    gNameEdit = felt(rightPanel3, "gNameEdit", true, 160);
    foelgNavn(gNameEdit);
    auto *navn = new QHBoxLayout;
    navn->addWidget(etiket(rightPanel3, "Label2", QStringLiteral("Gruppe navn"), gNameEdit));
    navn->addWidget(gNameEdit);
    navn->addStretch(1);
    h->addLayout(navn);
    h->addWidget(skillelinje(rightPanel3));
    auto *label8 = ombrudt(rightPanel3, "Label8", QStringLiteral("Vælg element i listen der skal redigeres."));
    label8->setFont(skrift("Tahoma", 10));
    h->addWidget(label8);
    adrLabel2 = etiket(rightPanel3, "adrLabel2", QStringLiteral("Werbadresse"));
    webUrlEdit = felt(rightPanel3, "webUrlEdit", false);
    webUrlEdit->setFocusPolicy(Qt::ClickFocus); // skipped by the Tab key, but editable
    adrLabel2->setBuddy(webUrlEdit);
    h->addWidget(adrLabel2);
    h->addWidget(webUrlEdit);
    nytekstEdit = felt(rightPanel3, "nytekstEdit", false, 168);
    h->addWidget(etiket(rightPanel3, "Label7", QStringLiteral("Elementets navn"), nytekstEdit));
    nytekstKnap = handlingsknap(rightPanel3, "nytekstKnap", aRedigerNavn, false);
    nytekstKnap->setFixedSize(24, 25);
    Button1 = handlingsknap(rightPanel3, "Button1", aResetVisits, false);
    Button1->setFixedSize(24, 25);
    auto *ret = new QHBoxLayout;
    ret->addWidget(nytekstEdit);
    ret->addWidget(nytekstKnap);
    ret->addWidget(Button1);
    ret->addStretch(1);
    h->addLayout(ret);
    h->addWidget(skillelinje(rightPanel3));
    sbInfo1 = knap(rightPanel3, "sbInfo1", QStringLiteral("Information"),
                   QStringLiteral("Information: Rediger element"), "information");
    h->addWidget(sbInfo1, 0, Qt::AlignLeft);
    h->addStretch(1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    lag->addWidget(Splitter1);
    Bog->addTab(side2, QStringLiteral("Fjern eller rediger element"));

    connect(programBoks, &QTreeWidget::itemSelectionChanged, this, [this] { programBoksClick(); });
    connect(programBoks, &QTreeWidget::itemClicked, this, [this] { programBoksClick(); });
    connect(fjernKnap, &QToolButton::clicked, this, [this] { medFejlrapport([this] { fjernKnapClick(); }); });
    connect(sbInfo1, &QToolButton::clicked, this, [this] { m_hoved->Information(QStringLiteral("Rediger element")); });
}

void Tboksform::bygLagerside() {
    side4 = navngiv(new QWidget, "side4");
    auto *h = new QHBoxLayout(side4);
    h->setContentsMargins(4, 4, 4, 4);
    Box = gruppeliste(side4, "Box", QAbstractItemView::ExtendedSelection);
    Box->setMinimumWidth(160);
    Box->setMaximumWidth(200);
    lagerBox = gruppeliste(side4, "lagerBox", QAbstractItemView::ExtendedSelection);
    lagerBox->setMinimumWidth(160);
    lagerBox->setMaximumWidth(200);
    Panel1 = navngiv(new QWidget(side4), "Panel1");
    Panel1->setFixedWidth(36);
    auto *knapper = new QVBoxLayout(Panel1);
    knapper->setContentsMargins(3, 0, 3, 0);
    sbInformation = knap(Panel1, "sbInformation", QString(), QStringLiteral("Information: Administrer grupper"),
                         "information");
    sbInformation->setAutoRaise(false);
    auto lagerknap = [this](const char *navn, QAction *handling) {
        QToolButton *k = handlingsknap(Panel1, navn, handling, false);
        k->setAutoRaise(true);
        return k;
    };
    tilLagerValgte = lagerknap("tilLagerValgte", m_hoved->AvalgteTilLager);
    tilbageValgte = lagerknap("tilbageValgte", m_hoved->AvalgteTilbage);
    tilLagerAlle = lagerknap("tilLagerAlle", m_hoved->AalleTilLager);
    tilbageAlle = lagerknap("tilbageAlle", m_hoved->AalleTilbage);
    flytOp = lagerknap("flytOp", m_hoved->AflytOp);
    flytNed = lagerknap("flytNed", m_hoved->AflytNed);
    gemKnap = lagerknap("gemKnap", m_hoved->AgemForandringer);
    gemKnap->setAutoRaise(false);
    for (QToolButton *k : {sbInformation, tilLagerValgte, tilbageValgte, tilLagerAlle, tilbageAlle, flytOp,
                           flytNed, gemKnap}) {
        k->setFixedSize(30, 26);
        knapper->addWidget(k);
    }
    knapper->addStretch(1);
    h->addWidget(Box, 1);
    h->addWidget(Panel1);
    h->addWidget(lagerBox, 1);
    Bog->addTab(side4, QStringLiteral("Administrer grupper"));

    connect(sbInformation, &QToolButton::clicked, this,
            [this] { m_hoved->Information(QStringLiteral("Administrer grupper")); });
}

void Tboksform::bygEgenskabsside() {
    Side5 = navngiv(new QWidget, "Side5");
    auto *h = new QHBoxLayout(Side5);
    h->setContentsMargins(4, 4, 4, 4);
    eLeftPanel = navngiv(new QWidget(Side5), "eLeftPanel");
    auto *venstre = new QVBoxLayout(eLeftPanel);
    auto *panel19 = navngiv(new QWidget(eLeftPanel), "Panel19");
    auto *design = new QHBoxLayout(panel19);
    design->setContentsMargins(0, 0, 0, 0);
    designBox = navngiv(new QComboBox(panel19), "designBox");
    design->addWidget(etiket(panel19, "Label14", QStringLiteral("Design"), designBox));
    designBox->setFixedWidth(136);
    designBox->setMaxVisibleItems(11);
    design->addWidget(designBox);
    design->addStretch(1);
    venstre->addWidget(panel19);
    venstre->addStretch(1);

    eRightPanel = navngiv(new QWidget(Side5), "eRightPanel");
    eRightPanel->setMinimumWidth(185);
    auto *hoejre = new QVBoxLayout(eRightPanel);
    auto *label1 = etiket(eRightPanel, "Label1", QStringLiteral("Programspecialiteter"));
    label1->setAlignment(Qt::AlignCenter);
    label1->setFont(skrift("Segoe UI", 12));
    trayCheck = navngiv(new QCheckBox(QStringLiteral("Minimer til system bakken"), eRightPanel), "trayCheck");
    minimerCheck = navngiv(new QCheckBox(QStringLiteral("Minimer ved opstart"), eRightPanel), "minimerCheck");
    Hint::saet(minimerCheck, QStringLiteral("Fungerer ved næste programopstart"));
    for (QCheckBox *c : {trayCheck, minimerCheck}) {
        c->setFont(skrift("Tahoma", 10));
        c->setCursor(Qt::PointingHandCursor);
    }
    auto *label5 = etiket(eRightPanel, "Label5", QStringLiteral("Startop program"));
    label5->setFont(skrift("Segoe UI", 11));
    doButton = knap(eRightPanel, "doButton", QStringLiteral("Udfør"),
                    QStringLiteral("Tilføj eller fjern programmet som Startop-program"), "egenskaber");
    hoejre->addWidget(label1);
    hoejre->addWidget(trayCheck);
    hoejre->addWidget(minimerCheck);
    hoejre->addWidget(skillelinje(eRightPanel));
    hoejre->addWidget(label5);
    hoejre->addWidget(doButton, 0, Qt::AlignLeft);
    hoejre->addStretch(1);
    h->addWidget(eLeftPanel, 1);
    h->addWidget(eRightPanel);
    Bog->addTab(Side5, QStringLiteral("Egenskaber"));
}
