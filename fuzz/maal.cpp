#include "fuzz/maal.h"

#include "admin/adminopt.h"
#include "bogmaerker/chromium.h"
#include "bogmaerker/eksport.h"
#include "bogmaerker/htmlbogmaerker.h"
#include "bogmaerker/importplan.h"
#include "components/struktur.h"
#include "infoviewer/soegning.h"
#include "launcher/element.h"
#include "launcher/eneinstansbesked.h"
#include "launcher/hovedopt.h"
#include "launcher/lagerregler.h"
#include "platform/adresse.h"
#include "platform/besoegsformat.h"
#include "platform/fejl.h"
#include "platform/heltal.h"
#include "platform/navne.h"
#include "platform/tekstfil.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {
QByteArray somBytes(const uint8_t *data, size_t stoerrelse) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(stoerrelse));
}

// The bytes as UTF-16 code units in this machine's order: every QChar can be reached,
// lone surrogates included. An odd last byte is dropped.
QString somTegn(const uint8_t *data, size_t stoerrelse) {
    QString ud(qsizetype(stoerrelse / 2), Qt::Uninitialized);
    if (!ud.isEmpty())
        std::memcpy(ud.data(), data, size_t(ud.size()) * 2);
    return ud;
}

// One folder for the whole run; the readers that take a path get their files here.
QString arbejdsmappe() {
    static QTemporaryDir mappe;
    return mappe.path();
}

void skrivRaa(const QString &sti, const QByteArray &bytes) {
    QFile fil(sti);
    if (!fil.open(QIODevice::WriteOnly | QIODevice::Truncate) || fil.write(bytes) != bytes.size())
        qFatal("Prøvefilen %s kunne ikke skrives", qPrintable(sti));
}

// The tree is a widget: one application for the whole run, on the offscreen platform.
void sikrApplikation() {
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char navn[] = "ankerhus-fuzz";
    static char *argv[] = {navn, nullptr};
    static QApplication *app = new QApplication(argc, argv);
    (void)app;
}

QString vis(const QStringList &l) { return QLatin1Char('[') + l.join(QStringLiteral("|")) + QLatin1Char(']'); }

// A lone surrogate (from a damaged UTF-16 file) is no text: written as UTF-8 it becomes a
// replacement character, so only whole text is held to reading back the same.
bool heleTegn(const QStringList &linjer) {
    return std::all_of(linjer.begin(), linjer.end(), [](const QString &l) { return l.isValidUtf16(); });
}

// What was read must read back the same once written the way the program writes it.
Tekstlinjer genlaes(const QStringList &linjer, Kodning kodning) {
    return afkodLinjer(kodLinjer(linjer, kodning));
}

bool sammeElement(const TWebRecord &a, const TWebRecord &b) {
    return a.Url == b.Url && a.Navn == b.Navn && a.dato == b.dato && a.klokken == b.klokken &&
           a.Visits == b.Visits && a.filnavn == b.filnavn;
}

QString tjekElement(const Elementlaesning &l, const QStringList &linjer) {
    const TWebRecord &e = l.element;
    if (e.dato.size() > 10 || e.klokken.size() > 5)
        return QStringLiteral("dato eller klokken er for lang");
    bool talOk = false;
    if (linjer.size() >= 5)
        linjer[4].trimmed().toInt(&talOk);
    if (l.helt != (linjer.size() >= 6 && talOk))
        return QStringLiteral("helt passer ikke med linjerne %1").arg(vis(linjer));
    if (!l.helt && !e.filnavn.isEmpty())
        return QStringLiteral("et element, der ikke er helt, har linje 6");
    if (!talOk && e.Visits != 0)
        return QStringLiteral("besøg uden et helt tal på linje 5");
    if (!linjer.isEmpty() && e.Url != linjer[0])
        return QStringLiteral("Url er ikke linje 1");
    if (!l.helt || !heleTegn(elementLinjer(e)))
        return {};
    // The element as the program writes it back (Windows-1252, or UTF-8 when needed).
    const Tekstlinjer igen = genlaes(elementLinjer(e), Kodning::Ansi);
    const Elementlaesning l2 = elementFraLinjer(igen.linjer);
    if (!l2.helt || !sammeElement(e, l2.element))
        return QStringLiteral("elementet læses ikke ens tilbage: %1 blev %2")
            .arg(vis(elementLinjer(e)), vis(elementLinjer(l2.element)));
    return {};
}

