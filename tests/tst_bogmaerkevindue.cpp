// The bookmark windows of the main window's menu: the sources found and added, the folder
// tree with its check boxes, the import with its summary, stop and undo, and the export.
#include "bogmaerker/htmlbogmaerker.h"
#include "bogmaerker/importplan.h"
#include "launcher/bogmaerkeform.h"
#include "launcher/eksportform.h"
#include "launcher/element.h"
#include "launcher/mainform.h"
#include "platform/modalsvar.h"
#include "testhjaelp.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {
// Outside any folder one link; "Arbejde" a link, a script and the folder "Værktøj"; an
// empty folder; and "Nyheder", a group the new user already has, with one address new
// to it and one it holds.
const QString kHtml = QStringLiteral(ANKERHUS_TESTDATA "/bogmaerker/vindue.html");

QString springTekst(int adresseart, int sammeAdresse) {
    return QStringLiteral(" Sprunget over: %1 (%2: %3; %4: %5).")
        .arg(adresseart + sammeAdresse)
        .arg(springgrundTekst(Springgrund::Adresseart))
        .arg(adresseart)
        .arg(springgrundTekst(Springgrund::SammeAdresse))
        .arg(sammeAdresse);
}

QTreeWidgetItem *mappe(QTreeWidget *trae, const QString &navn) {
    const QList<QTreeWidgetItem *> fundet = trae->findItems(navn, Qt::MatchExactly | Qt::MatchRecursive);
    return fundet.size() == 1 ? fundet.first() : nullptr;
}

// Every file and folder under `rod`, with the bytes of each file.
QMap<QString, QByteArray> indhold(const QString &rod) {
    QMap<QString, QByteArray> ud;
    const QStringList alle = [&] {
        QStringList l;
        QList<QString> koe{QString()};
        while (!koe.isEmpty()) {
            const QString under = koe.takeFirst();
            for (const QFileInfo &i : QDir(rod + u'/' + under).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
                const QString rel = under.isEmpty() ? i.fileName() : under + u'/' + i.fileName();
                l << rel;
                if (i.isDir())
                    koe << rel;
            }
        }
        return l;
    }();
    for (const QString &rel : alle)
        ud.insert(rel, QFileInfo(rod + u'/' + rel).isDir() ? QByteArray("<mappe>") : laesBytes(rod + u'/' + rel));
    return ud;
}
} // namespace

class TstBogmaerkevindue : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dialog_listsFoundProfileAndAddedFile_folderTreeWithCounts();
    void import_untickedFolderLeftOut_summaryCounts_groupsShownAtOnce();
    void fortryd_removesExactlyWhatTheImportMade();
    void cancel_keepsWhatWasWrittenWholeAndListed();
    void export_tickedGroupsOnly_toTheChosenFile();
    void keyboard_spaceUnticksFolder_enterImports();
    void noBrowserFound_saysSo_enterAtStartAddsAFile();
    void exportKeyboard_enterInListExportsTicked_untickedStayOut();
    void tab_reachesEveryControlInReadingOrder_data();
    void tab_reachesEveryControlInReadingOrder();
    void mnemonics_uniqueInEachWindow_labelsReachTheirLists_data();
    void mnemonics_uniqueInEachWindow_labelsReachTheirLists();
    void summaries_countOfOneTakesTheSingular_data();
    void summaries_countOfOneTakesTheSingular();

private:
    Testmiljoe *m = nullptr;
    QByteArray m_hjem;
    QString htmlFil() const { return kHtml; }
    QString samling() const { return m->bruger() + QStringLiteral("/Program"); }
    Tbogmaerkeform *aabnImport() {
        mainform->Importerbogmaerker1->trigger();
        Tbogmaerkeform *f = mainform->bogmaerkeform;
        return f && f->isVisible() ? f : nullptr;
    }
    // Opens the import window with the test's HTML file added and chosen.
    Tbogmaerkeform *medHtmlFil() {
        Tbogmaerkeform *f = aabnImport();
        if (!f)
            return nullptr;
        Modalsvar::forberedFil(htmlFil());
        QTest::mouseClick(f->tilfoejKnap, Qt::LeftButton);
        return f;
    }
    // The import window (with the file added when `medFil`) or the export window, active.
    QDialog *aktivtVindue(const QString &vindue, bool medFil) {
        QDialog *d = nullptr;
        if (vindue == u"import") {
            d = medFil ? static_cast<QDialog *>(medHtmlFil()) : aabnImport();
        } else {
            mainform->Eksporterbogmaerker1->trigger();
            d = mainform->eksportform;
        }
        if (!d || !d->isVisible())
            return nullptr;
        d->activateWindow();
        return QTest::qWaitForWindowActive(d) ? d : nullptr;
    }
};

