// How the administration window and the group lists show what they hold: check boxes
// whole in their rows, long group names from their start, elided with the whole name as
// tooltip, and the current group marked. Run at scale 1 and, as tst_visning_x2, at 2.

#include "admin/boksform.h"
#include "components/dialoger.h"
#include "components/handling.h"
#include "components/tegninger.h"
#include "launcher/findform.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "platform/stil.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>

class TstVisning : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void checkBoxes_fitWholeInTheirRows_data();
    void checkBoxes_fitWholeInTheirRows();
    void readOnlyGroupFields_showStartOfLongName_data();
    void readOnlyGroupFields_showStartOfLongName();
    void groupLists_elideLongNamesWithTooltip_data();
    void groupLists_elideLongNamesWithTooltip();
    void existingGroups_marksCurrentGroup_data();
    void existingGroups_marksCurrentGroup();
    void errorBox_showsTheProgramsOwnPictures();
    void findWindow_hitColumnsShowTheirTextsWhole();

private:
    Testmiljoe *m = nullptr;
    QString gruppe(const QString &sti) const { return m->bruger() + "/Program/" + sti; }
};

namespace {
const QString kLangt = QStringLiteral("Offentlige myndigheder og digital selvbetjening");

// The delegate's own option for an item, as it paints it.
struct AabenDelegat : QStyledItemDelegate {
    using QStyledItemDelegate::initStyleOption;
};

QStyleOptionViewItem tegnevalg(QAbstractItemView *liste, const QModelIndex &indeks) {
    auto *delegat = static_cast<QStyledItemDelegate *>(liste->itemDelegate());
    void (QStyledItemDelegate::*init)(QStyleOptionViewItem *, const QModelIndex &) const =
        &AabenDelegat::initStyleOption;
    QStyleOptionViewItem valg;
    valg.initFrom(liste->viewport());
    valg.widget = liste;
    valg.rect = liste->visualRect(indeks);
    (delegat->*init)(&valg, indeks);
    return valg;
}
} // namespace

void TstVisning::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe);
    for (const QString navn : {"Borger.dk", "MitID", "Skat"})
        skrivBytes(gruppe(kLangt + "/" + navn + ".txt"), crlf({"https://" + navn, navn, "Dato", "XX:XX", "0", ""}));
    mainform->gruppeliste.append(kLangt);
    mainform->gemGruppeliste();
    boksform->visGrupper(mainform->gruppeliste);
    mainform->visGruppeliste(mainform->gruppeliste);
    mainform->gruppenavn = kLangt;
    boksform->SkiftGruppe();
}

void TstVisning::cleanup() {
    nedlaegVinduer();
    delete m;
    Modalsvar::testtilstand(false);
}

void TstVisning::checkBoxes_fitWholeInTheirRows_data() {
    QTest::addColumn<QString>("stil");
    for (const QString &stil : Stil::navne())
        QTest::newRow(qPrintable(stil)) << stil;
}

void TstVisning::checkBoxes_fitWholeInTheirRows() {
    QFETCH(QString, stil);
    QVERIFY(Stil::anvend(stil));
    boksform->Bog->setCurrentWidget(boksform->side2);
    boksform->show();
    QVERIFY(QTest::qWaitForWindowExposed(boksform));
    QTreeWidget *liste = boksform->programBoks;
    QCOMPARE(liste->topLevelItemCount(), 3);
    for (int i = 0; i < liste->topLevelItemCount(); ++i) {
        const QModelIndex indeks = liste->model()->index(i, 0);
        const QStyleOptionViewItem valg = tegnevalg(liste, indeks);
        QVERIFY(valg.features & QStyleOptionViewItem::HasCheckIndicator);
        const QRect boks = liste->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &valg, liste);
        const QRect raekke = valg.rect;
        // A free pixel above the box, and one between it and the grid line on the row's
        // last pixel, so every edge of the box shows.
        QVERIFY2(boks.top() > raekke.top() && boks.bottom() < raekke.bottom() - 1,
                 qPrintable(QStringLiteral("box %1..%2 in row %3..%4")
                                .arg(boks.top()).arg(boks.bottom()).arg(raekke.top()).arg(raekke.bottom())));
    }
}

