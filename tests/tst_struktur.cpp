// The structure tree: its two files, editing, deleting, lookups and drag-moving.

#include "components/struktur.h"
#include "platform/fejl.h"
#include "testhjaelp.h"

#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A tree over files in a fresh folder, with data lines and a recording shell.
struct Fixtur {
    QTemporaryDir mappe;
    std::shared_ptr<OptagendeSkal> skal = std::make_shared<OptagendeSkal>();
    TStruktur t;

    Fixtur() {
        t.setStrukturfile(strukturfil());
        t.setDatafile(datafil());
        t.setInfomappe(mappe.path() + QStringLiteral("/tekstfiler/"));
        t.setDataOn(true);
        t.setSkal(skal);
    }
    QString strukturfil() const { return mappe.filePath(QStringLiteral("struktur.txt")); }
    QString datafil() const { return mappe.filePath(QStringLiteral("data.txt")); }
    QString side(const QString &navn) const {
        return t.Infomappe() + navn + QStringLiteral(".html");
    }

    // Loads a tree whose page names are the node texts and whose pictures are 0.
    void hent(const QStringList &struktur) {
        QStringList data;
        for (const QString &l : struktur)
            data << QStringLiteral("0") + l.trimmed();
        skrivBytes(strukturfil(), crlf(struktur));
        skrivBytes(datafil(), crlf(data));
        QVERIFY(t.HentStruktur());
    }
};

// The tree in depth-first order: TABs for depth, the text, and "=data line" if any.
QStringList beskriv(const TStruktur &t, bool medData = false) {
    QStringList ud;
    for (const QTreeWidgetItem *n : t.noder()) {
        int d = 0;
        for (const QTreeWidgetItem *p = n->parent(); p; p = p->parent())
            ++d;
        QString s = QString(d, u'\t') + n->text(0);
        if (medData && TStruktur::harDatalinje(n))
            s += u'=' + TStruktur::datalinje(n);
        ud << s;
    }
    return ud;
}

QTreeWidgetItem *node(const TStruktur &t, const QString &tekst) {
    for (QTreeWidgetItem *n : t.noder())
        if (n->text(0) == tekst)
            return n;
    return nullptr;
}

QByteArray medMaerke(Kodning k, const QString &tekst) {
    if (k == Kodning::Utf8)
        return QByteArray("\xEF\xBB\xBF") + tekst.toUtf8();
    QByteArray ud = k == Kodning::Utf16LE ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
    for (QChar c : tekst) {
        const char hoej = char(c.unicode() >> 8), lav = char(c.unicode() & 0xff);
        if (k == Kodning::Utf16LE)
            ud.append(lav).append(hoej);
        else
            ud.append(hoej).append(lav);
    }
    return ud;
}

const QStringList kTrae{"A", "\tA1", "\tA2", "\t\tA21", "B", "\tB1", "C"};
} // namespace

class TstStruktur : public QObject {
    Q_OBJECT
private slots:
    void hent_data();
    void hent();
    void hent_missingStructureFile_emptiesTree();
    void billeder_eachNodeShowsTheImageOfItsIndex();
    void hent_missingDataFile_createdFromNodeTexts();
    void gem_writesStructureInReadEncodingAndDataInAnsi_data();
    void gem_writesStructureInReadEncodingAndDataInAnsi();
    void gem_nodeWithoutDataLine_savedAsZero();
    void gem_emptyTree_givesEmptyFiles();
    void gem_refusedOrFailing_keepsModified();
    void gem_textWithBreaksAndLeadingBlanks_staysOneNodePerLine();
    void nyNode_placesByAttachMode_data();
    void nyNode_placesByAttachMode();
    void nyNode_emptyTreeEmptyTextAndWithoutData();
    void nyNode_sortAndSave_data();
    void nyNode_sortAndSave();
    void redigerNode_replacesSelectedOnly();
    void sletNode_trashesPagesOfNodeAndChildrenOnly_data();
    void sletNode_trashesPagesOfNodeAndChildrenOnly();
    void fileDeleteRB_missingFile_falseWithoutShell();
    void flyt_data();
    void flyt();
    void flyt_firstNodeNeverDragged_secondPressCancels();
    void opslag_data();
    void opslag();
    void opslag_withoutData_findsNothing();
    void valgtNode_dataFilnavnAndIndex();
};

// ---- Loading ----

