#include "admin/boksform.h"

#include "admin/adminopt.h"
#include "components/geometri.h"
#include "components/handling.h"
#include "components/hint.h"
#include "components/ikon.h"
#include "components/systray.h"
#include "components/tilgaengelighed.h"
#include "launcher/lagerregler.h"
#include "launcher/mainform.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/navne.h"
#include "platform/stil.h"
#include "platform/tekstfil.h"

#include <algorithm>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
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

// Tabs with less room beside their captions, so all five fit at the smallest width.
class SmalleFaner : public QProxyStyle {
public:
    SmalleFaner() : QProxyStyle(QStringLiteral("Fusion")) {}
    int pixelMetric(PixelMetric m, const QStyleOption *o = nullptr, const QWidget *w = nullptr) const override {
        return m == PM_TabBarTabHSpace ? 10 : QProxyStyle::pixelMetric(m, o, w);
    }
};

bool erEnter(const QKeyEvent *k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }
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
    saetMindsteYdre(this, QSize(480, 400));
    resize(480, 400);

    auto *lag = new QVBoxLayout(this);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    Bog = new QTabWidget(this);
    Bog->setObjectName(QStringLiteral("Bog"));
    Bog->setUsesScrollButtons(false);
    auto *faner = new SmalleFaner;
    faner->setParent(this); // setStyle leaves the style to its maker; it goes after Bog does
    Bog->tabBar()->setStyle(faner);
    infoBar = new QStatusBar(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    infoBar->setSizeGripEnabled(false);
    infoBar->setFixedHeight(19);
    lag->addWidget(Bog, 1);
    lag->addWidget(infoBar);

    bygHandlinger();
    bygGruppeside();
    bygIndfoerside();
    bygRedigerside();
    bygLagerside();
    bygEgenskabsside();
    // Fields are read by their labels, buttons by their captions or hints; these have neither.
    givTilgaengeligeNavne(this, {{Bog, QStringLiteral("Administrationens sider")},
                                 {Bog->tabBar(), QStringLiteral("Faneblade")},
                                 {programBoks, QStringLiteral("Elementer")},
                                 {Box, QStringLiteral("Gruppeliste")},
                                 {lagerBox, QStringLiteral("Lagerliste")}});

    startProgTimer = new QTimer(this);
    startProgTimer->setObjectName(QStringLiteral("startProgTimer"));
    startProgTimer->setInterval(1000);
    connect(startProgTimer, &QTimer::timeout, this, [this] { startProgTimerTimer(); });
    connect(doButton, &QToolButton::clicked, this, [this] { medFejlrapport([this] { doButtonClick(); }); });
    connect(Bog, &QTabWidget::currentChanged, this, [this](int side) {
        if (!m_sideFraProgram)
            BogChange(side);
    });
    connect(funkCheck, &QCheckBox::toggled, this, [this] { medFejlrapport([this] { funkCheckClick(); }); });
    connect(trayCheck, &QCheckBox::toggled, this, [this] { trayCheckClick(); });
    connect(designBox, &QComboBox::activated, this, [this] { designBoxChange(); });
    for (QWidget *w : {static_cast<QWidget *>(gruppeBoks), static_cast<QWidget *>(gEdit),
                       static_cast<QWidget *>(tekstEdit), static_cast<QWidget *>(nytekstEdit)})
        w->installEventFilter(this);
}

void Tboksform::bygHandlinger() {
    ActionList1 = new QObject(this);
    ActionList1->setObjectName(QStringLiteral("ActionList1"));
    auto ny = [this](const char *navn, const QString &tekst, const QString &hint, const char *billede) {
        auto *h = new Handling(ActionList1, navn, tekst, hint);
        h->setIcon(programikon(billede));
        h->setShortcutContext(Qt::WindowShortcut);
        addAction(h);
        return h;
    };
    const auto paaSide1 = [this] { return !m_hoved->gruppenavn.isEmpty() && Bog->currentIndex() == 1; };
    const auto elementValgt = [this] {
        return valgtElement() >= 0 && !webUrlEdit->text().isEmpty() && !nytekstEdit->text().isEmpty();
    };
    aNyGruppe = ny("aNyGruppe", QStringLiteral("Indfør"), QStringLiteral("Opret ny gruppe"), "nygruppe")
                    ->aktiv([this] { return gEdit->text().size() > 2; })
                    ->udfoer([this] { NyGruppe(); });
    aSletGruppe = ny("aSletGruppe", QStringLiteral("Slet"), QStringLiteral("Slet aktuelle gruppe"), "sletgruppe")
                      ->aktiv([this] { return valgtGruppeEdit->isReadOnly() && !m_hoved->gruppenavn.isEmpty(); })
                      ->udfoer([this] { SletGruppe(); });
    aRedigerGruppe = ny("aRedigerGruppe", QStringLiteral("Gem"),
                        QStringLiteral("Indfør det nye gruppenavn efter redigering"), "gem")
                         ->aktiv([this] { return !valgtGruppeEdit->isReadOnly(); })
                         ->udfoer([this] {
                             RedigerGruppe();
                             redigerCheck->setChecked(false);
                         });
    aInsertElement = ny("aInsertElement", QStringLiteral("Indfør i gruppen"),
                        QStringLiteral("Webadresse eller program indføres i valgte gruppe: Ctrl+I"), "indsaet")
                         ->genvej(QKeySequence(Qt::CTRL | Qt::Key_I))
                         ->aktiv([this, paaSide1] {
                             return paaSide1() && !FilnavnEdit->text().isEmpty() && !tekstEdit->text().isEmpty();
                         })
                         ->udfoer([this] { InsertElement(); });
    actionOpenEle = ny("actionOpenEle", QString(),
                       QStringLiteral("Indsæt program eller webadresse  ved Stifinder eller Browser: Ctrl+B"), "aabn")
                        ->genvej(QKeySequence(Qt::CTRL | Qt::Key_B))
                        ->aktiv(paaSide1)
                        ->udfoer([this] { actionOpenEleExecute(); });
    aRedigerNavn = ny("aRedigerNavn", QString(), QStringLiteral("Gennemfør indførte forandringer"), "rediger")
                       ->aktiv(elementValgt)
                       ->udfoer([this] { RedigerNavn(); });
    aResetVisits = ny("aResetVisits", QString(), QStringLiteral("Nulstil dato og besøg for valgte gruppeelement"),
                      "nulstil")
                       ->aktiv(elementValgt)
                       ->udfoer([this] { aResetVisitsExecute(); });
    opdaterVedTomgang(this, {aNyGruppe, aSletGruppe, aRedigerGruppe, aInsertElement, actionOpenEle,
                             aRedigerNavn, aResetVisits});
}

