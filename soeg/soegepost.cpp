#include "soeg/soegepost.h"

#include "platform/besoegsformat.h"
#include "platform/navne.h"
#include "soeg/foldning.h"

#include <QCollator>

QDate Datolaeser::laes(const QString &dato) const {
    if (dato.isEmpty() || dato == kIngenDato)
        return {};
    return laesBesoegsdato(dato, lokalitet, format);
}

Soegepost lavSoegepost(const TWebRecord &element, const QString &gruppe, quint8 samling, bool lager,
                       QDate sidstBrugt) {
    Soegepost p;
    p.element = element;
    p.gruppe = gruppe;
    p.samling = samling;
    p.lager = lager;
    p.sidstBrugt = sidstBrugt;
    p.foldetNavn = foldTilSoegning(element.Navn);
    p.foldetAlt = p.foldetNavn + u'\n' + foldTilSoegning(element.Url) + u'\n' + foldTilSoegning(gruppe);
    p.navnenoegle = danskOrden().sortKey(element.Navn);
    return p;
}

QString visGruppe(const Soegepost &p) {
    return p.lager ? p.gruppe + QStringLiteral(" (lager)") : p.gruppe;
}
