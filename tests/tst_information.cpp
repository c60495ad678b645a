// The information window: options, topics, the address box, the visited pages, the
// search, the editor and the link under the mouse; with a recording browser.

#include "components/struktur.h"
#include "infoviewer/infoformen.h"
#include "infoviewer/soegning.h"
#include "infoviewer/urlform1.h"
#include "launcher/fejltekster.h"
#include "launcher/mainform.h"
#include "components/handling.h"
#include "platform/modalsvar.h"
#include "platform/tekstfil.h"
#include "testhjaelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStatusBar>
#include <QScreen>
#include <QTest>

class TstInformation : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstShowing_writesDefaultOptionsAndOpensInformation();
    void options_readAtFirstShowing();
    void urlWindow_largerThanScreen_fitsAndKeepsFile();
    void goToInfo_matchesTopics_data();
    void goToInfo_matchesTopics();
    void f1_opensAnkerhus();
    void addressBox_opensPageOrSearch_data();
    void addressBox_opensPageOrSearch();
    void addressBox_pageShownOpenedAgain_showsItsName();
    void stepActions_enabledRules_data();
    void stepActions_enabledRules();
    void urlLister_recordsEachPageOnce();
    void urlLister_outsideAndDottedPagesShareTheEmptyName();
    void steps_openEntryWithoutRecordingIt();
    void urlList_cleaning_data();
    void urlList_cleaning();
    void urlList_emptying_disablesSteps();
    void search_wholeWords_data();
    void search_wholeWords();
    void search_messagesAndMissingFolder();
    void searchHits_arrowsAndEnter_openAsClick_data();
    void searchHits_arrowsAndEnter_openAsClick();
    void urlLists_keyboardMove_keepsBothOnOneRow_data();
    void urlLists_keyboardMove_keepsBothOnOneRow();
    void structureTree_clicks_keepSelectionAndOpenOnLeftOnly_data();
    void structureTree_clicks_keepSelectionAndOpenOnLeftOnly();
    void search_danglingLink_skippedAndLaterPagesSearched();
    void editor_startsWithPageOrTells();
    void mouseOver_showsLinkTargets_data();
    void mouseOver_showsLinkTargets();
    void carriedPages_everyLocalLinkLeadsToAPage();

private:
    Testmiljoe *m = nullptr;
    QString infomappe() const { return m->rod() + "/Struktur/Ankerhusinfo/"; }
    // A small structure of its own: Information, Grupper (twice), Om, v1.2 and Østen.
    void egenStruktur() {
        skrivBytes(infomappe() + "struktur.txt",
                   crlf({"Information", "\tGrupper", "\tOm", "\t\tGrupper", "\tv1.2", "\tØsten"}));
        skrivBytes(infomappe() + "data.txt", crlf({"1Information", "0Grupper", "0Om", "0Grupper2", "0v1.2", "0Østen"}));
        infoformen->LoadStruktur();
    }
    QString valgt() const {
        return infoformen->Struktur->currentItem() ? infoformen->Struktur->currentItem()->text(0) : QString();
    }
};

void TstInformation::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe);
}

void TstInformation::cleanup() {
    nedlaegVinduer();
    delete m;
    Modalsvar::testtilstand(false);
}

void TstInformation::firstShowing_writesDefaultOptionsAndOpensInformation() {
    QCOMPARE(infoformen->antalLabel->text(), QString::number(infoformen->Struktur->noder().size()));
    mainform->Information("Grupper");
    QVERIFY(m->browser);
    // The test screen (800 x 800) is narrower and lower than the default place: the window
    // is moved left and up and shrunk to the screen's height, and the file keeps the
    // default place.
    const QRect skaerm = infoformen->screen()->availableGeometry();
    QVERIFY(skaerm.width() < 52 + 753 && skaerm.height() < 52 + 968);
    const int venstre = skaerm.left() + skaerm.width() - 753;
    QCOMPARE(QRect(infoformen->pos(), infoformen->size()), QRect(venstre, skaerm.top(), 753, skaerm.height()));
    QCOMPARE(infoformen->leftPanel->width(), 195);
    const QString optfil = m->bruger() + "/Egenskaber/information.txt";
    const QStringList standard{"52", "52", "753", "968", "195"};
    QCOMPARE(laesLinjer(optfil).linjer, standard);
    // First "Information" (the first showing), then the topic asked for.
    QCOMPARE(m->browser->besoegt, (QStringList{infomappe() + "tekstfiler/Information.html",
                                               infomappe() + "tekstfiler/Grupper.html"}));
    QCOMPARE(valgt(), QString("Grupper"));
    infoformen->close();
    QCOMPARE(laesLinjer(optfil).linjer, standard);
    infoformen->show();
    infoformen->resize(760, 550);
    infoformen->close();
    QCOMPARE(laesLinjer(optfil).linjer.first(4), (QStringList{QString::number(skaerm.top()), QString::number(venstre), "760", "550"}));
}

