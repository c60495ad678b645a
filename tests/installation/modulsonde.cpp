// Placed beside an installed program, this makes the information window's browser the
// way the program does and shows a local page in it. It prints the web module that was
// loaded (from the process's own memory map), or why the plain text browser stood in.
// Exit 0: the web engine's browser showed the page; 1: the text browser stood in;
// 2: the web engine's browser did not finish the page.

#include "infoviewer/browserindlaeser.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace {
QString indlaestModul() {
    QFile kort(QStringLiteral("/proc/self/maps"));
    if (!kort.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &linje : kort.readAll().split('\n')) {
        const qsizetype start = linje.indexOf('/');
        if (start >= 0 && linje.endsWith("/ankerhus-web.so"))
            return QString::fromLocal8Bit(linje.mid(start));
    }
    return {};
}
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QTextStream ud(stdout);
    QWidget vindue;
    QString fejl;
    std::unique_ptr<Browserflade> browser(lavBrowser(&vindue, [](const QString &) {}, &fejl));
    if (!browser->widget()->inherits("QWebEngineView")) {
        ud << "tekstbrowser: " << fejl << Qt::endl;
        return 1;
    }
    ud << "modul: " << indlaestModul() << Qt::endl;

    QTemporaryDir mappe;
    QFile side(mappe.filePath(QStringLiteral("side.html")));
    if (!side.open(QIODevice::WriteOnly) || side.write("<html><head><title>Sonde</title></head></html>") < 0)
        return 2;
    side.close();
    QEventLoop loekke;
    bool faerdig = false;
    QObject::connect(browser.get(), &Browserflade::DocumentComplete, &loekke, [&] {
        faerdig = true;
        loekke.quit();
    });
    QTimer::singleShot(30000, &loekke, &QEventLoop::quit);
    browser->widget()->resize(200, 100);
    vindue.show();
    browser->Navigate(side.fileName());
    loekke.exec();
    ud << "side: " << (faerdig ? browser->LocationName() : QStringLiteral("ikke indlæst")) << Qt::endl;
    return faerdig ? 0 : 2;
}
