#pragma once
// The shell: opening addresses and documents, starting programs, the trash and folder
// moves. The program uses SystemSkal; tests pass a recorder.

#include <QString>
#include <QStringList>

// Result codes of opening or starting, as the callers' messages know them.
namespace Skalkode {
inline constexpr int FilIkkeFundet = 2;
inline constexpr int StiIkkeFundet = 3;
inline constexpr int AdgangNaegtet = 5;
inline constexpr int IngenTilknytning = 31;
inline constexpr int Udfoert = 42; // anything above 32 means success
} // namespace Skalkode

class Skal {
public:
    virtual ~Skal() = default;
    // Opens an address or document with the desktop's default application, or starts an
    // executable file; returns a result code (above 32 on success).
    virtual int aabn(const QString &adresse) = 0;
    // Starts a program with these arguments; returns a result code.
    virtual int start(const QString &program, const QStringList &argumenter) = 0;
    // Moves a file or folder to the trash; true on success.
    virtual bool tilPapirkurv(const QString &sti) = 0;
    // Renames a folder; false when the target exists or the move fails.
    virtual bool flytMappe(const QString &fra, const QString &til) = 0;
    // False when no application on the desktop handles the address's scheme, so opening
    // it could only fail; a local path counts as handled (opening it tells the rest).
    virtual bool harProgramTil(const QString &adresse) {
        Q_UNUSED(adresse);
        return true;
    }
};

class SystemSkal : public Skal {
public:
    int aabn(const QString &adresse) override;
    bool harProgramTil(const QString &adresse) override;
    int start(const QString &program, const QStringList &argumenter) override;
    bool tilPapirkurv(const QString &sti) override;
    bool flytMappe(const QString &fra, const QString &til) override;
};

// A shell that opens and starts nothing and moves nothing: for demo pictures and for
// driving the windows in crash tests, where no real program may start.
class StilleSkal : public Skal {
public:
    int aabn(const QString &) override { return Skalkode::Udfoert; }
    int start(const QString &, const QStringList &) override { return Skalkode::Udfoert; }
    bool tilPapirkurv(const QString &) override { return false; }
    bool flytMappe(const QString &, const QString &) override { return false; }
};

// Opens a URI with the desktop's default application through GIO; a result code. No
// application for it gives Skalkode::IngenTilknytning.
int aabnMedStandardprogram(const QString &uri);

// Whether GIO knows a default application for URIs of this scheme ("https", "mailto").
bool harStandardprogramTilSkema(const QString &skema);