// A whole-numbers options file: the values read, and that they read back the same.
QString tjekHeltalsopt(const QByteArray &bytes, int hoejst) {
    const QStringList linjer = afkodLinjer(bytes).linjer;
    const QList<int> v = foersteHeltal(linjer, hoejst);
    if (v.size() > hoejst || v.size() > linjer.size())
        return QStringLiteral("flere værdier end linjer");
    for (qsizetype i = 0; i < v.size(); ++i) {
        bool ok = false;
        if (linjer[i].trimmed().toInt(&ok) != v[i] || !ok)
            return QStringLiteral("værdi %1 er ikke linjens tal").arg(i);
    }
    if (v.size() < hoejst && v.size() < linjer.size()) {
        bool ok = false;
        linjer[v.size()].trimmed().toInt(&ok);
        if (ok)
            return QStringLiteral("læsningen stoppede ved et gyldigt tal");
    }
    if (foersteHeltal(genlaes(heltalslinjer(v), Kodning::Ansi).linjer, hoejst) != v)
        return QStringLiteral("værdierne læses ikke ens tilbage");
    return {};
}

// Depth, text and data line of every node in depth-first order.
QStringList beskrivTrae(const TStruktur &t) {
    QStringList ud;
    for (const QTreeWidgetItem *n : t.noder()) {
        int d = 0;
        for (const QTreeWidgetItem *p = n->parent(); p; p = p->parent())
            ++d;
        ud << QStringLiteral("%1/%2/%3/%4")
                  .arg(d)
                  .arg(n->text(0), TStruktur::harDatalinje(n) ? QStringLiteral("d") : QString(),
                       TStruktur::datalinje(n));
    }
    return ud;
}

QString tjekSoegning(const QString &mappe, const QString &ord, const QString &tekst) {
    const Soegeresultat r = findDokumenter(mappe, ord);
    if (r.afbrudt)
        return QStringLiteral("en læsbar side afbrød søgningen");
    if (r.navne.size() > 1 || (r.navne.size() == 1 && r.navne[0] != u"side"))
        return QStringLiteral("søgningen fandt andet end siden: %1").arg(vis(r.navne));
    const bool fundet = !r.navne.isEmpty();
    if (fundet && (ord.isEmpty() || !tekst.contains(ord, Qt::CaseInsensitive)))
        return QStringLiteral("siden blev fundet uden at indeholde ordet");
    if (!ord.isEmpty() && !indeholderHeltOrd(QStringLiteral(" ") + ord + QStringLiteral(" "), ord))
        return QStringLiteral("ordet blev ikke fundet mellem to mellemrum");
    return {};
}
} // namespace

QString maalElement(const uint8_t *data, size_t stoerrelse) {
    const Tekstlinjer t = afkodLinjer(somBytes(data, stoerrelse));
    if (!t.ok)
        return QStringLiteral("afkodLinjer fejlede på bytes i hukommelsen");
    return tjekElement(elementFraLinjer(t.linjer), t.linjer);
}

QString maalElementfil(const uint8_t *data, size_t stoerrelse) {
    const QByteArray bytes = somBytes(data, stoerrelse);
    const QString sti = arbejdsmappe() + QStringLiteral("/Element.txt");
    skrivRaa(sti, bytes);
    const Elementlaesning fraFil = laesElement(sti);
    const Elementlaesning fraBytes = elementFraLinjer(afkodLinjer(bytes).linjer);
    if (fraFil.helt != fraBytes.helt || !sammeElement(fraFil.element, fraBytes.element))
        return QStringLiteral("filen læses anderledes end dens bytes");
    return tjekElement(fraFil, afkodLinjer(bytes).linjer);
}

