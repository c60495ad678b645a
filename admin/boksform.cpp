#include "admin/boksform.h"

#include "admin/adminopt.h"
#include "components/gruppedelegat.h"
#include "components/handling.h"
#include "components/hint.h"
#include "components/navngiv.h"
#include "components/systray.h"
#include "launcher/mainform.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/stil.h"
#include "platform/tekstfil.h"

#include <QButtonGroup>
#include <QEvent>
#include <QIcon>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QLineEdit *felt(QWidget *ejer, const char *navn, bool skrivebeskyttet) {
    auto *e = navngiv(new QLineEdit(ejer), navn);
    e->setReadOnly(skrivebeskyttet);
    if (skrivebeskyttet)
        e->setFocusPolicy(Qt::ClickFocus);
    return e;
}

QToolButton *infoKnap(QWidget *ejer, const char *navn, const QString &tekst, const QString &hint) {
    auto *k = navngiv(new QToolButton(ejer), navn);
    k->setText(tekst);
    k->setToolTip(hint);
    k->setCursor(Qt::PointingHandCursor);
    k->setAutoRaise(true);
    return k;
}

QListWidget *liste(QWidget *ejer, const char *navn) {
    auto *l = navngiv(new QListWidget(ejer), navn);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
}

QListWidget *gruppeliste(QWidget *ejer, const char *navn, QAbstractItemView::SelectionMode valg) {
    auto *l = liste(ejer, navn);
    l->setSelectionMode(valg);
    l->setItemDelegate(new GruppeDelegat(l));
    return l;
}

QToolButton *handlingsknap(QWidget *ejer, const char *navn, QAction *handling) {
    auto *k = navngiv(new QToolButton(ejer), navn);
    k->setDefaultAction(handling);
    k->setFixedSize(30, 26);
    k->setCursor(Qt::PointingHandCursor);
    k->setAutoRaise(true);
    return k;
}

Listevalg listevalg(const QListWidget *l) {
    Listevalg v;
    for (int i = 0; i < l->count(); ++i) {
        v.poster << l->item(i)->text();
        if (l->item(i)->isSelected())
            v.valgte << i;
    }
    return v;
}

void visListevalg(QListWidget *l, const Listevalg &v) {
    l->clear();
    l->addItems(v.poster);
    for (int i : v.valgte) {
        l->item(i)->setSelected(true);
        l->setCurrentRow(i, QItemSelectionModel::Current);
    }
}
} // namespace

Tboksform::Tboksform(Tmainform *hoved) : m_hoved(hoved) {
    setObjectName(QStringLiteral("boksform"));
    bygVindue();
}

