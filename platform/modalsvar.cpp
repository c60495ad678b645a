#include "platform/modalsvar.h"

#include <QQueue>

namespace {
bool s_test = false;
QQueue<int> s_svar;
QQueue<QString> s_filer;
QList<Modalsvar::Visning> s_vist;
} // namespace

namespace Modalsvar {

void testtilstand(bool til) {
    s_test = til;
    ryd();
}

void forbered(int svar) { s_svar.enqueue(svar); }

std::optional<int> tag(const QString &slags, const QString &tekst, int standard) {
    if (!s_test)
        return std::nullopt;
    s_vist.append({slags, tekst});
    return s_svar.isEmpty() ? standard : s_svar.dequeue();
}

void forberedFil(const QString &sti) { s_filer.enqueue(sti); }

std::optional<QString> tagFil(const QString &titel) {
    if (!s_test)
        return std::nullopt;
    s_vist.append({QStringLiteral("Fil"), titel});
    return s_filer.isEmpty() ? QString() : s_filer.dequeue();
}

QList<Visning> vist() { return s_vist; }

void ryd() {
    s_svar.clear();
    s_filer.clear();
    s_vist.clear();
}

} // namespace Modalsvar
