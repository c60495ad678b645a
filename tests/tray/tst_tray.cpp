// The tray icon on a real display: with a tray host, minimising hides the program and a
// left press on the icon brings it back; without one, enabling is refused until a host
// starts. Under a window manager that answers late, a start into the tray still ends
// with a window that a press on the icon brings back.

#include "admin/boksform.h"
#include "components/systray.h"
#include "infoviewer/infoformen.h"
#include "infoviewer/urlform1.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "testhjaelp.h"
#include "xtilstand.h"

#include <QApplication>
#include <QCheckBox>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <sys/types.h>

namespace {
// Stops the window manager, as a busy desktop at login does; lets it go on when it ends.
struct TravlVindueshaandtering {
    pid_t pid;
    explicit TravlVindueshaandtering(pid_t p) : pid(p) { ::kill(pid, SIGSTOP); }
    void svar() {
        if (pid)
            ::kill(pid, SIGCONT);
        pid = 0;
    }
    ~TravlVindueshaandtering() { svar(); }
};
} // namespace

class TstTray : public QObject {
    Q_OBJECT
private slots:
    void init() { nyStart(); }
    void cleanup() { slut(); }
    void refused_noTrayHost_minimisesAsUsual();
    void trayHostStartsLater_iconAppears();
    void withHost_enableMinimiseRestore();
    void withHost_minimiseHidesWholeProgram_restoreBringsBackOnlyShown();
    void busyWindowManager_startIntoTray_clickBringsWindowBack_data();
    void busyWindowManager_startIntoTray_clickBringsWindowBack();

private:
    void nyStart() {
        Modalsvar::testtilstand(true);
        m = new Testmiljoe;
        opretVinduer(m->miljoe);
    }
    void slut() {
        nedlaegVinduer();
        delete m;
        m = nullptr;
    }
    void vis() {
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform));
    }
    // A left press on the icon where the tray shows it.
    static void klikIkon();
    Testmiljoe *m = nullptr;
};

void TstTray::klikIkon() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qstrcmp(w->metaObject()->className(), "QSystemTrayIconSys") == 0 && w->isVisible()) {
            QTest::mouseClick(w, Qt::LeftButton);
            return;
        }
    QFAIL("the tray shows no icon");
}

void TstTray::refused_noTrayHost_minimisesAsUsual() {
    vis();
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    boksform->trayCheck->setChecked(true);
    QVERIFY(!mainform->TrayIcon->Enabled());
    QVERIFY(!mainform->TrayIcon->ikon()->isVisible());
    mainform->showMinimized();
    QTest::qWait(300);
    QVERIFY(mainform->isVisible()); // an ordinary minimised window, still on the task bar
    QVERIFY(Modalsvar::vist().isEmpty()); // silently
}