void TstInformation::options_readAtFirstShowing() {
    skrivBytes(m->bruger() + "/Egenskaber/information.txt", crlf({"10", "20", "770", "550", "250"}));
    mainform->Information("Ankerhus");
    QCOMPARE(infoformen->pos(), QPoint(20, 10));
    QCOMPARE(infoformen->size(), QSize(770, 550));
    QCOMPARE(infoformen->leftPanel->width(), 250);
}

// A stored size larger than the screen: the list opens shrunk onto the screen, and its
// file keeps the stored size until the user sizes the window.
void TstInformation::urlWindow_largerThanScreen_fitsAndKeepsFile() {
    const QString optfil = m->bruger() + "/Egenskaber/urlboks1.txt";
    skrivBytes(optfil, crlf({"1000", "900"}));
    urlform1->hentOpt();
    mainform->show();
    const QRect skaerm = mainform->screen()->availableGeometry();
    QVERIFY(skaerm.width() < 1000 && skaerm.height() < 900);
    for (int gang = 0; gang < 2; ++gang) {
        urlform1->show();
        QCOMPARE(QRect(urlform1->pos(), urlform1->size()), skaerm);
        urlform1->close();
        QCOMPARE(laesBytes(optfil), crlf({"1000", "900"}));
    }
    urlform1->show();
    urlform1->resize(400, 300);
    urlform1->close();
    QCOMPARE(laesBytes(optfil), crlf({"400", "300"}));
}

void TstInformation::goToInfo_matchesTopics_data() {
    QTest::addColumn<QString>("emne");
    QTest::addColumn<bool>("fundet");
    QTest::addColumn<QString>("side"); // the page file opened last
    QTest::newRow("exact") << "Om" << true << "Om";
    QTest::newRow("A to Z folded") << "gRUPPER" << true << "Grupper";
    QTest::newRow("first of duplicates") << "Grupper" << true << "Grupper";
    QTest::newRow("Æ Ø Å must match") << "østen" << false << "Information";
    QTest::newRow("Æ Ø Å exact") << "Østen" << true << "Østen";
    QTest::newRow("empty opens the first") << "" << true << "Information";
    QTest::newRow("unknown") << "Findes ikke" << false << "Information";
}

void TstInformation::goToInfo_matchesTopics() {
    QFETCH(QString, emne);
    QFETCH(bool, fundet);
    QFETCH(QString, side);
    egenStruktur();
    infoformen->show();
    QCOMPARE(infoformen->goToInfo(emne), fundet);
    QCOMPARE(m->browser->besoegt.last(), infomappe() + "tekstfiler/" + side + ".html");
    if (fundet && !emne.isEmpty())
        QCOMPARE(valgt().toLower(), emne.toLower());
}

void TstInformation::f1_opensAnkerhus() {
    mainform->show();
    QVERIFY(mainform->actionInfo->Execute());
    QVERIFY(infoformen->isVisible());
    QCOMPARE(m->browser->besoegt.last(), infomappe() + "tekstfiler/Ankerhus.html");
    QCOMPARE(valgt(), QString("Ankerhus"));
}

void TstInformation::addressBox_opensPageOrSearch_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("adresse");
    QTest::newRow("page file") << "Grupper.html" << "FIL";
    QTest::newRow("two words") << "to ord" << "https://www.google.com/search?q=to ord";
    QTest::newRow("not a file here") << "Grupper" << "https://www.google.com/search?q=Grupper";
}

