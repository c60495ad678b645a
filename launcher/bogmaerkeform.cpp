#include "launcher/bogmaerkeform.h"

#include "bogmaerker/importplan.h"
#include "components/dialoger.h"
#include "components/filvalg.h"
#include "components/navngiv.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

Tbogmaerkeform::Tbogmaerkeform(const Brugersted &sted, const QString &hjem, const Formater &formater,
                               std::function<void()> efterAendring, QWidget *ejer)
    : QDialog(ejer), m_sted(sted), m_hjem(hjem), m_formater(formater), m_efterAendring(std::move(efterAendring)) {
    setObjectName(QStringLiteral("bogmaerkeform"));
    setWindowTitle(QStringLiteral("Importér bogmærker"));
    resize(520, 460);
    // The import keeps events flowing for "Afbryd": no other window may change the
    // collection meanwhile.
    setWindowModality(Qt::ApplicationModal);

    kildeListe = navngiv(new QListWidget(this), "kildeListe");
    kildeListe->setMaximumHeight(90);
    tilfoejKnap = navngiv(new QPushButton(QStringLiteral("&Tilføj fil…"), this), "tilfoejKnap");
    mappeTrae = navngiv(new QTreeWidget(this), "mappeTrae");
    mappeTrae->setHeaderLabels({QStringLiteral("Mappe"), QStringLiteral("Bogmærker")});
    mappeTrae->header()->setStretchLastSection(false);
    mappeTrae->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    kildeFejl = navngiv(new QLabel(this), "kildeFejl");
    kildeFejl->setWordWrap(true);
    kildeFejl->hide();
    fremdrift = navngiv(new QProgressBar(this), "fremdrift");
    fremdrift->hide();
    afbrydKnap = navngiv(new QPushButton(QStringLiteral("&Afbryd"), this), "afbrydKnap");
    afbrydKnap->hide();
    opsummering = navngiv(new QLabel(this), "opsummering");
    opsummering->setWordWrap(true);
    importerKnap = navngiv(new QPushButton(QStringLiteral("&Importér"), this), "importerKnap");
    importerKnap->setDefault(true); // Enter in the tree imports what is ticked
    fortrydKnap = navngiv(new QPushButton(QStringLiteral("&Fortryd"), this), "fortrydKnap");
    fortrydKnap->setToolTip(QStringLiteral("Fjern de grupper og elementer, som den seneste import lavede"));
    lukKnap = navngiv(new QPushButton(QStringLiteral("&Luk"), this), "lukKnap");
    kildeListe->setAccessibleName(QStringLiteral("Kilder"));
    mappeTrae->setAccessibleName(QStringLiteral("Mapper, der importeres"));
    fremdrift->setAccessibleName(QStringLiteral("Importeret indtil nu"));

    auto *kilder = new QHBoxLayout;
    kilder->addWidget(kildeListe, 1);
    kilder->addWidget(tilfoejKnap, 0, Qt::AlignTop);
    auto *gang = new QHBoxLayout;
    gang->addWidget(fremdrift, 1);
    gang->addWidget(afbrydKnap);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(importerKnap);
    knapper->addWidget(fortrydKnap);
    knapper->addStretch(1);
    knapper->addWidget(lukKnap);
    auto *lag = new QVBoxLayout(this);
    auto *kildeLabel = navngiv(new QLabel(QStringLiteral("&Kilder:"), this), "kildeLabel");
    kildeLabel->setBuddy(kildeListe);
    lag->addWidget(kildeLabel);
    lag->addLayout(kilder);
    auto *mappeLabel =
        navngiv(new QLabel(QStringLiteral("&Mapper, der importeres (hver bliver en gruppe):"), this), "mappeLabel");
    mappeLabel->setBuddy(mappeTrae);
    lag->addWidget(mappeLabel);
    lag->addWidget(mappeTrae, 1);
    lag->addWidget(kildeFejl);
    lag->addLayout(gang);
    lag->addWidget(opsummering);
    lag->addLayout(knapper);

    connect(kildeListe, &QListWidget::currentRowChanged, this, [this](int r) { vaelgKilde(r); });
    connect(tilfoejKnap, &QPushButton::clicked, this, [this] { tilfoejFil(); });
    connect(mappeTrae, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *p, int kolonne) {
        if (kolonne == 0)
            aendret(p);
    });
    connect(importerKnap, &QPushButton::clicked, this, [this] { importer(); });
    connect(afbrydKnap, &QPushButton::clicked, this, [this] { afbryd(); });
    connect(fortrydKnap, &QPushButton::clicked, this, [this] { fortryd(); });
    connect(lukKnap, &QPushButton::clicked, this, [this] { reject(); });

    m_kilder = findBogmaerkekilder(m_hjem);
    for (const Bogmaerkekilde &k : std::as_const(m_kilder))
        kildeListe->addItem(k.navn);
    if (!m_kilder.isEmpty()) {
        kildeListe->setCurrentRow(0);
    } else {
        // Nothing to choose yet: the window says so and starts on the one way on.
        kildeFejl->setText(QStringLiteral("Der blev ikke fundet nogen browser med bogmærker i din hjemmemappe. "
                                          "Tryk \"Tilføj fil…\" for at vælge en bogmærkefil."));
        kildeFejl->show();
        tilfoejKnap->setFocus();
    }
    opdaterKnapper();
}

