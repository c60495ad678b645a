#include "infoviewer/urlform1.h"

#include "components/geometri.h"
#include "components/handling.h"
#include "components/hint.h"
#include "components/ikon.h"
#include "components/navngiv.h"
#include "components/tastaturvalg.h"
#include "components/tilgaengelighed.h"
#include "infoviewer/infoformen.h"
#include "launcher/mainform.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/heltal.h"
#include "platform/tekstfil.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

Turlform1::Turlform1(Tmainform *hoved, Tinfoformen *info) : m_hoved(hoved), m_info(info) {
    setObjectName(QStringLiteral("urlform1"));
    setWindowTitle(QStringLiteral("Urlboks"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(11);
    setFont(f);
    saetMindsteYdre(this, QSize(300, 200));
    resize(443, 338);

    ActionList = new QObject(this);
    ActionList->setObjectName(QStringLiteral("ActionList"));
    AsletAlle = (new Handling(ActionList, "AsletAlle", QStringLiteral("Slet liste"),
                              QStringLiteral("Slet alle urls fra listen")))
                    ->aktiv([this] { return urlListe->count() >= 1; })
                    ->udfoer([this] { AsletAlleExecute(); });
    AsletAlle->setIcon(programikon("slet"));
    ArensDobbelt = (new Handling(ActionList, "ArensDobbelt", QStringLiteral("Rens liste"),
                                 QStringLiteral("Rens listen for dobbeltgængere")))
                       ->aktiv([this] { return urlListe->count() > 1; })
                       ->udfoer([this] { ArensDobbeltExecute(); });
    opdaterVedTomgang(this, {AsletAlle, ArensDobbelt});

    auto *lag = new QVBoxLayout(this);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    overskriftLabel = navngiv(new QLabel(QStringLiteral("Besøgte sider"), this), "overskriftLabel");
    QFont o = overskriftLabel->font();
    o.setPixelSize(13);
    overskriftLabel->setFont(o);
    overskriftLabel->setContentsMargins(4, 2, 4, 2);
    lag->addWidget(overskriftLabel);
    Splitter1 = navngiv(new QSplitter(this), "Splitter1");
    // A row reached by the keyboard is chosen in the other list too, as by a click.
    auto *strukturer = new Tastaturvalg<QListWidget>(Splitter1);
    auto *sider = new Tastaturvalg<QListWidget>(Splitter1);
    strukturer->vedTastaturvalg([this] { urlListe->setCurrentRow(strukturliste->currentRow()); });
    sider->vedTastaturvalg([this] { strukturliste->setCurrentRow(urlListe->currentRow()); });
    strukturliste = navngiv(strukturer, "strukturliste");
    urlListe = navngiv(sider, "urlListe");
    Splitter1->setSizes({175, 268});
    lag->addWidget(Splitter1, 1);
    knapPanel = navngiv(new QWidget(this), "knapPanel");
    knapPanel->setFixedHeight(31);
    auto *knapper = new QHBoxLayout(knapPanel);
    knapper->setContentsMargins(4, 2, 4, 2);
    sletKnap = navngiv(new QToolButton(knapPanel), "sletKnap");
    sletKnap->setDefaultAction(AsletAlle);
    sletKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The cleaning gets a button too, so a user can reach it.
    rensKnap = navngiv(new QToolButton(knapPanel), "rensKnap");
    ArensDobbelt->setIcon(programikon("nulstil"));
    rensKnap->setDefaultAction(ArensDobbelt);
    rensKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    lukKnap = navngiv(new QToolButton(knapPanel), "lukKnap");
    lukKnap->setText(QStringLiteral("Luk"));
    Hint::saet(lukKnap, QStringLiteral("Luk urlboksen"));
    knapper->addWidget(sletKnap);
    knapper->addWidget(rensKnap);
    knapper->addStretch(1);
    knapper->addWidget(lukKnap);
    lag->addWidget(knapPanel);
    infoBar = navngiv(new QStatusBar(this), "infoBar");
    infoBar->setSizeGripEnabled(false);
    lag->addWidget(infoBar);

    givTilgaengeligeNavne(this, {{strukturliste, QStringLiteral("Strukturer")},
                                 {urlListe, QStringLiteral("Besøgte sider")}});

    // The two lists always show the same entry chosen.
    connect(strukturliste, &QListWidget::itemClicked, this, [this] { urlListe->setCurrentRow(strukturliste->currentRow()); });
    connect(urlListe, &QListWidget::itemClicked, this, [this] { strukturliste->setCurrentRow(urlListe->currentRow()); });
    connect(strukturliste, &QListWidget::itemDoubleClicked, this, [this] { dobbeltklik(strukturliste); });
    connect(urlListe, &QListWidget::itemDoubleClicked, this, [this] { dobbeltklik(urlListe); });
    connect(lukKnap, &QToolButton::clicked, this, &QWidget::close);
}

void Turlform1::FormCreate() {
    optfilnavn = m_hoved->optdir + QStringLiteral("urlboks1.txt");
    hentOpt();
}

void Turlform1::hentOpt() {
    if (!filFindes(optfilnavn))
        return;
    const Tekstlinjer t = laesLinjer(optfilnavn);
    const QList<int> v = foersteHeltal(t.ok ? t.linjer : QStringList(), 2);
    if (v.size() >= 1)
        saetYdreStoerrelse(this, QSize(v[0], ydreStoerrelse(this).height()));
    if (v.size() >= 2)
        saetYdreStoerrelse(this, QSize(ydreStoerrelse(this).width(), v[1]));
}

void Turlform1::gemOpt() {
    const QSize s = pladsAtGemme(this).size();
    skrivLinjerEllerFejl(optfilnavn, heltalslinjer({s.width(), s.height()}));
}

void Turlform1::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    // Centred on the main window (where it stands when that is hidden) at the size kept
    // for the options file, fitted to the screen.
    const QRect plads = pladsAtGemme(this);
    const QPoint midte = m_hoved->isVisible() ? ydrePlads(m_hoved).center() : plads.center();
    saetPlads(this, QRect(midte - QRect(QPoint(), plads.size()).center(), plads.size()));
}

void Turlform1::closeEvent(QCloseEvent *e) {
    medFejlrapport([this] { gemOpt(); });
    e->accept();
}

void Turlform1::changeEvent(QEvent *e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Hint::gorTilModtager(infoBar); // FormActivate
}

int Turlform1::antal() const { return urlListe->count(); }

QString Turlform1::sidenavn(int i) const {
    return i >= 0 && i < urlListe->count() ? urlListe->item(i)->text() : QString();
}

QString Turlform1::strukturnavn(int i) const {
    return i >= 0 && i < strukturliste->count() ? strukturliste->item(i)->text() : QString();
}

void Turlform1::tilfoej(const QString &side, const QString &struktur) {
    urlListe->addItem(side);
    strukturliste->addItem(struktur);
}

void Turlform1::vaelgRaekke(int i) {
    urlListe->setCurrentRow(i);
    strukturliste->setCurrentRow(i);
    if (QListWidgetItem *r = urlListe->item(i))
        urlListe->scrollToItem(r);
    if (QListWidgetItem *r = strukturliste->item(i))
        strukturliste->scrollToItem(r);
}

void Turlform1::dobbeltklik(QListWidget *liste) {
    const int raekke = liste->currentRow();
    if (raekke >= 0 && liste->currentItem()->isSelected())
        medFejlrapport([this, raekke] { m_info->goToStruktur(raekke); });
}

void Turlform1::AsletAlleExecute() {
    urlListe->clear();
    strukturliste->clear();
    m_info->urlIndex = -1;
}

void Turlform1::ArensDobbeltExecute() {
    const QString aktuel = sidenavn(m_info->urlIndex);
    QStringList sider, strukturer;
    int fjernet = 0;
    for (int j = 0; j < antal(); ++j) {
        if (sider.contains(sidenavn(j), Qt::CaseInsensitive)) {
            ++fjernet;
            continue;
        }
        sider << sidenavn(j);
        strukturer << strukturnavn(j);
    }
    urlListe->clear();
    urlListe->addItems(sider);
    strukturliste->clear();
    strukturliste->addItems(strukturer);
    m_info->urlIndex = -1;
    for (int j = 0; j < sider.size(); ++j) {
        if (sider[j].compare(aktuel, Qt::CaseInsensitive) == 0) {
            m_info->urlIndex = j;
            break;
        }
    }
    infoBar->showMessage(fjernet == 0   ? QStringLiteral("Der var ingen dobbeltgængere")
                         : fjernet == 1 ? QStringLiteral("Der blev slettet 1 dobbeltgænger")
                                        : QStringLiteral("Der blev slettet %1 dobbeltgængere").arg(fjernet));
}
