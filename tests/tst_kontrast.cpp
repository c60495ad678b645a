// Every window is readable in every style: texts against what they stand on, the edges of
// check boxes, radio buttons and entry fields against what surrounds them, and the chosen
// row against the others. The colours are taken from the pictures the windows draw.

#include "admin/boksform.h"
#include "components/dialoger.h"
#include "components/infform.h"
#include "components/spform.h"
#include "infoviewer/findisdelegat.h"
#include "infoviewer/infoformen.h"
#include "infoviewer/urlform1.h"
#include "launcher/mainform.h"
#include "platform/kontrast.h"
#include "platform/modalsvar.h"
#include "platform/stil.h"
#include "testhjaelp.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include <optional>

namespace {
constexpr double kTekst = 4.5, kSvagTekst = 3.0, kKant = 3.0, kMarkering = 3.0;

struct Par {
    QColor forgrund, baggrund;
    double forhold() const { return Kontrast::forhold(forgrund, baggrund); }
};

QString beskriv(const QString &kontrol, const Par &p, double maal) {
    return QStringLiteral("%1: %2 mod %3 = %4:1, under %5:1")
        .arg(kontrol, p.forgrund.name(), p.baggrund.name())
        .arg(p.forhold(), 0, 'f', 2)
        .arg(maal);
}

QString navn(const QWidget *w) {
    return w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                     : w->objectName();
}

// The widget drawn as it is, and drawn with every text colour made invisible: the pixels
// that differ are its texts, and the second picture shows what stands behind them.
struct Tekstbilleder {
    QImage med, uden;
};

Tekstbilleder tegnTekster(QWidget *kilde, QWidget *tegnes) {
    Tekstbilleder b;
    b.med = tegnes->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPalette foer = kilde->palette();
    const bool egen = kilde->testAttribute(Qt::WA_SetPalette);
    QPalette usynlig = foer;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole r :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText,
              QPalette::BrightText, QPalette::PlaceholderText})
            usynlig.setColor(g, r, Qt::transparent);
    kilde->setPalette(usynlig);
    b.uden = tegnes->grab().toImage().convertToFormat(QImage::Format_RGB32);
    kilde->setPalette(egen ? foer : QPalette());
    return b;
}

// The text pixel that stands out most from what is behind it, inside `omraade`.
std::optional<Par> skarpesteTekst(const Tekstbilleder &b, const QRect &omraade) {
    std::optional<Par> bedst;
    const QRect r = omraade.intersected(b.med.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb a = b.med.pixel(x, y), u = b.uden.pixel(x, y);
            if (a == u)
                continue;
            const Par p{QColor(a), QColor(u)};
            if (!bedst || p.forhold() > bedst->forhold())
                bedst = p;
        }
    return bedst;
}

