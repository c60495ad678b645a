#pragma once
// Fixtures shared by the test programs: a recording shell, a fresh data root, files.

#include "infoviewer/browserflade.h"
#include "launcher/Ankerhus.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

class OptagendeSkal : public Skal {
public:
    int aabn(const QString &adresse) override;
    int start(const QString &program, const QStringList &argumenter) override;
    bool tilPapirkurv(const QString &sti) override;
    bool flytMappe(const QString &fra, const QString &til) override;
    bool harProgramTil(const QString &) override { return harProgram; }

    QStringList kald;     // "aabn <adr>", "start <prog> <args>", "papirkurv <sti>", ...
    // When set, a start runs this instead of only recording (a test's own script run).
    std::function<int(const QString &, const QStringList &)> vedStart;
    int svar = Skalkode::Udfoert;
    bool papirkurvVirker = true;
    bool flytVirker = true;
    bool harProgram = true; // false: the desktop has no application for any address
};

// A browser that only records: tests never start the web engine unless they ask.
class Testbrowser : public Browserflade {
public:
    using Browserflade::Browserflade;
    void Navigate(const QString &adresse) override { besoegt << adresse; }
    QString LocationName() const override { return lokation; }
    QWidget *widget() override;
    QStringList besoegt;
    QString lokation;
    QWidget *m_widget = nullptr;
};

// A test environment over a temporary data root, user "tester", a fixed clock.
struct Testmiljoe {
    QTemporaryDir mappe;
    std::shared_ptr<OptagendeSkal> skal = std::make_shared<OptagendeSkal>();
    Miljoe miljoe;
    Testmiljoe();
    QString rod() const { return miljoe.dataRod; }
    QString bruger() const { return rod() + QStringLiteral("/tester"); }
    Testbrowser *browser = nullptr; // the information window's, once it was shown
};

void skrivBytes(const QString &sti, const QByteArray &bytes);
// A file outside the data root for the program collection to point at; its full path.
QString testprogram(const Testmiljoe &m);
QByteArray laesBytes(const QString &sti);
// Lines joined with CR LF after each, in Windows-1252.
QByteArray crlf(const QStringList &linjer);

// Writes the lines (CR LF) to `sti` from another process, as a program beside ours
// would; false when that process failed.
bool skrivUdefra(const QString &sti, const QStringList &linjer);
// The texts of a list's items, in order.
QStringList tekster(const class QListWidget *liste);
// The texts of the modal boxes shown so far in test mode.
QStringList vistTekster();
