#include "infoviewer/browserindlaeser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTextBrowser>
#include <QUrl>

namespace {
using Fabrik = Browserflade *(*)(QWidget *, const std::function<void(const QString &)> &);

// Pages shown without the web engine: local pages in a text browser, the rest outside.
class Tekstbrowser : public Browserflade {
public:
    Tekstbrowser(QWidget *foraelder, std::function<void(const QString &)> aabnUde)
        : Browserflade(foraelder), m_visning(new QTextBrowser(foraelder)), m_aabnUde(std::move(aabnUde)) {
        m_visning->setObjectName(QStringLiteral("Web"));
        m_visning->setOpenLinks(false);
        connect(m_visning, &QTextBrowser::anchorClicked, this, [this](const QUrl &u) {
            Navigate(u.isLocalFile() ? u.toLocalFile() : u.toString());
        });
        connect(m_visning, &QTextBrowser::highlighted, this, [this](const QUrl &u) {
            emit MouseOver({QStringLiteral("A"), u.toString(), QString(), QString()});
        });
    }
    void Navigate(const QString &adresse) override {
        if (!adresse.startsWith(u'/')) {
            m_aabnUde(adresse);
            return;
        }
        emit BeforeNavigate2();
        m_visning->setSource(QUrl::fromLocalFile(adresse));
        emit DocumentComplete();
        emit TitleChange(m_visning->documentTitle());
    }
    QString LocationName() const override { return m_visning->source().fileName(); }
    QWidget *widget() override { return m_visning; }

private:
    QTextBrowser *m_visning;
    std::function<void(const QString &)> m_aabnUde;
};

#ifndef ANKERHUS_WEBMODUL_FRA_BIN
#define ANKERHUS_WEBMODUL_FRA_BIN "../lib/ankerhus"
#endif

// The build tree keeps the module beside the program (the benchmarks sit one folder
// down); an installed program finds it in its library folder, by the path from its own
// folder that the build was configured with, so a copy under any prefix works.
QStringList modulstier() {
    const QString her = QCoreApplication::applicationDirPath();
    return {her + QStringLiteral("/ankerhus-web.so"),
            her + QStringLiteral("/" ANKERHUS_WEBMODUL_FRA_BIN "/ankerhus-web.so"),
            her + QStringLiteral("/../ankerhus-web.so")};
}
} // namespace

Browserflade *lavBrowser(QWidget *foraelder, const std::function<void(const QString &)> &aabnUde, QString *fejl) {
    QString grund = QStringLiteral("ankerhus-web.so blev ikke fundet.");
    for (const QString &sti : modulstier()) {
        if (!QFileInfo::exists(sti))
            continue;
        QLibrary modul(sti);
        if (auto fabrik = reinterpret_cast<Fabrik>(modul.resolve("ankerhusLavWebbrowser")))
            return fabrik(foraelder, aabnUde);
        grund = modul.errorString();
    }
    if (fejl)
        *fejl = grund;
    return new Tekstbrowser(foraelder, aabnUde);
}