void TstVisning::readOnlyGroupFields_showStartOfLongName_data() {
    QTest::addColumn<QString>("felt");
    QTest::addColumn<bool>("omdoeb");
    for (const char *felt : {"valgtGruppeEdit", "gNameEdit", "gruppeEdit"}) {
        QTest::addRow("%s chosen", felt) << felt << false;
        QTest::addRow("%s renamed", felt) << felt << true;
    }
}

void TstVisning::readOnlyGroupFields_showStartOfLongName() {
    QFETCH(QString, felt);
    QFETCH(bool, omdoeb);
    QString navn = kLangt;
    if (omdoeb) {
        navn = kLangt + " i kommunen";
        boksform->redigerCheck->setChecked(true);
        boksform->valgtGruppeEdit->setText(navn);
        QVERIFY(boksform->aRedigerGruppe->Execute());
        QCOMPARE(mainform->gruppenavn, navn);
    }
    auto *e = boksform->findChild<QLineEdit *>(felt);
    QVERIFY(e);
    boksform->show();
    QVERIFY(QTest::qWaitForWindowExposed(boksform));
    QCOMPARE(e->text(), navn);
    QVERIFY(e->fontMetrics().horizontalAdvance(navn) > e->width()); // the name does not fit
    QCOMPARE(e->cursorPosition(), 0); // the field scrolls to its cursor: the start shows
    QCOMPARE(e->toolTip(), navn);
}

void TstVisning::groupLists_elideLongNamesWithTooltip_data() {
    QTest::addColumn<QString>("liste");
    QTest::newRow("Eksisterende grupper") << "gruppeBoks";
    QTest::newRow("Gruppenavne") << "gruppeBoksen";
    QTest::newRow("store page, group list") << "Box";
    QTest::newRow("store page, store list") << "lagerBox";
}

void TstVisning::groupLists_elideLongNamesWithTooltip() {
    QFETCH(QString, liste);
    QListWidget *l = boksform->findChild<QListWidget *>(liste);
    QWidget *vindue = boksform;
    if (!l) {
        l = mainform->findChild<QListWidget *>(liste);
        vindue = mainform;
    }
    QVERIFY(l);
    if (vindue == boksform)
        boksform->Bog->setCurrentWidget(l->parentWidget() == boksform->side4 ? boksform->side4 : boksform->side0);
    boksform->visLagerlister(mainform->gruppeliste, {kLangt});
    vindue->show();
    QVERIFY(QTest::qWaitForWindowExposed(vindue));
    QListWidgetItem *post = l->findItems(kLangt, Qt::MatchExactly).value(0);
    QVERIFY(post);
    l->clearSelection();
    QApplication::processEvents();
    QVERIFY(l->fontMetrics().horizontalAdvance(kLangt) + 16 > l->viewport()->width());

    QVERIFY(!l->horizontalScrollBar()->isVisible());
    const QRect r = l->visualItemRect(post);
    QVERIFY2(r.right() <= l->viewport()->rect().right(), "the item reaches beyond the list");
    // The name stops short of the list's edge (elided) instead of running into it.
    const QImage billede = l->viewport()->grab().toImage();
    const int skala = qRound(billede.devicePixelRatio());
    const QColor felt = billede.pixelColor((r.right() - 1) * skala, (r.top() + 1) * skala);
    bool blaek = false, kantRoert = false;
    for (int y = (r.top() + 3) * skala; y < (r.bottom() - 2) * skala; ++y)
        for (int x = (r.left() + 16) * skala; x <= r.right() * skala; ++x)
            if (billede.pixelColor(x, y) != felt) {
                blaek = true;
                if (x > (r.right() - 3) * skala)
                    kantRoert = true;
            }
    QVERIFY(blaek);
    QVERIFY2(!kantRoert, "the name is cut at the list's edge");

    QHelpEvent hjaelp(QEvent::ToolTip, r.center(), l->viewport()->mapToGlobal(r.center()));
    QApplication::sendEvent(l->viewport(), &hjaelp);
    QTRY_COMPARE(QToolTip::text(), kLangt);
    QToolTip::hideText();
}

