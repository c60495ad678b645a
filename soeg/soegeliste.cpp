#include "soeg/soegeliste.h"

Soegeliste::Soegeliste(QList<Soegepost> poster) : m_poster(std::move(poster)) {
    qsizetype laengde = 0;
    for (const Soegepost &p : std::as_const(m_poster))
        laengde += p.foldetAlt.size();
    m_tekst.reserve(laengde);
    m_start.reserve(size_t(m_poster.size()) + 1);
    for (const Soegepost &p : std::as_const(m_poster)) {
        m_start.push_back(m_tekst.size());
        m_tekst += p.foldetAlt;
    }
    m_start.push_back(m_tekst.size());
}
