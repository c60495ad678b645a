#pragma once
// Every modal box of the program asks here first. In a test the answers are
// prepared beforehand and each show is recorded, so no test ever blocks.

#include <QList>
#include <QString>
#include <optional>

namespace Modalsvar {

struct Visning {
    QString slags; // "Information", "Spørgsmål", "Fejlinformation" or "Fejl"
    QString tekst;
};

// Turns the test mode on or off; leaving it empties the queue and the record.
void testtilstand(bool til);

// Queues the answer for the next modal show (1 = OK/Ja, 2 = Cancel/Nej).
void forbered(int svar);

// In test mode: records the show and returns the queued answer, or the given default
// when the queue is empty. Outside test mode: nothing.
std::optional<int> tag(const QString &slags, const QString &tekst, int standard);

// The same for a file dialog: the queued path, or "" (cancelled) when none is queued.
void forberedFil(const QString &sti);
std::optional<QString> tagFil(const QString &titel);

QList<Visning> vist();
void ryd();

} // namespace Modalsvar