void TstBogmaerkevindue::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    // The browsers' profiles are looked for in a home of the test's own.
    m_hjem = qgetenv("HOME");
    const QString hjem = m->mappe.path() + QStringLiteral("/hjem");
    QVERIFY(QDir().mkpath(hjem + QStringLiteral("/.config/chromium/Default")));
    QVERIFY(QFile::copy(QStringLiteral(ANKERHUS_TESTDATA "/bogmaerker/Bookmarks"),
                        hjem + QStringLiteral("/.config/chromium/Default/Bookmarks")));
    qputenv("HOME", hjem.toLocal8Bit());
    opretVinduer(m->miljoe);
    mainform->show();
}

void TstBogmaerkevindue::cleanup() {
    nedlaegVinduer();
    delete m;
    qputenv("HOME", m_hjem);
    Modalsvar::testtilstand(false);
}

void TstBogmaerkevindue::dialog_listsFoundProfileAndAddedFile_folderTreeWithCounts() {
    Tbogmaerkeform *f = aabnImport();
    QVERIFY(f);
    QCOMPARE(f->kildeListe->count(), 1);
    QCOMPARE(f->kildeListe->item(0)->text(), QStringLiteral("Chromium: Default"));
    QCOMPARE(f->kildeListe->currentRow(), 0);
    QVERIFY(f->mappeTrae->topLevelItemCount() > 0);

    // A file the user adds is listed and chosen; cancelling the file dialog adds nothing.
    QTest::mouseClick(f->tilfoejKnap, Qt::LeftButton);
    QCOMPARE(f->kildeListe->count(), 1);
    Modalsvar::forberedFil(htmlFil());
    QTest::mouseClick(f->tilfoejKnap, Qt::LeftButton);
    QCOMPARE(f->kildeListe->count(), 2);
    QCOMPARE(f->kildeListe->currentRow(), 1);
    QCOMPARE(f->kildeListe->item(1)->text(), QStringLiteral("vindue.html"));

    QTreeWidgetItem *arbejde = mappe(f->mappeTrae, QStringLiteral("Arbejde"));
    QTreeWidgetItem *vaerktoej = mappe(f->mappeTrae, QStringLiteral("Værktøj"));
    QTreeWidgetItem *tom = mappe(f->mappeTrae, QStringLiteral("Tom"));
    QVERIFY(arbejde && vaerktoej && tom);
    QCOMPARE(vaerktoej->parent(), arbejde);
    QCOMPARE(arbejde->text(1), QStringLiteral("2"));
    QCOMPARE(vaerktoej->text(1), QStringLiteral("1"));
    QCOMPARE(tom->text(1), QStringLiteral("0"));
    QCOMPARE(f->mappeTrae->topLevelItem(0)->text(1), QStringLiteral("1")); // outside any folder

    // A folder's subfolders follow it; a subfolder alone leaves its parent.
    arbejde->setCheckState(0, Qt::Unchecked);
    QCOMPARE(vaerktoej->checkState(0), Qt::Unchecked);
    vaerktoej->setCheckState(0, Qt::Checked);
    QCOMPARE(arbejde->checkState(0), Qt::Unchecked);
    QVERIFY(f->importerKnap->isEnabled());
    // Nothing ticked that holds a link: nothing to import.
    f->mappeTrae->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    vaerktoej->setCheckState(0, Qt::Unchecked);
    mappe(f->mappeTrae, QStringLiteral("Nyheder"))->setCheckState(0, Qt::Unchecked);
    QVERIFY(!f->importerKnap->isEnabled());

    // A file that cannot be read says why and offers nothing.
    const QString daarlig = m->mappe.path() + QStringLiteral("/daarlig.html");
    skrivBytes(daarlig, QByteArray(kStoersteBogmaerkefil + 1, 'x'));
    Modalsvar::forberedFil(daarlig);
    QTest::mouseClick(f->tilfoejKnap, Qt::LeftButton);
    QVERIFY(!f->kildeFejl->isHidden());
    QVERIFY(!f->kildeFejl->text().isEmpty());
    QCOMPARE(f->mappeTrae->topLevelItemCount(), 0);
    QVERIFY(!f->importerKnap->isEnabled());
}