// The colour most often behind the text in `omraade`.
std::optional<QColor> tekstensBaggrund(const Tekstbilleder &b, const QRect &omraade) {
    QHash<QRgb, int> antal;
    const QRect r = omraade.intersected(b.med.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (b.med.pixel(x, y) != b.uden.pixel(x, y))
                ++antal[b.uden.pixel(x, y)];
    if (antal.isEmpty())
        return std::nullopt;
    QRgb flest = antal.begin().key();
    for (auto i = antal.begin(); i != antal.end(); ++i)
        if (i.value() > antal.value(flest))
            flest = i.key();
    return QColor(flest);
}

bool synlig(QWidget *w, QWidget *vindue) {
    return w->isVisibleTo(vindue) && w->width() > 2 && w->height() > 2;
}

bool harTekst(QWidget *w) {
    if (auto *l = qobject_cast<QLabel *>(w))
        return !l->text().trimmed().isEmpty();
    if (auto *t = qobject_cast<QToolButton *>(w))
        return !t->text().isEmpty() && t->toolButtonStyle() != Qt::ToolButtonIconOnly;
    if (auto *k = qobject_cast<QAbstractButton *>(w))
        return !k->text().isEmpty();
    if (auto *f = qobject_cast<QLineEdit *>(w))
        return !f->text().isEmpty();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return !c->currentText().isEmpty();
    return false;
}

// The rows of a list or tree that lie in its view, top to bottom, as rectangles of its
// viewport; a tree's open branches count.
QList<QRect> raekker(QAbstractItemView *v) {
    QList<QRect> ud;
    const QAbstractItemModel *m = v->model();
    if (!m || m->rowCount(v->rootIndex()) == 0)
        return ud;
    auto *trae = qobject_cast<QTreeView *>(v);
    QModelIndex i = m->index(0, 0, v->rootIndex());
    for (int n = 0; i.isValid() && n < 500; ++n) {
        const QRect r = v->visualRect(i);
        if (r.isValid() && v->viewport()->rect().intersects(r))
            ud << QRect(0, r.top(), v->viewport()->width(), r.height());
        i = trae ? trae->indexBelow(i) : m->index(i.row() + 1, 0, v->rootIndex());
    }
    return ud;
}

QStringList tekstfejl(QWidget *vindue) {
    QStringList fejl;
    int maalt = 0;
    for (QWidget *w : vindue->findChildren<QWidget *>()) {
        if (!synlig(w, vindue))
            continue;
        const double maal = w->isEnabled() ? kTekst : kSvagTekst;
        auto *v = qobject_cast<QAbstractItemView *>(w);
        if (v && !qobject_cast<QHeaderView *>(w)) {
            const Tekstbilleder b = tegnTekster(v, v->viewport());
            for (const QRect &r : raekker(v)) {
                const std::optional<Par> p = skarpesteTekst(b, r);
                ++maalt;
                if (!p)
                    fejl << QStringLiteral("%1: en række uden tekst i stilens farve").arg(navn(w));
                else if (p->forhold() < maal)
                    fejl << beskriv(navn(w) + QStringLiteral(" (række)"), *p, maal);
            }
            continue;
        }
        QList<QRect> felter;
        if (auto *faner = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < faner->count(); ++i)
                felter << faner->tabRect(i);
        } else if (qobject_cast<QHeaderView *>(w) || harTekst(w)) {
            felter << w->rect();
        }
        if (felter.isEmpty())
            continue;
        const Tekstbilleder b = tegnTekster(w, w);
        for (const QRect &r : felter) {
            const std::optional<Par> p = skarpesteTekst(b, r);
            ++maalt;
            if (!p)
                fejl << QStringLiteral("%1: teksten er ikke tegnet i stilens farve").arg(navn(w));
            else if (p->forhold() < maal)
                fejl << beskriv(navn(w), *p, maal);
        }
    }
    if (maalt == 0)
        fejl << QStringLiteral("ingen tekster fundet");
    return fejl;
}

// The colour among `kandidater` that stands out most from `omkring`.
Par staerkeste(const QImage &billede, const QList<QPoint> &kandidater, const QPoint &omkring) {
    Par bedst{QColor(billede.pixel(omkring)), QColor(billede.pixel(omkring))};
    for (const QPoint &k : kandidater) {
        if (!billede.rect().contains(k))
            continue;
        const Par p{QColor(billede.pixel(k)), QColor(billede.pixel(omkring))};
        if (p.forhold() > bedst.forhold())
            bedst = p;
    }
    return bedst;
}

// The box's left or top edge against the pixels just outside it, whichever shows more: a
// neighbouring control may stand right beside one of them. A round or anti-aliased edge is
// drawn fullest a little off the middle: a few lines are tried.
Par kantAf(const QImage &billede, const QRect &boks) {
    const QPoint midt = boks.center();
    std::optional<Par> venstre, top;
    for (int d = -1; d <= 2; ++d) {
        const int y = midt.y() + d, x = midt.x() + d;
        const Par v = staerkeste(
            billede,
            {{boks.left() - 1, y}, {boks.left(), y}, {boks.left() + 1, y}, {boks.left() + 2, y}},
            {boks.left() - 2, y});
        const Par t = staerkeste(
            billede,
            {{x, boks.top() - 1}, {x, boks.top()}, {x, boks.top() + 1}, {x, boks.top() + 2}},
            {x, boks.top() - 2});
        if (!venstre || v.forhold() > venstre->forhold())
            venstre = v;
        if (!top || t.forhold() > top->forhold())
            top = t;
    }
    return venstre->forhold() > top->forhold() ? *venstre : *top;
}

