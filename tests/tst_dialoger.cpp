// The message and question dialogs: sizing, answers, emptying; the style manager.

#include "components/geometri.h"
#include "components/infform.h"
#include "components/spform.h"
#include "platform/modalsvar.h"
#include "platform/stil.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TstDialoger : public QObject {
    Q_OBJECT
private slots:
    void init() { Modalsvar::testtilstand(false); }
    void sizing_heightIsTextPlus80_data();
    void sizing_heightIsTextPlus80();
    void showModal_answers_data();
    void showModal_answers();
    void messageDialog_escDoesNothingEnterPressesOk();
    void textIsEmptiedOnClose();
    void preparedAnswers_areRecordedAndUsedInOrder();
    void styles_listedSortedAndEachLooksDifferent();
    void style_unknownName_reportsAndKeepsCurrent();
    void fitToScreen_movesThenShrinks_data();
    void fitToScreen_movesThenShrinks();
};

namespace {
// Sends a key to the active modal window once it is up.
void trykNaarVist(int taste) {
    QTimer::singleShot(0, [taste] {
        QWidget *w = QApplication::activeModalWidget();
        QVERIFY(w);
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key(taste));
    });
}
} // namespace

void TstDialoger::sizing_heightIsTextPlus80_data() {
    QTest::addColumn<bool>("spoergsmaal");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("linjer"); // lines the text must show at least
    for (bool sp : {false, true}) {
        const char *h = sp ? "spform " : "infform ";
        QTest::addRow("%sempty", h) << sp << QString() << 1;
        QTest::addRow("%sone line", h) << sp << "Filen blev ikke fundet!" << 1;
        QTest::addRow("%stwo returns", h) << sp << "a\r\rb" << 3;
        QTest::addRow("%slong line wraps", h) << sp << QString("ord ").repeated(60) << 3;
    }
}

void TstDialoger::sizing_heightIsTextPlus80() {
    QFETCH(bool, spoergsmaal);
    QFETCH(QString, tekst);
    QFETCH(int, linjer);
    Tinfform inf;
    Tspform sp;
    Tbeskeddialog *d = spoergsmaal ? static_cast<Tbeskeddialog *>(&sp) : &inf;
    QLabel *etiket = spoergsmaal ? sp.textLabel : inf.Label1;
    QCOMPARE(etiket->font().pointSize(), 8);
    d->insertTekst(tekst);
    d->show();
    QCOMPARE(etiket->font().pointSize(), 10);
    const int linjehoejde = QFontMetrics(etiket->font())
                                .boundingRect(QRect(0, 0, 317, 1000), Qt::TextWordWrap, "Xy")
                                .height();
    QCOMPARE(d->width(), 339);
    QCOMPARE(etiket->width(), 317);
    QCOMPARE(d->height(), etiket->height() + 80);
    QVERIFY(etiket->height() >= linjer * linjehoejde);
    if (linjer == 1)
        QCOMPARE(etiket->height(), linjehoejde);
    d->close();
    QCOMPARE(d->width(), 339);
}

void TstDialoger::showModal_answers_data() {
    QTest::addColumn<int>("taste");
    QTest::addColumn<QString>("knap");
    QTest::addColumn<int>("svar");
    QTest::newRow("enter presses Ja") << int(Qt::Key_Return) << QString() << 1;
    QTest::newRow("esc is Nej") << int(Qt::Key_Escape) << QString() << 2;
    QTest::newRow("click Nej") << 0 << "annullerButton" << 2;
    QTest::newRow("click Ja") << 0 << "BitBtn1" << 1;
    QTest::newRow("close box is Nej") << -1 << QString() << 2;
}

void TstDialoger::showModal_answers() {
    QFETCH(int, taste);
    QFETCH(QString, knap);
    QFETCH(int, svar);
    Tspform sp;
    sp.insertTekst("Skal gruppen slettes?");
    QTimer::singleShot(0, [&] {
        QVERIFY(QApplication::activeModalWidget() == &sp);
        QCOMPARE(sp.focusWidget(), sp.BitBtn1);
        if (taste > 0)
            QTest::keyClick(sp.focusWidget(), Qt::Key(taste));
        else if (taste == 0)
            sp.findChild<QPushButton *>(knap)->click();
        else
            sp.close();
    });
    QCOMPARE(sp.ShowModal(), svar);
    QVERIFY(!sp.isVisible());
}

void TstDialoger::messageDialog_escDoesNothingEnterPressesOk() {
    Tinfform inf;
    inf.insertTekst("Hej");
    bool stadigVist = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&inf, Qt::Key_Escape);
        stadigVist = inf.isVisible();
        QTest::keyClick(inf.focusWidget() ? inf.focusWidget() : &inf, Qt::Key_Return);
    });
    QCOMPARE(inf.ShowModal(), int(Tbeskeddialog::mrOK));
    QVERIFY(stadigVist);
}

