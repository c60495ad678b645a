#include "infoviewer/webbrowser.h"

#include "infoviewer/teventobject.h"

#include <QFile>
#include <QUrl>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace {
// Reports every mouse-over to the window: the element, and its direct parent.
const char *const kMusOverHook = R"(
new QWebChannel(qt.webChannelTransport, function (kanal) {
    var haendelse = kanal.objects.haendelse;
    document.addEventListener('mouseover', function (e) {
        var el = e.target;
        if (!el || !el.tagName) return;
        var far = el.parentElement;
        var href = function (x) { return x && x.getAttribute && x.getAttribute('href') !== null ? String(x.href) : ''; };
        haendelse.Invoke(0, el.tagName, href(el), far ? far.tagName : '', href(far));
    }, true);
});
)";

QString kanalScript() {
    QFile f(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()) + QString::fromLatin1(kMusOverHook);
}

// A page that reports navigations and turns new-window requests into what the window
// decides: this browser, or the desktop's browser.
class UdeSide : public QWebEnginePage {
public:
    UdeSide(std::function<void(const QString &)> aabn, QObject *ejer)
        : QWebEnginePage(ejer), m_aabn(std::move(aabn)) {}
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override {
        m_aabn(url.toString());
        deleteLater();
        return false;
    }

private:
    std::function<void(const QString &)> m_aabn;
};
} // namespace

class Webside : public QWebEnginePage {
public:
    Webside(Webbrowser *browser, std::function<void(const QString &)> aabnUde, QObject *ejer)
        : QWebEnginePage(ejer), m_browser(browser), m_aabnUde(std::move(aabnUde)) {}

protected:
    bool acceptNavigationRequest(const QUrl &, NavigationType, bool hovedramme) override {
        if (hovedramme)
            emit m_browser->BeforeNavigate2(); // never refused
        return true;
    }
    QWebEnginePage *createWindow(WebWindowType) override {
        const QString adresse = m_browser->nytVindue ? m_browser->nytVindue() : QString();
        if (!adresse.isEmpty()) {
            m_browser->Navigate(adresse);
            return nullptr;
        }
        return new UdeSide(m_aabnUde, this);
    }

private:
    Webbrowser *m_browser;
    std::function<void(const QString &)> m_aabnUde;
};

Webbrowser::Webbrowser(QWidget *foraelder, std::function<void(const QString &)> aabnUde)
    : Browserflade(foraelder), m_view(new QWebEngineView(foraelder)) {
    m_view->setObjectName(QStringLiteral("Web"));
    m_side = new Webside(this, std::move(aabnUde), m_view);
    m_view->setPage(m_side);
    m_haendelse = new TEventObject([this](const MusOver &m) { emit MouseOver(m); }, this);
    auto *kanal = new QWebChannel(m_side);
    kanal->registerObject(QStringLiteral("haendelse"), m_haendelse);
    m_side->setWebChannel(kanal);
    QWebEngineScript script;
    script.setName(QStringLiteral("musover"));
    script.setSourceCode(kanalScript());
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    m_side->scripts().insert(script);
    connect(m_side, &QWebEnginePage::loadFinished, this, [this] { emit DocumentComplete(); });
    connect(m_side, &QWebEnginePage::titleChanged, this, [this](const QString &t) { emit TitleChange(t); });
}

void Webbrowser::Navigate(const QString &adresse) {
    m_view->setUrl(adresse.startsWith(u'/') ? QUrl::fromLocalFile(adresse) : QUrl(adresse));
}

QString Webbrowser::LocationName() const {
    const QUrl url = m_side->url();
    if (url.isLocalFile())
        return url.fileName();
    const QString titel = m_side->title();
    return titel.isEmpty() ? url.toString() : titel;
}

QWidget *Webbrowser::widget() { return m_view; }
