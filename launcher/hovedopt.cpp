#include "launcher/hovedopt.h"

namespace {
std::optional<int> heltal(const QString &s) {
    bool ok = false;
    const int v = s.trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}
} // namespace

HovedoptLaesning fortolkHovedopt(const QStringList &l) {
    HovedoptLaesning r;
    Hovedopt &o = r.opt;
    int *tal[] = {&o.top, &o.left, &o.width, &o.height};
    if (l.size() < 1)
        return r;
    o.designname = l[0];
    r.antal = 1;
    for (int i = 0; i < 4; ++i) {
        if (l.size() < 2 + i)
            return r;
        const auto v = heltal(l[1 + i]);
        if (!v)
            return r;
        *tal[i] = *v;
        ++r.antal;
    }
    QString *navne[] = {&o.gruppenavn, &o.gruppenavn0, &o.gruppenavn1};
    for (int i = 0; i < 3; ++i) {
        if (l.size() < 6 + i)
            return r;
        *navne[i] = l[5 + i];
        ++r.antal;
    }
    if (l.size() < 9)
        return r;
    const auto funk = heltal(l[8]);
    if (!funk || *funk < 0 || *funk > 255)
        return r;
    o.funkNo = *funk;
    ++r.antal;
    return r;
}

QStringList hovedoptLinjer(const Hovedopt &o) {
    return {o.designname,          QString::number(o.top),    QString::number(o.left),
            QString::number(o.width), QString::number(o.height), o.gruppenavn,
            o.gruppenavn0,         o.gruppenavn1,             QString::number(o.funkNo)};
}