void TstInformation::addressBox_opensPageOrSearch() {
    QFETCH(QString, tekst);
    QFETCH(QString, adresse);
    infoformen->show();
    infoformen->Edit->setText(tekst);
    QTest::keyClick(infoformen->Edit, Qt::Key_Return);
    QCOMPARE(m->browser->besoegt.last(), adresse == u"FIL" ? infomappe() + "tekstfiler/" + tekst : adresse);
    infoformen->Edit->clear();
    QVERIFY(!infoformen->Ago_->Execute());
}

void TstInformation::addressBox_pageShownOpenedAgain_showsItsName() {
    mainform->Information("Grupper");
    const QString side = infomappe() + "tekstfiler/Grupper.html";
    QCOMPARE(m->browser->besoegt.last(), side);
    m->browser->lokation = "Grupper.html";
    emit m->browser->TitleChange("Grupper");
    emit m->browser->DocumentComplete();
    QCOMPARE(infoformen->Edit->text(), QString("Grupper.html"));
    for (int gang = 1; gang <= 2; ++gang) {
        infoformen->Edit->setText("skrevet, ikke sendt");
        const qsizetype foer = m->browser->besoegt.size();
        mainform->Information("Grupper");
        QCOMPARE(m->browser->besoegt.mid(foer), QStringList{side});
        // The same page loads again with the same title: the engine reports no title change.
        emit m->browser->DocumentComplete();
        QCOMPARE(infoformen->Edit->text(), QString("Grupper.html"));
    }
    QCOMPARE(urlform1->antal(), 1);
}

void TstInformation::stepActions_enabledRules_data() {
    QTest::addColumn<int>("antal");
    QTest::addColumn<int>("indeks");
    QTest::addColumn<QString>("aktive"); // F first, B back, N forward, L last
    QTest::newRow("empty") << 0 << 0 << "";
    QTest::newRow("one entry") << 1 << 0 << "";
    QTest::newRow("at the first of three") << 3 << 0 << "NL";
    QTest::newRow("in the middle") << 3 << 1 << "FBNL";
    QTest::newRow("at the last") << 3 << 2 << "FB";
    QTest::newRow("emptied") << 0 << -1 << "";
}

void TstInformation::stepActions_enabledRules() {
    QFETCH(int, antal);
    QFETCH(int, indeks);
    QFETCH(QString, aktive);
    for (int i = 0; i < antal; ++i)
        urlform1->tilfoej(QString("Side %1").arg(i), "Ankerhusinfo.txt");
    infoformen->urlIndex = indeks;
    QString fundet;
    const QList<QPair<QChar, Handling *>> h{{'F', infoformen->Afirst}, {'B', infoformen->Aback},
                                            {'N', infoformen->Aforward}, {'L', infoformen->Alast}};
    for (const auto &[b, a] : h) {
        a->Update();
        if (a->isEnabled())
            fundet += b;
    }
    QCOMPARE(fundet, aktive);
}

void TstInformation::urlLister_recordsEachPageOnce() {
    for (const char *side : {"Information.html", "Grupper.html", "Information.html"}) {
        infoformen->UrlLister(side);
    }
    QCOMPARE(urlform1->antal(), 2);
    QCOMPARE(urlform1->sidenavn(0), QString("Information"));
    QCOMPARE(urlform1->sidenavn(1), QString("Grupper"));
    QCOMPARE(urlform1->strukturnavn(1), QString("Ankerhusinfo.txt"));
    QCOMPARE(infoformen->urlIndex, 0);
    QCOMPARE(urlform1->urlListe->currentRow(), 0);
    QCOMPARE(urlform1->strukturliste->currentRow(), 0);
    QCOMPARE(infoformen->hjemmeside, infomappe() + "tekstfiler/Information.html");
    QCOMPARE(valgt(), QString("Information")); // the tree follows the pages
    // The same name twice in a row is recorded once.
    infoformen->UrlLister("INFORMATION.html");
    QCOMPARE(urlform1->antal(), 2);
}

void TstInformation::urlLister_outsideAndDottedPagesShareTheEmptyName() {
    egenStruktur();
    infoformen->UrlLister("Om.html");
    infoformen->UrlLister("Nyheder fra | \"DR\" <forside>");
    infoformen->UrlLister("https://example.org/side");
    infoformen->UrlLister("v1.2.html");
    QCOMPARE(urlform1->antal(), 2);
    QCOMPARE(urlform1->sidenavn(1), QString());
    QCOMPARE(infoformen->urlIndex, 1);
}