QString maalListe(const uint8_t *data, size_t stoerrelse) {
    const Tekstlinjer t = afkodLinjer(somBytes(data, stoerrelse));
    for (const QString &l : t.linjer)
        if (l.contains(u'\r') || l.contains(u'\n'))
            return QStringLiteral("en linje rummer et linjeskift");
    // The lists are written back in the encoding they were read in.
    const Tekstlinjer igen = genlaes(t.linjer, t.kodning);
    if (igen.linjer != t.linjer)
        return QStringLiteral("listen læses ikke ens tilbage: %1 blev %2")
            .arg(vis(t.linjer), vis(igen.linjer));
    if (t.kodning != Kodning::Ansi && igen.kodning != t.kodning)
        return QStringLiteral("listen skiftede kodning");
    const QString mappe = arbejdsmappe() + QStringLiteral("/liste");
    QDir().mkpath(mappe + QStringLiteral("/Sport"));
    for (qsizetype i = 0; i < std::min<qsizetype>(t.linjer.size(), 32); ++i) {
        const QString &navn = t.linjer[i];
        const qsizetype pos = gruppeposition(t.linjer, navn);
        if (pos < 0 || pos > i || t.linjer[pos] != navn)
            return QStringLiteral("gruppen \"%1\" findes ikke på sin plads").arg(navn);
        if (!indeholderNavn(t.linjer, navn))
            return QStringLiteral("listen indeholder ikke \"%1\"").arg(navn);
        if (!gyldigtNavn(navn))
            continue;
        const QString sti = kasseblindSti(mappe, navn);
        if (!sti.startsWith(mappe + kSep) ||
            sti.mid(mappe.size() + 1).compare(navn, Qt::CaseInsensitive) != 0)
            return QStringLiteral("gruppen \"%1\" fører ud af mappen: %2").arg(navn, sti);
    }
    return {};
}

QString maalHovedopt(const uint8_t *data, size_t stoerrelse) {
    const QStringList linjer = afkodLinjer(somBytes(data, stoerrelse)).linjer;
    const HovedoptLaesning l = fortolkHovedopt(linjer);
    if (l.antal < 0 || l.antal > 9 || l.antal > linjer.size())
        return QStringLiteral("antal %1 passer ikke med %2 linjer").arg(l.antal).arg(linjer.size());
    if (l.antal >= 1 && l.opt.designname != linjer[0])
        return QStringLiteral("designname er ikke linje 1");
    if (l.opt.funkNo < 0 || l.opt.funkNo > 255)
        return QStringLiteral("funkNo uden for 0 til 255");
    if (!l.helt() || !heleTegn(hovedoptLinjer(l.opt)))
        return {};
    const HovedoptLaesning l2 = fortolkHovedopt(genlaes(hovedoptLinjer(l.opt), Kodning::Ansi).linjer);
    if (!l2.helt() || hovedoptLinjer(l2.opt) != hovedoptLinjer(l.opt))
        return QStringLiteral("main.txt læses ikke ens tilbage");
    return {};
}

QString maalAdminopt(const uint8_t *data, size_t stoerrelse) {
    const QStringList linjer = afkodLinjer(somBytes(data, stoerrelse)).linjer;
    const AdminoptLaesning l = fortolkAdminopt(linjer);
    if (l.antal < 0 || l.antal > 7 || l.antal > linjer.size())
        return QStringLiteral("antal %1 passer ikke med %2 linjer").arg(l.antal).arg(linjer.size());
    if (l.opt.browser < -1 || l.opt.browser > 1)
        return QStringLiteral("browser uden for -1 til 1");
    if (l.antal > 5 && linjer.size() != 7)
        return QStringLiteral("afkrydsningerne læst fra en fil, der ikke har syv linjer");
    if (l.antal < 5)
        return {};
    const AdminoptLaesning l2 = fortolkAdminopt(genlaes(adminoptLinjer(l.opt), Kodning::Ansi).linjer);
    if (l2.antal != 7)
        return QStringLiteral("ankerHus.txt læses ikke helt tilbage");
    const QStringList a = adminoptLinjer(l.opt), b = adminoptLinjer(l2.opt);
    if (a.first(l.antal) != b.first(l.antal))
        return QStringLiteral("ankerHus.txt læses ikke ens tilbage");
    return {};
}

