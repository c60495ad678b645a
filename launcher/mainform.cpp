#include "launcher/mainform.h"

#include "components/systray.h"

#include "components/genvejsforrang.h"
#include "components/geometri.h"
#include "components/gitterdelegat.h"
#include "components/gruppedelegat.h"
#include "components/handling.h"
#include "components/hint.h"
#include "components/navngiv.h"
#include "components/tastaturvalg.h"
#include "components/tilgaengelighed.h"
#include "launcher/foerstetegning.h"
#include "platform/fejl.h"
#include "soeg/indeksvagt.h"
#include "soeg/soegeindeks.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QToolButton *lilleKnap(QWidget *ejer, const char *navn) {
    auto *k = navngiv(new QToolButton(ejer), navn);
    k->setFixedSize(22, 25);
    k->setCursor(Qt::PointingHandCursor);
    return k;
}

QWidget *afstand(QWidget *ejer, const char *navn, int bredde) {
    auto *p = navngiv(new QWidget(ejer), navn);
    p->setFixedWidth(bredde);
    return p;
}

QLabel *overskrift(QWidget *ejer, const char *navn, const QString &tekst) {
    auto *l = navngiv(new QLabel(tekst, ejer), navn);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
} // namespace

Tmainform::Tmainform(const Miljoe &miljoe) : m_miljoe(miljoe) {
    setObjectName(QStringLiteral("mainform"));
    bygVindue();
    // The index is built once the window is on the screen, never before it, and after
    // whatever else waits for that drawing.
    efterFoersteTegning(
        this, [this] { QTimer::singleShot(0, this, [this] { medFejlrapport([this] { bygIndeks(); }); }); },
        kKunEfterTegning);
}

Tmainform::~Tmainform() {
    delete m_indeksvagt; // it watches for the index, which goes before the children do
}