void TstTray::trayHostStartsLater_iconAppears() {
    vis();
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    boksform->trayCheck->setChecked(true);
    QVERIFY(!mainform->TrayIcon->ikon()->isVisible());
    const QStringList trayer = {"--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24"};
    QProcess vaert;
    vaert.start(QStringLiteral("trayer"), trayer);
    QVERIFY(vaert.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(mainform->TrayIcon->Enabled() && mainform->TrayIcon->ikon()->isVisible(), 10000);
    // The icon now works as if the tray had been there from the start.
    mainform->showMinimized();
    QTRY_VERIFY(!mainform->isVisible());
    klikIkon();
    QVERIFY(QTest::qWaitForWindowExposed(mainform));
    // A tray that goes away gives back the program hidden in it, and the icon returns
    // with the next tray.
    mainform->showMinimized();
    QTRY_VERIFY(!mainform->isVisible());
    vaert.kill();
    vaert.waitForFinished();
    QTRY_VERIFY_WITH_TIMEOUT(mainform->isVisible() && !mainform->isMinimized(), 5000);
    QVERIFY(!mainform->TrayIcon->Enabled());
    vaert.start(QStringLiteral("trayer"), trayer);
    QVERIFY(vaert.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(mainform->TrayIcon->Enabled() && mainform->TrayIcon->ikon()->isVisible(), 10000);
    // Unticked, the icon stays away when the tray comes back.
    boksform->trayCheck->setChecked(false);
    QVERIFY(!mainform->TrayIcon->ikon()->isVisible());
    QTest::qWait(1500);
    QVERIFY(!mainform->TrayIcon->Enabled());
    QVERIFY(!mainform->TrayIcon->ikon()->isVisible());
    vaert.kill();
    vaert.waitForFinished();
}

void TstTray::withHost_enableMinimiseRestore() {
    vis();
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

void TstTray::withHost_minimiseHidesWholeProgram_restoreBringsBackOnlyShown() {
    vis();
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    boksform->trayCheck->setChecked(true);
    boksform->show();
    infoformen->show();
    QVERIFY(QTest::qWaitForWindowExposed(boksform));
    QVERIFY(QTest::qWaitForWindowExposed(infoformen));
    QVERIFY(!urlform1->isVisible());
    mainform->showMinimized();
    QTRY_VERIFY(!mainform->isVisible());
    QVERIFY(!boksform->isVisible());
    QVERIFY(!infoformen->isVisible());
    QTRY_VERIFY(!Xtilstand::synlig(boksform) && !Xtilstand::synlig(infoformen));
    klikIkon();
    QTRY_VERIFY(Xtilstand::synlig(mainform) && Xtilstand::synlig(boksform) && Xtilstand::synlig(infoformen));
    QVERIFY(!urlform1->isVisible()); // it was not shown, so it stays away
    QTRY_VERIFY(Xtilstand::aktiv(mainform));
}

void TstTray::busyWindowManager_startIntoTray_clickBringsWindowBack_data() {
    QTest::addColumn<int>("ventMs");
    QTest::addColumn<bool>("klikFoerSvar");
    QTest::newRow("svar efter 0,3 s") << 300 << false;
    QTest::newRow("svar efter 2 s") << 2000 << false;
    QTest::newRow("klik foer svar efter 2 s") << 2000 << true;
}

void TstTray::busyWindowManager_startIntoTray_clickBringsWindowBack() {
    QFETCH(int, ventMs);
    QFETCH(bool, klikFoerSvar);
    const pid_t vm = pid_t(qEnvironmentVariableIntValue("VINDUESHAANDTERER_PID"));
    if (vm <= 0)
        QSKIP("no window manager to hold up (VINDUESHAANDTERER_PID)");
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    for (int runde = 0; runde < 3; ++runde) {
        if (runde > 0) {
            slut();
            nyStart();
        }
        boksform->trayCheck->setChecked(true);
        boksform->minimerCheck->setChecked(true);
        QVERIFY(mainform->TrayIcon->Enabled());
        {
            TravlVindueshaandtering travl(vm);
            mainform->show(); // as the program's start does
            QTest::qWait(ventMs);
            if (klikFoerSvar)
                klikIkon();
        }
        if (!klikFoerSvar) {
            // The start ends in the tray, whenever the window manager got to it.
            QTest::qWait(1000);
            QTRY_VERIFY2(!Xtilstand::synlig(mainform), qPrintable(QString("runde %1").arg(runde)));
            QVERIFY(!mainform->isVisible());
            klikIkon();
        }
        QTRY_VERIFY2_WITH_TIMEOUT(Xtilstand::synlig(mainform) && Xtilstand::aktiv(mainform), qPrintable(QString("runde %1").arg(runde)), 5000);
        QVERIFY(mainform->isVisible());
        QVERIFY(!mainform->isMinimized());
        // Late answers from the window manager take nothing back.
        QTest::qWait(700);
        QVERIFY2(Xtilstand::synlig(mainform) && mainform->isVisible(), qPrintable(QString("runde %1").arg(runde)));
    }
}

QTEST_MAIN(TstTray)
#include "tst_tray.moc"