bool Tboksform::eventFilter(QObject *o, QEvent *e) {
    if (e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(o, e);
    const auto *k = static_cast<QKeyEvent *>(e);
    if (o == gruppeBoks && (erEnter(k) || (!k->text().isEmpty() && k->text().at(0).isPrint()))) {
        // gruppeBoksKeyPress: Enter and every character key choose the selected group again.
        medFejlrapport([this] { gruppeBoksClick(); });
        return k->key() == Qt::Key_Space || erEnter(k);
    }
    if (o == gEdit && erEnter(k)) {
        aNyGruppe->Execute();
        return true;
    }
    if (o == tekstEdit && erEnter(k)) {
        if (!m_hoved->gruppenavn.isEmpty() && !FilnavnEdit->text().isEmpty() && !tekstEdit->text().isEmpty())
            medFejlrapport([this] { InsertElement(); });
        return true;
    }
    if (o == nytekstEdit && erEnter(k)) {
        aRedigerNavn->Execute();
        return true;
    }
    return QWidget::eventFilter(o, e);
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
        saetGeometri(this, QList<int>{o.top, o.left, o.width, o.height}.first(std::min(l.antal, 4)));
        if (l.antal >= 5)
            setBrowserIndex(o.browser);
        if (l.antal >= 6)
            trayCheck->setChecked(o.tray);
        if (l.antal >= 7)
            minimerCheck->setChecked(o.minimer);
    } else {
        const Adminopt o;
        saetPlads(this, QRect(o.left, o.top, o.width, o.height));
    }
}

void Tboksform::gemOpt() {
    Adminopt o;
    const QRect plads = pladsAtGemme(this);
    o.top = plads.y();
    o.left = plads.x();
    o.width = plads.width();
    o.height = plads.height();
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
    auto *r = new QTreeWidgetItem({navn});
    r->setFlags(r->flags() | Qt::ItemIsUserCheckable);
    r->setCheckState(0, Qt::Unchecked);
    m_nyeElementer.append(r);
}

void Tboksform::visElementer() {
    programBoks->insertTopLevelItems(programBoks->topLevelItemCount(), m_nyeElementer);
    m_nyeElementer.clear();
}

void Tboksform::visGrupper(const QStringList &grupper) {
    m_listeFraProgram = true;
    gruppeBoks->clear();
    gruppeBoks->addItems(grupper);
    // The current group stays marked, as after choosing it.
    if (const qsizetype pos = gruppeposition(grupper, m_hoved->gruppenavn); pos >= 0)
        gruppeBoks->setCurrentRow(int(pos));
    m_listeFraProgram = false;
}

void Tboksform::visLagerlister(const QStringList &box, const QStringList &lager) {
    saetLagerValg({box, {}}, {lager, {}});
}

void Tboksform::visSamling(int funkNo) {
    const QString tekst = funkNo == 1 ? QStringLiteral("Program") : QStringLiteral("Werbadresse");
    adrLabel->setText(tekst);
    adrLabel2->setText(tekst);
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

void Tboksform::vaelgGruppe(int position) {
    m_listeFraProgram = true;
    gruppeBoks->setCurrentRow(position);
    m_listeFraProgram = false;
}

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
    if (designBox->currentIndex() < 0 || ensUdenAZ(navn, m_hoved->designname))
        return;
    m_hoved->designname = navn;
    Stil::anvend(navn);
}
