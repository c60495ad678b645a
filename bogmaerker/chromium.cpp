#include "bogmaerker/chromium.h"

#include "bogmaerker/htmlbogmaerker.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

namespace {

// Microseconds between 1601-01-01 and 1970-01-01.
constexpr qint64 kFra1601 = 11644473600LL * 1000000LL;

QDateTime tidspunkt(const QJsonValue &v) {
    bool ok = false;
    const qint64 mikro = v.toString().toLongLong(&ok);
    // "0" means never; the upper end is the year 9999.
    if (!ok || mikro <= kFra1601 || mikro > kFra1601 + 253402300799LL * 1000000LL)
        return {};
    return QDateTime::fromMSecsSinceEpoch((mikro - kFra1601) / 1000, Qt::UTC);
}

struct Rod {
    const char *noegle;
    const QString &navn;
};

} // namespace

Bogmaerkelaesning laesChromiumBogmaerker(const QByteArray &bytes) {
    Bogmaerkelaesning r;
    if (bytes.size() > kStoersteBogmaerkefil) {
        r.fejl = QStringLiteral("Filen er for stor til at være en bogmærkefil.");
        return r;
    }
    QJsonParseError fejl;
    const QJsonDocument dok = QJsonDocument::fromJson(bytes, &fejl);
    const QJsonObject roedder = dok.object().value(QStringLiteral("roots")).toObject();
    if (fejl.error != QJsonParseError::NoError || roedder.isEmpty()) {
        r.fejl = QStringLiteral("Filen er ikke en bogmærkefil fra Chromium: %1")
                     .arg(fejl.error != QJsonParseError::NoError ? fejl.errorString()
                                                                 : QStringLiteral("\"roots\" mangler"));
        return r;
    }
    const Rod kRoedder[] = {{"bookmark_bar", kBogmaerkelinjen},
                            {"other", kAndreBogmaerker},
                            {"synced", kMobilbogmaerker}};
    Bogmaerkesamling &s = r.samling;
    struct Trin {
        QJsonObject node;
        int mappe; // the folder the node sits in
    };
    for (const Rod &rod : kRoedder) {
        const QJsonObject top = roedder.value(QLatin1String(rod.noegle)).toObject();
        if (top.isEmpty())
            continue;
        std::vector<Trin> stak;
        const int topmappe = s.nyMappe(rod.navn, 0);
        const QJsonArray boern = top.value(QStringLiteral("children")).toArray();
        for (qsizetype i = boern.size(); i > 0; --i)
            stak.push_back({boern.at(i - 1).toObject(), topmappe});
        while (!stak.empty()) {
            const Trin t = stak.back();
            stak.pop_back();
            const QString type = t.node.value(QStringLiteral("type")).toString();
            if (type == u"url") {
                Bogmaerke b;
                b.mappe = t.mappe;
                b.titel = t.node.value(QStringLiteral("name")).toString();
                b.adresse = t.node.value(QStringLiteral("url")).toString();
                b.tilfoejet = tidspunkt(t.node.value(QStringLiteral("date_added")));
                b.sidstBesoegt = tidspunkt(t.node.value(QStringLiteral("date_last_used")));
                s.links.append(b);
            } else if (type == u"folder") {
                const int ny = s.nyMappe(t.node.value(QStringLiteral("name")).toString(), t.mappe);
                const QJsonArray under = t.node.value(QStringLiteral("children")).toArray();
                for (qsizetype i = under.size(); i > 0; --i)
                    stak.push_back({under.at(i - 1).toObject(), ny});
            }
        }
    }
    r.ok = true;
    return r;
}

Bogmaerkelaesning laesChromiumBogmaerkerFil(const QString &sti) {
    Bogmaerkelaesning r;
    QFile f(sti);
    if (QFileInfo(sti).size() > kStoersteBogmaerkefil) {
        r.fejl = QStringLiteral("Filen er for stor til at være en bogmærkefil.");
        return r;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        r.fejl = QStringLiteral("Filen \"%1\" kunne ikke åbnes: %2").arg(sti, f.errorString());
        return r;
    }
    return laesChromiumBogmaerker(f.read(kStoersteBogmaerkefil + 1));
}
