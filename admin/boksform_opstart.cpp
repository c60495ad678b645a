// Registering the program to start at login: a script writes a desktop entry in the
// options folder; a timer waits for it and copies it into the autostart folder, or
// removes the copy there, so each use flips the registration.

#include "admin/boksform.h"

#include "components/dialoger.h"
#include "launcher/mainform.h"
#include "platform/fejl.h"
#include "platform/filer.h"
#include "platform/navne.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {
const QString kGenvej = QStringLiteral("Kladdebok.desktop");
const QString kScript = QStringLiteral("createShortcut.sh");
const QString kMislykket = QStringLiteral("Det lykkedes ikke at indføre programmet som startprogram.");
} // namespace

void Tboksform::doButtonClick() {
    visBesked(QStringLiteral("Det kan tage lidt tid.\rTryk OK-Knappen for at starte funktionen.\r"
                             "Der bringes en information, når funktionen er gennemført."));
    makeOpstartProg();
}

void Tboksform::makeOpstartProg() {
    const Miljoe &miljoe = m_hoved->miljoe();
    const QString aTarget = miljoe.programfil;
    if (!filFindes(aTarget)) {
        visBesked(QStringLiteral("Genvejens mål blev ikke fundet."));
        return;
    }
    QString aDestmappe = m_hoved->optdir;
    if (aDestmappe.endsWith(kSep))
        aDestmappe.chop(1);
    QString aLinkName;
    if (mappeFindes(aDestmappe)) {
        aLinkName = aDestmappe + kSep + kGenvej;
        const QString S = m_hoved->strukturDir + kSep + kScript;
        // OpenFilMedParametre: the script gets the two paths as its two arguments.
        if (filFindes(S)) {
            if (miljoe.skal->start(S, {aTarget, aLinkName}) <= 32)
                visBesked(QStringLiteral("Der opstod en fejl ved skabelse af en genvej."));
        } else {
            visBesked(QStringLiteral("Der synes at mangle en fil til skabelse af en genvej."));
        }
    }
    SPtimerFilename = aLinkName;
    SPtimerCount = 0;
    startProgTimer->start();
}

void Tboksform::startProgTimerTimer() {
    try {
        ++SPtimerCount;
        if (!SPtimerFilename.isEmpty() && filFindes(SPtimerFilename)) {
            startProgTimer->stop();
            SPtimerCount = 0;
            const QString aDirname = m_hoved->miljoe().autostartMappe;
            // A fresh account has no autostart folder yet; the desktop reads it once made.
            if (!mappeFindes(aDirname) && !QDir().mkpath(aDirname)) {
                visBesked(QStringLiteral("Startup-mappen kunne ikke findes.\r"));
                return;
            }
            const QString aFilename = aDirname + kSep + QFileInfo(SPtimerFilename).fileName();
            if (filFindes(aFilename)) {
                sletFilStrengt(aFilename);
                visBesked(QStringLiteral("Programmet blev fjernet som StartUp-program."));
            } else {
                if (!QFile::copy(SPtimerFilename, aFilename))
                    throw AnkerFejl(kMislykket);
                visBesked(QStringLiteral("Programmet er indført som StartUp-program."));
            }
        } else if (SPtimerCount >= 10) {
            SPtimerCount = 0;
            startProgTimer->stop();
            visBesked(kMislykket);
        }
    } catch (...) {
        startProgTimer->stop();
        SPtimerCount = 0;
        visBesked(kMislykket);
    }
}