void TstBogmaerkevindue::import_untickedFolderLeftOut_summaryCounts_groupsShownAtOnce() {
    Tbogmaerkeform *f = medHtmlFil();
    QVERIFY(f);
    mappe(f->mappeTrae, QStringLiteral("Værktøj"))->setCheckState(0, Qt::Unchecked);
    QTest::mouseClick(f->importerKnap, Qt::LeftButton);

    // Løs in Importeret, Arbejdsside in Arbejde, Ny into the Nyheder the user had.
    const QString forventet = QStringLiteral("Importeret: 3 elementer i 2 nye grupper.") + springTekst(1, 1);
    QCOMPARE(f->opsummering->text(), forventet);
    QCOMPARE(vistTekster().constLast(), forventet);
    const QStringList grupper = tekster(mainform->gruppeBoksen);
    QVERIFY(grupper.contains(QStringLiteral("Arbejde")));
    QVERIFY(grupper.contains(QStringLiteral("Importeret")));
    QVERIFY(!grupper.contains(QStringLiteral("Arbejde - Værktøj")));
    QVERIFY(!QFileInfo::exists(samling() + QStringLiteral("/Arbejde - Værktøj")));
    QCOMPARE(laesElementer(samling() + QStringLiteral("/Arbejde/")).size(), 1);
    QCOMPARE(laesElementer(samling() + QStringLiteral("/Nyheder/")).size(), 5);
    QVERIFY(f->fortrydKnap->isEnabled());
}

void TstBogmaerkevindue::fortryd_removesExactlyWhatTheImportMade() {
    const QMap<QString, QByteArray> foer = indhold(samling());
    const QStringList grupperFoer = tekster(mainform->gruppeBoksen);
    Tbogmaerkeform *f = medHtmlFil();
    QVERIFY(f);
    QVERIFY(!f->fortrydKnap->isEnabled());
    QTest::mouseClick(f->importerKnap, Qt::LeftButton);
    QVERIFY(indhold(samling()) != foer);

    // Answered "Nej", nothing goes.
    Modalsvar::forbered(2);
    QTest::mouseClick(f->fortrydKnap, Qt::LeftButton);
    QVERIFY(tekster(mainform->gruppeBoksen).contains(QStringLiteral("Arbejde - Værktøj")));

    Modalsvar::forbered(1);
    QTest::mouseClick(f->fortrydKnap, Qt::LeftButton);
    QCOMPARE(f->opsummering->text(), QStringLiteral("Fjernet: 4 elementer og 3 grupper."));
    QCOMPARE(indhold(samling()), foer);
    QCOMPARE(tekster(mainform->gruppeBoksen), grupperFoer);
    QVERIFY(!f->fortrydKnap->isEnabled());
}

