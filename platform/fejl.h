#pragma once
// Errors raised by file and shell operations, and the one top-level report that
// shows an error nobody else handled.

#include <QString>
#include <stdexcept>

class AnkerFejl : public std::runtime_error {
public:
    explicit AnkerFejl(const QString &tekst)
        : std::runtime_error(tekst.toStdString()), m_tekst(tekst) {}
    QString tekst() const { return m_tekst; }

private:
    QString m_tekst;
};

// Shows the error's text in a modal box; the operation is abandoned, the program goes on.
void rapporterFejl(const QString &tekst);

// Runs f and sends anything it throws to the top-level report.
template <class F> bool medFejlrapport(F &&f) {
    try {
        f();
        return true;
    } catch (const AnkerFejl &e) {
        rapporterFejl(e.tekst());
    } catch (const std::exception &e) {
        rapporterFejl(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
