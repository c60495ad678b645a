// Keys on a real display with a window manager: the main window's shortcuts run from
// every control of the window, once, while the window is active.

#include "components/handling.h"
#include "launcher/eksportform.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TstTastatur : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowShortcuts_fromEveryControl_runTheirActionOnce_data();
    void windowShortcuts_fromEveryControl_runTheirActionOnce();
    void menuButton_keyDropsTheMenu_arrowsReachTheExport_data();
    void menuButton_keyDropsTheMenu_arrowsReachTheExport();

private:
    Testmiljoe *m = nullptr;
};

void TstTastatur::init() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb", "runs on a real display only");
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe);
    skrivBytes(m->bruger() + "/Program/Test/Alfa.txt", crlf({"https://a.dk", "Alfa", "Dato", "XX:XX", "0", ""}));
    mainform->gruppenavn = "Test";
    mainform->loadGruppefil();
    mainform->show();
    mainform->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainform));
}

void TstTastatur::cleanup() {
    nedlaegVinduer();
    delete m;
    m = nullptr;
    Modalsvar::testtilstand(false);
}

void TstTastatur::windowShortcuts_fromEveryControl_runTheirActionOnce_data() {
    QTest::addColumn<QString>("felt"); // empty: the control that has the focus at start
    QTest::addColumn<QKeySequence>("tast");
    QTest::addColumn<QString>("handling");
    const QList<std::pair<QKeySequence, QString>> genveje{{QKeySequence(Qt::Key_F1), "actionInfo"},
                                                          {QKeySequence(Qt::CTRL | Qt::Key_A), "actionAW"},
                                                          {QKeySequence(Qt::CTRL | Qt::Key_E), "egenskaberGo"},
                                                          {QKeySequence(Qt::CTRL | Qt::Key_S), "actionSI"},
                                                          {QKeySequence(Qt::CTRL | Qt::Key_F), "actionFind"}};
    for (const QString felt : {"", "Button2", "webEdit1", "webEdit2", "Listen", "gruppeBoksen"}) {
        for (const auto &[tast, handling] : genveje) {
            const QString navn = (felt.isEmpty() ? QStringLiteral("at start") : felt) + u' ' + tast.toString();
            QTest::newRow(qPrintable(navn)) << felt << tast << handling;
        }
    }
}

void TstTastatur::windowShortcuts_fromEveryControl_runTheirActionOnce() {
    QFETCH(QString, felt);
    QFETCH(QKeySequence, tast);
    QFETCH(QString, handling);
    QWidget *w = felt.isEmpty() ? QApplication::focusWidget() : mainform->findChild<QWidget *>(felt);
    if (felt.isEmpty())
        QCOMPARE(w, static_cast<QWidget *>(mainform->Button2));
    QVERIFY(w);
    auto *felt1 = qobject_cast<QLineEdit *>(w);
    if (felt1) {
        felt1->setText("https://x.dk");
        felt1->setCursorPosition(0);
    }
    w->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), w);
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget *>(mainform));
    auto *h = mainform->findChild<Handling *>(handling);
    QVERIFY(h);
    QSignalSpy koert(h, &QAction::triggered);
    QTest::failOnWarning(QRegularExpression("Ambiguous shortcut"));
    QTest::keyClick(w, tast[0].key(), tast[0].keyboardModifiers());
    QCOMPARE(koert.count(), 1);
    if (felt1) { // the field did not take the key for itself (Ctrl+S empties it: a new collection)
        QVERIFY(!felt1->hasSelectedText());
        QCOMPARE(felt1->cursorPosition(), 0);
    }
}

void TstTastatur::menuButton_keyDropsTheMenu_arrowsReachTheExport_data() {
    QTest::addColumn<QKeyCombination>("tast");
    QTest::newRow("Alt+Down") << QKeyCombination(Qt::AltModifier, Qt::Key_Down);
    QTest::newRow("F4") << QKeyCombination(Qt::NoModifier, Qt::Key_F4);
}

void TstTastatur::menuButton_keyDropsTheMenu_arrowsReachTheExport() {
    QFETCH(QKeyCombination, tast);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(mainform->Button2));
    // The menu runs its own loop: it is driven from there as the user would, by arrows.
    QWidget *aaben = nullptr;
    QObject kontekst;
    QTimer::singleShot(0, &kontekst, [&] {
        aaben = QApplication::activePopupWidget();
        if (!aaben)
            return;
        QTest::keyClick(aaben, Qt::Key_Up); // from the top round to the last entry
        QTest::keyClick(aaben, Qt::Key_Return);
    });
    QTest::keyClick(mainform->Button2, tast.key(), tast.keyboardModifiers());
    QCOMPARE(aaben, static_cast<QWidget *>(mainform->PopupMenu));
    QTRY_VERIFY(mainform->eksportform && mainform->eksportform->isVisible());
    mainform->eksportform->close();
}

QTEST_MAIN(TstTastatur)
#include "tst_tastatur.moc"