void TstBogmaerkevindue::cancel_keepsWhatWasWrittenWholeAndListed() {
    Tbogmaerkeform *f = medHtmlFil();
    QVERIFY(f);
    QList<qsizetype> set;
    connect(f, &Tbogmaerkeform::fremskridt, f, [&](qsizetype gjort, qsizetype ialt) {
        set << gjort << ialt;
        QVERIFY(f->fremdrift->isVisible());
        QCOMPARE(f->fremdrift->value(), int(gjort));
        QVERIFY(!f->importerKnap->isEnabled());
        if (gjort == 1)
            QTest::mouseClick(f->afbrydKnap, Qt::LeftButton);
    });
    QTest::mouseClick(f->importerKnap, Qt::LeftButton);
    QCOMPARE(set, (QList<qsizetype>{1, 4}));
    QVERIFY2(f->opsummering->text().startsWith(QStringLiteral("Importeret: 1 element i 1 ny gruppe.")),
             qPrintable(f->opsummering->text()));
    QVERIFY(f->opsummering->text().endsWith(QStringLiteral("Importen blev afbrudt.")));
    QVERIFY(!f->fremdrift->isVisible());
    // The loose link came first: its group is listed, shown and whole; the rest never began.
    QVERIFY(tekster(mainform->gruppeBoksen).contains(QStringLiteral("Importeret")));
    QVERIFY(!tekster(mainform->gruppeBoksen).contains(QStringLiteral("Arbejde")));
    const TWebArray importeret = laesElementer(samling() + QStringLiteral("/Importeret/"));
    QCOMPARE(importeret.size(), 1);
    QCOMPARE(importeret.first().Url, QStringLiteral("https://løs.example/"));
    const QStringList filer = QDir(samling() + QStringLiteral("/Importeret")).entryList(QDir::Files);
    QCOMPARE(filer.size(), 1);
    QVERIFY(laesElement(samling() + QStringLiteral("/Importeret/") + filer.first()).helt);
    QVERIFY(f->fortrydKnap->isEnabled());
}

void TstBogmaerkevindue::export_tickedGroupsOnly_toTheChosenFile() {
    Tbogmaerkeform *f = medHtmlFil();
    QVERIFY(f);
    QTest::mouseClick(f->importerKnap, Qt::LeftButton);
    f->close();

    mainform->Eksporterbogmaerker1->trigger();
    Teksportform *e = mainform->eksportform;
    QVERIFY(e && e->isVisible());
    QListWidget *liste = e->gruppeListe;
    QStringList navne;
    for (int i = 0; i < liste->count(); ++i) {
        QCOMPARE(liste->item(i)->checkState(), Qt::Checked);
        navne << liste->item(i)->data(Qt::UserRole).toString();
        if (navne.last() != QStringLiteral("Arbejde") && navne.last() != QStringLiteral("Importeret"))
            liste->item(i)->setCheckState(Qt::Unchecked);
    }
    QVERIFY(navne.contains(QStringLiteral("Arbejde - Værktøj")));

    // A cancelled save dialog writes nothing.
    const QString fil = m->mappe.path() + QStringLiteral("/ud.html");
    QTest::mouseClick(e->eksporterKnap, Qt::LeftButton);
    QVERIFY(!QFileInfo::exists(fil));

    Modalsvar::forberedFil(fil);
    QTest::mouseClick(e->eksporterKnap, Qt::LeftButton);
    QCOMPARE(vistTekster().constLast(), QStringLiteral("Eksporteret: 2 elementer i 2 grupper til %1.").arg(fil));
    const Bogmaerkelaesning l = laesBogmaerkeHtmlFil(fil);
    QVERIFY(l.ok);
    QStringList mapper;
    for (qsizetype i = 1; i < l.samling.mapper.size(); ++i)
        mapper << l.samling.mapper.at(i).navn;
    mapper.sort();
    QCOMPARE(mapper, (QStringList{QStringLiteral("Arbejde"), QStringLiteral("Importeret")}));
    QCOMPARE(l.samling.links.size(), 2);

    // Nothing ticked: told, and no dialog asked.
    for (int i = 0; i < liste->count(); ++i)
        liste->item(i)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(e->eksporterKnap, Qt::LeftButton);
    QCOMPARE(vistTekster().constLast(), QStringLiteral("Vælg mindst én gruppe at eksportere."));
}