void Tbogmaerkeform::tilfoejFil() {
    const QString sti = Tfilvalg(QStringLiteral("Vælg en bogmærkefil"), m_hjem).Execute(this);
    if (sti.isEmpty())
        return;
    m_kilder.append({Bogmaerkekilde::Art::Html, QFileInfo(sti).fileName(), sti});
    kildeListe->addItem(m_kilder.last().navn);
    kildeListe->setCurrentRow(int(m_kilder.size() - 1));
}

void Tbogmaerkeform::vaelgKilde(int raekke) {
    m_samling = {};
    m_samling.mapper.clear(); // no rows at all until a source is read
    m_punkter.clear();
    mappeTrae->clear();
    kildeFejl->hide();
    if (raekke >= 0 && raekke < m_kilder.size()) {
        // The file's own first bytes say what it is, whichever way it was added.
        const Bogmaerkelaesning l = laesKilde(m_kilder.at(raekke).sti, m_hjem);
        if (l.ok) {
            m_samling = l.samling;
        } else {
            kildeFejl->setText(l.fejl);
            kildeFejl->show();
        }
    }
    QList<int> antal(m_samling.mapper.size(), 0);
    for (const Bogmaerke &b : std::as_const(m_samling.links))
        ++antal[b.mappe];
    const QSignalBlocker stille(mappeTrae);
    for (qsizetype i = 0; i < m_samling.mapper.size(); ++i) {
        const Bogmaerkemappe &m = m_samling.mapper.at(i);
        const QStringList tekst{i == 0 ? QStringLiteral("Uden for mapper (til gruppen \"%1\")").arg(kImportgruppe)
                                       : m.navn,
                                QString::number(antal.at(i))};
        // A parent always comes before its folders, so its item is there already.
        QTreeWidgetItem *p = m.foraelder > 0 ? new QTreeWidgetItem(m_punkter.at(m.foraelder), tekst)
                                             : new QTreeWidgetItem(mappeTrae, tekst);
        p->setFlags(p->flags() | Qt::ItemIsUserCheckable);
        p->setCheckState(0, Qt::Checked);
        p->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        m_punkter.append(p);
    }
    // The root row says nothing when every link sits in a folder.
    if (!m_punkter.isEmpty() && antal.at(0) == 0)
        m_punkter.first()->setHidden(true);
    mappeTrae->expandToDepth(0);
    opdaterKnapper();
}

