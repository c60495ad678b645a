#include "launcher/kommandolinje.h"

#include "bogmaerker/kommando.h"
#include "launcher/Ankerhus.h"
#include "launcher/applikation.h"
#include "launcher/eneinstans.h"
#include "launcher/eneinstanssted.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstring>

#include <cstdio>

namespace {
void skriv(FILE *ud, const QString &tekst) {
    std::fputs(tekst.toLocal8Bit().constData(), ud);
    std::fflush(ud);
}
} // namespace

Kommandolinje fortolkKommandolinje(const QStringList &argumenter) {
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Ankerhus: grupper af websider og programmer."));
    const QCommandLineOption hjaelp({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Vis denne hjælp."));
    const QCommandLineOption importer(QStringLiteral("importer"),
                                      QStringLiteral("Importér bogmærker fra KILDE: en bogmærkefil (HTML), "
                                                     "\"firefox\" eller \"chromium\"."),
                                      QStringLiteral("KILDE"));
    const QCommandLineOption eksporter(QStringLiteral("eksporter"),
                                       QStringLiteral("Eksportér alle websidegrupper som bogmærker til FIL."),
                                       QStringLiteral("FIL"));
    const QCommandLineOption find(QStringLiteral("find"),
                                  QStringLiteral("Åbn vinduet \"Find element\", med TEKST i feltet, hvis den er "
                                                 "givet; i den kørende Ankerhus, hvis den kører."));
    p.addOption(hjaelp);
    p.addOption(importer);
    p.addOption(eksporter);
    p.addOption(find);
    p.addPositionalArgument(QStringLiteral("TEKST"), QStringLiteral("Teksten til --find."),
                            QStringLiteral("[--find [TEKST]]"));
    Kommandolinje k;
    if (!p.parse(argumenter)) {
        skriv(stderr, QStringLiteral("ankerhus: %1\nSe ankerhus --help.\n").arg(p.errorText()));
        k.slut = 2;
        return k;
    }
    if (p.isSet(hjaelp)) {
        skriv(stdout, p.helpText());
        k.slut = 0;
        return k;
    }
    const int valgt = int(p.isSet(importer)) + int(p.isSet(eksporter)) + int(p.isSet(find));
    if (valgt > 1 || p.values(importer).size() > 1 || p.values(eksporter).size() > 1 ||
        (!p.isSet(find) && !p.positionalArguments().isEmpty())) {
        skriv(stderr, QStringLiteral("ankerhus: angiv én af --importer, --eksporter og --find, én gang og uden "
                                     "andre argumenter.\n"));
        k.slut = 2;
        return k;
    }
    if (p.isSet(importer)) {
        k.art = Kommandolinje::Art::Importer;
        k.argument = p.value(importer);
        // The running copy may carry it out, from another working folder.
        const QString ord = k.argument.toLower();
        if (ord != u"firefox" && ord != u"chromium")
            k.argument = QFileInfo(k.argument).absoluteFilePath();
    } else if (p.isSet(eksporter)) {
        k.art = Kommandolinje::Art::Eksporter;
        k.argument = QFileInfo(p.value(eksporter)).absoluteFilePath();
    } else if (p.isSet(find)) {
        k.art = Kommandolinje::Art::Find;
        k.argument = p.positionalArguments().join(u' ').trimmed();
    }
    return k;
}

Anmodning anmodningFra(const Kommandolinje &k) {
    if (k.art == Kommandolinje::Art::Find)
        return {Anmodning::Art::Find, k.argument};
    return {};
}

bool udenVinduer(int argc, char **argv) {
    // Help, an import and an export end on the terminal. So does a long option of ours
    // that is wrong: its message must not wait for a display that may not be there. Qt's
    // own options (-platform, -style, ...) begin with one dash and go on to the windows.
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (std::strcmp(a, "--") == 0)
            break;
        if (std::strcmp(a, "-h") == 0 || (std::strncmp(a, "--", 2) == 0 && std::strcmp(a, "--find") != 0))
            return true;
    }
    return false;
}

int koerUdenVinduer(const QStringList &argumenter) {
    indlaesQtsDanskeTekster(); // the help's headings and the parser's errors
    const Kommandolinje k = fortolkKommandolinje(argumenter);
    if (k.slut)
        return *k.slut;
    const Miljoe miljoe = Miljoe::system();
    const Formater formater{miljoe.lokalitet, miljoe.datoFormat, miljoe.tidFormat};
    const Brugersted sted = brugersted(miljoe.dataRod, miljoe.brugernavn);
    auto afslut = [](const Kommandoresultat &r) {
        skriv(r.ok ? stdout : stderr, r.linje + u'\n');
        return r.ok ? 0 : 1;
    };
    // Export only reads the collection: it needs no word with a running copy.
    if (k.art == Kommandolinje::Art::Eksporter)
        return afslut(eksporterTil(sted, k.argument, formater));
    QString fejl;
    const QString sti = eneinstansSti(miljoe.dataRod, fejl);
    Eneinstans eneinstans(sti);
    eneinstans.saetAnmodning({Anmodning::Art::Importer, k.argument});
    // A running copy holds the lists in memory: it must do the writing itself.
    if (!eneinstans.overtag())
        return afslut({eneinstans.svarOk(), eneinstans.svar().isEmpty()
                                                ? QStringLiteral("Den kørende Ankerhus svarede ikke.")
                                                : eneinstans.svar()});
    return afslut(importerKilde(sted, k.argument, QDir::homePath(), formater));
}
