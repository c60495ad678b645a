// The find window on a real display with a window manager, driven by keys as a user
// would: type, arrows, Enter, Ctrl+Enter, Esc; and changes made by another process.

#include "launcher/findform.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "platform/tekstfil.h"
#include "soeg/soegeindeks.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

class TstFind : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typeArrowEnter_launchesAndRecordsTheUse();
    void index_builtAfterTheFirstPaintWithoutAsking();
    void ctrlEnter_showsHitInItsCollectionAndGroup_data();
    void ctrlEnter_showsHitInItsCollectionAndGroup();
    void launchFails_sameMessageAsInTheList();
    void esc_closes_reopensEmptyAndFocused();
    void outsideChange_showsInFindWindowAndMainWindow();

private:
    Testmiljoe *m = nullptr;
    QString web(const QString &gruppe) const { return m->bruger() + "/Program/" + gruppe; }
    void element(const QString &mappe, const QString &navn, const QString &url, int besoeg = 0) {
        skrivBytes(mappe + "/" + navn + ".txt", crlf({url, navn, besoeg ? "01-12-2026" : "Dato", "XX:XX",
                                                      QString::number(besoeg), mappe + "/" + navn + ".txt"}));
    }
    // Ctrl+F in the main window; the find window comes up active with its field focused.
    Tfindform *aabnFind() {
        mainform->activateWindow();
        if (!QTest::qWaitForWindowActive(mainform))
            return nullptr;
        // Active in Qt's eyes comes before the focus is back in one of its controls: a key
        // sent in between would go nowhere.
        if (!QTest::qWaitFor([] { return QApplication::focusWidget() && QApplication::focusWidget()->window() == mainform; }))
            return nullptr;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
        if (!mainform->findform || !QTest::qWaitForWindowActive(mainform->findform))
            return nullptr;
        // The window manager hands over the focus a moment after the activation.
        if (!QTest::qWaitFor([] { return QApplication::focusWidget() == mainform->findform->findEdit; }))
            return nullptr;
        return mainform->findform;
    }
    QStringList viste(const Tfindform *f) const {
        QStringList ud;
        for (int i = 0; i < f->findListe->topLevelItemCount(); ++i)
            ud << f->findListe->topLevelItem(i)->text(0);
        return ud;
    }
    QString valgtIListen() const {
        const QList<QTreeWidgetItem *> v = mainform->Listen->selectedItems();
        return v.size() == 1 ? v.first()->text(3) : QString();
    }
};

void TstFind::init() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb", "runs on a real display only");
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe);
    // Two web groups, one stored group, and a program group.
    skrivBytes(m->bruger() + "/Program/webgruppe.txt", crlf({"Nyheder", "Hverdag"}));
    skrivBytes(m->bruger() + "/Program/webLager.txt", crlf({"Gamle"}));
    element(web("Nyheder"), "Dagbladet", "https://dagbladet.dk", 2);
    element(web("Nyheder"), "DR Nyheder", "https://dr.dk", 5);
    element(web("Hverdag"), "Bank", "https://bank.dk");
    element(web("Gamle"), "Dansk Skak", "https://skak.dk");
    skrivBytes(m->bruger() + "/Programmer/webgruppe.txt", crlf({"Værktøj"}));
    element(m->bruger() + "/Programmer/Værktøj", "Dokumentlæser", testprogram(*m));
    mainform->setMappe();
    mainform->visGruppeliste(mainform->gruppeliste);
    mainform->gruppenavn = "Hverdag";
    mainform->loadGruppefil();
    mainform->show();
    mainform->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainform));
}

void TstFind::cleanup() {
    nedlaegVinduer();
    delete m;
    m = nullptr;
    Modalsvar::testtilstand(false);
}

void TstFind::typeArrowEnter_launchesAndRecordsTheUse() {
    Tfindform *f = aabnFind();
    QVERIFY(f);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f->findEdit));
    QTest::keyClicks(f->findEdit, "d");
    // Names beginning with "d" first, the most used first, unused ones in name order;
    // every ".dk" address matches too, but after them.
    QCOMPARE(viste(f).mid(0, 4), (QStringList{"DR Nyheder", "Dagbladet", "Dansk Skak", "Dokumentlæser"}));
    QCOMPARE(f->findListe->topLevelItem(2)->text(1), QStringLiteral("Gamle (lager)"));
    QCOMPARE(f->findListe->topLevelItem(3)->text(2), QStringLiteral("Program"));
    QCOMPARE(f->findListe->topLevelItem(1)->text(3), QStringLiteral("https://dagbladet.dk"));
    QCOMPARE(f->findListe->topLevelItem(1)->text(4), QStringLiteral("01-12-2026 XX:XX"));
    QCOMPARE(f->findListe->topLevelItem(2)->text(4), QStringLiteral("Aldrig"));
    QTest::keyClicks(f->findEdit, "ag");
    QCOMPARE(viste(f), (QStringList{"Dagbladet", "Bank"})); // Bank by its group "Hverdag"
    QTest::keyClick(f->findEdit, Qt::Key_Backspace);
    QTest::keyClick(f->findEdit, Qt::Key_Backspace);
    QTest::keyClick(f->findEdit, Qt::Key_Down);
    QCOMPARE(f->findListe->currentItem()->text(0), QStringLiteral("Dagbladet"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f->findEdit)); // typing goes on
    QTest::keyClick(f->findEdit, Qt::Key_Return);
    QTRY_VERIFY(!f->isVisible());
    QCOMPARE(m->skal->kald, QStringList{"aabn https://dagbladet.dk"});
    // Recorded in the file as a double click records it, and shown in the main window.
    const Tekstlinjer fil = laesLinjer(web("Nyheder") + "/Dagbladet.txt");
    QCOMPARE(fil.linjer.mid(2, 3), (QStringList{"09-12-2026", "14:35", "3"}));
    QCOMPARE(mainform->gruppenavn, QStringLiteral("Nyheder"));
    QCOMPARE(valgtIListen(), QStringLiteral("Dagbladet"));
    QCOMPARE(mainform->Listen->selectedItems().first()->text(2), QStringLiteral("3"));
    // The index followed the launch at once, without waiting for the folder watch.
    f = aabnFind();
    QVERIFY(f);
    QTest::keyClicks(f->findEdit, "dagbl");
    QCOMPARE(f->findListe->topLevelItem(0)->text(4), QStringLiteral("09-12-2026 14:35"));
}