void TstStruktur::hent_data() {
    QTest::addColumn<QByteArray>("struktur");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("fejl"); // empty: loads; "*": any error; else the exact text
    QTest::addColumn<QStringList>("noder");

    QTest::newRow("tabs") << crlf({"A", "\tB", "\tC", "D"}) << crlf({"3A", "0B", "1C", "2D"}) << ""
                          << QStringList{"A=3A", "\tB=0B", "\tC=1C", "D=2D"};
    QTest::newRow("spaces count as levels, up two levels")
        << crlf({"A", "\tB", "  C", " D", "\t\tE", "F"})
        << crlf({"0A", "0B", "0C", "0D", "0E", "0F"}) << ""
        << QStringList{"A=0A", "\tB=0B", "\t\tC=0C", "\tD=0D", "\t\tE=0E", "F=0F"};
    QTest::newRow("first line is a root whatever its indentation")
        << crlf({"\t\tA", "\tB"}) << crlf({"0A", "0B"}) << "" << QStringList{"A=0A", "\tB=0B"};
    QTest::newRow("trailing blanks belong to the text")
        << crlf({"A  ", "\tB\t"}) << crlf({"0A", "0B"}) << "" << QStringList{"A  =0A", "\tB\t=0B"};
    QTest::newRow("cr and lf line ends, last break adds no line")
        << QByteArray("A\r\tB\nC\n") << QByteArray("1a\n2b\r3c") << ""
        << QStringList{"A=1a", "\tB=2b", "C=3c"};
    QTest::newRow("utf8 and utf16le marks") << medMaerke(Kodning::Utf8, "Æble\r\n\tØl\r\n")
                                            << medMaerke(Kodning::Utf16LE, "0Æble\r\n5Øl\r\n") << ""
                                            << QStringList{"Æble=0Æble", "\tØl=5Øl"};
    QTest::newRow("ansi") << crlf({"Søg", "\tÅ"}) << crlf({"0Søg", "9Å"}) << ""
                          << QStringList{"Søg=0Søg", "\tÅ=9Å"};
    QTest::newRow("extra data lines ignored")
        << crlf({"A", "B"}) << crlf({"1A", "2B", "3C", "x"}) << "" << QStringList{"A=1A", "B=2B"};
    QTest::newRow("empty structure file with data file")
        << QByteArray() << crlf({"0A"}) << "" << QStringList{};
    QTest::newRow("empty structure file without data file")
        << QByteArray() << QByteArray("-") << "*" << QStringList{};
    QTest::newRow("hand-added node shifts the data, too few lines")
        << crlf({"A", "X", "B"}) << crlf({"1A", "2B"}) << "*" << QStringList{"A=1A", "X=2B", "B"};
    QTest::newRow("empty data line")
        << crlf({"A", "B", "C"}) << crlf({"1A", "", "3C"}) << "*" << QStringList{"A=1A", "B", "C"};
    QTest::newRow("data line without digit") << crlf({"A", "B", "C"}) << crlf({"1A", "xB", "3C"})
                                             << "*" << QStringList{"A=1A", "B", "C"};
    QTest::newRow("level error, tabs") << crlf({"A", "\t\tB", "C"}) << crlf({"0A", "0B", "0C"})
                                       << "Invalid level (2) for item \"B\"" << QStringList{"A"};
    QTest::newRow("level error, spaces, text keeps trailing blanks")
        << crlf({"A", "\tB", "    Dyb  ", "C"}) << crlf({"0A", "0B", "0C", "0D"})
        << "Invalid level (4) for item \"Dyb  \"" << QStringList{"A", "\tB"};
}

void TstStruktur::hent() {
    QFETCH(QByteArray, struktur);
    QFETCH(QByteArray, data);
    QFETCH(QString, fejl);
    QFETCH(QStringList, noder);
    Fixtur f;
    skrivBytes(f.strukturfil(), struktur);
    if (data != "-")
        skrivBytes(f.datafil(), data);
    // A tree from before the load is replaced.
    f.t.addTopLevelItem(new QTreeWidgetItem(QStringList{"gammel"}));
    f.t.setModified(true);

    if (fejl.isEmpty()) {
        QVERIFY(f.t.HentStruktur());
        QVERIFY(!f.t.Modified());
    } else {
        QString tekst;
        try {
            f.t.HentStruktur();
        } catch (const AnkerFejl &e) {
            tekst = e.tekst();
        }
        QVERIFY2(!tekst.isEmpty(), "no error raised");
        if (fejl != "*")
            QCOMPARE(tekst, fejl);
        QVERIFY(f.t.Modified());
    }
    QCOMPARE(beskriv(f.t, true), noder);
    for (const QTreeWidgetItem *n : f.t.noder()) {
        const int billede =
            TStruktur::harDatalinje(n) ? TStruktur::datalinje(n).at(0).digitValue() : -1;
        QCOMPARE(TStruktur::billedIndeks(n), billede);
    }
    if (data != "-")
        QCOMPARE(laesBytes(f.datafil()), data);
}

