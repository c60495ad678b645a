#include "bogmaerker/firefox.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <vector>

namespace {

struct Raekke {
    qint64 id = 0;
    int type = 0;
    qint64 foraelder = 0;
    QString titel;
    QString guid;
    QDateTime tilfoejet;
    QString adresse;
    QString sidetitel;
    int besoeg = 0;
    QDateTime sidstBesoegt;
};

QDateTime tidspunkt(const QVariant &v) {
    bool ok = false;
    const qint64 mikro = v.toLongLong(&ok);
    if (!ok || mikro <= 0 || mikro > 253402300799LL * 1000000LL)
        return {};
    return QDateTime::fromMSecsSinceEpoch(mikro / 1000, Qt::UTC);
}

// The fixed roots' folders; the tags root (and anything else unknown) is left out.
const QString *rodnavn(const QString &guid) {
    if (guid == u"toolbar_____")
        return &kBogmaerkelinjen;
    if (guid == u"menu________")
        return &kBogmaerkemenuen;
    if (guid == u"unfiled_____")
        return &kAndreBogmaerker;
    if (guid == u"mobile______")
        return &kMobilbogmaerker;
    return nullptr;
}

bool laesRaekker(const QString &sti, std::vector<Raekke> &raekker, QString &fejl) {
    const QString forbindelse = QStringLiteral("bogmaerker-") + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), forbindelse);
        db.setDatabaseName(sti);
        if (!db.open()) {
            fejl = db.lastError().text();
        } else {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            ok = q.exec(QStringLiteral(
                "SELECT b.id, b.type, b.parent, b.title, b.guid, b.dateAdded, p.url, p.title, "
                "p.visit_count, p.last_visit_date FROM moz_bookmarks b "
                "LEFT JOIN moz_places p ON b.fk = p.id ORDER BY b.parent, b.position, b.id"));
            if (!ok)
                fejl = q.lastError().text();
            while (ok && q.next()) {
                Raekke r;
                r.id = q.value(0).toLongLong();
                r.type = q.value(1).toInt();
                r.foraelder = q.value(2).toLongLong();
                r.titel = q.value(3).toString();
                r.guid = q.value(4).toString();
                r.tilfoejet = tidspunkt(q.value(5));
                r.adresse = q.value(6).toString();
                r.sidetitel = q.value(7).toString();
                r.besoeg = q.value(8).toInt();
                r.sidstBesoegt = tidspunkt(q.value(9));
                raekker.push_back(r);
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(forbindelse);
    return ok;
}

} // namespace

Bogmaerkelaesning laesFirefoxPlaces(const QString &placesSti) {
    Bogmaerkelaesning r;
    QTemporaryDir kopi;
    const QString maal = kopi.filePath(QStringLiteral("places.sqlite"));
    // Only plain files are copied: a pipe would hold the copy forever, a device never ends.
    if (!kopi.isValid() || !QFileInfo(placesSti).isFile() || !QFile::copy(placesSti, maal)) {
        r.fejl = QStringLiteral("Firefox' bogmærker \"%1\" kunne ikke kopieres.").arg(placesSti);
        return r;
    }
    const QString wal = placesSti + QStringLiteral("-wal");
    const QFileInfo walInfo(wal);
    // Without its -wal the database would read as it was before Firefox' latest changes.
    if ((walInfo.exists() || walInfo.isSymLink()) &&
        (!walInfo.isFile() || !QFile::copy(wal, maal + QStringLiteral("-wal")))) {
        r.fejl = QStringLiteral("Firefox' bogmærker \"%1\" kunne ikke kopieres.").arg(wal);
        return r;
    }
    std::vector<Raekke> raekker;
    QString fejl;
    if (!laesRaekker(maal, raekker, fejl)) {
        r.fejl = QStringLiteral("Firefox' bogmærker kunne ikke læses: %1").arg(fejl);
        return r;
    }
    // Children by parent; the walk from the root reaches each row once, so a damaged
    // file whose folders form a loop cannot hold it.
    QHash<qint64, std::vector<const Raekke *>> boern;
    const Raekke *rod = nullptr;
    for (const Raekke &x : raekker) {
        boern[x.foraelder].push_back(&x);
        if (x.guid == u"root________" || (!rod && x.foraelder == 0 && x.type == 2))
            rod = &x;
    }
    if (!rod) {
        r.fejl = QStringLiteral("Firefox' bogmærker har ingen rodmappe.");
        return r;
    }
    Bogmaerkesamling &s = r.samling;
    QHash<qint64, bool> set;
    std::vector<std::pair<qint64, int>> koe{{rod->id, 0}}; // folder id, our folder index
    set.insert(rod->id, true);
    for (std::size_t i = 0; i < koe.size(); ++i) {
        const auto [id, mappe] = koe[i];
        for (const Raekke *x : boern.value(id)) {
            if (x->type == 1 && mappe != 0) {
                Bogmaerke b;
                b.mappe = mappe;
                b.titel = x->titel.isEmpty() ? x->sidetitel : x->titel;
                b.adresse = x->adresse;
                b.tilfoejet = x->tilfoejet;
                b.sidstBesoegt = x->sidstBesoegt;
                b.besoeg = x->besoeg;
                s.links.append(b);
            } else if (x->type == 2 && !set.contains(x->id)) {
                set.insert(x->id, true);
                if (id == rod->id) {
                    if (const QString *navn = rodnavn(x->guid))
                        koe.push_back({x->id, s.nyMappe(*navn, 0)});
                } else {
                    koe.push_back({x->id, s.nyMappe(x->titel, mappe)});
                }
            }
        }
    }
    r.ok = true;
    return r;
}