void Tmainform::bygVindue() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    setFont(f);
    saetMindsteYdre(this, QSize(595, 380));
    resize(595, 380);
    bygHandlinger();

    auto *midte = new QWidget(this);
    auto *lodret = new QVBoxLayout(midte);
    lodret->setContentsMargins(0, 0, 0, 0);
    lodret->setSpacing(0);

    Panel13 = navngiv(new QWidget(midte), "Panel13");
    Panel13->setFixedHeight(27);
    auto *bar = new QHBoxLayout(Panel13);
    bar->setContentsMargins(2, 1, 2, 1);
    bar->setSpacing(3);
    Button2 = navngiv(new QToolButton(Panel13), "Button2");
    Button2->setFixedSize(36, 25);
    Button2->setPopupMode(QToolButton::MenuButtonPopup);
    Button2->setCursor(Qt::PointingHandCursor);
    Button2->setDefaultAction(actionAW);
    PopupMenu = navngiv(new QMenu(this), "PopupMenu");
    Button2->setMenu(PopupMenu);
    Button2->installEventFilter(this);
    bygMenu();
    Label1 = navngiv(new QLabel(QStringLiteral("Url"), Panel13), "Label1");
    webEdit1 = navngiv(new QLineEdit(Panel13), "webEdit1");
    Button3 = lilleKnap(Panel13, "Button3");
    Button3->setDefaultAction(webUrl);
    insertKnap = lilleKnap(Panel13, "insertKnap");
    insertKnap->setDefaultAction(webBrowser);
    Label3 = navngiv(new QLabel(QStringLiteral("Navn"), Panel13), "Label3");
    webEdit2 = navngiv(new QLineEdit(Panel13), "webEdit2");
    webEdit2->setFixedWidth(160);
    Button1 = lilleKnap(Panel13, "Button1");
    Button1->setDefaultAction(actionIL);
    givVinduetsGenvejeForrang(this, {webEdit1, webEdit2});
    bar->addWidget(Button2);
    bar->addWidget(Label1);
    bar->addWidget(webEdit1, 1);
    bar->addWidget(Button3);
    bar->addWidget(insertKnap);
    bar->addWidget(Label3);
    bar->addWidget(webEdit2);
    bar->addWidget(Button1);
    lodret->addWidget(Panel13);

    auto *raekke = new QHBoxLayout;
    raekke->setContentsMargins(0, 0, 0, 0);
    raekke->setSpacing(0);
    Panel3 = afstand(midte, "Panel3", 9);

    venstrePanel = navngiv(new QWidget(midte), "venstrePanel");
    venstrePanel->setFixedWidth(358);
    auto *venstre = new QVBoxLayout(venstrePanel);
    venstre->setContentsMargins(0, 0, 0, 4);
    gruppenavnLabel = overskrift(venstrePanel, "gruppenavnLabel", QStringLiteral("Valgt gruppe"));
    // A row reached by the keyboard fills webEdit1 as a click does, so Enter opens it.
    auto *liste = new Tastaturvalg<QTreeWidget>(venstrePanel);
    liste->vedTastaturvalg([this] { ListenClick(); });
    Listen = navngiv(liste, "Listen");
    Listen->setColumnCount(4);
    Listen->setHeaderLabels({QStringLiteral("Dato"), QStringLiteral("Klokken"),
                             QStringLiteral("Besøg"), QStringLiteral("Hjemmeside")});
    Listen->setRootIsDecorated(false);
    Listen->setUniformRowHeights(true); // no row is measured one by one
    Listen->setSelectionMode(QAbstractItemView::SingleSelection);
    Listen->setSelectionBehavior(QAbstractItemView::SelectRows);
    Listen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Listen->setColumnWidth(0, 72);
    Listen->setColumnWidth(1, 48);
    Listen->setColumnWidth(2, 48);
    Listen->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    Listen->header()->setStretchLastSection(true);
    Listen->header()->setSectionsMovable(false);
    Listen->setItemDelegate(new GitterDelegat(Listen));
    Listen->setAllColumnsShowFocus(true);
    Hint::saet(Listen, QStringLiteral("Vælg element og dobbeltklik eller tryk [Enter] eller [Mellemrum] for Go"));
    venstre->addWidget(gruppenavnLabel);
    venstre->addWidget(Listen, 1);

    Panel9 = afstand(midte, "Panel9", 9);

    gruppePanel = navngiv(new QWidget(midte), "gruppePanel");
    gruppePanel->setFixedWidth(188);
    auto *hoejre = new QVBoxLayout(gruppePanel);
    hoejre->setContentsMargins(0, 0, 0, 4);
    Label2 = overskrift(gruppePanel, "Label2", QStringLiteral("Gruppenavne"));
    gruppeBoksen = navngiv(new QListWidget(gruppePanel), "gruppeBoksen");
    gruppeBoksen->setSelectionMode(QAbstractItemView::SingleSelection);
    new GruppeDelegat(gruppeBoksen);
    Hint::saet(gruppeBoksen, QStringLiteral("Vælg relevante gruppe og tryk [Enter] eller [Mellemrum] for at aktivere"));
    hoejre->addWidget(Label2);
    hoejre->addWidget(gruppeBoksen, 1);

    Panel2 = navngiv(new QWidget(midte), "Panel2");
    raekke->addWidget(Panel3);
    raekke->addWidget(venstrePanel);
    raekke->addWidget(Panel9);
    raekke->addWidget(gruppePanel);
    raekke->addWidget(Panel2, 1);
    lodret->addLayout(raekke, 1);
    setCentralWidget(midte);

    infoBar = navngiv(new QStatusBar(this), "infoBar");
    infoBar->setSizeGripEnabled(false);
    setStatusBar(infoBar);

    TrayIcon = new TSysTrayIcon(this);
    TrayIcon->setEnabled(false);
    TrayIcon->setHint(QStringLiteral("Kladdebok"));
    TrayIcon->setRestoreOn(ticLeftClick);
    TrayIcon->setPopupMenuOn(ticNone);

    Listen->installEventFilter(this);
    gruppeBoksen->installEventFilter(this);
    connect(Listen, &QTreeWidget::itemClicked, this, [this] { ListenClick(); });
    connect(Listen, &QTreeWidget::itemDoubleClicked, this,
            [this] { medFejlrapport([this] { ListenDblClick(); }); });
    connect(gruppeBoksen, &QListWidget::itemDoubleClicked, this,
            [this] { medFejlrapport([this] { gruppeBoksenDblClick(); }); });

    // Tab order: along the bar, then the elements, then the groups.
    QWidget *orden[] = {Button2, webEdit1, Button3, insertKnap, webEdit2, Button1, Listen, gruppeBoksen};
    for (size_t i = 0; i + 1 < std::size(orden); ++i)
        setTabOrder(orden[i], orden[i + 1]);

    // The fields and the group list are read by the labels beside them; the element
    // list's heading shows the group's name, so the list gets a name of its own.
    Label1->setBuddy(webEdit1);
    Label3->setBuddy(webEdit2);
    Label2->setBuddy(gruppeBoksen);
    givTilgaengeligeNavne(this, {{Listen, QStringLiteral("Elementer i valgte gruppe")}});
}

void Tmainform::visGruppeliste(const QStringList &grupper) {
    gruppeBoksen->clear();
    gruppeBoksen->addItems(grupper);
}

void Tmainform::visGruppenavn() {
    gruppenavnLabel->setText(gruppenavn.isEmpty() ? QStringLiteral("Valgt gruppe") : gruppenavn);
}

void Tmainform::showEvent(QShowEvent *e) {
    QMainWindow::showEvent(e);
    FormShow();
}

void Tmainform::closeEvent(QCloseEvent *e) {
    FormClose();
    e->accept();
    emit lukket();
}