void TstStruktur::billeder_eachNodeShowsTheImageOfItsIndex() {
    auto farve = [](Qt::GlobalColor c) {
        QPixmap p(8, 8);
        p.fill(c);
        return QIcon(p);
    };
    auto vist = [](const QTreeWidgetItem *n) {
        const QIcon i = n->icon(0);
        return i.isNull() ? QColor() : i.pixmap(8, 8).toImage().pixelColor(4, 4);
    };
    Fixtur f;
    f.t.setBilleder({farve(Qt::red), farve(Qt::blue)});
    skrivBytes(f.strukturfil(), crlf({"A", "\tB", "C"}));
    skrivBytes(f.datafil(), crlf({"0A", "1B", "5C"}));
    QVERIFY(f.t.HentStruktur());
    QCOMPARE(vist(node(f.t, "A")), QColor(Qt::red));
    QCOMPARE(vist(node(f.t, "B")), QColor(Qt::blue));
    QCOMPARE(vist(node(f.t, "C")), QColor()); // no image with that index
    // A new list of images shows at once in the nodes already there.
    f.t.setBilleder({farve(Qt::green), farve(Qt::yellow)});
    QCOMPARE(vist(node(f.t, "A")), QColor(Qt::green));
    QCOMPARE(vist(node(f.t, "B")), QColor(Qt::yellow));
}

void TstStruktur::hent_missingStructureFile_emptiesTree() {
    Fixtur f;
    f.hent({"A", "\tB"});
    QFile::remove(f.strukturfil());
    QVERIFY(!f.t.HentStruktur());
    QCOMPARE(f.t.topLevelItemCount(), 0);
    QVERIFY(!QFileInfo::exists(f.strukturfil()));
}

void TstStruktur::hent_missingDataFile_createdFromNodeTexts() {
    Fixtur f;
    skrivBytes(f.strukturfil(), crlf({"Om", "\tSøg her", "Slut"}));
    QVERIFY(f.t.HentStruktur());
    QCOMPARE(laesBytes(f.datafil()), crlf({"0Om", "0Søg her", "0Slut"}));
    QCOMPARE(beskriv(f.t, true), (QStringList{"Om=0Om", "\tSøg her=0Søg her", "Slut=0Slut"}));
    for (const QTreeWidgetItem *n : f.t.noder())
        QCOMPARE(TStruktur::billedIndeks(n), 0);
    QCOMPARE(f.t.sidefil(node(f.t, "Søg her")), f.side("Søg her"));
}

// ---- Saving ----

void TstStruktur::gem_writesStructureInReadEncodingAndDataInAnsi_data() {
    QTest::addColumn<int>("kodning");
    QTest::newRow("ansi") << int(Kodning::Ansi);
    QTest::newRow("utf8") << int(Kodning::Utf8);
    QTest::newRow("utf16le") << int(Kodning::Utf16LE);
    QTest::newRow("utf16be") << int(Kodning::Utf16BE);
}

void TstStruktur::gem_writesStructureInReadEncodingAndDataInAnsi() {
    QFETCH(int, kodning);
    const Kodning k = Kodning(kodning);
    const QString struktur = QStringLiteral("Æble\r\n\tØl\r\n\t\tÅ\r\nB\r\n");
    const QByteArray strukturBytes =
        k == Kodning::Ansi ? crlf({"Æble", "\tØl", "\t\tÅ", "B"}) : medMaerke(k, struktur);
    Fixtur f;
    skrivBytes(f.strukturfil(), strukturBytes);
    skrivBytes(f.datafil(), medMaerke(Kodning::Utf8, "1Æble\r\n2Øl\r\n3Å\r\n4B\r\n"));
    QVERIFY(f.t.HentStruktur());
    QCOMPARE(int(f.t.strukturKodning()), kodning);
    f.t.setModified(true);

    QVERIFY(f.t.GemStruktur());
    QVERIFY(!f.t.Modified());
    QCOMPARE(laesBytes(f.strukturfil()), strukturBytes);
    QCOMPARE(laesBytes(f.datafil()), crlf({"1Æble", "2Øl", "3Å", "4B"}));
}

