#include "launcher/eksportform.h"

#include "bogmaerker/eksport.h"
#include "components/dialoger.h"
#include "components/filvalg.h"
#include "components/navngiv.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Teksportform::Teksportform(const Brugersted &sted, const Formater &formater, QWidget *ejer)
    : QDialog(ejer), m_sted(sted), m_formater(formater) {
    setObjectName(QStringLiteral("eksportform"));
    setWindowTitle(QStringLiteral("Eksportér bogmærker"));
    resize(360, 400);
    setWindowModality(Qt::ApplicationModal);
    gruppeListe = navngiv(new QListWidget(this), "gruppeListe");
    alleKnap = navngiv(new QPushButton(QStringLiteral("Vælg &alle"), this), "alleKnap");
    eksporterKnap = navngiv(new QPushButton(QStringLiteral("&Eksportér…"), this), "eksporterKnap");
    // Enter in the list exports what is ticked; left to Qt, the first button, "Vælg
    // alle", would take Enter and tick again what the user had just unticked.
    eksporterKnap->setDefault(true);
    lukKnap = navngiv(new QPushButton(QStringLiteral("&Luk"), this), "lukKnap");
    gruppeListe->setAccessibleName(QStringLiteral("Grupper, der eksporteres"));
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(alleKnap);
    knapper->addStretch(1);
    knapper->addWidget(eksporterKnap);
    knapper->addWidget(lukKnap);
    auto *lag = new QVBoxLayout(this);
    auto *overskrift = navngiv(new QLabel(QStringLiteral("&Grupper, der eksporteres (hver bliver en mappe):"), this),
                               "grupperLabel");
    overskrift->setBuddy(gruppeListe);
    lag->addWidget(overskrift);
    lag->addWidget(gruppeListe, 1);
    lag->addLayout(knapper);
    connect(alleKnap, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < gruppeListe->count(); ++i)
            gruppeListe->item(i)->setCheckState(Qt::Checked);
    });
    connect(eksporterKnap, &QPushButton::clicked, this, [this] { eksporter(); });
    connect(lukKnap, &QPushButton::clicked, this, [this] { reject(); });
    laesGrupper();
}

void Teksportform::laesGrupper() {
    gruppeListe->clear();
    for (const Eksportgruppe &g : laesEksportgrupper(m_sted.samling)) {
        auto *p = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(g.navn).arg(g.elementer.size()), gruppeListe);
        p->setData(Qt::UserRole, g.navn);
        p->setFlags(p->flags() | Qt::ItemIsUserCheckable);
        p->setCheckState(Qt::Checked);
    }
}

bool Teksportform::eksporter() {
    QStringList valgte;
    for (int i = 0; i < gruppeListe->count(); ++i)
        if (gruppeListe->item(i)->checkState() == Qt::Checked)
            valgte << gruppeListe->item(i)->data(Qt::UserRole).toString();
    if (valgte.isEmpty()) {
        visBesked(QStringLiteral("Vælg mindst én gruppe at eksportere."));
        return false;
    }
    const QString sti = Tfilvalg(QStringLiteral("Gem bogmærkerne som"), QDir::homePath() + QStringLiteral("/bogmærker.html"))
                            .Gem(this);
    if (sti.isEmpty())
        return false;
    const Kommandoresultat r = eksporterTil(m_sted, sti, m_formater, valgte);
    visBesked(r.linje);
    return r.ok;
}