QString maalInfoopt(const uint8_t *data, size_t stoerrelse) {
    return tjekHeltalsopt(somBytes(data, stoerrelse), 5);
}

QString maalUrlopt(const uint8_t *data, size_t stoerrelse) {
    return tjekHeltalsopt(somBytes(data, stoerrelse), 2);
}

QString maalStruktur(const uint8_t *data, size_t stoerrelse) {
    sikrApplikation();
    const QByteArray bytes = somBytes(data, stoerrelse);
    const qsizetype skille = bytes.indexOf(kSkilleData);
    const QString mappe = arbejdsmappe();
    const QString strukturfil = mappe + QStringLiteral("/struktur.txt");
    const QString datafil = mappe + QStringLiteral("/data.txt");
    QFile::remove(datafil);
    // Without a data part the data file is missing, and the loader makes it.
    skrivRaa(strukturfil, skille < 0 ? bytes : bytes.left(skille));
    if (skille >= 0)
        skrivRaa(datafil, bytes.mid(skille + qsizetype(std::strlen(kSkilleData))));

    TStruktur t;
    t.setStrukturfile(strukturfil);
    t.setDatafile(datafil);
    t.setInfomappe(mappe + QStringLiteral("/tekstfiler/"));
    t.setDataOn(true);
    bool helt = true;
    try {
        if (!t.HentStruktur())
            return QStringLiteral("en eksisterende strukturfil blev ikke fundet");
    } catch (const AnkerFejl &f) {
        if (f.tekst().isEmpty())
            return QStringLiteral("en fejl uden tekst");
        helt = false;
    }
    const QList<QTreeWidgetItem *> noder = t.noder();
    if (noder.size() > afkodLinjer(skille < 0 ? bytes : bytes.left(skille)).linjer.size())
        return QStringLiteral("flere punkter end linjer");
    if (!helt)
        return {};
    for (const QTreeWidgetItem *n : noder) {
        const int b = TStruktur::billedIndeks(n);
        if (!TStruktur::harDatalinje(n) || b < 0 || b > 9)
            return QStringLiteral("et punkt uden gyldig datalinje efter en hel læsning");
    }
    // Each page is found by its file name: the first node in depth-first order with it.
    for (qsizetype i = 0; i < std::min<qsizetype>(noder.size(), 16); ++i) {
        const QString side = TStruktur::sidenavn(noder[i]);
        if (side.contains(kSep))
            continue;
        const QString tekst = t.getNodeTekst(t.sidefil(noder[i]));
        const QTreeWidgetItem *valgt = t.valgtNode();
        if (!valgt || TStruktur::sidenavn(valgt) != side || tekst != valgt->text(0))
            return QStringLiteral("siden \"%1\" blev ikke fundet").arg(side);
    }
    // Saved and loaded again, the tree is the same.
    const QStringList foer = beskrivTrae(t);
    if (!heleTegn(foer))
        return {};
    try {
        if (!t.GemStruktur())
            return QStringLiteral("træet blev ikke gemt");
        TStruktur igen;
        igen.setStrukturfile(strukturfil);
        igen.setDatafile(datafil);
        igen.setDataOn(true);
        if (!igen.HentStruktur())
            return QStringLiteral("den gemte strukturfil mangler");
        if (beskrivTrae(igen) != foer)
            return QStringLiteral("træet læses ikke ens tilbage: %1 blev %2")
                .arg(vis(foer), vis(beskrivTrae(igen)));
    } catch (const AnkerFejl &f) {
        return QStringLiteral("det gemte træ kunne ikke læses igen: %1").arg(f.tekst());
    }
    return {};
}

