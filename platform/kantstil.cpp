#include "platform/kantstil.h"

#include "platform/kontrast.h"

#include <QStyleOption>

namespace {
// How much darker than the window colour Fusion draws each edge, in QColor::darker terms.
constexpr int kFeltFaktor = 140; // entry fields
constexpr int kBoksFaktor = 127; // check boxes: that edge lightened again by 110 %
constexpr int kRundFaktor = 150; // radio buttons

// The ring Fusion draws round a field with focus, from the selection colour: darker, but
// never darker than a fixed lightness.
QColor fusionFokus(const QColor &markering) {
    QColor c = markering.darker(125);
    if (c.value() > 160)
        c.setHsl(c.hue(), c.saturation(), 160);
    return c;
}

// A copy of the option whose window colour makes Fusion draw its edge in `kant`.
template <typename Valg> Valg medKant(const Valg &valg, const QColor &kant, int faktor) {
    Valg kopi(valg);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        kopi.palette.setColor(g, QPalette::Window, kant.lighter(faktor));
    return kopi;
}
} // namespace

KantStil::KantStil() : QProxyStyle(QStringLiteral("Fusion")) {}

QColor KantStil::kant(const QPalette &palet) {
    // Besides the window and the fields, Fusion's tab pages, which it shades from the
    // button colour, lightened.
    const QColor vindue = palet.color(QPalette::Window), knap = palet.color(QPalette::Button);
    return Kontrast::tydelig(vindue.darker(kFeltFaktor),
                             {vindue, palet.color(QPalette::Base), knap, knap.lighter(130)}, 3.3);
}

void KantStil::drawPrimitive(PrimitiveElement element, const QStyleOption *valg, QPainter *maler,
                             const QWidget *widget) const {
    // Fusion derives these edges from the window colour by darkening it, which on a dark
    // window or next to a white field is too faint to see; it is handed a window colour
    // whose darkening gives the edge that stands out.
    switch (element) {
    case PE_IndicatorCheckBox:
    case PE_IndicatorRadioButton:
        if (const auto *knap = qstyleoption_cast<const QStyleOptionButton *>(valg)) {
            const int faktor = element == PE_IndicatorCheckBox ? kBoksFaktor : kRundFaktor;
            const QStyleOptionButton kopi = medKant(*knap, kant(valg->palette), faktor);
            QProxyStyle::drawPrimitive(element, &kopi, maler, widget);
            return;
        }
        break;
    case PE_FrameLineEdit:
        if (const auto *ramme = qstyleoption_cast<const QStyleOptionFrame *>(valg)) {
            QStyleOptionFrame kopi = medKant(*ramme, kant(valg->palette), kFeltFaktor);
            if (valg->state & State_HasFocus) {
                // On a light window that ring is too pale; a darker one is handed over
                // through the selection colour it is made from.
                const QPalette &p = valg->palette;
                const QColor ring = fusionFokus(p.color(QPalette::Highlight));
                const QColor tydelig = Kontrast::tydelig(
                    ring, {p.color(QPalette::Window), p.color(QPalette::Base)}, 3.3);
                if (tydelig != ring) {
                    // Fusion lightens a ring brighter than 160 back to that lightness.
                    const QColor moerk = tydelig.value() > 160
                                             ? tydelig.darker(tydelig.value() * 100 / 160 + 1)
                                             : tydelig;
                    kopi.palette.setColor(QPalette::Highlight, moerk.lighter(125));
                }
            }
            QProxyStyle::drawPrimitive(element, &kopi, maler, widget);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, valg, maler, widget);
}
