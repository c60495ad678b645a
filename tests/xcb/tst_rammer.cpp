// Window sizes on a real display with a window manager, where every window gets a frame:
// the sizes the program keeps and the dialogs' fixed sizes are the frame's.

#include "components/dialoger.h"
#include "components/infform.h"
#include "components/spform.h"
#include "infoviewer/infoformen.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

class TstRammer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dialogs_outerSizeIsTheFrames_data();
    void dialogs_outerSizeIsTheFrames();
    void mainWindow_storedAndSmallestSizesAreTheFrames();
    void informationWindow_belowScreenEdge_movedOnAndFileKept();

private:
    Testmiljoe *m = nullptr;
    QString optfil(const QString &navn) const { return m->bruger() + "/Egenskaber/" + navn; }
};

namespace {
// The frame as the window manager drew it, once it has; empty when it drew none.
QRect ramme(QWidget *w) {
    if (!QTest::qWaitForWindowExposed(w))
        return {};
    QWindow *v = w->windowHandle();
    return QTest::qWaitFor([v] { return !v->frameMargins().isNull(); }) ? v->frameGeometry()
                                                                        : QRect();
}
} // namespace

void TstRammer::init() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb", "runs on a real display only");
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
}

void TstRammer::cleanup() {
    nedlaegVinduer();
    delete m;
    m = nullptr;
    Modalsvar::testtilstand(false);
}

void TstRammer::dialogs_outerSizeIsTheFrames_data() {
    QTest::addColumn<bool>("spoergsmaal");
    QTest::addColumn<QString>("tekst");
    for (const bool spm : {false, true}) {
        const QString navn = spm ? "spform" : "infform";
        QTest::newRow(qPrintable(navn + " one line")) << spm << "Der mangler en gyldig webadresse!";
        QTest::newRow(qPrintable(navn + " three lines"))
            << spm << "Første linje\rAnden linje\rTredje linje";
    }
}

void TstRammer::dialogs_outerSizeIsTheFrames() {
    QFETCH(bool, spoergsmaal);
    QFETCH(QString, tekst);
    opretVinduer(m->miljoe);
    mainform->show();
    QVERIFY(ramme(mainform).isValid());
    // The default place, by the frame.
    QTRY_COMPARE(mainform->windowHandle()->frameGeometry(), QRect(120, 120, 595, 380));
    Tbeskeddialog *d = spoergsmaal ? static_cast<Tbeskeddialog *>(spform) : infform;
    QLabel *etiket = spoergsmaal ? spform->textLabel : infform->Label1;
    // Twice: the first showing learns the frame, the second must keep to it as well.
    for (int gang = 0; gang < 2; ++gang) {
        d->insertTekst(tekst);
        d->show();
        QVERIFY(d->geometry().height() < ramme(d).height()); // there is a frame
        QTRY_COMPARE(d->windowHandle()->frameGeometry().size(), QSize(339, etiket->height() + 80));
        // Centred on the main window by the frames.
        auto midte = [](QWidget *w) { return w->windowHandle()->frameGeometry().center(); };
        QTRY_VERIFY2((midte(d) - midte(mainform)).manhattanLength() <= 2,
                     qPrintable(QString("gang %1: dialog %2,%3, main %4,%5")
                                    .arg(gang)
                                    .arg(midte(d).x())
                                    .arg(midte(d).y())
                                    .arg(midte(mainform).x())
                                    .arg(midte(mainform).y())));
        d->reject();
    }
}

void TstRammer::mainWindow_storedAndSmallestSizesAreTheFrames() {
    QDir().mkpath(m->bruger() + "/Egenskaber");
    const QStringList linjer{"Sky", "150", "130", "700", "450", "", "", "", "0"};
    skrivBytes(optfil("main.txt"), crlf(linjer));
    opretVinduer(m->miljoe);
    mainform->show();
    QVERIFY(ramme(mainform).isValid());
    QTRY_COMPARE(mainform->windowHandle()->frameGeometry(), QRect(130, 150, 700, 450));
    const QMargins kant = mainform->windowHandle()->frameMargins();
    QCOMPARE(mainform->minimumSize() +
                 QSize(kant.left() + kant.right(), kant.top() + kant.bottom()),
             QSize(595, 380));
    mainform->close();
    QCOMPARE(laesBytes(optfil("main.txt")), crlf(linjer));
}

// The default place of the information window reaches below a screen of 1,000 pixels;
// here a place that reaches below this screen shows the same.
void TstRammer::informationWindow_belowScreenEdge_movedOnAndFileKept() {
    QDir().mkpath(m->bruger() + "/Egenskaber");
    const QStringList linjer{"200", "52", "753", "968", "195"};
    skrivBytes(optfil("information.txt"), crlf(linjer));
    opretVinduer(m->miljoe);
    mainform->show();
    mainform->Information("Ankerhus");
    const QRect skaerm = infoformen->screen()->availableGeometry();
    QVERIFY(200 + 968 > skaerm.bottom());
    QVERIFY(ramme(infoformen).isValid());
    QTRY_COMPARE(infoformen->windowHandle()->frameGeometry(),
                 QRect(52, skaerm.bottom() + 1 - 968, 753, 968));
    // The status bar, the window's lowest part, is on the screen.
    const QStatusBar *bar = infoformen->infobar;
    QTRY_VERIFY(skaerm.contains(QRect(bar->mapToGlobal(QPoint()), bar->size())));
    infoformen->close();
    QCOMPARE(laesLinjer(optfil("information.txt")).linjer, linjer);
}

QTEST_MAIN(TstRammer)
#include "tst_rammer.moc"
