// The information window's pages on a real display: the program starts without the
// web engine's OpenGL context, and the engine, loaded when the window is first shown,
// still puts the page's pixels on the screen.

#include "infoviewer/infoformen.h"
#include "launcher/foerstetegning.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class TstSidevisning : public QObject {
    Q_OBJECT
private slots:
    void startsWithoutOpenGl_helpPageStillDrawsItsPixels();
};

namespace {
// The share of the picture's pixels that have about this colour.
double andel(const QImage &billede, QColor farve) {
    if (billede.isNull())
        return 0;
    qsizetype ens = 0;
    for (int y = 0; y < billede.height(); ++y)
        for (int x = 0; x < billede.width(); ++x) {
            const QColor c = billede.pixelColor(x, y);
            ens += qAbs(c.red() - farve.red()) + qAbs(c.green() - farve.green()) + qAbs(c.blue() - farve.blue()) < 24;
        }
    return double(ens) / (billede.width() * billede.height());
}
} // namespace

void TstSidevisning::startsWithoutOpenGl_helpPageStillDrawsItsPixels() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb", "runs on a real display only");
    Modalsvar::testtilstand(true);
    Testmiljoe m;
    m.miljoe.lavBrowser = nullptr; // the web engine's browser, from its module, as the program makes it
    // The program's own start: the hidden windows follow the main window's first drawing.
    opretHovedvinduer(m.miljoe);
    efterFoersteTegning(mainform, opretOevrigeVinduer);
    mainform->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainform));
    QTRY_VERIFY(infoformen);
    // Nothing at start has asked for OpenGL.
    QVERIFY(!QOpenGLContext::globalShareContext());

    const QString side = m.mappe.filePath("farver.html");
    skrivBytes(side, "<html><body style=\"margin:0;background:#1e90ff\">"
                     "<div style=\"width:120px;height:120px;background:#ff8c00\"></div></body></html>");
    infoformen->show();
    QVERIFY(QTest::qWaitForWindowExposed(infoformen));
    QVERIFY(infoformen->Web);
    QWidget *visning = infoformen->Web->widget();
    QCOMPARE(visning->metaObject()->className(), "QWebEngineView");
    QSignalSpy faerdig(infoformen->Web, &Browserflade::DocumentComplete);
    infoformen->Web->Navigate(side);
    QVERIFY(faerdig.wait(30000));

    // What the display shows where the view is: the page's background, and its box in the
    // top left corner.
    auto skaermen = [&](QRect r) {
        const QPoint p = visning->mapToGlobal(r.topLeft());
        return visning->screen()->grabWindow(0, p.x(), p.y(), r.width(), r.height()).toImage();
    };
    const QRect hjoerne(10, 10, 100, 100);
    const QRect bund(0, visning->height() - 100, visning->width(), 80);
    QTRY_VERIFY_WITH_TIMEOUT(andel(skaermen(hjoerne), QColor(0xff, 0x8c, 0x00)) > 0.95, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(andel(skaermen(bund), QColor(0x1e, 0x90, 0xff)) > 0.95, 20000);
    nedlaegVinduer();
}

int main(int argc, char **argv) {
    // As the program: no OpenGL attribute before the application exists.
    QApplication app(argc, argv);
    TstSidevisning t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_sidevisning.moc"
