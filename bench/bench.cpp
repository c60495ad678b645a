// Benchmarks: each figure is a ratio against a baseline measured in the same run, the
// median of at least seven runs after a warm-up, alternated. Prints one line per figure.
// The machine's other load shows in every figure: compare runs on a quiet machine.
// Arguments name the groups of figures to run, by their names' first word ("find" runs
// find_index and find_keystroke); without any, all of them run.

#include "bogmaerker/htmlbogmaerker.h"
#include "bogmaerker/import.h"
#include "bogmaerker/importplan.h"
#include "components/struktur.h"
#include "infoviewer/infoformen.h"
#include "launcher/Ankerhus.h"
#include "launcher/mainform.h"
#include "platform/besoegsformat.h"
#include "platform/modalsvar.h"
#include "platform/tekstfil.h"
#include "skaermmaaling.h"
#include "soeg/rangering.h"
#include "soeg/soegeindeks.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
constexpr int kKoersler = 7;

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

// Runs `maal` and `grundlag` alternately, one warm-up each, and gives the two medians.
QPair<double, double> maal(const std::function<double()> &maaling, const std::function<double()> &grundlag) {
    maaling();
    grundlag();
    QList<double> a, b;
    for (int i = 0; i < kKoersler; ++i) {
        a << maaling();
        b << grundlag();
    }
    // The raw medians go to standard error, for whoever tunes a figure.
    std::fprintf(stderr, "  %.3f ms against %.3f ms\n", median(a) / 1e6, median(b) / 1e6);
    return {median(a), median(b)};
}

double tid(const std::function<void()> &f) {
    QElapsedTimer t;
    t.start();
    f();
    return double(t.nsecsElapsed());
}

void linje(const char *navn, double ratio, double maal) {
    std::printf("%s ratio=%.2f target<=%s\n", navn, ratio, qPrintable(QString::number(maal)));
    std::fflush(stdout);
}

void skriv(const QString &sti, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(sti).absolutePath());
    QFile f(sti);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(sti));
    f.write(bytes);
}

QByteArray element(int i) {
    return QStringLiteral("https://www.eksempel.dk/side/%1\r\nElement %1\r\n09-12-2026\r\n14:35\r\n%1\r\n\r\n")
        .arg(i, 5, 10, QLatin1Char('0'))
        .toLatin1();
}

void lavGruppe(const QString &mappe, int antal) {
    for (int i = 0; i < antal; ++i)
        skriv(mappe + QStringLiteral("/Element %1.txt").arg(i, 5, 10, QLatin1Char('0')), element(i));
}

double laesAlle(const QString &mappe) {
    return tid([&] {
        for (const QString &n : QDir(mappe).entryList(QDir::Files)) {
            QFile f(mappe + QLatin1Char('/') + n);
            if (f.open(QIODevice::ReadOnly))
                f.readAll();
        }
    });
}