void TstStruktur::gem_nodeWithoutDataLine_savedAsZero() {
    Fixtur f;
    f.t.setDataOn(false);
    f.t.NyNode("Ærø", "x", 4, false, false);
    QVERIFY(!TStruktur::harDatalinje(node(f.t, "Ærø")));
    f.t.setDataOn(true);
    QVERIFY(f.t.GemStruktur());
    // Nothing read yet: the structure file is ANSI without a mark.
    QCOMPARE(laesBytes(f.strukturfil()), crlf({"Ærø"}));
    QCOMPARE(laesBytes(f.datafil()), crlf({"0"}));

    QVERIFY(f.t.HentStruktur());
    const QTreeWidgetItem *n = node(f.t, "Ærø");
    QCOMPARE(TStruktur::billedIndeks(n), 0);
    QCOMPARE(TStruktur::sidenavn(n), QString());
    QCOMPARE(f.t.sidefil(n), f.t.Infomappe() + ".html");
}

void TstStruktur::gem_emptyTree_givesEmptyFiles() {
    Fixtur f;
    skrivBytes(f.strukturfil(), medMaerke(Kodning::Utf8, "A\r\n"));
    skrivBytes(f.datafil(), crlf({"0A"}));
    QVERIFY(f.t.HentStruktur());
    f.t.setCurrentItem(node(f.t, "A"));
    f.t.SletNode();
    QVERIFY(f.t.GemStruktur());
    QCOMPARE(laesBytes(f.strukturfil()), QByteArray());
    QCOMPARE(laesBytes(f.datafil()), QByteArray());
    QVERIFY(QFileInfo::exists(f.strukturfil()));
}

void TstStruktur::gem_refusedOrFailing_keepsModified() {
    Fixtur f;
    f.hent({"A"});
    f.t.setModified(true);

    f.t.setDatafile(QString());
    QVERIFY(!f.t.GemStruktur());
    f.t.setDataOn(false);
    f.t.setStrukturfile(QString());
    QVERIFY(!f.t.GemStruktur());
    QVERIFY(f.t.Modified());

    // The data file is written first, so it is new even though the structure file fails.
    f.t.setDataOn(true);
    f.t.setDatafile(f.mappe.filePath("ny-data.txt"));
    f.t.setStrukturfile(f.mappe.filePath("mangler/struktur.txt"));
    QVERIFY_THROWS_EXCEPTION(AnkerFejl, f.t.GemStruktur());
    QVERIFY(f.t.Modified());
    QCOMPARE(laesBytes(f.mappe.filePath("ny-data.txt")), crlf({"0A"}));

    // A save asked for by NyNode that cannot happen leaves the change marked unsaved.
    f.t.setModified(false);
    f.t.setStrukturfile(QString());
    f.t.NyNode("B", "B", 0, false, true);
    QVERIFY(f.t.Modified());
}

void TstStruktur::gem_textWithBreaksAndLeadingBlanks_staysOneNodePerLine() {
    Fixtur f;
    f.hent({"A"});
    f.t.setFlytmode(naAddChild);
    f.t.NyNode("\t To\r\nlinjer", "side\nx", 2, false, true);
    f.t.NyNode("C", "C", 1, false, true);
    QCOMPARE(laesBytes(f.strukturfil()), crlf({"A", "\tTo linjer", "\tC"}));
    QCOMPARE(laesBytes(f.datafil()), crlf({"0A", "2side x", "1C"}));
    QVERIFY(f.t.HentStruktur());
    QCOMPARE(beskriv(f.t, true), (QStringList{"A=0A", "\tTo linjer=2side x", "\tC=1C"}));
}

// ---- Adding and editing ----

