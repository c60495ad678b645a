#include "bogmaerker/kommando.h"

#include "bogmaerker/chromium.h"
#include "bogmaerker/eksport.h"
#include "bogmaerker/firefox.h"
#include "bogmaerker/htmlbogmaerker.h"
#include "bogmaerker/profiler.h"
#include "platform/navne.h"

#include <QFile>
#include <QFileInfo>

Brugersted brugersted(const QString &dataRod, const QString &brugernavn) {
    const QString navn = brugernavn.isEmpty() ? QStringLiteral("Bruger") : brugernavn;
    const QString mappe = dataRod + kSep + navn;
    Brugersted s{mappe + kSep + QStringLiteral("Program") + kSep,
                 mappe + kSep + QStringLiteral("Egenskaber") + kSep + QStringLiteral("bogmaerkeimport.txt"), {}};
    // The first start fills the collections from the templates; an import must not come first.
    if (!QFileInfo(s.samling).isDir() || !QFileInfo(QFileInfo(s.fortryd).path()).isDir())
        s.fejl = QStringLiteral("Ankerhus har endnu ingen samling for brugeren %1. Start Ankerhus én gang først.")
                     .arg(navn);
    return s;
}

Bogmaerkelaesning laesKilde(const QString &kilde, const QString &hjem) {
    const QString ord = kilde.toLower();
    if (ord == u"firefox" || ord == u"chromium") {
        const auto art = ord == u"firefox" ? Bogmaerkekilde::Art::Firefox : Bogmaerkekilde::Art::Chromium;
        for (const Bogmaerkekilde &k : findBogmaerkekilder(hjem))
            if (k.art == art)
                return art == Bogmaerkekilde::Art::Firefox ? laesFirefoxPlaces(k.sti) : laesChromiumBogmaerkerFil(k.sti);
        Bogmaerkelaesning r;
        r.fejl = art == Bogmaerkekilde::Art::Firefox
                     ? QStringLiteral("Der blev ikke fundet nogen Firefox-profil med bogmærker.")
                     : QStringLiteral("Der blev ikke fundet nogen Chromium- eller Google Chrome-profil med bogmærker.");
        return r;
    }
    QFile f(kilde);
    if (!QFileInfo(kilde).isFile() || !f.open(QIODevice::ReadOnly)) {
        Bogmaerkelaesning r;
        r.fejl = QStringLiteral("Filen \"%1\" kunne ikke åbnes.").arg(kilde);
        return r;
    }
    const QByteArray start = f.read(64).trimmed();
    f.close();
    if (start.startsWith("SQLite format 3"))
        return laesFirefoxPlaces(kilde);
    if (start.startsWith('{'))
        return laesChromiumBogmaerkerFil(kilde);
    return laesBogmaerkeHtmlFil(kilde);
}

namespace {
// "1 element", "2 elementer": a count with its noun in the number it takes.
QString antal(qsizetype n, const QString &ental, const QString &flertal) {
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? ental : flertal);
}
QString elementTekst(qsizetype n) { return antal(n, QStringLiteral("element"), QStringLiteral("elementer")); }
QString gruppeTekst(qsizetype n) { return antal(n, QStringLiteral("gruppe"), QStringLiteral("grupper")); }
} // namespace

QString importOpsummering(const Importplan &plan, const Importresultat &r) {
    QString linje = QStringLiteral("Importeret: %1 i %2.")
                        .arg(elementTekst(r.elementer),
                             antal(r.nyeGrupper, QStringLiteral("ny gruppe"), QStringLiteral("nye grupper")));
    int ialt = 0;
    QStringList grunde;
    for (int i = 0; i < kAntalSpringgrunde; ++i)
        if (plan.sprunget[i] > 0) {
            ialt += plan.sprunget[i];
            grunde << QStringLiteral("%1: %2").arg(springgrundTekst(Springgrund(i))).arg(plan.sprunget[i]);
        }
    if (ialt > 0)
        linje += QStringLiteral(" Sprunget over: %1 (%2).").arg(ialt).arg(grunde.join(QStringLiteral("; ")));
    if (r.afbrudt)
        linje += QStringLiteral(" Importen blev afbrudt.");
    if (!r.fejl.isEmpty())
        linje += u' ' + r.fejl;
    return linje;
}

Kommandoresultat importerKilde(const Brugersted &sted, const QString &kilde, const QString &hjem, const Formater &f) {
    if (!sted.fejl.isEmpty())
        return {false, sted.fejl};
    const Bogmaerkelaesning l = laesKilde(kilde, hjem);
    if (!l.ok)
        return {false, l.fejl};
    const Importplan plan =
        planlaegImport(l.samling, laesEksisterendeGrupper(sted.samling), f.lokalitet, f.dato, f.tid);
    const Importresultat r = udfoerImport(sted.samling, plan, sted.fortryd);
    return {r.fejl.isEmpty(), importOpsummering(plan, r)};
}

Kommandoresultat eksporterTil(const Brugersted &sted, const QString &fil, const Formater &f,
                              const QStringList &valgte) {
    if (!sted.fejl.isEmpty())
        return {false, sted.fejl};
    const QList<Eksportgruppe> grupper = laesEksportgrupper(sted.samling, valgte);
    const Skriveresultat s = eksporterBogmaerker(fil, grupper, f.lokalitet, f.dato);
    if (!s.ok)
        return {false, QStringLiteral("Filen \"%1\" kunne ikke skrives: %2").arg(fil, s.fejl)};
    qsizetype antalElementer = 0;
    for (const Eksportgruppe &g : grupper)
        antalElementer += g.elementer.size();
    return {true, eksportOpsummering(antalElementer, grupper.size(), fil)};
}

QString fortrydOpsummering(const Fortrydresultat &f) {
    QString tekst = QStringLiteral("Fjernet: %1 og %2.").arg(elementTekst(f.elementer), gruppeTekst(f.grupper));
    if (!f.fejl.isEmpty())
        tekst += u' ' + f.fejl;
    return tekst;
}

QString eksportOpsummering(qsizetype antalElementer, qsizetype antalGrupper, const QString &fil) {
    return QStringLiteral("Eksporteret: %1 i %2 til %3.").arg(elementTekst(antalElementer), gruppeTekst(antalGrupper), fil);
}
