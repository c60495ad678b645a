#include "infoviewer/infoformen.h"

#include "components/dialoger.h"
#include "components/geometri.h"
#include "components/handling.h"
#include "components/hint.h"
#include "components/ikon.h"
#include "components/navngiv.h"
#include "components/struktur.h"
#include "components/tastaturvalg.h"
#include "components/tilgaengelighed.h"
#include "infoviewer/findisdelegat.h"
#include "infoviewer/soegning.h"
#include "infoviewer/urlform1.h"
#include "infoviewer/browserindlaeser.h"
#include "launcher/fejltekster.h"
#include "launcher/mainform.h"
#include "platform/adresse.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/heltal.h"
#include "platform/navne.h"
#include "platform/stil.h"
#include "platform/tekstfil.h"

#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {
const QString kStruktur = QStringLiteral("Ankerhusinfo.txt");
const QString kSoegeadresse = QStringLiteral("https://www.google.com/search?q=");

// The editors that can open a page, in the order they are preferred.
const QStringList kRedigeringsprogrammer{
    QStringLiteral("/usr/bin/tekstvev"),          QStringLiteral("/usr/local/bin/tekstvev"),
    QStringLiteral("/opt/tekstvev/tekstvev"),     QStringLiteral("/usr/bin/gnome-text-editor"),
    QStringLiteral("/usr/bin/gedit"),             QStringLiteral("/usr/bin/kate"),
    QStringLiteral("/usr/bin/mousepad")};

QIcon ikon(const char *navn) { return programikon(navn); }

bool erEnter(const QEvent *e) {
    if (e->type() != QEvent::KeyPress)
        return false;
    const int k = static_cast<const QKeyEvent *>(e)->key();
    return k == Qt::Key_Return || k == Qt::Key_Enter;
}

// Characters no file name may hold, taken out of a page title before it is read as a name.
QString udenUgyldigeTegn(QString s) {
    s.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control || c == u'"' || c == u'<' || c == u'>' || c == u'|' ||
               c == u'*' || c == u'?';
    });
    return s;
}
} // namespace

Tinfoformen::Tinfoformen(Tmainform *hoved) : m_hoved(hoved) {
    setObjectName(QStringLiteral("infoformen"));
    bygVindue();
}

