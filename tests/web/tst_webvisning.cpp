// The embedded browser on the web engine: location names, the four events, the page's
// mouse-over hook through the web channel, and new windows.

#include "infoviewer/teventobject.h"
#include "infoviewer/webbrowser.h"
#include "testhjaelp.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

class TstWebvisning : public QObject {
    Q_OBJECT
private slots:
    void eventObject_invokeContract();
    void localPage_reportsFileNameAndEvents();
    void mouseOver_reachesTheWindowThroughTheHook();
    void newWindow_opensHoveredLinkHereOrOutside();

private:
    static void koerScript(Webbrowser &b, const QString &js) {
        auto *view = qobject_cast<QWebEngineView *>(b.widget());
        view->page()->runJavaScript(js);
    }
};

void TstWebvisning::eventObject_invokeContract() {
    int kaldt = 0;
    TEventObject o([&](const MusOver &m) {
        ++kaldt;
        QCOMPARE(m.tagName, QString("A"));
    });
    QCOMPARE(o.Invoke(0, "A", "https://x.dk/", "P", ""), TEventObject::S_OK);
    QCOMPARE(o.Invoke(1, "A", "", "", ""), TEventObject::E_NOTIMPL);
    QCOMPARE(kaldt, 1);
    TEventObject tom(nullptr);
    QCOMPARE(tom.Invoke(0, "", "", "", ""), TEventObject::S_OK);
}

void TstWebvisning::localPage_reportsFileNameAndEvents() {
    QTemporaryDir d;
    skrivBytes(d.filePath("Om os.html"), "<html><head><title>Om</title></head><body>x</body></html>");
    QWidget vindue;
    QStringList ude;
    Webbrowser b(&vindue, [&](const QString &a) { ude << a; });
    QSignalSpy foer(&b, &Browserflade::BeforeNavigate2);
    QSignalSpy faerdig(&b, &Browserflade::DocumentComplete);
    QSignalSpy titel(&b, &Browserflade::TitleChange);
    b.widget()->resize(400, 300);
    vindue.show();
    b.Navigate(d.filePath("Om os.html"));
    QVERIFY(faerdig.wait(30000));
    QVERIFY(foer.count() >= 1);
    QTRY_VERIFY(titel.count() >= 1);
    QCOMPARE(b.LocationName(), QString("Om os.html"));
}

void TstWebvisning::mouseOver_reachesTheWindowThroughTheHook() {
    QTemporaryDir d;
    skrivBytes(d.filePath("side.html"),
               "<html><body><a id=l href=\"https://dr.dk/\">link</a>"
               "<a href=\"https://x.dk/\"><img id=i src=\"x.png\"></a><p id=p>tekst</p></body></html>");
    QWidget vindue;
    Webbrowser b(&vindue, [](const QString &) {});
    QSignalSpy faerdig(&b, &Browserflade::DocumentComplete);
    QSignalSpy mus(&b, &Browserflade::MouseOver);
    vindue.show();
    b.Navigate(d.filePath("side.html"));
    QVERIFY(faerdig.wait(30000));
    const QString udloes = "document.getElementById('%1').dispatchEvent(new MouseEvent('mouseover', {bubbles: true}));";
    // The hook's channel connects asynchronously; retry until it reports.
    QTRY_VERIFY_WITH_TIMEOUT((koerScript(b, udloes.arg("l")), mus.count() >= 1), 20000);
    const MusOver link = mus.takeFirst().at(0).value<MusOver>();
    QCOMPARE(link.tagName, QString("A"));
    QCOMPARE(link.href, QString("https://dr.dk/"));
    QTest::qWait(500); // the retries' own reports arrive first
    mus.clear();
    koerScript(b, udloes.arg("i"));
    QTRY_VERIFY(mus.count() >= 1);
    const MusOver billede = mus.takeLast().at(0).value<MusOver>();
    QCOMPARE(billede.tagName, QString("IMG"));
    QCOMPARE(billede.parentTagName, QString("A"));
    QCOMPARE(billede.parentHref, QString("https://x.dk/"));
}

void TstWebvisning::newWindow_opensHoveredLinkHereOrOutside() {
    QTemporaryDir d;
    skrivBytes(d.filePath("a.html"), "<html><body>a</body></html>");
    skrivBytes(d.filePath("b.html"), "<html><head><title>B</title></head><body>b</body></html>");
    QWidget vindue;
    QStringList ude;
    Webbrowser b(&vindue, [&](const QString &a) { ude << a; });
    QSignalSpy faerdig(&b, &Browserflade::DocumentComplete);
    vindue.show();
    b.Navigate(d.filePath("a.html"));
    QVERIFY(faerdig.wait(30000));
    // With a link under the mouse, the new window is this browser.
    const QString hovered = QUrl::fromLocalFile(d.filePath("b.html")).toString();
    b.nytVindue = [&] { return hovered; };
    koerScript(b, "window.open('about:blank');");
    QTRY_COMPARE_WITH_TIMEOUT(b.LocationName(), QString("b.html"), 20000);
    QVERIFY(ude.isEmpty());
    // Without one, the address goes to the desktop's browser.
    b.nytVindue = [] { return QString(); };
    koerScript(b, "window.open('https://example.org/ude');");
    QTRY_COMPARE_WITH_TIMEOUT(ude, QStringList{"https://example.org/ude"}, 20000);
}

int main(int argc, char **argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    qRegisterMetaType<MusOver>();
    TstWebvisning t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_webvisning.moc"
