#include "platform/kontrast.h"

#include <algorithm>
#include <cmath>

namespace Kontrast {

namespace {
double lineaer(double kanal) {
    return kanal <= 0.04045 ? kanal / 12.92 : std::pow((kanal + 0.055) / 1.055, 2.4);
}

double mindste(const QColor &farve, const QList<QColor> &baggrunde) {
    double m = 21.0;
    for (const QColor &b : baggrunde)
        m = std::min(m, forhold(farve, b));
    return m;
}

QColor blandet(const QColor &fra, const QColor &mod, double t) {
    return QColor::fromRgbF(float(fra.redF() + (mod.redF() - fra.redF()) * t),
                            float(fra.greenF() + (mod.greenF() - fra.greenF()) * t),
                            float(fra.blueF() + (mod.blueF() - fra.blueF()) * t));
}
} // namespace

double luminans(const QColor &farve) {
    const QColor c = farve.toRgb();
    return 0.2126 * lineaer(c.redF()) + 0.7152 * lineaer(c.greenF()) + 0.0722 * lineaer(c.blueF());
}

double forhold(const QColor &a, const QColor &b) {
    const double la = luminans(a), lb = luminans(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor tydelig(const QColor &farve, const QList<QColor> &baggrunde, double maal) {
    if (mindste(farve, baggrunde) >= maal)
        return farve;
    // Towards the end that can stand furthest from the backgrounds.
    const QColor ende = mindste(Qt::black, baggrunde) >= mindste(Qt::white, baggrunde)
                            ? QColor(Qt::black)
                            : QColor(Qt::white);
    for (int skridt = 1; skridt <= 50; ++skridt) {
        const QColor c = blandet(farve, ende, skridt / 50.0);
        if (mindste(c, baggrunde) >= maal)
            return c;
    }
    return ende;
}

} // namespace Kontrast
