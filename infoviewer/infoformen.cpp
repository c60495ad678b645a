#include "infoviewer/infoformen.h"

#include "launcher/mainform.h"

Tinfoformen::Tinfoformen(Tmainform *hoved) : m_hoved(hoved) {
    setObjectName(QStringLiteral("infoformen"));
    setWindowTitle(QStringLiteral("Information"));
}

void Tinfoformen::FormCreate() {
    strukturmappe = m_hoved->strukturDir;
    optfil = m_hoved->optdir + QStringLiteral("information.txt");
}

void Tinfoformen::aabnEmne(const QString &aEmne) {
    newNavn = QStringLiteral("Ankerhusinfo.txt");
    emne = aEmne;
    show();
    raise();
    activateWindow();
}