QString maalSoegning(const uint8_t *data, size_t stoerrelse) {
    const QByteArray bytes = somBytes(data, stoerrelse);
    const qsizetype lf = bytes.indexOf('\n');
    const QString ord = QString::fromUtf8(lf < 0 ? bytes : bytes.left(lf));
    const QByteArray side = lf < 0 ? QByteArray() : bytes.mid(lf + 1);
    const QString mappe = arbejdsmappe() + QStringLiteral("/soeg");
    QDir().mkpath(mappe);
    const QString sti = mappe + QStringLiteral("/side.html");
    skrivRaa(sti, side);
    const Tekstlaesning t = laesTekst(sti);
    if (!t.ok)
        return QStringLiteral("siden kunne ikke læses: %1").arg(t.fejl);
    return tjekSoegning(mappe, ord, t.tekst);
}

QString maalNavne(const uint8_t *data, size_t stoerrelse) {
    const QString navn = somTegn(data, stoerrelse);
    if (!ensUdenAZ(navn, navn))
        return QStringLiteral("et navn er ikke lig sig selv");
    QString smaa = navn;
    for (QChar &c : smaa)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    if (!ensUdenAZ(navn, smaa) || !ensUdenAZ(smaa, navn))
        return QStringLiteral("store og små A til Z skelnes");
    if (!gyldigtNavn(navn))
        return {};
    if (navn.isEmpty() || navn == u"." || navn == u".." || navn.contains(u'/') ||
        navn.contains(u'\\'))
        return QStringLiteral("\"%1\" godtaget som navn").arg(navn);
    for (const QChar c : navn)
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("et navn med et kontroltegn godtaget");
    const QString mappe = arbejdsmappe() + QStringLiteral("/navne");
    if (!QDir(mappe).exists()) {
        QDir().mkpath(mappe + QStringLiteral("/Sport"));
        QDir().mkpath(mappe + QStringLiteral("/NYHEDER"));
        skrivRaa(mappe + QStringLiteral("/Æble.txt"), {});
        skrivRaa(mappe + QStringLiteral("/.skjult"), {});
    }
    for (const QString &m : {mappe, mappe + kSep}) {
        const QString sti = kasseblindSti(m, navn);
        const QString rest = sti.mid(mappe.size() + 1);
        if (!sti.startsWith(mappe + kSep) || rest.contains(kSep) ||
            rest.compare(navn, Qt::CaseInsensitive) != 0)
            return QStringLiteral("\"%1\" fører ud af mappen: %2").arg(navn, sti);
    }
    return {};
}

QString maalAdresse(const uint8_t *data, size_t stoerrelse) {
    for (const QString &adresse : {somTegn(data, stoerrelse),
                                   QString::fromUtf8(reinterpret_cast<const char *>(data),
                                                     qsizetype(stoerrelse))}) {
        if (!gyldigAdresse(adresse))
            continue;
        if (adresse.isEmpty())
            return QStringLiteral("en tom adresse godtaget");
        for (const QChar c : adresse)
            if (c.category() == QChar::Other_Control)
                return QStringLiteral("en adresse med et kontroltegn godtaget");
        if (adresse.startsWith(u'/'))
            continue;
        const qsizetype kolon = adresse.indexOf(u':');
        if (kolon < 1 || kolon + 1 >= adresse.size())
            return QStringLiteral("\"%1\" godtaget uden skema og rest").arg(adresse);
    }
    return {};
}

QString maalKanal(const uint8_t *data, size_t stoerrelse) {
    const QByteArray linje = somBytes(data, stoerrelse);
    if (const std::optional<Kanallinje> l = laesLinje(linje)) {
        if (linje.size() >= kMaksLinje)
            return QStringLiteral("en linje over grænsen godtaget");
        if (linje.contains('\n') || linje.contains('\r'))
            return QStringLiteral("et linjeskift godtaget inde i linjen");
        // Encoded again, the line must read the same (when it still fits).
        const QByteArray igen = kodLinje(l->art, l->argument);
        const std::optional<Kanallinje> l2 = laesLinje(igen.chopped(1));
        if (igen.size() <= kMaksLinje && (!l2 || l2->art != l->art || l2->argument != l->argument))
            return QStringLiteral("linjen kodet igen læses anderledes");
    }
    if (const std::optional<Anmodning> a = fortolkAnmodning(linje)) {
        const std::optional<Anmodning> b = fortolkAnmodning(kodAnmodning(*a).chopped(1));
        if (!b || b->art != a->art || b->argument != a->argument)
            return QStringLiteral("anmodningen kodet igen læses anderledes");
    }
    return {};
}