void TstStruktur::nyNode_placesByAttachMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("valgt"); // empty: nothing selected, the first node is the reference
    QTest::addColumn<QStringList>("efter");
    QTest::newRow("add") << int(naAdd) << "A1"
                         << QStringList{"A", "\tA1", "\tA2", "\t\tA21", "\tN", "B", "\tB1", "C"};
    QTest::newRow("add first") << int(naAddFirst) << "A21"
                               << QStringList{"A",       "\tA1", "\tA2", "\t\tN",
                                              "\t\tA21", "B",    "\tB1", "C"};
    QTest::newRow("add child") << int(naAddChild) << "A1"
                               << QStringList{"A",       "\tA1", "\t\tN", "\tA2",
                                              "\t\tA21", "B",    "\tB1",  "C"};
    QTest::newRow("add child first")
        << int(naAddChildFirst) << "A"
        << QStringList{"A", "\tN", "\tA1", "\tA2", "\t\tA21", "B", "\tB1", "C"};
    QTest::newRow("insert") << int(naInsert) << "B1"
                            << QStringList{"A", "\tA1", "\tA2", "\t\tA21", "B", "\tN", "\tB1", "C"};
    QTest::newRow("add, nothing selected")
        << int(naAdd) << "" << QStringList{"A", "\tA1", "\tA2", "\t\tA21", "B", "\tB1", "C", "N"};
    QTest::newRow("insert, nothing selected")
        << int(naInsert) << ""
        << QStringList{"N", "A", "\tA1", "\tA2", "\t\tA21", "B", "\tB1", "C"};
}

void TstStruktur::nyNode_placesByAttachMode() {
    QFETCH(int, mode);
    QFETCH(QString, valgt);
    QFETCH(QStringList, efter);
    Fixtur f;
    f.hent(kTrae);
    if (!valgt.isEmpty())
        f.t.setCurrentItem(node(f.t, valgt));
    f.t.setFlytmode(TNodeAttachMode(mode));
    const QByteArray gemt = laesBytes(f.strukturfil());

    f.t.NyNode("N", "side", 3, false, false);
    QCOMPARE(beskriv(f.t), efter);
    const QTreeWidgetItem *ny = node(f.t, "N");
    QCOMPARE(TStruktur::datalinje(ny), QString("3side"));
    QCOMPARE(TStruktur::billedIndeks(ny), 3);
    QVERIFY(!ny->isSelected());
    QCOMPARE(f.t.valgtNode(), valgt.isEmpty() ? nullptr : node(f.t, valgt));
    QVERIFY(f.t.Modified());
    QCOMPARE(laesBytes(f.strukturfil()), gemt);
}

void TstStruktur::nyNode_emptyTreeEmptyTextAndWithoutData() {
    Fixtur f;
    f.t.setFlytmode(naAddChild);
    f.t.NyNode("", "x", 1, false, false);
    QCOMPARE(f.t.topLevelItemCount(), 0);
    QVERIFY(!f.t.Modified());

    f.t.NyNode("Rod", "r", 1, false, false);
    QCOMPARE(beskriv(f.t, true), QStringList{"Rod=1r"});

    f.t.setDataOn(false);
    f.t.setCurrentItem(node(f.t, "Rod"));
    f.t.NyNode("Barn", "b", 5, false, false);
    QCOMPARE(beskriv(f.t, true), (QStringList{"Rod=1r", "\tBarn"}));
    QCOMPARE(TStruktur::billedIndeks(node(f.t, "Barn")), -1);
}

void TstStruktur::nyNode_sortAndSave_data() {
    QTest::addColumn<bool>("sorter");
    QTest::addColumn<bool>("gem");
    QTest::newRow("neither") << false << false;
    QTest::newRow("save") << false << true;
    QTest::newRow("sort") << true << false;
    QTest::newRow("sort and save: sorts only") << true << true;
}

void TstStruktur::nyNode_sortAndSave() {
    QFETCH(bool, sorter);
    QFETCH(bool, gem);
    // Danish order differs from code order in case and in the order of Æ and Å.
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    const auto tilbage = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    Fixtur f;
    f.hent({"M", "\tz", "\ty", "\t\tQ", "\t\tp", "\tÅ", "\tÆ", "k"});
    const QByteArray gemt = laesBytes(f.strukturfil());
    f.t.setCurrentItem(node(f.t, "y"));
    f.t.setFlytmode(naAdd);

    f.t.NyNode("a", "a", 0, sorter, gem);
    const QStringList usorteret{"M", "\tz", "\ty", "\t\tQ", "\t\tp", "\tÅ", "\tÆ", "\ta", "k"};
    const QStringList sorteret{"k", "M", "\ta", "\ty", "\t\tp", "\t\tQ", "\tz", "\tÆ", "\tÅ"};
    QCOMPARE(beskriv(f.t), sorter ? sorteret : usorteret);
    // Sorting keeps the selection on its node.
    QCOMPARE(f.t.valgtNode(), node(f.t, "y"));
    const bool gemtNu = gem && !sorter;
    QCOMPARE(f.t.Modified(), !gemtNu);
    if (gemtNu)
        QCOMPARE(laesBytes(f.strukturfil()), crlf(usorteret));
    else
        QCOMPARE(laesBytes(f.strukturfil()), gemt);
}