void TstDialoger::textIsEmptiedOnClose() {
    Tinfform inf;
    inf.insertTekst("Første besked");
    trykNaarVist(Qt::Key_Return);
    inf.ShowModal();
    QCOMPARE(inf.Label1->text(), QString());
    QCOMPARE(inf.tekst(), QString());
    QCOMPARE(inf.Label1->font().pointSize(), 8);
}

void TstDialoger::preparedAnswers_areRecordedAndUsedInOrder() {
    Modalsvar::testtilstand(true);
    Tspform sp;
    Tinfform inf;
    Modalsvar::forbered(1);
    sp.insertTekst("linje 1\rlinje 2");
    QCOMPARE(sp.ShowModal(), 1);
    sp.insertTekst("igen?");
    QCOMPARE(sp.ShowModal(), 2); // an empty queue answers no
    inf.insertTekst("besked");
    QCOMPARE(inf.ShowModal(), 1);
    const auto vist = Modalsvar::vist();
    QCOMPARE(vist.size(), 3);
    QCOMPARE(vist[0].slags, QString("Spørgsmål"));
    QCOMPARE(vist[0].tekst, QString("linje 1\rlinje 2"));
    QCOMPARE(vist[2].slags, QString("Information"));
    QCOMPARE(sp.textLabel->text(), QString());
    Modalsvar::testtilstand(false);
}

void TstDialoger::styles_listedSortedAndEachLooksDifferent() {
    const QStringList navne = Stil::navne();
    QCOMPARE(navne, (QStringList{"Aqua Light Slate", "Carbon", "Iceberg Classico", "Sky",
                                 "Windows", "Windows10 Clear Day"}));
    QSet<QRgb> vinduesfarver;
    for (const QString &n : navne) {
        QVERIFY(Stil::anvend(n));
        QCOMPARE(Stil::aktuel(), n);
        vinduesfarver.insert(QApplication::palette().color(QPalette::Window).rgb());
    }
    QCOMPARE(vinduesfarver.size(), navne.size());
}

void TstDialoger::style_unknownName_reportsAndKeepsCurrent() {
    Modalsvar::testtilstand(true);
    QVERIFY(Stil::anvend("Sky"));
    const QRgb foer = QApplication::palette().color(QPalette::Window).rgb();
    QVERIFY(!Stil::anvend("Plastik"));
    QCOMPARE(Stil::aktuel(), QString("Sky"));
    QCOMPARE(QApplication::palette().color(QPalette::Window).rgb(), foer);
    QCOMPARE(Modalsvar::vist().size(), 1);
    QCOMPARE(Modalsvar::vist()[0].tekst, QString("Designet \"Plastik\" findes ikke."));
    Modalsvar::testtilstand(false);
}

void TstDialoger::fitToScreen_movesThenShrinks_data() {
    QTest::addColumn<QRect>("plads");
    QTest::addColumn<QRect>("skaerm");
    QTest::addColumn<QSize>("mindste");
    QTest::addColumn<QRect>("forventet");
    const QRect skaerm(0, 0, 1280, 1000);
    const QSize mindste(300, 200);
    QTest::newRow("fits") << QRect(100, 100, 600, 400) << skaerm << mindste << QRect(100, 100, 600, 400);
    QTest::newRow("bottom off screen: moved up") << QRect(52, 52, 753, 968) << skaerm << mindste
                                                << QRect(52, 32, 753, 968);
    QTest::newRow("taller than the screen: shrunk") << QRect(52, 52, 753, 1200) << skaerm << mindste
                                                   << QRect(52, 0, 753, 1000);
    QTest::newRow("left of the screen") << QRect(-300, 50, 600, 400) << skaerm << mindste << QRect(0, 50, 600, 400);
    QTest::newRow("second screen, right edge off")
        << QRect(3000, 100, 800, 600) << QRect(1280, 0, 1920, 1080) << mindste << QRect(2400, 100, 800, 600);
    QTest::newRow("panel at the top") << QRect(10, 0, 600, 400) << QRect(0, 30, 1280, 970) << mindste
                                      << QRect(10, 30, 600, 400);
    QTest::newRow("screen below the smallest size: smallest, at its corner")
        << QRect(100, 100, 900, 600) << QRect(0, 0, 700, 450) << QSize(753, 500) << QRect(0, 0, 753, 500);
}

void TstDialoger::fitToScreen_movesThenShrinks() {
    QFETCH(QRect, plads);
    QFETCH(QRect, skaerm);
    QFETCH(QSize, mindste);
    QFETCH(QRect, forventet);
    QCOMPARE(tilpassetSkaerm(plads, skaerm, mindste), forventet);
}

QTEST_MAIN(TstDialoger)
#include "tst_dialoger.moc"