void Tboksform::bygVindue() {
    setWindowTitle(QStringLiteral("Administrer grupper og elementer"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    setFont(f);
    setMinimumSize(480, 400);

    auto *lag = new QVBoxLayout(this);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    Bog = navngiv(new QTabWidget(this), "Bog");
    infoBar = navngiv(new QStatusBar(this), "infoBar");
    infoBar->setSizeGripEnabled(false);
    infoBar->setFixedHeight(19);
    lag->addWidget(Bog, 1);
    lag->addWidget(infoBar);

    // "Grupper"
    side0 = navngiv(new QWidget, "side0");
    {
        auto *h = new QHBoxLayout(side0);
        gruppeBoks = gruppeliste(side0, "gruppeBoks", QAbstractItemView::SingleSelection);
        h->addWidget(gruppeBoks, 1);
        auto *form = new QFormLayout;
        funkCheck = navngiv(new QCheckBox(QStringLiteral("Programmer"), side0), "funkCheck");
        funkCheck->setToolTip(QStringLiteral("Skift mellem webadresser og programmer: Ctrl+S"));
        valgtGruppeEdit = felt(side0, "valgtGruppeEdit", true);
        gEdit = felt(side0, "gEdit", false);
        sbInformationsKnap = infoKnap(side0, "sbInformationsKnap", QStringLiteral("Information"),
                                      QStringLiteral("Information: Grupper"));
        form->addRow(funkCheck);
        form->addRow(QStringLiteral("Valgt gruppe"), valgtGruppeEdit);
        form->addRow(QStringLiteral("Gruppe navn"), gEdit);
        form->addRow(sbInformationsKnap);
        h->addLayout(form);
    }
    Bog->addTab(side0, QStringLiteral("Grupper"));

    // "Indfør element"
    side1 = navngiv(new QWidget, "side1");
    {
        auto *form = new QFormLayout(side1);
        gruppeEdit = felt(side1, "gruppeEdit", true);
        adrLabel = navngiv(new QLabel(QStringLiteral("Werbadresse"), side1), "adrLabel");
        FilnavnEdit = felt(side1, "FilnavnEdit", false);
        tekstEdit = felt(side1, "tekstEdit", false);
        form->addRow(QStringLiteral("Elementerne indsættes i følgende gruppe"), gruppeEdit);
        form->addRow(adrLabel, FilnavnEdit);
        form->addRow(QStringLiteral("Kort navn"), tekstEdit);
        auto *gruppe = navngiv(new QGroupBox(QStringLiteral("Vælg browser til indførelse af webadresse"), side1), "browserValgBoks");
        auto *knapper = new QHBoxLayout(gruppe);
        browserValg = new QButtonGroup(gruppe);
        browserValg->setObjectName(QStringLiteral("browserValg"));
        const QStringList browsere{QStringLiteral("Google Chrome"), QStringLiteral("Microsoft Edge")};
        for (int i = 0; i < browsere.size(); ++i) {
            auto *r = new QRadioButton(browsere[i], gruppe);
            browserValg->addButton(r, i);
            knapper->addWidget(r);
        }
        browserValg->button(0)->setChecked(true);
        form->addRow(gruppe);
        sbInfo2 = infoKnap(side1, "sbInfo2", QStringLiteral("Information"),
                           QStringLiteral("Information: Indfør element"));
        form->addRow(sbInfo2);
    }
    Bog->addTab(side1, QStringLiteral("Indfør element"));

    // "Fjern eller rediger element"
    side2 = navngiv(new QWidget, "side2");
    {
        auto *h = new QHBoxLayout(side2);
        programBoks = liste(side2, "programBoks");
        h->addWidget(programBoks, 1);
        auto *form = new QFormLayout;
        gNameEdit = felt(side2, "gNameEdit", true);
        adrLabel2 = navngiv(new QLabel(QStringLiteral("Werbadresse"), side2), "adrLabel2");
        webUrlEdit = felt(side2, "webUrlEdit", false);
        nytekstEdit = felt(side2, "nytekstEdit", false);
        sbInfo1 = infoKnap(side2, "sbInfo1", QStringLiteral("Information"),
                           QStringLiteral("Information: Rediger element"));
        form->addRow(QStringLiteral("Gruppe navn"), gNameEdit);
        form->addRow(adrLabel2, webUrlEdit);
        form->addRow(QStringLiteral("Elementets navn"), nytekstEdit);
        form->addRow(sbInfo1);
        h->addLayout(form, 1);
    }
    Bog->addTab(side2, QStringLiteral("Fjern eller rediger element"));

    bygLagerside();

    // "Egenskaber"
    Side5 = navngiv(new QWidget, "Side5");
    {
        auto *h = new QHBoxLayout(Side5);
        auto *venstre = new QFormLayout;
        designBox = navngiv(new QComboBox(Side5), "designBox");
        designBox->setFixedWidth(136);
        designBox->setMaxVisibleItems(11);
        venstre->addRow(QStringLiteral("Design"), designBox);
        h->addLayout(venstre, 1);
        auto *hoejre = new QVBoxLayout;
        trayCheck = navngiv(new QCheckBox(QStringLiteral("Minimer til system bakken"), Side5), "trayCheck");
        minimerCheck = navngiv(new QCheckBox(QStringLiteral("Minimer ved opstart"), Side5), "minimerCheck");
        minimerCheck->setToolTip(QStringLiteral("Fungerer ved næste programopstart"));
        doButton = infoKnap(Side5, "doButton", QStringLiteral("Udfør"),
                            QStringLiteral("Tilføj eller fjern programmet som Startop-program"));
        hoejre->addWidget(navngiv(new QLabel(QStringLiteral("Programspecialiteter"), Side5), "Label1"));
        hoejre->addWidget(trayCheck);
        hoejre->addWidget(minimerCheck);
        hoejre->addWidget(navngiv(new QLabel(QStringLiteral("Startop program"), Side5), "Label5"));
        hoejre->addWidget(doButton);
        hoejre->addStretch(1);
        h->addLayout(hoejre);
    }
    Bog->addTab(Side5, QStringLiteral("Egenskaber"));

    connect(Bog, &QTabWidget::currentChanged, this, [this](int side) {
        if (!m_sideFraProgram)
            BogChange(side);
    });
    connect(funkCheck, &QCheckBox::toggled, this, [this] { medFejlrapport([this] { funkCheckClick(); }); });
    connect(trayCheck, &QCheckBox::toggled, this, [this] { trayCheckClick(); });
    connect(designBox, &QComboBox::activated, this, [this] { designBoxChange(); });
}

void Tboksform::bygLagerside() {
    side4 = navngiv(new QWidget, "side4");
    auto *h = new QHBoxLayout(side4);
    Box = gruppeliste(side4, "Box", QAbstractItemView::ExtendedSelection);
    Box->setFixedWidth(200);
    lagerBox = gruppeliste(side4, "lagerBox", QAbstractItemView::ExtendedSelection);
    lagerBox->setFixedWidth(200);
    Panel1 = navngiv(new QWidget(side4), "Panel1");
    Panel1->setFixedWidth(36);
    auto *knapper = new QVBoxLayout(Panel1);
    knapper->setContentsMargins(3, 0, 3, 0);
    sbInformation = infoKnap(Panel1, "sbInformation", QString(),
                             QStringLiteral("Information: Administrer grupper"));
    sbInformation->setIcon(QIcon(QStringLiteral(":/icons/information.svg")));
    sbInformation->setFixedSize(30, 26);
    tilLagerValgte = handlingsknap(Panel1, "tilLagerValgte", m_hoved->AvalgteTilLager);
    tilbageValgte = handlingsknap(Panel1, "tilbageValgte", m_hoved->AvalgteTilbage);
    tilLagerAlle = handlingsknap(Panel1, "tilLagerAlle", m_hoved->AalleTilLager);
    tilbageAlle = handlingsknap(Panel1, "tilbageAlle", m_hoved->AalleTilbage);
    flytOp = handlingsknap(Panel1, "flytOp", m_hoved->AflytOp);
    flytNed = handlingsknap(Panel1, "flytNed", m_hoved->AflytNed);
    gemKnap = handlingsknap(Panel1, "gemKnap", m_hoved->AgemForandringer);
    gemKnap->setAutoRaise(false);
    for (QToolButton *k : {sbInformation, tilLagerValgte, tilbageValgte, tilLagerAlle, tilbageAlle,
                           flytOp, flytNed, gemKnap})
        knapper->addWidget(k);
    knapper->addStretch(1);
    h->addWidget(Box);
    h->addWidget(Panel1);
    h->addWidget(lagerBox);
    h->addStretch(1);
    Bog->addTab(side4, QStringLiteral("Administrer grupper"));
}

void Tboksform::BogChange(int side) {
    // The store page always starts from what is saved, so a name never lands in both files.
    if (side == Bog->indexOf(side4)) {
        visLagerlister(m_hoved->gruppeliste, m_hoved->lagerliste);
        listerModified = false;
    }
}

void Tboksform::changeEvent(QEvent *e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Hint::gorTilModtager(infoBar); // FormActivate
}

void Tboksform::FormCreate() {
    if (!m_hoved->gruppeliste.isEmpty()) {
        visGrupper(m_hoved->gruppeliste);
        m_hoved->visGruppeliste(m_hoved->gruppeliste);
    }
    loadBokse();
    listerModified = false;
    visLagerlister(m_hoved->gruppeliste, m_hoved->lagerliste);
    optfil = m_hoved->optdir + QStringLiteral("ankerHus.txt");
    hentOpt();
    // Setting the box from code runs the collection switch, as a click would.
    funkCheck->setChecked(m_hoved->funkNo == 1);
    m_hoved->loadDesign();
    visSamling(m_hoved->funkNo);
}

void Tboksform::hentOpt() {
    if (filFindes(optfil)) {
        const Tekstlinjer t = laesLinjer(optfil);
        const AdminoptLaesning l = fortolkAdminopt(t.ok ? t.linjer : QStringList());
        const Adminopt &o = l.opt;
        if (l.antal >= 1)
            move(x(), o.top);
        if (l.antal >= 2)
            move(o.left, y());
        if (l.antal >= 3)
            resize(o.width, height());
        if (l.antal >= 4)
            resize(width(), o.height);
        if (l.antal >= 5)
            setBrowserIndex(o.browser);
        if (l.antal >= 6)
            trayCheck->setChecked(o.tray);
        if (l.antal >= 7)
            minimerCheck->setChecked(o.minimer);
    } else {
        const Adminopt o;
        move(o.left, o.top);
        resize(o.width, o.height);
    }
}

void Tboksform::gemOpt() {
    Adminopt o;
    o.top = y();
    o.left = x();
    o.width = width();
    o.height = height();
    o.browser = browserIndex();
    o.tray = trayCheck->isChecked();
    o.minimer = minimerCheck->isChecked();
    skrivLinjerEllerFejl(optfil, adminoptLinjer(o));
}

int Tboksform::browserIndex() const { return browserValg->checkedId(); }

void Tboksform::setBrowserIndex(int i) {
    if (i < 0) {
        browserValg->setExclusive(false);
        for (auto *k : browserValg->buttons())
            k->setChecked(false);
        browserValg->setExclusive(true);
        return;
    }
    browserValg->button(i)->setChecked(true);
}

void Tboksform::nulstilElementfelter() {
    for (QLineEdit *e : {valgtGruppeEdit, gEdit, gruppeEdit, FilnavnEdit, tekstEdit, gNameEdit,
                         nytekstEdit, webUrlEdit})
        e->clear();
    programBoks->clear();
}

void Tboksform::visValgtGruppe(const QString &navn) {
    valgtGruppeEdit->setText(navn);
    gruppeEdit->setText(navn);
    gNameEdit->setText(navn);
}

void Tboksform::tilfoejElement(const QString &navn) {
    auto *r = new QListWidgetItem(navn, programBoks);
    r->setFlags(r->flags() | Qt::ItemIsUserCheckable);
    r->setCheckState(Qt::Unchecked);
}

void Tboksform::visGrupper(const QStringList &grupper) {
    gruppeBoks->clear();
    gruppeBoks->addItems(grupper);
}

void Tboksform::visLagerlister(const QStringList &box, const QStringList &lager) {
    Box->clear();
    Box->addItems(box);
    lagerBox->clear();
    lagerBox->addItems(lager);
}

void Tboksform::visSamling(int funkNo) {
    const QString tekst = funkNo == 1 ? QStringLiteral("Program") : QStringLiteral("Werbadresse");
    adrLabel->setText(tekst);
    adrLabel2->setText(tekst);
}

void Tboksform::loadBokse() {
    programBoks->clear();
    visValgtGruppe(m_hoved->gruppenavn);
    nytekstEdit->clear();
    webUrlEdit->clear();
}

void Tboksform::SkiftGruppe() {
    m_hoved->loadGruppefil();
    const QString navn = m_hoved->gruppenavn;
    valgtGruppeEdit->setText(navn);
    if (m_hoved->funkNo == 0)
        m_hoved->gruppenavn0 = navn;
    else
        m_hoved->gruppenavn1 = navn;
    gruppeEdit->setText(navn);
    gNameEdit->setText(navn);
    m_hoved->gruppenavnLabel->setText(navn);
    nytekstEdit->clear();
    webUrlEdit->clear();
}

void Tboksform::visVindue(int side) {
    if (side >= 0) {
        m_sideFraProgram = true;
        Bog->setCurrentIndex(side);
        m_sideFraProgram = false;
    }
    show();
    raise();
    activateWindow();
}

void Tboksform::vendSamling() { funkCheck->setChecked(!funkCheck->isChecked()); }

void Tboksform::vaelgGruppe(int position) { gruppeBoks->setCurrentRow(position); }

QString Tboksform::vaelgProgram() { return OpenDia.Execute(this); }

Listevalg Tboksform::boxValg() const { return listevalg(Box); }

Listevalg Tboksform::lagerValg() const { return listevalg(lagerBox); }

void Tboksform::saetLagerValg(const Listevalg &box, const Listevalg &lager) {
    visListevalg(Box, box);
    visListevalg(lagerBox, lager);
}

void Tboksform::tomGruppefelter() {
    valgtGruppeEdit->clear();
    gruppeEdit->clear();
    gNameEdit->clear();
    programBoks->clear();
}

void Tboksform::visDesignliste(const QStringList &navne, const QString &valgt) {
    designBox->clear();
    designBox->addItems(navne);
    designBox->setCurrentIndex(navne.indexOf(valgt));
}

bool Tboksform::trayValgt() const { return trayCheck->isChecked(); }
bool Tboksform::minimerValgt() const { return minimerCheck->isChecked(); }

void Tboksform::funkCheckClick() { m_hoved->skiftSamling(funkCheck->isChecked()); }

void Tboksform::trayCheckClick() { m_hoved->TrayIcon->setEnabled(trayCheck->isChecked()); }

void Tboksform::designBoxChange() {
    const QString navn = designBox->currentText();
    if (designBox->currentIndex() < 0 ||
        navn.compare(m_hoved->designname, Qt::CaseInsensitive) == 0)
        return;
    m_hoved->designname = navn;
    Stil::anvend(navn);
}