void TstInformation::steps_openEntryWithoutRecordingIt() {
    mainform->Information("Information");
    for (const char *side : {"Information.html", "Grupper.html", "Ankerhus.html"})
        infoformen->UrlLister(side);
    QCOMPARE(infoformen->urlIndex, 2);
    QVERIFY(infoformen->Afirst->Execute());
    QCOMPARE(m->browser->besoegt.last(), infomappe() + "tekstfiler/Information.html");
    QVERIFY(infoformen->naviKlikket);
    infoformen->UrlLister("Information.html");
    QVERIFY(!infoformen->naviKlikket);
    QCOMPARE(infoformen->urlIndex, 0);
    QCOMPARE(urlform1->antal(), 3);
    QVERIFY(infoformen->Aforward->Execute());
    QCOMPARE(m->browser->besoegt.last(), infomappe() + "tekstfiler/Grupper.html");
    // A double click in the list opens its row.
    infoformen->UrlLister("Grupper.html");
    urlform1->urlListe->setCurrentRow(2);
    emit urlform1->urlListe->itemDoubleClicked(urlform1->urlListe->item(2));
    QCOMPARE(infoformen->urlIndex, 2);
    QCOMPARE(m->browser->besoegt.last(), infomappe() + "tekstfiler/Ankerhus.html");
}

void TstInformation::urlList_cleaning_data() {
    QTest::addColumn<QStringList>("sider");
    QTest::addColumn<int>("aktuel");
    QTest::addColumn<QStringList>("tilbage");
    QTest::addColumn<int>("nyAktuel");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("none") << QStringList{"A", "B"} << 1 << QStringList{"A", "B"} << 1 << "Der var ingen dobbeltgængere";
    QTest::newRow("one, case of ø") << QStringList{"Østen", "Om", "østen"} << 2 << QStringList{"Østen", "Om"} << 0
                                    << "Der blev slettet 1 dobbeltgænger";
    QTest::newRow("three") << QStringList{"A", "a", "B", "A", "b"} << 2 << QStringList{"A", "B"} << 1
                           << "Der blev slettet 3 dobbeltgængere";
}

void TstInformation::urlList_cleaning() {
    QFETCH(QStringList, sider);
    QFETCH(int, aktuel);
    QFETCH(QStringList, tilbage);
    QFETCH(int, nyAktuel);
    QFETCH(QString, tekst);
    for (const QString &s : sider)
        urlform1->tilfoej(s, "Ankerhusinfo.txt");
    infoformen->urlIndex = aktuel;
    QVERIFY(urlform1->ArensDobbelt->Execute());
    QStringList fundet;
    for (int i = 0; i < urlform1->antal(); ++i)
        fundet << urlform1->sidenavn(i);
    QCOMPARE(fundet, tilbage);
    QCOMPARE(urlform1->strukturliste->count(), int(tilbage.size()));
    QCOMPARE(infoformen->urlIndex, nyAktuel);
    QCOMPARE(urlform1->infoBar->currentMessage(), tekst);
    QCOMPARE(urlform1->urlListe->selectedItems().size(), 0);
}

void TstInformation::urlList_emptying_disablesSteps() {
    for (const char *side : {"Information.html", "Grupper.html"})
        infoformen->UrlLister(side);
    QVERIFY(urlform1->AsletAlle->Execute());
    QCOMPARE(urlform1->antal(), 0);
    QCOMPARE(infoformen->urlIndex, -1);
    for (Handling *h : {infoformen->Afirst, infoformen->Aback, infoformen->Aforward, infoformen->Alast}) {
        h->Update();
        QVERIFY(!h->isEnabled());
    }
    infoformen->UrlLister("Ankerhus.html");
    QCOMPARE(infoformen->urlIndex, 0);
}

void TstInformation::search_wholeWords_data() {
    QTest::addColumn<QString>("ord");
    QTest::addColumn<QStringList>("fundet");
    QTest::newRow("whole word, any case") << "side" << QStringList{"a", "a", "c"};
    QTest::newRow("inside a tag") << "klasse" << QStringList{"b"};
    QTest::newRow("text file listed by its name") << "noter" << QStringList{"notes"};
    QTest::newRow("danish letters folded") << "ØL" << QStringList{"c"};
    QTest::newRow("nothing") << "intet" << QStringList{};
}