QStringList kantfejl(QWidget *vindue, const QImage &billede) {
    QStringList fejl;
    int maalt = 0;
    auto maal = [&](const QString &kontrol, const Par &p) {
        ++maalt;
        if (p.forhold() < kKant)
            fejl << beskriv(kontrol, p, kKant);
    };
    for (QWidget *w : vindue->findChildren<QWidget *>()) {
        if (!synlig(w, vindue))
            continue;
        const QPoint i = w->mapTo(vindue, QPoint(0, 0));
        if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
            QStyleOptionButton valg;
            valg.initFrom(w);
            const auto del = qobject_cast<QCheckBox *>(w) ? QStyle::SE_CheckBoxIndicator
                                                          : QStyle::SE_RadioButtonIndicator;
            maal(navn(w), kantAf(billede, w->style()->subElementRect(del, &valg, w).translated(i)));
        } else if (auto *f = qobject_cast<QLineEdit *>(w); f && f->hasFrame()) {
            maal(navn(w), kantAf(billede, w->rect().translated(i)));
        } else if (auto *l = qobject_cast<QListWidget *>(w);
                   l && qobject_cast<FindisDelegat *>(l->itemDelegate())) {
            // A search hit's marker against the row it stands on.
            for (int n = 0; n < l->count(); ++n) {
                if (l->item(n)->isSelected())
                    continue;
                const QRect r = l->visualItemRect(l->item(n))
                                    .translated(l->viewport()->mapTo(vindue, QPoint(0, 0)));
                maal(navn(w) + QStringLiteral(" (mærke)"),
                     kantAf(billede, QRect(r.left() + 2, r.top() + 4, 10, 10)));
                break;
            }
        } else if (auto *t = qobject_cast<QTreeWidget *>(w)) {
            // An unticked check box in a row: its edge against the row behind it.
            for (int n = 0; n < t->topLevelItemCount(); ++n) {
                QTreeWidgetItem *e = t->topLevelItem(n);
                if (!e->data(0, Qt::CheckStateRole).isValid() ||
                    e->checkState(0) != Qt::Unchecked || e->isSelected())
                    continue;
                const QRect r =
                    t->visualItemRect(e).translated(t->viewport()->mapTo(vindue, QPoint(0, 0)));
                if (r.isEmpty())
                    continue;
                const int bredde = t->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, t);
                QList<QPoint> linje;
                for (int x = r.left() + 2; x <= r.left() + bredde + 6; ++x)
                    linje << QPoint(x, r.center().y());
                maal(navn(w) + QStringLiteral(" (afkrydsning)"),
                     staerkeste(billede, linje, {r.left() + 1, r.center().y()}));
                break;
            }
        }
    }
    if (maalt == 0)
        fejl << QStringLiteral("ingen felter eller afkrydsningsfelter fundet");
    return fejl;
}

QStringList markeringsfejl(QWidget *vindue) {
    QStringList fejl;
    int maalt = 0;
    for (QAbstractItemView *v : vindue->findChildren<QAbstractItemView *>()) {
        if (!synlig(v, vindue) || qobject_cast<QHeaderView *>(v) || !v->selectionModel())
            continue;
        const QList<QRect> r = raekker(v);
        if (r.size() < 2)
            continue;
        const QModelIndex foerste = v->model()->index(0, 0, v->rootIndex());
        {
            // Only the picture changes: the window's handlers do not see this choice.
            const QSignalBlocker stille(v->selectionModel());
            v->selectionModel()->select(foerste, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        }
        const Tekstbilleder b = tegnTekster(v, v->viewport());
        const std::optional<QColor> valgt = tekstensBaggrund(b, r.at(0));
        const std::optional<QColor> andre = tekstensBaggrund(b, r.at(1));
        ++maalt;
        if (!valgt || !andre) {
            fejl << QStringLiteral("%1: rækkerne har ingen tekst at måle bag").arg(navn(v));
            continue;
        }
        const Par p{*valgt, *andre};
        if (p.forhold() < kMarkering)
            fejl << beskriv(navn(v) + QStringLiteral(" (valgt række mod de andre)"), p, kMarkering);
    }
    if (maalt == 0)
        fejl << QStringLiteral("ingen lister med mindst to rækker fundet");
    return fejl;
}
} // namespace

class TstKontrast : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void contrastRatio_asTheGuidelinesMeasureIt();
    void everyStyleAndWindow_readable_data();
    void everyStyleAndWindow_readable();

private:
    Testmiljoe *m = nullptr;
};

void TstKontrast::init() {
    Modalsvar::testtilstand(true);
    m = new Testmiljoe;
    opretVinduer(m->miljoe);
}

void TstKontrast::cleanup() {
    nedlaegVinduer();
    delete m;
    Modalsvar::testtilstand(false);
}

void TstKontrast::contrastRatio_asTheGuidelinesMeasureIt() {
    QCOMPARE(qRound(Kontrast::forhold(Qt::black, Qt::white) * 100), 2100);
    QCOMPARE(Kontrast::forhold(QColor(0x77, 0x77, 0x77), QColor(0x77, 0x77, 0x77)), 1.0);
    // A mid grey on white is the textbook case just above the text bar.
    QVERIFY(qAbs(Kontrast::forhold(QColor(0x76, 0x76, 0x76), Qt::white) - 4.54) < 0.01);
    // A colour that already stands out is kept; one that does not is moved until it does,
    // away from the backgrounds, and no further than needed.
    QCOMPARE(Kontrast::tydelig(Qt::black, {Qt::white}, 4.5), QColor(Qt::black));
    const QColor moerkFelt(0x1e, 0x1e, 0x1e), moerktVindue(0x2b, 0x2b, 0x2b);
    const QColor kant = Kontrast::tydelig(QColor(0x22, 0x22, 0x22), {moerkFelt, moerktVindue}, 3.0);
    QVERIFY(Kontrast::forhold(kant, moerktVindue) >= 3.0);
    QVERIFY(Kontrast::forhold(kant, moerkFelt) >= 3.0);
    QVERIFY(Kontrast::forhold(kant, moerktVindue) < 3.5);
    QVERIFY(kant.lightness() > moerktVindue.lightness());
}