namespace {
// What every reading must keep, whatever the bytes: folders after their parents, links in
// folders that exist; a plan of valid names and allowed addresses only; and the plan's
// groups, exported, read back to the same groups, names and addresses.
QString bogmaerkeregler(const Bogmaerkelaesning &l) {
    if (!l.ok)
        return l.fejl.isEmpty() ? QStringLiteral("afvist uden grund") : QString();
    const Bogmaerkesamling &s = l.samling;
    if (s.mapper.isEmpty() || s.mapper.at(0).foraelder != -1)
        return QStringLiteral("ingen rod");
    for (qsizetype i = 1; i < s.mapper.size(); ++i)
        if (s.mapper.at(i).foraelder < 0 || s.mapper.at(i).foraelder >= i)
            return QStringLiteral("en mappe før sin forælder");
    for (const Bogmaerke &b : s.links)
        if (b.mappe < 0 || b.mappe >= s.mapper.size())
            return QStringLiteral("et bogmærke i en mappe, der ikke findes");
    const Importplan plan = planlaegImport(s, {}, QLocale::c(), kReservedato, kReservetid);
    QList<Eksportgruppe> grupper;
    for (const Plangruppe &g : plan.grupper) {
        if (!gyldigtNytNavn(g.navn) || g.navn.toUtf8().size() > kMaksNavnBytes)
            return QStringLiteral("ugyldigt gruppenavn");
        grupper.append({g.navn, {}});
    }
    for (const Planelement &e : plan.elementer) {
        if (!gyldigtNytNavn(e.element.Navn) || e.element.Navn.toUtf8().size() > kMaksNavnBytes + 16)
            return QStringLiteral("ugyldigt elementnavn");
        if (!gyldigAdresse(e.element.Url) ||
            std::any_of(e.element.Url.begin(), e.element.Url.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
            return QStringLiteral("en adresse med kontroltegn godtaget");
        grupper[e.gruppe].elementer.append(e.element);
    }
    const Bogmaerkelaesning igen = laesBogmaerkeHtml(bogmaerkeHtml(grupper, QLocale::c(), kReservedato));
    if (!igen.ok)
        return QStringLiteral("eksporten kan ikke læses igen");
    QStringList ud, ind;
    for (const Eksportgruppe &g : grupper)
        for (const TWebRecord &e : g.elementer)
            ud << g.navn + u'|' + e.Navn + u'|' + e.Url;
    for (const Bogmaerke &b : igen.samling.links)
        ind << igen.samling.mapper.at(b.mappe).navn + u'|' + b.titel + u'|' + b.adresse;
    if (ud != ind)
        return QStringLiteral("eksporten læses anderledes igen");
    return {};
}
} // namespace

QString maalBogmaerkehtml(const uint8_t *data, size_t stoerrelse) {
    return bogmaerkeregler(laesBogmaerkeHtml(somBytes(data, stoerrelse)));
}

QString maalChromium(const uint8_t *data, size_t stoerrelse) {
    return bogmaerkeregler(laesChromiumBogmaerker(somBytes(data, stoerrelse)));
}

const QList<Fuzznavn> &alleFuzzmaal() {
    static const QList<Fuzznavn> alle = {
        {"element", maalElement},   {"elementfil", maalElementfil}, {"liste", maalListe},
        {"hovedopt", maalHovedopt}, {"adminopt", maalAdminopt},     {"infoopt", maalInfoopt},
        {"urlopt", maalUrlopt},     {"struktur", maalStruktur},     {"soegning", maalSoegning},
        {"navne", maalNavne},       {"adresse", maalAdresse},       {"kanal", maalKanal},
        {"bogmaerkehtml", maalBogmaerkehtml}, {"chromium", maalChromium},
    };
    return alle;
}
