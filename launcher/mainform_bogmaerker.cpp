// Bookmarks imported and exported while the program runs: the web-page collection, then shown.

#include "launcher/mainform.h"

#include "bogmaerker/kommando.h"
#include "launcher/bogmaerkeform.h"
#include "launcher/eksportform.h"

#include <QDir>

namespace {
Formater formater(const Miljoe &m) { return {m.lokalitet, m.datoFormat, m.tidFormat}; }
} // namespace

std::pair<bool, QString> Tmainform::importerBogmaerker(const QString &kilde) {
    const Brugersted sted{programdir0, optdir + QStringLiteral("bogmaerkeimport.txt"), {}};
    const Kommandoresultat r = importerKilde(sted, kilde, QDir::homePath(), formater(m_miljoe));
    // The lists are read again from the files the import wrote, in both windows.
    skiftSamling(funkNo != 0);
    return {r.ok, r.linje};
}

void Tmainform::visBogmaerkeImport() {
    if (!bogmaerkeform) {
        const Brugersted sted{programdir0, optdir + QStringLiteral("bogmaerkeimport.txt"), {}};
        bogmaerkeform = new Tbogmaerkeform(sted, QDir::homePath(), formater(m_miljoe),
                                           [this] { skiftSamling(funkNo != 0); }, this);
    }
    bogmaerkeform->open();
}

void Tmainform::visBogmaerkeEksport() {
    if (!eksportform)
        eksportform = new Teksportform({programdir0, {}, {}}, formater(m_miljoe), this);
    else
        eksportform->laesGrupper();
    eksportform->open();
}