void Tinfoformen::bygVindue() {
    setWindowTitle(QStringLiteral("Information"));
    setWindowFlags(Qt::Window);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    setFont(f);
    saetMindsteYdre(this, QSize(753, 500));
    resize(737, 461);
    bygHandlinger();

    auto *lag = new QVBoxLayout(this);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    Splitter1 = navngiv(new QSplitter(this), "Splitter1");
    lag->addWidget(Splitter1, 1);
    infobar = navngiv(new QStatusBar(this), "infobar");
    infobar->setSizeGripEnabled(false);
    lag->addWidget(infobar);

    leftPanel = navngiv(new QWidget(Splitter1), "leftPanel");
    leftPanel->setMinimumWidth(195);
    auto *venstre = new QVBoxLayout(leftPanel);
    venstre->setContentsMargins(0, 0, 0, 0);
    infoBog = navngiv(new QTabWidget(leftPanel), "infoBog");
    venstre->addWidget(infoBog);

    side1 = navngiv(new QWidget, "side1");
    auto *s1 = new QVBoxLayout(side1);
    s1->setContentsMargins(2, 2, 2, 2);
    Panel1 = navngiv(new QWidget(side1), "Panel1");
    Panel1->setFixedHeight(32);
    auto *p1 = new QHBoxLayout(Panel1);
    Label1 = navngiv(new QLabel(QStringLiteral("Elementer: "), Panel1), "Label1");
    antalLabel = navngiv(new QLabel(QStringLiteral("Antal "), Panel1), "antalLabel");
    p1->addWidget(Label1);
    p1->addWidget(antalLabel);
    p1->addStretch(1);
    Struktur = navngiv(new TStruktur(side1), "Struktur");
    Struktur->setHeaderHidden(true);
    Struktur->setIndentation(19);
    Struktur->setDataOn(true);
    Struktur->setModified(false);
    Struktur->setFlytmode(naAdd);
    Struktur->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Struktur->setSkal(m_hoved->miljoe().skal);
    // strukturImage: picture 1 marks the start page, every other digit a page.
    QList<QIcon> billeder(10, ikon("indsaet"));
    billeder[1] = ikon("information");
    Struktur->setBilleder(billeder);
    s1->addWidget(Panel1);
    s1->addWidget(Struktur, 1);
    infoBog->addTab(side1, QStringLiteral("Struktur"));

    side2 = navngiv(new QWidget, "side2");
    auto *s2 = new QVBoxLayout(side2);
    s2->setContentsMargins(2, 2, 2, 2);
    searchPanel = navngiv(new QWidget(side2), "searchPanel");
    searchPanel->setFixedHeight(26);
    auto *sp = new QHBoxLayout(searchPanel);
    sp->setContentsMargins(0, 0, 0, 0);
    EditFind = navngiv(new QLineEdit(searchPanel), "EditFind");
    sButton = navngiv(new QToolButton(searchPanel), "sButton");
    sButton->setDefaultAction(aSearch);
    sp->addWidget(EditFind, 1);
    sp->addWidget(sButton);
    // A hit reached by the keyboard opens as a click on it does.
    auto *hits = new Tastaturvalg<QListWidget>(side2);
    hits->vedTastaturvalg([this] { FindisClick(); });
    Findis = navngiv(hits, "Findis");
    Findis->setItemDelegate(new FindisDelegat([this] { return Stil::navne().indexOf(m_hoved->designname); }, Findis));
    s2->addWidget(searchPanel);
    s2->addWidget(Findis, 1);
    infoBog->addTab(side2, QStringLiteral("Søg"));

    rightPanel = navngiv(new QWidget(Splitter1), "rightPanel");
    m_webLag = new QVBoxLayout(rightPanel);
    m_webLag->setContentsMargins(0, 0, 0, 0);
    m_webLag->setSpacing(0);
    NavigateBar = navngiv(new QToolBar(rightPanel), "NavigateBar");
    NavigateBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    NavigateBar->setIconSize(QSize(16, 16));
    auto knap = [this](const char *navn, QAction *a) {
        NavigateBar->addAction(a);
        QWidget *w = NavigateBar->widgetForAction(a);
        w->setObjectName(QLatin1String(navn));
        return w;
    };
    knap("ToolButton12", Afirst);
    NavigateBar->addSeparator()->setObjectName(QStringLiteral("ToolButton4"));
    knap("ToolButton13", Aback);
    NavigateBar->addSeparator()->setObjectName(QStringLiteral("ToolButton2"));
    knap("ToolButton14", Aforward);
    NavigateBar->addSeparator()->setObjectName(QStringLiteral("ToolButton3"));
    knap("ToolButton15", Alast);
    Edit = navngiv(new QLineEdit(NavigateBar), "Edit");
    Edit->setMinimumWidth(200);
    Edit->setMaximumWidth(317);
    Edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    NavigateBar->addWidget(Edit);
    knap("ToolButton18", Ago_);
    NavigateBar->addSeparator()->setObjectName(QStringLiteral("ToolButton19"));
    knap("urlListeKnap", AfavListe);
    NavigateBar->addSeparator()->setObjectName(QStringLiteral("ToolButton6"));
    redigerKnap = navngiv(new QToolButton(NavigateBar), "redigerKnap");
    redigerKnap->setText(QStringLiteral("Rediger"));
    redigerKnap->setIcon(ikon("rediger"));
    redigerKnap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Hint::saet(redigerKnap, QStringLiteral("Rediger aktuelle hjemmeside, hvis muligt"));
    NavigateBar->addWidget(redigerKnap);
    m_webLag->addWidget(NavigateBar);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({195, 542});

    // The step buttons are read by their hints; these have no caption of their own.
    givTilgaengeligeNavne(this, {{infoBog, QStringLiteral("Struktur og søgning")},
                                 {infoBog->tabBar(), QStringLiteral("Faneblade")},
                                 {Struktur, QStringLiteral("Informationssider")},
                                 {EditFind, QStringLiteral("Søgetekst")},
                                 {Findis, QStringLiteral("Fundne sider")},
                                 {Edit, QStringLiteral("Aktuelle side")}});

    connect(Findis, &QListWidget::itemClicked, this, [this] { FindisClick(); });
    connect(redigerKnap, &QToolButton::clicked, this, [this] { runFilname(hjemmeside); });
    connect(infoBog, &QTabWidget::currentChanged, this, [this](int side) {
        if (side == 1) // infoBogChange
            EditFind->setFocus();
    });
    Struktur->installEventFilter(this);
    Struktur->viewport()->installEventFilter(this);
    EditFind->installEventFilter(this);
    Findis->installEventFilter(this);
    Edit->installEventFilter(this);
}

