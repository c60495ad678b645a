#pragma once
// Start figures taken where the user is: a display of our own (Xvfb), and the time from a
// program's start to the first drawing in a window it has mapped, with the program's peak
// resident memory at that moment.

#include <QProcess>
#include <QString>

struct xcb_connection_t;

struct Startmaaling {
    double ns = 0; // from the start of the process to its first drawing
    double kb = 0; // peak resident memory then
    bool ok = false;
};

class Skaerm {
public:
    Skaerm();
    ~Skaerm();
    Skaerm(const Skaerm &) = delete;
    Skaerm &operator=(const Skaerm &) = delete;

    // Empty when the display runs; else why it does not.
    QString fejl() const { return m_fejl; }

    // Starts `program` on this display with `miljoe`, waits for its first drawing and
    // ends it again.
    Startmaaling maal(const QString &program, const QStringList &argumenter, QProcessEnvironment miljoe);

private:
    void toem(); // throws away what the display reported before a measurement
    QProcess m_xvfb;
    QString m_display;
    QString m_fejl;
    xcb_connection_t *m_xcb = nullptr;
    quint32 m_rod = 0;
    quint8 m_skadeHaendelse = 0; // the damage extension's first event number
};