void Tbogmaerkeform::aendret(QTreeWidgetItem *punkt) {
    // A folder's subfolders follow it. The list is walked once, not the tree recursively:
    // a hostile file may nest folders very deep, and a parent always has the lower index.
    const int fra = int(m_punkter.indexOf(punkt));
    if (fra < 0)
        return;
    const Qt::CheckState tilstand = punkt->checkState(0);
    QList<bool> beroert(m_punkter.size(), false);
    beroert[fra] = true;
    const QSignalBlocker stille(mappeTrae);
    for (qsizetype i = fra + 1; i < m_punkter.size(); ++i) {
        const int f = m_samling.mapper.at(i).foraelder;
        if (f > 0 && beroert.at(f)) {
            beroert[i] = true;
            m_punkter.at(i)->setCheckState(0, tilstand);
        }
    }
    opdaterKnapper();
}

Bogmaerkesamling Tbogmaerkeform::valgteLinks() const {
    Bogmaerkesamling valgt;
    valgt.mapper = m_samling.mapper;
    for (const Bogmaerke &b : m_samling.links)
        if (m_punkter.at(b.mappe)->checkState(0) == Qt::Checked)
            valgt.links.append(b);
    return valgt;
}

void Tbogmaerkeform::importer() {
    if (m_importerer || m_samling.links.isEmpty())
        return;
    const Importplan plan = planlaegImport(valgteLinks(), laesEksisterendeGrupper(m_sted.samling),
                                           m_formater.lokalitet, m_formater.dato, m_formater.tid);
    Importresultat r;
    // An empty plan writes nothing, so the record of the import before stays for "Fortryd".
    if (!plan.elementer.isEmpty()) {
        m_importerer = true;
        m_afbrudt = false;
        fremdrift->setRange(0, int(plan.elementer.size()));
        fremdrift->setValue(0);
        fremdrift->show();
        afbrydKnap->show();
        opdaterKnapper();
        r = udfoerImport(m_sted.samling, plan, m_sted.fortryd, [this](qsizetype gjort, qsizetype ialt) {
            fremdrift->setValue(int(gjort));
            emit fremskridt(gjort, ialt);
            // The window stays live, so "Afbryd" can be pressed between elements.
            QCoreApplication::processEvents();
            return !m_afbrudt;
        });
        m_importerer = false;
        afbrydKnap->hide();
        fremdrift->hide();
        if (m_efterAendring)
            m_efterAendring();
    }
    opdaterKnapper();
    const QString tekst = importOpsummering(plan, r);
    opsummering->setText(tekst);
    visBesked(tekst);
}

void Tbogmaerkeform::fortryd() {
    if (m_importerer || !QFileInfo::exists(m_sted.fortryd))
        return;
    if (!spoerg(QStringLiteral("Skal de grupper og elementer, som den seneste import lavede, fjernes igen?")))
        return;
    const Fortrydresultat f = fortrydImport(m_sted.fortryd);
    if (m_efterAendring)
        m_efterAendring();
    opdaterKnapper();
    const QString tekst = fortrydOpsummering(f);
    opsummering->setText(tekst);
    visBesked(tekst);
}

void Tbogmaerkeform::reject() {
    // Closing while an import runs stops it; the window closes once it has stopped.
    if (m_importerer) {
        afbryd();
        return;
    }
    QDialog::reject();
}

void Tbogmaerkeform::opdaterKnapper() {
    bool noget = false;
    for (const Bogmaerke &b : std::as_const(m_samling.links))
        if (m_punkter.at(b.mappe)->checkState(0) == Qt::Checked) {
            noget = true;
            break;
        }
    importerKnap->setEnabled(!m_importerer && noget);
    fortrydKnap->setEnabled(!m_importerer && QFileInfo::exists(m_sted.fortryd));
    kildeListe->setEnabled(!m_importerer);
    tilfoejKnap->setEnabled(!m_importerer);
    mappeTrae->setEnabled(!m_importerer);
    lukKnap->setEnabled(!m_importerer);
}
