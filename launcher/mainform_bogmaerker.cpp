// Bookmarks imported while the program runs: into the web-page collection, then shown.

#include "launcher/mainform.h"

#include "bogmaerker/kommando.h"

#include <QDir>

std::pair<bool, QString> Tmainform::importerBogmaerker(const QString &kilde) {
    const Brugersted sted{programdir0, optdir + QStringLiteral("bogmaerkeimport.txt"), {}};
    const Kommandoresultat r = importerKilde(sted, kilde, QDir::homePath(),
                                             {m_miljoe.lokalitet, m_miljoe.datoFormat, m_miljoe.tidFormat});
    // The lists are read again from the files the import wrote, in both windows.
    skiftSamling(funkNo != 0);
    return {r.ok, r.linje};
}