void TstStruktur::redigerNode_replacesSelectedOnly() {
    Fixtur f;
    f.hent({"A", "\tB", "C"});
    f.t.RedigerNode("X", "x", 1, false, false);
    QCOMPARE(beskriv(f.t, true), (QStringList{"A=0A", "\tB=0B", "C=0C"}));
    QVERIFY(!f.t.Modified());

    f.t.setCurrentItem(node(f.t, "B"));
    f.t.RedigerNode("", "x", 1, false, false);
    QVERIFY(!f.t.Modified());

    f.t.RedigerNode("Ny", "side", 7, false, true);
    QCOMPARE(beskriv(f.t, true), (QStringList{"A=0A", "\tNy=7side", "C=0C"}));
    QCOMPARE(TStruktur::billedIndeks(node(f.t, "Ny")), 7);
    QVERIFY(!f.t.Modified());
    QCOMPARE(laesBytes(f.datafil()), crlf({"0A", "7side", "0C"}));
}

// ---- Deleting ----

void TstStruktur::sletNode_trashesPagesOfNodeAndChildrenOnly_data() {
    QTest::addColumn<bool>("papirkurvVirker");
    QTest::newRow("trash works") << true;
    QTest::newRow("trash fails, nodes go anyway") << false;
}

void TstStruktur::sletNode_trashesPagesOfNodeAndChildrenOnly() {
    QFETCH(bool, papirkurvVirker);
    Fixtur f;
    f.hent({"A", "B", "\tB1", "\t\tB11", "\tB2", "\tB3", "C"});
    for (const char *n : {"A", "B", "B1", "B11", "B3", "C"})
        skrivBytes(f.side(n), "<html/>");
    f.skal->papirkurvVirker = papirkurvVirker;

    f.t.SletNode(); // nothing selected
    QCOMPARE(f.t.noder().size(), 7);
    QVERIFY(f.skal->kald.isEmpty());
    QVERIFY(!f.t.Modified());

    f.t.setCurrentItem(node(f.t, "B"));
    f.t.SletNode();
    // B2 has no page file, so no call for it; B11 is a grandchild and keeps its page.
    QCOMPARE(f.skal->kald, (QStringList{"papirkurv " + f.side("B1"), "papirkurv " + f.side("B3"),
                                        "papirkurv " + f.side("B")}));
    QCOMPARE(beskriv(f.t), (QStringList{"A", "C"}));
    QVERIFY(f.t.Modified());
    QVERIFY(QFileInfo::exists(f.side("B11")));
    QCOMPARE(QFileInfo::exists(f.side("B")), !papirkurvVirker);
}

void TstStruktur::fileDeleteRB_missingFile_falseWithoutShell() {
    Fixtur f;
    QVERIFY(!f.t.FileDeleteRB(f.side("mangler")));
    QVERIFY(f.skal->kald.isEmpty());
    skrivBytes(f.side("findes"), "x");
    f.skal->papirkurvVirker = false;
    QVERIFY(!f.t.FileDeleteRB(f.side("findes")));
    f.skal->papirkurvVirker = true;
    QVERIFY(f.t.FileDeleteRB(f.side("findes")));
    QCOMPARE(f.skal->kald.size(), 2);
}

// ---- Drag-move ----