void TstInformation::search_wholeWords() {
    QFETCH(QString, ord);
    QFETCH(QStringList, fundet);
    QTemporaryDir d;
    skrivBytes(d.filePath("a.html"), "<p>Denne Side er god</p>");
    skrivBytes(d.filePath("a.htm"), "en side.");
    skrivBytes(d.filePath("b.html"), "<p class=\"klasse\">sider og hjemmeside</p>");
    skrivBytes(d.filePath("c.html"), QByteArray("\xEF\xBB\xBF") + QString("side, øl!").toUtf8());
    skrivBytes(d.filePath("notes.txt"), "mine noter");
    skrivBytes(d.filePath("Design og funktioner/d.html"), "side klasse noter øl");
    QCOMPARE(findDokumenter(d.path(), ord).navne, fundet);
}

void TstInformation::search_messagesAndMissingFolder() {
    infoformen->show();
    infoformen->FindTekst("gruppe");
    QVERIFY(infoformen->Findis->count() > 0);
    const int foer = infoformen->Findis->count();
    QVERIFY(QDir(infoformen->Mappe).rename(infoformen->Mappe, infoformen->Mappe + "-væk"));
    infoformen->FindTekst("gruppe");
    QCOMPARE(infoformen->Findis->count(), foer);
    QVERIFY(QDir().rename(infoformen->Mappe + "-væk", infoformen->Mappe));
    infoformen->FindTekst("");
    QCOMPARE(infoformen->Findis->count(), 0);
    QStringList tekster;
    for (const auto &v : Modalsvar::vist())
        tekster << v.tekst;
    QCOMPARE(tekster, (QStringList{"Filerne blev ikke fundet.", "Der mangler en søgetekst."}));
    // A chosen hit opens its page, always as .html.
    infoformen->EditFind->setText("noter");
    skrivBytes(infoformen->Mappe + "/notes.txt", "noter");
    QTest::keyClick(infoformen->EditFind, Qt::Key_Return);
    infoformen->Findis->setCurrentRow(infoformen->Findis->count() - 1);
    infoformen->FindisClick();
    QCOMPARE(m->browser->besoegt.last(), infomappe() + "tekstfiler/notes.html");
}

