// Pictures on a screen with twice the pixels per point, and search hits that can be
// read in every style.

#include "components/ikon.h"
#include "components/tegninger.h"
#include "infoviewer/findisdelegat.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QListWidget>
#include <QPainter>
#include <QTest>

class TstTegning : public QObject {
    Q_OBJECT
private slots:
    void dialogPictures_drawnAtScreenDensity();
    void svgIcons_renderedAtScreenDensity();
    void searchHit_readableOnLightAndDarkRows_data();
    void searchHit_readableOnLightAndDarkRows();
};

void TstTegning::dialogPictures_drawnAtScreenDensity() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    for (const QPixmap &p : {infoBillede(), spoergsmaalBillede()}) {
        QCOMPARE(p.size(), QSize(32, 32)); // drawn at the density, not blown up
        QCOMPARE(p.deviceIndependentSize(), QSizeF(16, 16));
    }
    for (const QIcon &i : {flueben(), kryds()}) {
        for (QIcon::Mode tilstand : {QIcon::Normal, QIcon::Disabled}) {
            const QPixmap p = i.pixmap(QSize(16, 16), 2.0, tilstand);
            QCOMPARE(p.size(), QSize(32, 32));
            QVERIFY(!p.toImage().isNull());
        }
    }
    // The disabled tick is grey, the enabled one green.
    const QImage groen = flueben().pixmap(QSize(16, 16), 2.0).toImage();
    const QImage graa = flueben().pixmap(QSize(16, 16), 2.0, QIcon::Disabled).toImage();
    const QPoint midt(13, 23); // on the tick's stroke (6.5, 12 on the 16 grid)
    QVERIFY2(groen.pixelColor(midt).green() > 2 * groen.pixelColor(midt).red(), "the tick is not green");
    QVERIFY(qAbs(graa.pixelColor(midt).green() - graa.pixelColor(midt).red()) < 20);
}

void TstTegning::svgIcons_renderedAtScreenDensity() {
    // Each picture from its SVG at the screen's pixels; a missing SVG plugin gives none.
    int antal = 0;
    for (QDirIterator it(QStringLiteral(":/icons"), {QStringLiteral("*.svg")}); it.hasNext();) {
        const QString sti = it.next();
        const QPixmap p = QIcon(sti).pixmap(QSize(16, 16), 2.0);
        QVERIFY2(p.size() == QSize(32, 32), qPrintable(sti));
        // The program's icons read the file only when drawn, and draw the same pixels.
        const QIcon udskudt = programikon(qPrintable(QFileInfo(sti).completeBaseName()));
        QVERIFY(!udskudt.isNull());
        for (qreal skala : {1.0, 2.0})
            for (QIcon::Mode tilstand : {QIcon::Normal, QIcon::Disabled}) {
                const QPixmap u = udskudt.pixmap(QSize(16, 16), skala, tilstand);
                QVERIFY2(u.size() == QSize(16, 16) * skala && u.devicePixelRatio() == skala, qPrintable(sti));
                QVERIFY2(u.toImage() == QIcon(sti).pixmap(QSize(16, 16), skala, tilstand).toImage(), qPrintable(sti));
            }
        ++antal;
    }
    QVERIFY(antal > 0);
}

void TstTegning::searchHit_readableOnLightAndDarkRows_data() {
    QTest::addColumn<QColor>("felt");
    QTest::addColumn<QColor>("tekst");
    QTest::addColumn<bool>("lysTekst");
    QTest::newRow("light list: black text") << QColor(Qt::white) << QColor(0x0b, 0x24, 0x4a) << false;
    QTest::newRow("dark list: the style's text") << QColor(0x1e, 0x1e, 0x1e) << QColor(0xe6, 0xe6, 0xe6) << true;
}

void TstTegning::searchHit_readableOnLightAndDarkRows() {
    QFETCH(QColor, felt);
    QFETCH(QColor, tekst);
    QFETCH(bool, lysTekst);
    QListWidget liste;
    liste.addItem(QStringLiteral("Administrationsvinduet"));
    FindisDelegat delegat([] { return 3; }, &liste);
    QStyleOptionViewItem valg;
    valg.initFrom(&liste);
    valg.rect = QRect(0, 0, 220, 20);
    valg.palette.setColor(QPalette::Base, felt);
    valg.palette.setColor(QPalette::Text, tekst);
    valg.font.setPixelSize(13);
    QImage billede(220, 20, QImage::Format_RGB32);
    billede.fill(felt);
    {
        QPainter maler(&billede);
        delegat.paint(&maler, valg, liste.model()->index(0, 0));
    }
    // The lightest and darkest pixel of the text, right of the marker.
    int lysest = 0, moerkest = 255;
    for (int y = 1; y < 18; ++y)
        for (int x = 16; x < 200; ++x) {
            lysest = std::max(lysest, qGray(billede.pixel(x, y)));
            moerkest = std::min(moerkest, qGray(billede.pixel(x, y)));
        }
    if (lysTekst)
        QVERIFY2(lysest > 160, qPrintable(QStringLiteral("lightest text pixel %1").arg(lysest)));
    else
        QVERIFY2(moerkest < 40, qPrintable(QStringLiteral("darkest text pixel %1").arg(moerkest)));
}

int main(int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", "2"); // a screen with twice the pixels per point
    QApplication app(argc, argv);
    TstTegning test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tegning.moc"