void TstStruktur::flyt_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("somGrundnode");
    QTest::addColumn<QString>("fra");
    QTest::addColumn<QString>("til"); // empty: below the last node
    QTest::addColumn<QStringList>("efter");
    QTest::addColumn<bool>("modified");
    const QStringList uaendret = kTrae;
    QTest::newRow("add") << int(naAdd) << false << "B1"
                         << "A1" << QStringList{"A", "\tA1", "\tA2", "\t\tA21", "\tB1", "B", "C"}
                         << true;
    QTest::newRow("add first") << int(naAddFirst) << false << "C"
                               << "A21"
                               << QStringList{"A", "\tA1", "\tA2", "\t\tC", "\t\tA21", "B", "\tB1"}
                               << true;
    QTest::newRow("add child, with subtree")
        << int(naAddChild) << false << "B"
        << "A1" << QStringList{"A", "\tA1", "\t\tB", "\t\t\tB1", "\tA2", "\t\tA21", "C"} << true;
    QTest::newRow("add child first")
        << int(naAddChildFirst) << false << "C"
        << "A2" << QStringList{"A", "\tA1", "\tA2", "\t\tC", "\t\tA21", "B", "\tB1"} << true;
    QTest::newRow("insert, later sibling")
        << int(naInsert) << false << "A2"
        << "A1" << QStringList{"A", "\tA2", "\t\tA21", "\tA1", "B", "\tB1", "C"} << true;
    QTest::newRow("insert at a root")
        << int(naInsert) << false << "A21"
        << "C" << QStringList{"A", "\tA1", "\tA2", "B", "\tB1", "A21", "C"} << true;
    QTest::newRow("as root node") << int(naAddChild) << true << "B1"
                                  << "A21"
                                  << QStringList{"B1", "A", "\tA1", "\tA2", "\t\tA21", "B", "C"}
                                  << true;
    QTest::newRow("onto own child") << int(naAdd) << false << "A2"
                                    << "A21" << uaendret << true;
    QTest::newRow("as child of own child") << int(naAddChild) << false << "B"
                                           << "B1" << uaendret << true;
    QTest::newRow("onto itself") << int(naAddChild) << false << "B"
                                 << "B" << uaendret << false;
    QTest::newRow("onto empty area") << int(naAdd) << false << "B"
                                     << "" << uaendret << false;
}

void TstStruktur::flyt() {
    QFETCH(int, mode);
    QFETCH(bool, somGrundnode);
    QFETCH(QString, fra);
    QFETCH(QString, til);
    QFETCH(QStringList, efter);
    QFETCH(bool, modified);
    Fixtur f;
    f.hent(kTrae);
    f.t.resize(300, 400);
    f.t.expandAll();
    f.t.setFlytmode(TNodeAttachMode(mode));
    QTreeWidgetItem *flyttet = node(f.t, fra);
    f.t.setCurrentItem(flyttet);

    const QPoint ned = f.t.visualItemRect(flyttet).center();
    const QPoint op = til.isEmpty() ? QPoint(10, f.t.viewport()->height() - 2)
                                    : f.t.visualItemRect(node(f.t, til)).center();
    QVERIFY(til.isEmpty() ? !f.t.itemAt(op) : f.t.itemAt(op) == node(f.t, til));
    f.t.MusDown(ned.x(), ned.y());
    QVERIFY(f.t.flytVenter());
    QCOMPARE(f.t.cursor().shape(), Qt::PointingHandCursor);
    f.t.MusUp(op.x(), op.y(), somGrundnode);

    QVERIFY(!f.t.flytVenter());
    QCOMPARE(f.t.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(beskriv(f.t), efter);
    QCOMPARE(f.t.Modified(), modified);
    // The moved node keeps its selection and its expanded children; its parent opens.
    QCOMPARE(f.t.valgtNode(), flyttet);
    if (flyttet->childCount() > 0)
        QVERIFY(flyttet->isExpanded());
    if (flyttet->parent())
        QVERIFY(flyttet->parent()->isExpanded());
}

void TstStruktur::flyt_firstNodeNeverDragged_secondPressCancels() {
    Fixtur f;
    f.hent(kTrae);
    f.t.resize(300, 400);
    f.t.expandAll();
    const QPoint a = f.t.visualItemRect(node(f.t, "A")).center();
    const QPoint b = f.t.visualItemRect(node(f.t, "B")).center();
    const QPoint c = f.t.visualItemRect(node(f.t, "C")).center();

    f.t.MusDown(a.x(), a.y());
    QVERIFY(!f.t.flytVenter());
    QCOMPARE(f.t.cursor().shape(), Qt::ArrowCursor);
    f.t.MusUp(c.x(), c.y(), false);
    QCOMPARE(beskriv(f.t), kTrae);

    f.t.MusDown(b.x(), b.y());
    QVERIFY(f.t.flytVenter());
    f.t.MusDown(c.x(), c.y()); // a second press cancels
    QVERIFY(!f.t.flytVenter());
    QCOMPARE(f.t.cursor().shape(), Qt::ArrowCursor);
    f.t.MusUp(c.x(), c.y(), false);
    QCOMPARE(beskriv(f.t), kTrae);
    QVERIFY(!f.t.Modified());

    // A pending drag whose node is deleted is dropped with it.
    f.t.MusDown(b.x(), b.y());
    f.t.setCurrentItem(node(f.t, "B"));
    f.t.SletNode();
    QVERIFY(!f.t.flytVenter());
    f.t.MusUp(a.x(), a.y(), false);
    QCOMPARE(beskriv(f.t), (QStringList{"A", "\tA1", "\tA2", "\t\tA21", "C"}));
}

// ---- Lookups ----

void TstStruktur::opslag_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("tekst"); // empty: no match
    const QString mappe = "/hjem/tekstfiler/";
    QTest::newRow("page name, not node text") << mappe + "Om.html"
                                              << "Om os";
    QTest::newRow("case counts") << mappe + "om.html"
                                 << "om her";
    QTest::newRow("no node in other case") << mappe + "OM.html"
                                           << "";
    QTest::newRow("only the last extension goes") << "/hjem/mappe.d/a.b.html"
                                                  << "Punktum";
    QTest::newRow("dot in folder, none in name") << "/hjem/mappe.d/Om"
                                                 << "Om os";
    QTest::newRow("name alone") << "Om"
                                << "Om os";
    QTest::newRow("empty page name") << mappe + ".html"
                                     << "Tom";
    QTest::newRow("first in depth-first order") << mappe + "Dobbelt.html"
                                                << "Dobbelt 1";
    QTest::newRow("no match") << mappe + "Ukendt.html"
                              << "";
}