// The two find figures over 20,000 elements in 500 groups (100 of them stored): one
// keystroke's search against a plain loop of QString::contains over the names and
// addresses, and building the index against reading the files.
void findfigurer(const QString &rod) {
    const QString samling = rod + QStringLiteral("/Program");
    const QStringList ord{QStringLiteral("Nyheder"), QStringLiteral("Bank"), QStringLiteral("København"),
                          QStringLiteral("Café"), QStringLiteral("Skole"), QStringLiteral("Århus"),
                          QStringLiteral("Kort"), QStringLiteral("Vejret"), QStringLiteral("Øresund"),
                          QStringLiteral("Bibliotek"), QStringLiteral("Sundhed"), QStringLiteral("Rejser")};
    QStringList grupper, lager, navne, adresser, mapper;
    for (int g = 0; g < 500; ++g) {
        const QString gruppe = QStringLiteral("Gruppe %1 %2").arg(g, 3, 10, QLatin1Char('0')).arg(ord.at(g % ord.size()));
        (g < 400 ? grupper : lager) << gruppe;
        mapper << samling + u'/' + gruppe;
        QDir().mkpath(mapper.last());
        for (int i = 0; i < 40; ++i) {
            const int n = g * 40 + i;
            const QString navn = QStringLiteral("%1 %2 %3").arg(ord.at(n % ord.size()), ord.at((n / 7) % ord.size())).arg(n);
            const QString adresse = QStringLiteral("https://www.side%1.dk/%2").arg(n).arg(ord.at((n / 3) % ord.size()).toLower());
            navne << navn;
            adresser << adresse;
            TWebRecord e{adresse, navn, QStringLiteral("09-12-2026"), QStringLiteral("14:35"), n % 13, QString(), {}};
            e.filnavn = mapper.last() + u'/' + navn + QStringLiteral(".txt");
            skrivLinjer(e.filnavn, elementLinjer(e));
        }
    }
    skrivLinjer(samling + QStringLiteral("/webgruppe.txt"), grupper);
    skrivLinjer(samling + QStringLiteral("/webLager.txt"), lager);
    QDir().mkpath(rod + QStringLiteral("/Programmer"));

    Soegeindeks ix({samling, rod + QStringLiteral("/Programmer")}, Datolaeser{QLocale::c(), kReservedato});
    const auto indeks = maal([&] { return tid([&] { ix.bygAlt(); }); },
                             [&] {
                                 double t = 0;
                                 for (const QString &m : std::as_const(mapper))
                                     t += laesAlle(m);
                                 return t;
                             });
    linje("find_index", indeks.first / indeks.second, 1.5);

    // The third keystroke of "kø": the query has two letters, as the list shows most hits then.
    const QDate idag(2026, 12, 10);
    const QString q = QStringLiteral("kø");
    qsizetype fundet = 0, grundlag = 0;
    const auto tast = maal([&] { return tid([&] { fundet += findTraeffere(ix.poster(), q, idag).size(); }); },
                           [&] {
                               return tid([&] {
                                   for (qsizetype i = 0; i < navne.size(); ++i)
                                       grundlag += navne.at(i).contains(q, Qt::CaseInsensitive) ||
                                                   adresser.at(i).contains(q, Qt::CaseInsensitive);
                               });
                           });
    if (fundet == 0 || grundlag == 0 || ix.poster().size() != 20000)
        qFatal("the find figures found nothing");
    linje("find_keystroke", tast.first / tast.second, 2.0);
}