void TstVisning::existingGroups_marksCurrentGroup_data() {
    QTest::addColumn<QString>("hvordan");
    QTest::newRow("created") << "created";
    QTest::newRow("renamed") << "renamed";
    QTest::newRow("collection switched") << "switched";
    QTest::newRow("collection switched back") << "switched back";
}

void TstVisning::existingGroups_marksCurrentGroup() {
    QFETCH(QString, hvordan);
    if (hvordan == "created") {
        boksform->gEdit->setText("Nyeste");
        QVERIFY(boksform->aNyGruppe->Execute());
    } else if (hvordan == "renamed") {
        boksform->redigerCheck->setChecked(true);
        boksform->valgtGruppeEdit->setText("Omdøbt");
        QVERIFY(boksform->aRedigerGruppe->Execute());
    } else {
        mainform->gruppenavn1 = "Internet";
        boksform->funkCheck->setChecked(true);
        if (hvordan == "switched back")
            boksform->funkCheck->setChecked(false);
    }
    QVERIFY(!mainform->gruppenavn.isEmpty());
    QListWidgetItem *valgt = boksform->gruppeBoks->currentItem();
    QVERIFY(valgt);
    QCOMPARE(valgt->text(), mainform->gruppenavn);
    QVERIFY(valgt->isSelected());
    QCOMPARE(boksform->gruppeBoks->selectedItems().size(), 1);
}

void TstVisning::errorBox_showsTheProgramsOwnPictures() {
    Modalsvar::testtilstand(false); // the real box, closed once it is up
    QString titel;
    QImage billede, knap;
    QTimer::singleShot(0, this, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *boks = qobject_cast<QMessageBox *>(w); boks && boks->isVisible()) {
                titel = boks->windowTitle();
                billede = boks->iconPixmap().toImage();
                knap = boks->button(QMessageBox::Ok)->icon().pixmap(QSize(16, 16), qApp->devicePixelRatio()).toImage();
                boks->accept();
            }
    });
    visFejlinformation(QStringLiteral("Filen kunne ikke findes."));
    Modalsvar::testtilstand(true);
    QCOMPARE(titel, QString("Fejlinformation"));
    QVERIFY(!billede.isNull());
    QCOMPARE(billede, infoBillede().toImage()); // the message dialog's "i"
    QCOMPARE(knap, flueben().pixmap(QSize(16, 16), qApp->devicePixelRatio()).toImage()); // its green tick
}

void TstVisning::findWindow_hitColumnsShowTheirTextsWhole() {
    // A used element shows its last use as date and time; the long group name as well.
    skrivBytes(gruppe(kLangt + "/Borger.dk.txt"),
               crlf({"https://borger.dk", "Borger.dk", "14-03-2025", "07:42", "31", gruppe(kLangt + "/Borger.dk.txt")}));
    mainform->show();
    mainform->visFind(QStringLiteral("borger myndigheder"));
    QTreeWidget *liste = mainform->findform->findListe;
    QCOMPARE(liste->topLevelItemCount(), 1);
    QCOMPARE(liste->topLevelItem(0)->text(4), QStringLiteral("14-03-2025 07:42"));
    // Every column but the address (which takes the room left) holds its widest text.
    for (const int kolonne : {0, 1, 2, 4}) {
        const QModelIndex indeks = liste->model()->index(0, kolonne);
        const int behov = liste->itemDelegate()->sizeHint(tegnevalg(liste, indeks), indeks).width();
        QVERIFY2(liste->header()->sectionSize(kolonne) >= behov,
                 qPrintable(QStringLiteral("column %1: %2 < %3").arg(kolonne).arg(liste->header()->sectionSize(kolonne)).arg(behov)));
    }
}

QTEST_MAIN(TstVisning)
#include "tst_visning.moc"