void Tinfoformen::bygHandlinger() {
    ActionList = new QObject(this);
    ActionList->setObjectName(QStringLiteral("ActionList"));
    auto ny = [this](const char *navn, const QString &hint, const char *billede) {
        auto *h = new Handling(ActionList, navn, QString(), hint);
        h->setIcon(ikon(billede));
        h->setShortcutContext(Qt::WindowShortcut);
        addAction(h);
        return h;
    };
    Afirst = ny("Afirst", QStringLiteral("Gå til første"), "alletilbage")
                 ->aktiv([this] { return antalBesoeg() >= 2 && urlIndex > 0; })
                 ->udfoer([this] { goToStruktur(0); });
    Aback = ny("Aback", QStringLiteral("Tilbage"), "tilbage")
                ->aktiv([this] { return urlIndex > 0; })
                ->udfoer([this] { goToStruktur(std::max(urlIndex - 1, 0)); });
    Aforward = ny("Aforward", QStringLiteral("Frem"), "tillager")
                   ->aktiv([this] { return urlIndex < antalBesoeg() - 1; })
                   ->udfoer([this] { goToStruktur(std::min(urlIndex + 1, antalBesoeg() - 1)); });
    Alast = ny("Alast", QStringLiteral("Gå til sidste"), "alletillager")
                ->aktiv([this] { return antalBesoeg() >= 2 && urlIndex < antalBesoeg() - 1; })
                ->udfoer([this] { goToStruktur(antalBesoeg() - 1); });
    Ago_ = ny("Ago", QStringLiteral("Opdater/Gå"), "besoeg")
               ->aktiv([this] { return !Edit->text().isEmpty(); })
               ->udfoer([this] { Ago(); });
    AfavListe = ny("AfavListe", QStringLiteral("Favoritliste: Vis eller skjul: Ctrl+F"), "administrer")
                    ->genvej(QKeySequence(Qt::CTRL | Qt::Key_F))
                    ->aktiv([] { return true; })
                    ->udfoer([this] {
                        if (m_urlform) {
                            m_urlform->show();
                            m_urlform->raise();
                            m_urlform->activateWindow();
                        }
                    });
    aSearch = ny("aSearch", QStringLiteral("Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter"), "browser")
                  ->genvej(QKeySequence(Qt::CTRL | Qt::Key_S))
                  ->aktiv([this] { return !EditFind->text().isEmpty(); })
                  ->udfoer([this] { FindTekst(EditFind->text()); });
    opdaterVedTomgang(this, {Afirst, Aback, Aforward, Alast, Ago_, AfavListe, aSearch});
}

void Tinfoformen::saetBrowser(Browserflade *browser) {
    Web = browser;
    Web->setParent(this);
    m_webLag->addWidget(Web->widget(), 1);
    Web->widget()->setAccessibleName(QStringLiteral("Informationsside"));
    Web->nytVindue = [this] { return globalUrl; }; // WebNewWindow2
    connect(Web, &Browserflade::BeforeNavigate2, this, [this] { htmlDoc = false; });
    connect(Web, &Browserflade::DocumentComplete, this, [this] {
        htmlDoc = true;
        // The page shown, opened again, loads without a new title: the address box must
        // still show its name instead of text typed in the meantime.
        Edit->setText(Web->LocationName());
    });
    connect(Web, &Browserflade::TitleChange, this, [this] { WebTitleChange(); });
    connect(Web, &Browserflade::MouseOver, this, [this](const MusOver &m) { Document_OnMouseOver(m); });
}

void Tinfoformen::aabnUde(const QString &adresse) { m_hoved->miljoe().skal->aabn(adresse); }

void Tinfoformen::FormCreate() {
    strukturnavn = kStruktur;
    newNavn = strukturnavn;
    strukturdir = m_hoved->strukturDir;
    optFilnavn = m_hoved->optdir + QStringLiteral("information.txt");
    opstart = true;
    medFejlrapport([this] { LoadStruktur(); });
    oldUrl.clear();
    htmlProgram = checkProgram();
    redigerKnap->setEnabled(!htmlProgram.isEmpty());
}

void Tinfoformen::showEvent(QShowEvent *e) {
    QWidget::showEvent(e);
    FormShow();
}

void Tinfoformen::FormShow() {
    if (!opstart)
        return;
    opstart = false;
    if (!Web) { // the browser engine is started only when the window is first needed
        const auto &lav = m_hoved->miljoe().lavBrowser;
        QString fejl;
        saetBrowser(lav ? lav(rightPanel) : lavBrowser(rightPanel, [this](const QString &a) { aabnUde(a); }, &fejl));
        if (!fejl.isEmpty())
            infobar->showMessage(QStringLiteral("Sidevisningen kunne ikke indlæses: ") + fejl);
    }
    hentOpt();
    goToInfo(QStringLiteral("Information"));
}