// The two start figures: the program as the user starts it, on a display of its own,
// against a plain window showing the same lists; the empty window is reported beside them.
void startfigurer(const QString &binmappe) {
    QTemporaryDir hjem;
    const QString bruger = qEnvironmentVariable("USER", QStringLiteral("root"));
    const QString rod = hjem.path() + QStringLiteral("/Ankerhusmappe/");
    QStringList grupper;
    for (int i = 0; i < 200; ++i)
        grupper << QStringLiteral("Gruppe %1").arg(i, 3, 10, QLatin1Char('0'));
    skrivLinjer(rod + bruger + QStringLiteral("/Program/webgruppe.txt"), grupper);
    QDir().mkpath(rod + bruger + QStringLiteral("/Programmer"));
    lavGruppe(rod + bruger + QStringLiteral("/Program/Gruppe 000"), 1000);
    QDir().mkpath(rod + bruger + QStringLiteral("/Egenskaber"));
    skrivLinjer(rod + bruger + QStringLiteral("/Egenskaber/main.txt"),
                {QStringLiteral("Sky"), QStringLiteral("120"), QStringLiteral("120"), QStringLiteral("595"),
                 QStringLiteral("380"), QStringLiteral("Gruppe 000"), QStringLiteral("Gruppe 000"), QString(),
                 QStringLiteral("0")});

    Skaerm skaerm;
    if (!skaerm.fejl().isEmpty()) {
        std::fprintf(stderr, "  no start figures: %s\n", qPrintable(skaerm.fejl()));
        return;
    }
    QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
    miljoe.insert(QStringLiteral("HOME"), hjem.path());
    const QString program = binmappe + QStringLiteral("/../ankerhus");
    const QString grundlag = binmappe + QStringLiteral("/ankerhus-bench-grundlag");
    struct Kandidat {
        QString program;
        QStringList argumenter;
        QList<double> ms, kb;
    };
    Kandidat kandidater[] = {{program, {}, {}, {}}, {grundlag, {}, {}, {}}, {grundlag, {QStringLiteral("tom")}, {}, {}}};
    // A start lasts tens of milliseconds and the machine's other load shows in each one:
    // twice the usual rounds. The first round warms the caches and is not counted.
    for (int i = -1; i < 2 * kKoersler + 1; ++i)
        for (Kandidat &k : kandidater) {
            const Startmaaling m = skaerm.maal(k.program, k.argumenter, miljoe);
            if (!m.ok) {
                std::fprintf(stderr, "  no first drawing from %s\n", qPrintable(k.program));
                return;
            }
            if (i >= 0) {
                k.ms << m.ns / 1e6;
                k.kb << m.kb;
            }
        }
    const auto &[a, b, tom] = kandidater;
    std::fprintf(stderr,
                 "  first paint %.1f ms, plain window with the lists %.1f ms, empty window %.1f ms;\n"
                 "  peak memory %.0f kB, %.0f kB, %.0f kB\n",
                 median(a.ms), median(b.ms), median(tom.ms), median(a.kb), median(b.kb), median(tom.kb));
    linje("startup", median(a.ms) / median(b.ms), 1.3);
    linje("startup_rss", median(a.kb) / median(b.kb), 1.3);
}
} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Only the figure groups named, by the first word of their figures' names; none: all.
    const QStringList grupper{QStringLiteral("startup"), QStringLiteral("find"),   QStringLiteral("load"),
                              QStringLiteral("launch"),  QStringLiteral("search"), QStringLiteral("tree"),
                              QStringLiteral("bookmark")};
    const QStringList valgte = app.arguments().mid(1);
    for (const QString &g : valgte) {
        if (!grupper.contains(g)) {
            std::fprintf(stderr, "ankerhus-bench: no figure group \"%s\"; the groups: %s\n", qPrintable(g),
                         qPrintable(grupper.join(u' ')));
            return 2;
        }
    }
    auto med = [&](const char *gruppe) { return valgte.isEmpty() || valgte.contains(QLatin1String(gruppe)); };

    if (med("startup"))
        startfigurer(QCoreApplication::applicationDirPath());
    if (med("find")) {
        QTemporaryDir findrod;
        findfigurer(findrod.path());
    }
    // The rest measure the program's windows.
    if (!med("load") && !med("launch") && !med("search") && !med("tree") && !med("bookmark"))
        return 0;

    QTemporaryDir d;
    Modalsvar::testtilstand(true); // no box may wait for a user here
    Miljoe m;
    m.dataRod = d.path() + QStringLiteral("/Ankerhusmappe");
    m.brugernavn = QStringLiteral("bench");
    m.ur = [] { return QDateTime::currentDateTime(); };
    m.lokalitet = QLocale::system();
    m.datoFormat = besoegsformater(m.lokalitet).dato;
    m.tidFormat = besoegsformater(m.lokalitet).tid;
    m.skal = std::make_shared<StilleSkal>();
    opretVinduer(m);
    const QString program = m.dataRod + QStringLiteral("/bench/Program/");
    lavGruppe(program + QStringLiteral("Stor"), 5000);
    lavGruppe(program + QStringLiteral("Lille"), 500);

    if (med("load")) {
        auto indlaes = [&](const QString &gruppe) {
            return [&, gruppe] {
                mainform->gruppenavn = gruppe;
                return tid([] { mainform->loadGruppefil(); });
            };
        };
        const auto stor =
            maal(indlaes(QStringLiteral("Stor")), [&] { return laesAlle(program + QStringLiteral("Stor")); });
        linje("load_group", stor.first / stor.second, 3.0);
        // Per element, the large group against the small one loaded ten times: each sample
        // then holds 5,000 elements, and the two alternate, so the machine's load weighs alike.
        const auto lille = indlaes(QStringLiteral("Lille"));
        const auto skala = maal(indlaes(QStringLiteral("Stor")), [&] {
            double ns = 0;
            for (int i = 0; i < 10; ++i)
                ns += lille();
            return ns;
        });
        linje("load_scaling", skala.first / skala.second, 1.3);

    }
    if (med("launch")) {
        mainform->gruppenavn = QStringLiteral("Lille");
        mainform->loadGruppefil();
        const QString seksLinjer = d.path() + QStringLiteral("/seks.txt");
        const auto brug = maal([] { return tid([] { mainform->registrerBrug(7); }); },
                               [&] {
                                   return tid([&] {
                                       QSaveFile f(seksLinjer);
                                       f.open(QIODevice::WriteOnly);
                                       f.write(element(7));
                                       f.commit();
                                   });
                               });
        linje("launch", brug.first / brug.second, 1.5);

    }
    if (med("search")) {
        // 2,000 pages of about 20 KB; the word stands in one page in ten.
        const QString sider = d.path() + QStringLiteral("/sider");
        QByteArray fyld;
        while (fyld.size() < 20000)
            fyld += "Ankerhus gemmer grupper og elementer i små tekstfiler under hjemmemappen. ";
        QStringList filer;
        for (int i = 0; i < 2000; ++i) {
            const QString sti = sider + QStringLiteral("/side%1.html").arg(i, 4, 10, QLatin1Char('0'));
            skriv(sti, "<html><body><p>" + fyld + (i % 10 == 0 ? "Fyrtårn" : "fyrtaarnet") + "</p></body></html>");
            filer << sti;
        }
        infoformen->Mappe = sider;
        const auto soeg = maal([] { return tid([] { infoformen->FindTekst(QStringLiteral("fyrtårn")); }); },
                               [&] {
                                   return tid([&] {
                                       QProcess grep;
                                       grep.start(QStringLiteral("grep"),
                                                  QStringList{QStringLiteral("-l"), QStringLiteral("-i"), QStringLiteral("-w"),
                                                              QStringLiteral("-F"), QStringLiteral("--"),
                                                              QStringLiteral("fyrtårn")} + filer);
                                       grep.waitForFinished(60000);
                                   });
                               });
        linje("search", soeg.first / soeg.second, 1.5);

    }
    if (med("tree")) {
        // A tree of 10,000 nodes: 100 roots of 99 children each.
        const QString trae = d.path() + QStringLiteral("/trae/");
        QStringList struktur, data;
        for (int r = 0; r < 100; ++r) {
            struktur << QStringLiteral("Emne %1").arg(r);
            data << QStringLiteral("0Emne %1").arg(r);
            for (int b = 0; b < 99; ++b) {
                struktur << QStringLiteral("\tSide %1-%2").arg(r).arg(b);
                data << QStringLiteral("0Side %1-%2").arg(r).arg(b);
            }
        }
        QDir().mkpath(trae);
        skrivLinjer(trae + QStringLiteral("struktur.txt"), struktur);
        skrivLinjer(trae + QStringLiteral("data.txt"), data);
        TStruktur t;
        t.setDataOn(true);
        t.setStrukturfile(trae + QStringLiteral("struktur.txt"));
        t.setDatafile(trae + QStringLiteral("data.txt"));
        t.setInfomappe(trae);
        // The floor for a tree of widget items: a plain QTreeWidget refilled with the same
        // nodes, from the names in memory.
        QTreeWidget gulv;
        const auto hent = maal([&] { return tid([&] { t.HentStruktur(); }); },
                               [&] {
                                   return tid([&] {
                                       gulv.clear();
                                       QList<QTreeWidgetItem *> roedder;
                                       for (const QString &s : std::as_const(struktur)) {
                                           if (!s.startsWith(u'\t'))
                                               roedder << new QTreeWidgetItem(QStringList{s});
                                           else
                                               new QTreeWidgetItem(roedder.last(), QStringList{s.mid(1)});
                                       }
                                       gulv.addTopLevelItems(roedder);
                                   });
                               });
        linje("tree_load", hent.first / hent.second, 1.5);

        const QString sidste = QStringLiteral("Side 99-98");
        constexpr int gentag = 200;
        const auto slaa = maal([&] {
            return tid([&] {
                for (int i = 0; i < gentag; ++i) {
                    t.clearSelection();
                    t.getNodeTekst(sidste);
                }
            });
        },
                               [&] {
                                   return tid([&] {
                                       int fundet = 0;
                                       for (int i = 0; i < gentag; ++i)
                                           for (const QString &s : std::as_const(struktur))
                                               fundet += (s == sidste);
                                       if (fundet < 0)
                                           std::puts("");
                                   });
                               });
        linje("tree_lookup", slaa.first / slaa.second, 3.0);

    }
    if (med("bookmark")) {
        // Importing 10,000 bookmarks in 100 folders from an HTML file, against writing the same
        // 10,000 element files in 100 folders with the program's own safe write.
        const QString bogmaerkefil = d.path() + QStringLiteral("/bogmaerker.html");
        {
            QByteArray b = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n<DL><p>\n";
            for (int g = 0; g < 100; ++g) {
                b += "<DT><H3>Mappe " + QByteArray::number(g) + "</H3>\n<DL><p>\n";
                for (int i = 0; i < 100; ++i) {
                    const QByteArray nr = QByteArray::number(g * 100 + i);
                    b += "<DT><A HREF=\"https://www.eksempel.dk/side/" + nr +
                         "\" ADD_DATE=\"1700000000\" LAST_VISIT=\"1700003600\">Side " + nr + "</A>\n";
                }
                b += "</DL><p>\n";
            }
            skriv(bogmaerkefil, b + "</DL><p>\n");
        }
        int runde = 0;
        const auto import = maal(
            [&] {
                const QString samling = d.path() + QStringLiteral("/import%1/").arg(runde);
                QDir().mkpath(samling);
                const double t = tid([&] {
                    const Bogmaerkelaesning l = laesBogmaerkeHtmlFil(bogmaerkefil);
                    const Importplan plan = planlaegImport(l.samling, laesEksisterendeGrupper(samling), m.lokalitet,
                                                           m.datoFormat, m.tidFormat);
                    if (udfoerImport(samling, plan, samling + QStringLiteral("fortryd.txt")).elementer != 10000)
                        qFatal("the import did not write 10000 elements");
                });
                QDir(samling).removeRecursively();
                return t;
            },
            [&] {
                const QString samling = d.path() + QStringLiteral("/skriv%1/").arg(runde++);
                const double t = tid([&] {
                    for (int g = 0; g < 100; ++g) {
                        const QString mappe = samling + QStringLiteral("Mappe %1").arg(g);
                        QDir().mkpath(mappe);
                        for (int i = 0; i < 100; ++i) {
                            TWebRecord e;
                            e.Url = QStringLiteral("https://www.eksempel.dk/side/%1").arg(g * 100 + i);
                            e.Navn = QStringLiteral("Side %1").arg(g * 100 + i);
                            e.dato = kIngenDato;
                            e.klokken = kIngenKlokke;
                            e.filnavn = mappe + QStringLiteral("/%1.txt").arg(e.Navn);
                            skrivLinjer(e.filnavn, elementLinjer(e));
                        }
                    }
                });
                QDir(samling).removeRecursively();
                return t;
            });
        linje("bookmark_import", import.first / import.second, 1.5);

    }
    nedlaegVinduer();
    return 0;
}