void TstInformation::searchHits_arrowsAndEnter_openAsClick_data() {
    QTest::addColumn<int>("tast");
    QTest::addColumn<int>("modifikator");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void TstInformation::searchHits_arrowsAndEnter_openAsClick() {
    QFETCH(int, tast);
    QFETCH(int, modifikator);
    const QString sider = infomappe() + "tekstfiler/";
    skrivBytes(sider + "Alfa.html", "<p>zyxord</p>");
    skrivBytes(sider + "Beta.html", "<p>zyxord</p>");
    mainform->Information("Information");
    infoformen->FindTekst("zyxord");
    QCOMPARE(tekster(infoformen->Findis), (QStringList{"Alfa", "Beta"}));
    infoformen->Findis->setFocus();
    infoformen->Findis->setCurrentRow(0);
    const qsizetype foer = m->browser->besoegt.size();
    QTest::keyClick(infoformen->Findis, Qt::Key_Down);
    QCOMPARE(m->browser->besoegt.mid(foer), QStringList{sider + "Beta.html"});
    QTest::keyClick(infoformen->Findis, Qt::Key_Up);
    QCOMPARE(m->browser->besoegt.mid(foer), (QStringList{sider + "Beta.html", sider + "Alfa.html"}));
    QTest::keyClick(infoformen->Findis, Qt::Key(tast), Qt::KeyboardModifiers(modifikator));
    QCOMPARE(m->browser->besoegt.mid(foer),
             (QStringList{sider + "Beta.html", sider + "Alfa.html", sider + "Alfa.html"}));
}

void TstInformation::urlLists_keyboardMove_keepsBothOnOneRow_data() {
    QTest::addColumn<QString>("liste");
    QTest::addColumn<int>("tast");
    QTest::addColumn<int>("fra");
    QTest::addColumn<int>("til");
    QTest::newRow("pages, down") << "urlListe" << int(Qt::Key_Down) << 0 << 1;
    QTest::newRow("pages, end") << "urlListe" << int(Qt::Key_End) << 0 << 2;
    QTest::newRow("structures, up") << "strukturliste" << int(Qt::Key_Up) << 2 << 1;
    QTest::newRow("structures, home") << "strukturliste" << int(Qt::Key_Home) << 2 << 0;
}

void TstInformation::urlLists_keyboardMove_keepsBothOnOneRow() {
    QFETCH(QString, liste);
    QFETCH(int, tast);
    QFETCH(int, fra);
    QFETCH(int, til);
    for (const char *side : {"Information", "Grupper", "Om"})
        urlform1->tilfoej(side, "Ankerhusinfo.txt");
    urlform1->show();
    urlform1->vaelgRaekke(fra);
    auto *l = urlform1->findChild<QListWidget *>(liste);
    l->setFocus();
    QTest::keyClick(l, Qt::Key(tast));
    QCOMPARE(l->currentRow(), til);
    QCOMPARE(urlform1->urlListe->currentRow(), til);
    QCOMPARE(urlform1->strukturliste->currentRow(), til);
    QCOMPARE(urlform1->urlListe->selectedItems(), QList<QListWidgetItem *>{urlform1->urlListe->item(til)});
    QCOMPARE(urlform1->strukturliste->selectedItems(),
             QList<QListWidgetItem *>{urlform1->strukturliste->item(til)});
}

void TstInformation::structureTree_clicks_keepSelectionAndOpenOnLeftOnly_data() {
    QTest::addColumn<QString>("hvor"); // "tom" is the area below the nodes
    QTest::addColumn<int>("knap");
    QTest::addColumn<int>("modifikator");
    QTest::addColumn<QString>("valgtEfter");
    QTest::addColumn<QStringList>("aabnet");
    const QStringList om{"Om"}, grupper{"Grupper"};
    QTest::newRow("left on empty area") << "tom" << int(Qt::LeftButton) << int(Qt::NoModifier) << "Om" << om;
    QTest::newRow("ctrl+left on the selected") << "Om" << int(Qt::LeftButton) << int(Qt::ControlModifier) << "Om" << om;
    QTest::newRow("left on the selected") << "Om" << int(Qt::LeftButton) << int(Qt::NoModifier) << "Om" << om;
    QTest::newRow("left on another") << "Grupper" << int(Qt::LeftButton) << int(Qt::NoModifier) << "Grupper"
                                     << grupper;
    QTest::newRow("right on another") << "Grupper" << int(Qt::RightButton) << int(Qt::NoModifier) << "Om"
                                      << QStringList();
    QTest::newRow("right on empty area") << "tom" << int(Qt::RightButton) << int(Qt::NoModifier) << "Om"
                                         << QStringList();
}

void TstInformation::structureTree_clicks_keepSelectionAndOpenOnLeftOnly() {
    QFETCH(QString, hvor);
    QFETCH(int, knap);
    QFETCH(int, modifikator);
    QFETCH(QString, valgtEfter);
    QFETCH(QStringList, aabnet);
    egenStruktur();
    mainform->Information("Om");
    TStruktur *t = infoformen->Struktur;
    t->expandAll();
    QCOMPARE(valgt(), QString("Om"));
    QPoint sted(t->viewport()->width() / 2, t->viewport()->height() - 4);
    if (hvor != u"tom") {
        const QList<QTreeWidgetItem *> noder = t->findItems(hvor, Qt::MatchExactly | Qt::MatchRecursive);
        sted = t->visualItemRect(noder.first()).center();
    } else {
        QVERIFY(!t->itemAt(sted));
    }
    const qsizetype foer = m->browser->besoegt.size();
    QTest::mouseClick(t->viewport(), Qt::MouseButton(knap), Qt::KeyboardModifiers(modifikator), sted);
    QCoreApplication::processEvents(); // the page opens after the click is done
    QCOMPARE(valgt(), valgtEfter);
    QVERIFY(t->currentItem()->isSelected());
    QStringList sider;
    for (const QString &s : aabnet)
        sider << infomappe() + "tekstfiler/" + s + ".html";
    QCOMPARE(m->browser->besoegt.mid(foer), sider);
}

void TstInformation::search_danglingLink_skippedAndLaterPagesSearched() {
    QTemporaryDir d;
    skrivBytes(d.filePath("a.html"), "en side");
    QVERIFY(QFile::link(d.filePath("findes-ikke.html"), d.filePath("b.html")));
    QVERIFY(QFile::link(d.filePath("c.html"), d.filePath("c.html"))); // a link to itself
    skrivBytes(d.filePath("d.html"), "side to");
    const Soegeresultat r = findDokumenter(d.path(), "side");
    QCOMPARE(r.navne, (QStringList{"a", "d"}));
    QVERIFY(!r.afbrudt);
}

void TstInformation::editor_startsWithPageOrTells() {
    infoformen->show();
    infoformen->htmlProgram.clear();
    infoformen->runFilname(infoformen->hjemmeside);
    infoformen->htmlProgram = "/usr/bin/redigering";
    infoformen->runFilname(infoformen->Mappe + "/findes-ikke.html");
    QVERIFY(m->skal->kald.isEmpty());
    infoformen->runFilname(infoformen->hjemmeside);
    QCOMPARE(m->skal->kald, QStringList{"start /usr/bin/redigering " + infoformen->hjemmeside});
    m->skal->svar = 31;
    infoformen->runFilname(infoformen->hjemmeside);
    const auto vist = Modalsvar::vist();
    QCOMPARE(vist.size(), 2);
    QCOMPARE(vist[0].tekst, QString("Der blev ikke fundet forslag til indføring af program.\rInstaller eventuelt Tekstvev."));
    QCOMPARE(vist[1].slags, QString("Fejlinformation"));
    QCOMPARE(vist[1].tekst, fejltekst(31, true));
}

void TstInformation::mouseOver_showsLinkTargets_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("href");
    QTest::addColumn<QString>("foraelder");
    QTest::addColumn<QString>("foraelderHref");
    QTest::addColumn<QString>("vist");
    QTest::newRow("link") << "A" << "https://dr.dk/" << "P" << "" << "https://dr.dk/";
    QTest::newRow("image in a link") << "IMG" << "" << "A" << "file:///x/Om.html" << "file:///x/Om.html";
    QTest::newRow("image outside a link") << "IMG" << "" << "DIV" << "" << "";
    QTest::newRow("span in a link") << "SPAN" << "" << "A" << "https://dr.dk/" << "";
    QTest::newRow("link without scheme") << "A" << "side.html" << "P" << "" << "";
    QTest::newRow("plain text") << "P" << "" << "BODY" << "" << "";
}

