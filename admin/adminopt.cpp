#include "admin/adminopt.h"

#include <algorithm>

AdminoptLaesning fortolkAdminopt(const QStringList &l) {
    AdminoptLaesning r;
    Adminopt &o = r.opt;
    int *tal[] = {&o.top, &o.left, &o.width, &o.height, &o.browser};
    for (int i = 0; i < 5; ++i) {
        if (l.size() <= i)
            return r;
        bool ok = false;
        const int v = l[i].trimmed().toInt(&ok);
        if (!ok)
            return r;
        *tal[i] = v;
        ++r.antal;
    }
    o.browser = std::clamp(o.browser, -1, 1);
    if (l.size() != 7)
        return r;
    bool *flag[] = {&o.tray, &o.minimer};
    for (int i = 0; i < 2; ++i) {
        bool ok = false;
        const int v = l[5 + i].trimmed().toInt(&ok);
        if (!ok)
            return r;
        *flag[i] = v != 0;
        ++r.antal;
    }
    return r;
}

QStringList adminoptLinjer(const Adminopt &o) {
    return {QString::number(o.top),     QString::number(o.left),
            QString::number(o.width),   QString::number(o.height),
            QString::number(o.browser), o.tray ? QStringLiteral("1") : QStringLiteral("0"),
            o.minimer ? QStringLiteral("1") : QStringLiteral("0")};
}
