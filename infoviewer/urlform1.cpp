#include "infoviewer/urlform1.h"

#include "launcher/mainform.h"

Turlform1::Turlform1(Tmainform *hoved) : m_hoved(hoved) {
    setObjectName(QStringLiteral("urlform1"));
    setWindowTitle(QStringLiteral("Besøgte sider"));
}

void Turlform1::FormCreate() { optfil = m_hoved->optdir + QStringLiteral("urlboks1.txt"); }
