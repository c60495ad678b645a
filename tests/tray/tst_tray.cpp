// The tray icon on a real display: with a tray host, minimising hides the main window
// and a left press on the icon brings it back; without one, enabling is refused.

#include "admin/boksform.h"
#include "components/systray.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

class TstTray : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Modalsvar::testtilstand(true);
        m = new Testmiljoe;
        opretVinduer(m->miljoe);
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform));
    }
    void cleanup() {
        nedlaegVinduer();
        delete m;
    }
    void refused_noTrayHost_minimisesAsUsual();
    void withHost_enableMinimiseRestore();

private:
    Testmiljoe *m = nullptr;
};

void TstTray::refused_noTrayHost_minimisesAsUsual() {
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    boksform->trayCheck->setChecked(true);
    QVERIFY(!mainform->TrayIcon->Enabled());
    QVERIFY(!mainform->TrayIcon->ikon()->isVisible());
    mainform->showMinimized();
    QTest::qWait(300);
    QVERIFY(mainform->isVisible()); // an ordinary minimised window, still on the task bar
    QVERIFY(Modalsvar::vist().isEmpty()); // silently
}

void TstTray::withHost_enableMinimiseRestore() {
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    QCOMPARE(mainform->TrayIcon->Hint(), QString("Kladdebok"));
    boksform->trayCheck->setChecked(true);
    QVERIFY(mainform->TrayIcon->Enabled());
    QVERIFY(mainform->TrayIcon->ikon()->isVisible());
    mainform->showMinimized();
    QTRY_VERIFY(!mainform->isVisible());
    // Right clicks and double clicks do nothing; a left press restores.
    emit mainform->TrayIcon->ikon()->activated(QSystemTrayIcon::Context);
    QTest::qWait(200);
    QVERIFY(!mainform->isVisible());
    emit mainform->TrayIcon->ikon()->activated(QSystemTrayIcon::Trigger);
    QTRY_VERIFY(mainform->isVisible());
    QVERIFY(!mainform->isMinimized());
    // Unticking removes the icon at once; minimising then keeps the window.
    boksform->trayCheck->setChecked(false);
    QVERIFY(!mainform->TrayIcon->ikon()->isVisible());
    mainform->showMinimized();
    QTest::qWait(300);
    QVERIFY(mainform->isVisible());
}

QTEST_MAIN(TstTray)
#include "tst_tray.moc"