void TstKontrast::everyStyleAndWindow_readable_data() {
    QTest::addColumn<QString>("stil");
    QTest::addColumn<QString>("vindue");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("hvad");
    struct Vindue {
        const char *navn, *objekt;
        int side;
    };
    const Vindue vinduer[] = {
        {"hovedvindue", "mainform", -1},
        {"administration side 0", "boksform", 0},
        {"administration side 1", "boksform", 1},
        {"administration side 2", "boksform", 2},
        {"administration side 3", "boksform", 3},
        {"administration side 4", "boksform", 4},
        {"information: struktur", "infoformen", 0},
        {"information: søg", "infoformen", 1},
        {"besøgte sider", "urlform1", -1},
        {"besked", "infform", -1},
        {"spørgsmål", "spform", -1},
    };
    for (const QString &stil : Stil::navne())
        for (const Vindue &v : vinduer)
            for (const char *hvad : {"tekst", "kant", "markering"}) {
                // Only windows with lists have rows to choose, only some have fields.
                const QString o = QLatin1String(v.objekt);
                if (QLatin1String(hvad) == u"markering" &&
                    !(o == u"mainform" || (o == u"boksform" && v.side != 1 && v.side != 4) ||
                      o == u"infoformen"))
                    continue;
                if (QLatin1String(hvad) == u"kant" &&
                    (o == u"infform" || o == u"spform" || o == u"urlform1" ||
                     (o == u"boksform" && v.side == 3)))
                    continue;
                QTest::addRow("%s / %s / %s", qPrintable(stil), v.navn, hvad)
                    << stil << o << v.side << QString::fromLatin1(hvad);
            }
}

void TstKontrast::everyStyleAndWindow_readable() {
    QFETCH(QString, stil);
    QFETCH(QString, vindue);
    QFETCH(int, side);
    QFETCH(QString, hvad);
    QVERIFY(Stil::anvend(stil));
    mainform->designname = stil;
    boksform->visDesignliste(Stil::navne(), stil);
    mainform->show();
    // A group with elements, one of them chosen, so the lists hold rows as a user sees them.
    mainform->gruppeBoksen->setCurrentRow(1);
    mainform->gruppeBoksenDblClick();
    mainform->Listen->setCurrentItem(mainform->Listen->topLevelItem(0));
    QWidget *w = nullptr;
    if (vindue == u"mainform") {
        w = mainform;
    } else if (vindue == u"boksform") {
        boksform->visVindue(side);
        if (side == 2)
            boksform->programBoks->setCurrentItem(boksform->programBoks->topLevelItem(0));
        w = boksform;
    } else if (vindue == u"infoformen") {
        mainform->Information(QStringLiteral("Ankerhus"));
        infoformen->infoBog->setCurrentIndex(side);
        if (side == 1) {
            infoformen->EditFind->setText(QStringLiteral("gruppe"));
            infoformen->FindTekst(QStringLiteral("gruppe"));
            infoformen->Findis->setCurrentRow(0);
        }
        w = infoformen;
    } else if (vindue == u"urlform1") {
        urlform1->show();
        w = urlform1;
    } else if (vindue == u"infform") {
        infform->insertTekst(QStringLiteral("Der mangler en gyldig webadresse!"));
        infform->show();
        w = infform;
    } else {
        spform->insertTekst(QStringLiteral("Skal elementet overskrives?"));
        spform->show();
        w = spform;
    }
    QTest::qWait(50); // the actions' enabled states are set while the program is idle
    QStringList fejl;
    if (hvad == u"tekst")
        fejl = tekstfejl(w);
    else if (hvad == u"kant")
        fejl = kantfejl(w, w->grab().toImage().convertToFormat(QImage::Format_RGB32));
    else
        fejl = markeringsfejl(w);
    QVERIFY2(fejl.isEmpty(),
             qPrintable(stil + QStringLiteral(": ") + fejl.join(QStringLiteral("; "))));
}

QTEST_MAIN(TstKontrast)
#include "tst_kontrast.moc"
