#include "soeg/soegepost.h"

#include "platform/besoegsformat.h"
#include "soeg/foldning.h"

#include <QCollator>

namespace {
const QCollator &danskOrden() {
    static const QCollator k = [] {
        QCollator c(QLocale(QLocale::Danish, QLocale::Denmark));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return k;
}
} // namespace

QDate Datolaeser::laes(const QString &dato) const {
    if (dato.isEmpty() || dato == kIngenDato)
        return {};
    return laesBesoegsdato(dato, lokalitet, format);
}

Soegepost lavSoegepost(const TWebRecord &element, const QString &gruppe, quint8 samling, bool lager,
                       const Datolaeser &datoer) {
    return lavSoegepost(element, gruppe, samling, lager, datoer.laes(element.dato));
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