void TstStruktur::opslag() {
    QFETCH(QString, url);
    QFETCH(QString, tekst);
    Fixtur f;
    skrivBytes(f.strukturfil(), crlf({"Start", "\tOm os", "\tDobbelt 1", "\t\tom her", "Dobbelt 2",
                                      "Punktum", "Tom"}));
    skrivBytes(f.datafil(), crlf({"0Start", "1Om", "2Dobbelt", "3om", "4Dobbelt", "5a.b", "6"}));
    QVERIFY(f.t.HentStruktur());
    QTreeWidgetItem *maal = tekst.isEmpty() ? nullptr : node(f.t, tekst);
    f.t.setCurrentItem(node(f.t, "Start"));

    QCOMPARE(f.t.setSelected(url), maal != nullptr);
    QCOMPARE(f.t.valgtNode(), maal ? maal : node(f.t, "Start"));
    QVERIFY(!f.t.setSelected(url)); // already selected, or still no match

    f.t.setCurrentItem(node(f.t, "Start"));
    QCOMPARE(f.t.getNodeTekst(url), tekst);
    QCOMPARE(f.t.valgtNode(), maal ? maal : node(f.t, "Start"));
    QCOMPARE(f.t.getNodeTekst(url), tekst);
}

void TstStruktur::opslag_withoutData_findsNothing() {
    Fixtur f;
    f.hent({"Om", "\tSøg"});
    f.t.setDataOn(false);
    QCOMPARE(f.t.getNodeTekst("/x/Søg.html"), QString());
    QVERIFY(!f.t.setSelected("/x/Søg.html"));
    QCOMPARE(f.t.valgtNode(), nullptr);
    f.t.setCurrentItem(node(f.t, "Søg"));
    QCOMPARE(f.t.SelectedData(), QString());
}

void TstStruktur::valgtNode_dataFilnavnAndIndex() {
    Fixtur f;
    QCOMPARE(f.t.getTheSelectedIndex(), -1);
    f.hent(kTrae);
    QCOMPARE(f.t.getTheSelectedIndex(), -1);
    QCOMPARE(f.t.SelectedData(), QString());
    QCOMPARE(f.t.InfoFilnavn("txt"), QString());

    f.t.setCurrentItem(node(f.t, "A21"));
    QCOMPARE(f.t.getTheSelectedIndex(), 3);
    QCOMPARE(f.t.SelectedData(), QString("A21"));
    QCOMPARE(f.t.InfoFilnavn("txt"), f.t.Infomappe() + "/A2A21.txt");

    f.t.setCurrentItem(node(f.t, "C"));
    QCOMPARE(f.t.getTheSelectedIndex(), 6);
    QCOMPARE(f.t.InfoFilnavn("htm"), f.t.Infomappe() + "/C.htm");
    QCOMPARE(f.t.nodeForIndeks(6), node(f.t, "C"));
    QCOMPARE(f.t.nodeForIndeks(7), nullptr);
}

QTEST_MAIN(TstStruktur)
#include "tst_struktur.moc"