void TstBogmaerkevindue::keyboard_spaceUnticksFolder_enterImports() {
    auto *f = static_cast<Tbogmaerkeform *>(aktivtVindue(QStringLiteral("import"), true));
    QVERIFY(f);
    f->mappeTrae->setFocus();
    f->mappeTrae->setCurrentItem(mappe(f->mappeTrae, QStringLiteral("Arbejde")));
    QTest::keyClick(f->mappeTrae, Qt::Key_Space);
    QCOMPARE(mappe(f->mappeTrae, QStringLiteral("Værktøj"))->checkState(0), Qt::Unchecked);
    QTest::keyClick(f->mappeTrae, Qt::Key_Return);
    QCOMPARE(f->opsummering->text(),
             QStringLiteral("Importeret: 2 elementer i 1 ny gruppe. Sprunget over: 1 (%1: 1).")
                 .arg(springgrundTekst(Springgrund::SammeAdresse)));
    QVERIFY(!tekster(mainform->gruppeBoksen).contains(QStringLiteral("Arbejde")));
}

void TstBogmaerkevindue::noBrowserFound_saysSo_enterAtStartAddsAFile() {
    const QString tomt = m->mappe.path() + QStringLiteral("/tomt-hjem");
    QVERIFY(QDir().mkpath(tomt));
    qputenv("HOME", tomt.toLocal8Bit());
    Tbogmaerkeform *f = aabnImport();
    QVERIFY(f);
    QCOMPARE(f->kildeListe->count(), 0);
    QVERIFY(f->kildeFejl->isVisible());
    QVERIFY(f->kildeFejl->text().contains(QStringLiteral("Tilføj fil…")));
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f->tilfoejKnap));
    Modalsvar::forberedFil(htmlFil());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(f->kildeListe->count(), 1);
    QVERIFY(f->kildeFejl->isHidden());
    QVERIFY(f->mappeTrae->topLevelItemCount() > 0);
}

void TstBogmaerkevindue::exportKeyboard_enterInListExportsTicked_untickedStayOut() {
    skrivBytes(samling() + QStringLiteral("/webgruppe.txt"), crlf({QStringLiteral("Alfa"), QStringLiteral("Beta")}));
    skrivBytes(samling() + QStringLiteral("/Alfa/A.txt"), crlf({"https://a.example/", "A", "Dato", "XX:XX", "0", ""}));
    skrivBytes(samling() + QStringLiteral("/Beta/B.txt"), crlf({"https://b.example/", "B", "Dato", "XX:XX", "0", ""}));
    auto *e = static_cast<Teksportform *>(aktivtVindue(QStringLiteral("export"), false));
    QVERIFY(e);
    QListWidget *liste = e->gruppeListe;
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(liste)); // the window opens in the list
    liste->setCurrentRow(1);
    QTest::keyClick(liste, Qt::Key_Space); // "Beta" left out
    QCOMPARE(liste->item(1)->checkState(), Qt::Unchecked);
    const QString fil = m->mappe.path() + QStringLiteral("/tast.html");
    Modalsvar::forberedFil(fil);
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(liste->item(1)->checkState(), Qt::Unchecked);
    const Bogmaerkelaesning l = laesBogmaerkeHtmlFil(fil);
    QVERIFY(l.ok);
    QCOMPARE(l.samling.links.size(), 1);
    QCOMPARE(l.samling.links.first().adresse, QStringLiteral("https://a.example/"));
    QCOMPARE(vistTekster().constLast(), QStringLiteral("Eksporteret: 1 element i 1 gruppe til %1.").arg(fil));
}

void TstBogmaerkevindue::tab_reachesEveryControlInReadingOrder_data() {
    QTest::addColumn<QString>("vindue");
    QTest::addColumn<QStringList>("raekkefoelge"); // from the control focused at the start
    // "Fortryd" has nothing to take back yet and "Afbryd" shows only while importing.
    QTest::newRow("import") << "import"
                            << QStringList{"kildeListe", "tilfoejKnap", "mappeTrae", "importerKnap", "lukKnap"};
    QTest::newRow("export") << "export" << QStringList{"gruppeListe", "alleKnap", "eksporterKnap", "lukKnap"};
}