void TstFind::index_builtAfterTheFirstPaintWithoutAsking() {
    QVERIFY(!mainform->findform);
    QTRY_VERIFY(mainform->indeks());
    QStringList filer;
    for (const Soegepost &p : mainform->indeks()->poster())
        filer << p.element.kilde;
    QVERIFY(filer.contains(web("Nyheder") + "/Dagbladet.txt"));
    QVERIFY(filer.contains(web("Gamle") + "/Dansk Skak.txt"));
    QVERIFY(filer.contains(m->bruger() + "/Programmer/Værktøj/Dokumentlæser.txt"));
}

void TstFind::ctrlEnter_showsHitInItsCollectionAndGroup_data() {
    QTest::addColumn<QString>("forespoergsel");
    QTest::addColumn<int>("samling");
    QTest::addColumn<QString>("gruppe");
    QTest::addColumn<QString>("navn");
    QTest::newRow("web group") << "dr" << 0 << "Nyheder" << "DR Nyheder";
    QTest::newRow("program collection") << "dokument" << 1 << "Værktøj" << "Dokumentlæser";
    QTest::newRow("stored group") << "skak" << 0 << "Gamle" << "Dansk Skak";
}

void TstFind::ctrlEnter_showsHitInItsCollectionAndGroup() {
    QFETCH(QString, forespoergsel);
    QFETCH(int, samling);
    QFETCH(QString, gruppe);
    QFETCH(QString, navn);
    Tfindform *f = aabnFind();
    QVERIFY(f);
    QTest::keyClicks(f->findEdit, forespoergsel);
    QTest::keyClick(f->findEdit, Qt::Key_Return, Qt::ControlModifier);
    QTRY_VERIFY(!f->isVisible());
    QCOMPARE(int(mainform->funkNo), samling);
    QCOMPARE(mainform->gruppenavn, gruppe);
    QCOMPARE(mainform->gruppenavnLabel->text(), gruppe);
    QCOMPARE(valgtIListen(), navn);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(mainform));
    QVERIFY(m->skal->kald.isEmpty()); // shown, not opened
}

void TstFind::launchFails_sameMessageAsInTheList() {
    QFile::remove(testprogram(*m));
    Tfindform *f = aabnFind();
    QVERIFY(f);
    QTest::keyClicks(f->findEdit, "laeser"); // "æ" typed as "ae"
    QCOMPARE(viste(f), QStringList{"Dokumentlæser"});
    QTest::keyClick(f->findEdit, Qt::Key_Enter);
    QTRY_COMPARE(vistTekster(), QStringList{"Programmet blev ikke fundet."});
    QVERIFY(m->skal->kald.isEmpty());
    QCOMPARE(laesLinjer(m->bruger() + "/Programmer/Værktøj/Dokumentlæser.txt").linjer.at(4), QStringLiteral("0"));
}

void TstFind::esc_closes_reopensEmptyAndFocused() {
    Tfindform *f = aabnFind();
    QVERIFY(f);
    QTest::keyClicks(f->findEdit, "bank");
    QCOMPARE(viste(f), QStringList{"Bank"});
    QTest::keyClick(f->findEdit, Qt::Key_Escape);
    QTRY_VERIFY(!f->isVisible());
    QVERIFY(m->skal->kald.isEmpty());
    f = aabnFind();
    QVERIFY(f);
    QCOMPARE(f->findEdit->text(), QString());
    QCOMPARE(f->findListe->topLevelItemCount(), 0);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f->findEdit));
    // The menu entry opens it too.
    QTest::keyClick(f->findEdit, Qt::Key_Escape);
    QTRY_VERIFY(!f->isVisible());
    mainform->Find1->trigger();
    QTRY_VERIFY(f->isVisible());
}

void TstFind::outsideChange_showsInFindWindowAndMainWindow() {
    Tfindform *f = aabnFind();
    QVERIFY(f);
    QTest::keyClicks(f->findEdit, "budget");
    QCOMPARE(f->findListe->topLevelItemCount(), 0);
    // Another process writes a new element into the group the main window shows.
    const QString sti = web("Hverdag") + "/Budget.txt";
    QVERIFY(skrivUdefra(sti, {"https://budget.dk", "Budget", "Dato", "XX:XX", "0", sti}));
    QTRY_COMPARE(viste(f), QStringList{"Budget"});
    QTRY_COMPARE(mainform->Listen->topLevelItemCount(), 2);
    QCOMPARE(mainform->Listen->topLevelItem(1)->text(3), QStringLiteral("Budget"));
}

QTEST_MAIN(TstFind)
#include "tst_find.moc"
