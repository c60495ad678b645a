#pragma once
// The program's start: the environment it runs in and the seven windows it creates.

#include "platform/skal.h"

#include <QDateTime>
#include <QWidget>
#include <QLocale>
#include <QString>
#include <functional>
#include <memory>

// Everything the program takes from the machine, so a test can pass its own.
struct Miljoe {
    QString dataRod;    // the data root, "<home>/Ankerhusmappe"
    QString brugernavn; // the user's name; empty when the system has none
    std::function<QDateTime()> ur;
    QLocale lokalitet;  // the regional settings the formats come from
    QString datoFormat; // the system's short date format, where it fits (besoegsformater)
    QString tidFormat;  // the system's long time format, where it begins with the hour
    std::shared_ptr<Skal> skal;
    QString autostartMappe; // where a desktop entry starts a program at login
    QString programfil;     // the running program's own file
    QString chromeSti; // the two browsers' fixed paths
    QString edgeSti;
    // Makes the information window's browser; empty for the web engine's own.
    std::function<class Browserflade *(QWidget *foraelder)> lavBrowser;

    // The user's own folder under the data root ("Bruger" for a user without a name).
    QString brugermappe() const;

    // The real machine: the home folder, the system's user, clock, formats and shell.
    static Miljoe system();
    // The data root of the real machine; known before the application object exists.
    static QString systemetsDataRod();
};

class Tmainform;
class Tboksform;
class Tinfoformen;
class Turlform1;

extern Tmainform *mainform;
extern Tboksform *boksform;
extern Tinfoformen *infoformen;
extern Turlform1 *urlform1;

// Puts the default content under the data root where it is missing, applies the
// start-up style and creates the seven windows in their fixed order.
void opretVinduer(const Miljoe &miljoe);

// The same in two steps, so the main window can be drawn before the windows it does not
// show: first the content, the style and the main window with its lists; then the
// administration window (whose options for the tray and a minimised start take effect
// as it comes), the program's picture and the five others.
void opretHovedvinduer(const Miljoe &miljoe);
void opretOevrigeVinduer();

// Destroys all seven windows.
void nedlaegVinduer();