void Tinfoformen::closeEvent(QCloseEvent *e) {
    medFejlrapport([this] { gemOpt(); });
    e->accept();
}

void Tinfoformen::hentOpt() {
    if (!filFindes(optFilnavn)) {
        saetPlads(this, QRect(52, 52, 753, 968));
        Splitter1->setSizes({195, width() - 195});
        gemOpt();
        return;
    }
    const Tekstlinjer t = laesLinjer(optFilnavn);
    const QList<int> v = foersteHeltal(t.ok ? t.linjer : QStringList(), 5);
    saetGeometri(this, v.first(std::min<qsizetype>(v.size(), 4)));
    if (v.size() >= 5)
        Splitter1->setSizes({v[4], width() - v[4]});
    if (v.size() < 5) // not caught here: the report shows it and the first page is not opened
        throw AnkerFejl(QStringLiteral("\"%1\" er ikke en gyldig indstillingsfil.").arg(optFilnavn));
}

void Tinfoformen::gemOpt() {
    const QRect plads = pladsAtGemme(this);
    skrivLinjerEllerFejl(optFilnavn,
                         heltalslinjer({plads.y(), plads.x(), plads.width(), plads.height(), leftPanel->width()}));
}

void Tinfoformen::LoadStruktur() {
    const QString navn = strukturnavn.left(strukturnavn.lastIndexOf(u'.'));
    const QString rod = strukturdir + kSep + navn;
    Mappe = rod + QStringLiteral("/tekstfiler");
    Struktur->setBilledmappe(rod + QStringLiteral("/Billeder/"));
    Struktur->setStrukturfile(rod + QStringLiteral("/struktur.txt"));
    Struktur->setDatafile(rod + QStringLiteral("/data.txt"));
    Struktur->setInfomappe(rod + QStringLiteral("/tekstfiler/"));
    Struktur->setHtmlmappe(Struktur->Infomappe() + QStringLiteral("Design og funktioner/"));
    try {
        Struktur->HentStruktur();
    } catch (...) {
        antalLabel->setText(QString::number(Struktur->noder().size()));
        throw;
    }
    antalLabel->setText(QString::number(Struktur->noder().size()));
}

void Tinfoformen::aabnEmne(const QString &aEmne) {
    // Tmainform.Information: the one structure is loaded once; then the topic opens.
    emne = aEmne;
    newNavn = kStruktur;
    if (!ensUdenAZ(newNavn, strukturnavn)) {
        strukturnavn = newNavn;
        LoadStruktur();
    }
    goToInfo(aEmne);
}

bool Tinfoformen::goToInfo(const QString &openNodetekst) {
    if (!isVisible()) {
        show();
        raise();
        activateWindow();
    }
    QTreeWidgetItemIterator it(Struktur);
    if (!*it)
        return false;
    const QString emneTekst = openNodetekst.isEmpty() ? (*it)->text(0) : openNodetekst;
    for (; *it; ++it) {
        if (ensUdenAZ((*it)->text(0), emneTekst)) {
            Struktur->setCurrentItem(*it);
            (*it)->setExpanded(true);
            StrukturClick();
            return true;
        }
    }
    return false;
}

void Tinfoformen::StrukturClick() {
    if (!Struktur->currentItem() || !Struktur->currentItem()->isSelected())
        return;
    hjemmeside = Struktur->Infomappe() + Struktur->SelectedData() + QStringLiteral(".html");
    if (Web)
        Web->Navigate(hjemmeside);
}

void Tinfoformen::Ago() {
    const QString t = Edit->text();
    if (t.isEmpty())
        return;
    const QString fil = Struktur->Infomappe() + t;
    if (Web)
        Web->Navigate(filFindes(fil) ? fil : kSoegeadresse + t);
}

int Tinfoformen::antalBesoeg() const { return m_urlform ? m_urlform->antal() : 0; }

void Tinfoformen::goToStruktur(int aIndex) {
    urlIndex = aIndex;
    naviKlikket = true;
    m_hoved->Information(m_urlform ? m_urlform->sidenavn(urlIndex) : QString());
}