void TstInformation::mouseOver_showsLinkTargets() {
    QFETCH(QString, tag);
    QFETCH(QString, href);
    QFETCH(QString, foraelder);
    QFETCH(QString, foraelderHref);
    QFETCH(QString, vist);
    infoformen->show();
    infoformen->globalUrl = "gammel";
    infoformen->htmlDoc = false; // between a navigation's start and its document
    infoformen->Document_OnMouseOver({tag, href, foraelder, foraelderHref});
    QCOMPARE(infoformen->globalUrl, QString("gammel"));
    infoformen->htmlDoc = true;
    infoformen->Document_OnMouseOver({tag, href, foraelder, foraelderHref});
    QCOMPARE(infoformen->globalUrl, vist);
    QCOMPARE(infoformen->infobar->currentMessage(), vist);
    QCOMPARE(m->browser->nytVindue(), vist); // a new window opens the hovered link here
}

// The pages a new user gets: a link to another page names a page that is there.
void TstInformation::carriedPages_everyLocalLinkLeadsToAPage() {
    const QString mappe = infomappe() + "tekstfiler/";
    const QStringList sider = QDir(mappe).entryList({"*.html"}, QDir::Files);
    QVERIFY(sider.size() >= 10);
    static const QRegularExpression link(QStringLiteral("href=\"([^\":#]+\\.html)[\"#]"));
    QStringList brudte;
    int antal = 0;
    for (const QString &side : sider) {
        const Tekstlaesning t = laesTekst(mappe + side);
        QVERIFY(t.ok);
        for (auto it = link.globalMatch(t.tekst); it.hasNext();) {
            const QString maal = QUrl::fromPercentEncoding(it.next().captured(1).toUtf8());
            ++antal;
            if (!QFileInfo(mappe + maal).isFile())
                brudte << side + " -> " + maal;
        }
    }
    QVERIFY(antal > sider.size());
    QVERIFY2(brudte.isEmpty(), qPrintable(brudte.join(u'\n')));
}

QTEST_MAIN(TstInformation)
#include "tst_information.moc"
