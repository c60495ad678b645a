// Every control a user can reach in every window has a name a screen reader can say.

#include "admin/boksform.h"
#include "components/dialoger.h"
#include "components/editform.h"
#include "components/infform.h"
#include "components/spform.h"
#include "components/struktur.h"
#include "components/tilgaengelighed.h"
#include "infoviewer/infoformen.h"
#include "infoviewer/urlform1.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "testhjaelp.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QHelpEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString skaermlaesernavn(QWidget *w) {
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name).trimmed() : QString();
}

// What a user can reach by keyboard or mouse: controls that take focus, and buttons.
bool betjenes(const QWidget *w) {
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton *>(w) ||
           qobject_cast<const QComboBox *>(w);
}

// The reachable controls of a window as it is shown now, without a name.
QStringList navnloese(QWidget *vindue) {
    QStringList ud;
    for (QWidget *w : vindue->findChildren<QWidget *>()) {
        if (w->isVisibleTo(vindue) && betjenes(w) && skaermlaesernavn(w).isEmpty())
            ud << QStringLiteral("%1 (%2)").arg(w->objectName(), QLatin1String(w->metaObject()->className()));
    }
    return ud;
}
} // namespace

class TstTilgaengelighed : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyReachableControl_hasName_data();
    void everyReachableControl_hasName();
    void tabPagesAndPageView_areNamed();
    void names_captionFirstThenHintThenOwn();
    void cutPageName_showsWholeAsToolTip();

private:
    Testmiljoe *m = nullptr;
};

void TstTilgaengelighed::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe);
}

void TstTilgaengelighed::cleanup() {
    nedlaegVinduer();
    delete m;
    Modalsvar::testtilstand(false);
}

void TstTilgaengelighed::everyReachableControl_hasName_data() {
    QTest::addColumn<QString>("vindue");
    QTest::addColumn<int>("side");
    QTest::newRow("hovedvindue") << "mainform" << -1;
    for (int side = 0; side < 5; ++side)
        QTest::addRow("administration side %d", side) << "boksform" << side;
    QTest::newRow("information: struktur") << "infoformen" << 0;
    QTest::newRow("information: søg") << "infoformen" << 1;
    QTest::newRow("besøgte sider") << "urlform1" << -1;
    QTest::newRow("besked") << "infform" << -1;
    QTest::newRow("spørgsmål") << "spform" << -1;
    QTest::newRow("tekstbuffer") << "editform" << -1;
}

void TstTilgaengelighed::everyReachableControl_hasName() {
    QFETCH(QString, vindue);
    QFETCH(int, side);
    mainform->show();
    // A group with elements, so the lists hold rows as a user sees them.
    mainform->gruppeBoksen->setCurrentRow(1);
    mainform->gruppeBoksenDblClick();
    QWidget *w = nullptr;
    if (vindue == u"mainform") {
        w = mainform;
    } else if (vindue == u"boksform") {
        boksform->visVindue(side);
        w = boksform;
    } else if (vindue == u"infoformen") {
        mainform->Information(QStringLiteral("Ankerhus"));
        infoformen->infoBog->setCurrentIndex(side);
        w = infoformen;
    } else if (vindue == u"urlform1") {
        urlform1->show();
        w = urlform1;
    } else if (vindue == u"infform") {
        infform->show();
        w = infform;
    } else if (vindue == u"spform") {
        spform->show();
        w = spform;
    } else {
        w = editform; // never shown: its buffer still counts
    }
    const QStringList uden = navnloese(w);
    QVERIFY2(uden.isEmpty(), qPrintable(QStringLiteral("Uden navn: ") + uden.join(QStringLiteral(", "))));
    // The walk saw the window's controls at all.
    QVERIFY(!w->findChildren<QWidget *>().isEmpty());
}

void TstTilgaengelighed::tabPagesAndPageView_areNamed() {
    mainform->Information(QStringLiteral("Ankerhus"));
    QVERIFY(m->browser);
    QCOMPARE(m->browser->widget()->accessibleName(), QStringLiteral("Informationsside"));
    QCOMPARE(boksform->side2->accessibleName(), QStringLiteral("Fjern eller rediger element"));
    QCOMPARE(infoformen->side2->accessibleName(), QStringLiteral("Søg"));
    for (QTabWidget *bog : {boksform->Bog, infoformen->infoBog}) {
        QVERIFY(!skaermlaesernavn(bog->tabBar()).isEmpty());
        for (int i = 0; i < bog->count(); ++i)
            QCOMPARE(skaermlaesernavn(bog->widget(i)), bog->tabText(i));
    }
    // A field named by its label follows the label when the collection changes it.
    QCOMPARE(skaermlaesernavn(boksform->FilnavnEdit), QStringLiteral("Werbadresse"));
    boksform->vendSamling();
    QCOMPARE(skaermlaesernavn(boksform->FilnavnEdit), QStringLiteral("Program"));
}