void Tinfoformen::FindTekst(const QString &FTekst) {
    if (!mappeFindes(Mappe)) {
        visBesked(QStringLiteral("Filerne blev ikke fundet."));
        return;
    }
    Findis->clear();
    QCoreApplication::processEvents(); // the emptied list shows before the search runs
    if (FTekst.isEmpty()) {
        visBesked(QStringLiteral("Der mangler en søgetekst."));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Soegeresultat r = findDokumenter(Mappe, FTekst);
    QApplication::restoreOverrideCursor();
    Findis->addItems(r.navne);
}

void Tinfoformen::FindisClick() {
    QListWidgetItem *r = Findis->currentItem();
    if (!r)
        return;
    hjemmeside = Struktur->Infomappe() + r->text() + QStringLiteral(".html");
    if (Web)
        Web->Navigate(hjemmeside);
}

QString Tinfoformen::checkProgram() const {
    for (const QString &sti : kRedigeringsprogrammer)
        if (filFindes(sti))
            return sti;
    return {};
}

void Tinfoformen::runFilname(const QString &Fname) {
    if (htmlProgram.isEmpty()) {
        visBesked(QStringLiteral("Der blev ikke fundet forslag til indføring af program.\rInstaller eventuelt Tekstvev."));
        return;
    }
    if (!filFindes(Fname))
        return;
    const int resultat = m_hoved->miljoe().skal->start(htmlProgram, {Fname});
    if (resultat <= 32)
        ErrorInfo(resultat);
}

void Tinfoformen::ErrorInfo(int Nr) { visFejlinformation(fejltekst(Nr, true)); }

bool Tinfoformen::IsURL(const QString &s) { return gyldigAdresse(s); }

void Tinfoformen::Document_OnMouseOver(const MusOver &element) {
    if (!htmlDoc)
        return;
    infobar->clearMessage();
    globalUrl.clear();
    QString kandidat;
    if (element.tagName.compare(QStringLiteral("a"), Qt::CaseInsensitive) == 0)
        kandidat = element.href;
    else if (element.tagName.compare(QStringLiteral("img"), Qt::CaseInsensitive) == 0 &&
             element.parentTagName.compare(QStringLiteral("a"), Qt::CaseInsensitive) == 0)
        kandidat = element.parentHref;
    if (IsURL(kandidat)) {
        infobar->showMessage(kandidat);
        globalUrl = kandidat;
    }
}

void Tinfoformen::WebTitleChange() {
    const QString navn = Web->LocationName();
    Edit->setText(navn);
    UrlLister(navn);
}

void Tinfoformen::UrlLister(const QString &Urlen) {
    if (ensUdenAZ(Urlen, oldUrl))
        return;
    oldUrl = Urlen;
    hjemmeside = Struktur->Infomappe() + Urlen;
    if (!m_urlform)
        return;
    if (naviKlikket) {
        naviKlikket = false;
        m_urlform->vaelgRaekke(urlIndex);
        return;
    }
    const QString side = Struktur->getNodeTekst(navnUdenEndelse(udenUgyldigeTegn(Urlen)));
    bool fundet = false;
    for (int i = 0; i < m_urlform->antal(); ++i) {
        if (ensUdenAZ(m_urlform->sidenavn(i), side) && ensUdenAZ(m_urlform->strukturnavn(i), strukturnavn)) {
            urlIndex = i;
            m_urlform->vaelgRaekke(i);
            fundet = true;
        }
    }
    if (fundet)
        return;
    m_urlform->tilfoej(side, strukturnavn);
    urlIndex = m_urlform->antal() - 1;
    m_urlform->vaelgRaekke(urlIndex);
}

bool Tinfoformen::eventFilter(QObject *o, QEvent *e) {
    if (o == Struktur && e->type() == QEvent::KeyPress) { // StrukturKeyPress
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
            StrukturClick();
            return true;
        }
    }
    if (o == Struktur->viewport() && e->type() == QEvent::ToolTip) {
        // A page name cut off at the panel's edge shows whole as a tool tip.
        const auto *h = static_cast<QHelpEvent *>(e);
        const QModelIndex i = Struktur->indexAt(h->pos());
        if (i.isValid() && Struktur->sizeHintForIndex(i).width() > Struktur->visualRect(i).width())
            QToolTip::showText(h->globalPos(), i.data().toString(), Struktur->viewport());
        else
            QToolTip::hideText();
        return true;
    }
    // Every left click opens the selected node's page again; other buttons open nothing.
    if (o == Struktur->viewport() && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton)
        QMetaObject::invokeMethod(this, [this] { StrukturClick(); }, Qt::QueuedConnection);
    if (o == Findis && erEnter(e)) {
        FindisClick();
        return true;
    }
    if (o == EditFind && erEnter(e)) { // EditFindKeyPress
        if (!EditFind->text().isEmpty())
            FindTekst(EditFind->text());
        return false;
    }
    if (o == Edit && erEnter(e)) { // EditKeyPress
        Ago_->Execute();
        return true;
    }
    return QWidget::eventFilter(o, e);
}