void TstBogmaerkevindue::tab_reachesEveryControlInReadingOrder() {
    QFETCH(QString, vindue);
    QFETCH(QStringList, raekkefoelge);
    // In the import window the browser profile found is chosen, its folders shown.
    QDialog *d = aktivtVindue(vindue, false);
    QVERIFY(d);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), raekkefoelge.first());
    QStringList naaet;
    for (qsizetype i = 0; i < raekkefoelge.size(); ++i) {
        naaet << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(naaet, raekkefoelge);
    QCOMPARE(QApplication::focusWidget()->objectName(), raekkefoelge.first()); // and round again
}

void TstBogmaerkevindue::mnemonics_uniqueInEachWindow_labelsReachTheirLists_data() {
    QTest::addColumn<QString>("vindue");
    QTest::addColumn<QString>("genvej"); // Alt and this letter
    QTest::addColumn<QString>("maal");   // the control that gets the focus
    QTest::newRow("import: sources") << "import" << "k" << "kildeListe";
    QTest::newRow("import: folders") << "import" << "m" << "mappeTrae";
    QTest::newRow("export: groups") << "export" << "g" << "gruppeListe";
}

void TstBogmaerkevindue::mnemonics_uniqueInEachWindow_labelsReachTheirLists() {
    QFETCH(QString, vindue);
    QFETCH(QString, genvej);
    QFETCH(QString, maal);
    QDialog *d = aktivtVindue(vindue, true);
    QVERIFY(d);
    // Every underlined letter of the window once only: a second one would only cycle.
    QStringList bogstaver;
    for (const QAbstractButton *k : d->findChildren<QAbstractButton *>())
        bogstaver << QKeySequence::mnemonic(k->text()).toString();
    for (const QLabel *l : d->findChildren<QLabel *>())
        if (l->buddy())
            bogstaver << QKeySequence::mnemonic(l->text()).toString();
    bogstaver.removeAll(QString());
    QCOMPARE(QSet<QString>(bogstaver.begin(), bogstaver.end()).size(), bogstaver.size());
    QVERIFY(bogstaver.contains(QKeySequence::mnemonic(u'&' + genvej).toString()));

    // From a button elsewhere, once the window manager has handed the window the focus.
    QWidget *luk = d->findChild<QWidget *>(QStringLiteral("lukKnap"));
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(d));
    luk->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), luk);
    QTest::keyClick(d, genvej.at(0).toLatin1(), Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), d->findChild<QWidget *>(maal));
}

void TstBogmaerkevindue::summaries_countOfOneTakesTheSingular_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("forventet");
    auto import = [](int elementer, int grupper) {
        Importresultat r;
        r.elementer = elementer;
        r.nyeGrupper = grupper;
        return importOpsummering(Importplan{}, r);
    };
    auto fortryd = [](int elementer, int grupper) {
        Fortrydresultat f;
        f.elementer = elementer;
        f.grupper = grupper;
        return fortrydOpsummering(f);
    };
    QTest::newRow("import, one") << import(1, 1) << "Importeret: 1 element i 1 ny gruppe.";
    QTest::newRow("import, none") << import(0, 0) << "Importeret: 0 elementer i 0 nye grupper.";
    QTest::newRow("import, many") << import(12, 3) << "Importeret: 12 elementer i 3 nye grupper.";
    QTest::newRow("undo, one") << fortryd(1, 1) << "Fjernet: 1 element og 1 gruppe.";
    QTest::newRow("undo, many") << fortryd(2, 0) << "Fjernet: 2 elementer og 0 grupper.";
    QTest::newRow("export, one") << eksportOpsummering(1, 1, "/a.html") << "Eksporteret: 1 element i 1 gruppe til /a.html.";
    QTest::newRow("export, many") << eksportOpsummering(5, 2, "/a.html") << "Eksporteret: 5 elementer i 2 grupper til /a.html.";
}

void TstBogmaerkevindue::summaries_countOfOneTakesTheSingular() {
    QFETCH(QString, tekst);
    QFETCH(QString, forventet);
    QCOMPARE(tekst, forventet);
}

QTEST_MAIN(TstBogmaerkevindue)
#include "tst_bogmaerkevindue.moc"