void TstTilgaengelighed::names_captionFirstThenHintThenOwn() {
    QWidget vindue;
    auto *lag = new QVBoxLayout(&vindue);
    auto *medTekst = new QToolButton(&vindue);
    medTekst->setText(QStringLiteral("&Gem"));
    medTekst->setToolTip(QStringLiteral("Gem ændringerne"));
    auto *kunIkon = new QToolButton(&vindue);
    kunIkon->setToolTip(QStringLiteral("Slet"));
    kunIkon->setStatusTip(QStringLiteral("Slet alle urls fra listen"));
    auto *etiket = new QLabel(QStringLiteral("Kort navn"), &vindue);
    auto *medEtiket = new QLineEdit(&vindue);
    medEtiket->setToolTip(QStringLiteral("ikke dette"));
    etiket->setBuddy(medEtiket);
    // A label under another parent is not read by a screen reader: the hint counts.
    auto *andetPanel = new QWidget(&vindue);
    auto *fjernEtiket = new QLabel(QStringLiteral("Fjern etiket"), &vindue);
    auto *fjernFelt = new QLineEdit(andetPanel);
    fjernFelt->setToolTip(QStringLiteral("Adresse"));
    fjernEtiket->setBuddy(fjernFelt);
    // A list is never read by its label: it takes the label's text as its name.
    auto *liste = new QListWidget(&vindue);
    auto *listeEtiket = new QLabel(QStringLiteral("Gruppenavne"), &vindue);
    listeEtiket->setBuddy(liste);
    auto *egetNavn = new QLineEdit(&vindue);
    egetNavn->setToolTip(QStringLiteral("Søg"));
    auto *alleredeNavngivet = new QLineEdit(&vindue);
    alleredeNavngivet->setAccessibleName(QStringLiteral("Før"));
    alleredeNavngivet->setToolTip(QStringLiteral("Efter"));
    auto *bog = new QTabWidget(&vindue);
    bog->addTab(new QWidget, QStringLiteral("&Struktur"));
    for (QWidget *w : std::initializer_list<QWidget *>{medTekst, kunIkon, etiket, medEtiket, fjernEtiket, andetPanel,
                                                       listeEtiket, liste, egetNavn, alleredeNavngivet, bog})
        lag->addWidget(w);

    givTilgaengeligeNavne(&vindue, {{egetNavn, QStringLiteral("Søgetekst")}});

    QCOMPARE(medTekst->accessibleName(), QString()); // its caption is read, not the hint
    QCOMPARE(skaermlaesernavn(medTekst), QStringLiteral("Gem"));
    QCOMPARE(kunIkon->accessibleName(), QStringLiteral("Slet"));
    QCOMPARE(kunIkon->accessibleDescription(), QStringLiteral("Slet alle urls fra listen"));
    QCOMPARE(medEtiket->accessibleName(), QString());
    QCOMPARE(skaermlaesernavn(medEtiket), QStringLiteral("Kort navn"));
    etiket->setText(QStringLiteral("Program"));
    QCOMPARE(skaermlaesernavn(medEtiket), QStringLiteral("Program"));
    QCOMPARE(fjernFelt->accessibleName(), QStringLiteral("Adresse"));
    QCOMPARE(skaermlaesernavn(liste), QStringLiteral("Gruppenavne"));
    QCOMPARE(egetNavn->accessibleName(), QStringLiteral("Søgetekst"));
    QCOMPARE(alleredeNavngivet->accessibleName(), QStringLiteral("Før"));
    QCOMPARE(bog->widget(0)->accessibleName(), QStringLiteral("Struktur"));
}

void TstTilgaengelighed::cutPageName_showsWholeAsToolTip() {
    mainform->Information(QStringLiteral("Ankerhus"));
    infoformen->Splitter1->setSizes({140, 600});
    TStruktur *t = infoformen->Struktur;
    auto tip = [t](const QString &side) {
        const QList<QTreeWidgetItem *> fundne = t->findItems(side, Qt::MatchExactly | Qt::MatchRecursive);
        if (fundne.isEmpty())
            return QStringLiteral("(ingen side %1)").arg(side);
        const QPoint midt = t->visualItemRect(fundne.first()).center();
        QHelpEvent e(QEvent::ToolTip, midt, t->viewport()->mapToGlobal(midt));
        QCoreApplication::sendEvent(t->viewport(), &e);
        return QToolTip::text();
    };
    QCOMPARE(tip(QStringLiteral("Søgning")), QString()); // it fits: no tip
    QCOMPARE(tip(QStringLiteral("Administrationsvinduet")), QStringLiteral("Administrationsvinduet"));
}

QTEST_MAIN(TstTilgaengelighed)
#include "tst_tilgaengelighed.moc"
