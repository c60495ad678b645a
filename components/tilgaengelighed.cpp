#include "components/tilgaengelighed.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <QWidget>

namespace {
QString udenGenvejstegn(QString s) { return s.remove(u'&').trimmed(); }

// The controls a screen reader already names by a label: Qt reads a buddy label only
// when it sits beside the control, under the same parent. Lists and trees are never
// read by their label, so they take its text now.
QSet<const QWidget *> medEtiket(const QWidget *vindue) {
    QSet<const QWidget *> ud;
    for (const QLabel *l : vindue->findChildren<QLabel *>()) {
        QWidget *b = l->buddy();
        const QString tekst = udenGenvejstegn(l->text());
        if (!b || b->parentWidget() != l->parentWidget() || tekst.isEmpty())
            continue;
        if (qobject_cast<QAbstractItemView *>(b) && b->accessibleName().isEmpty())
            b->setAccessibleName(tekst);
        ud.insert(b);
    }
    return ud;
}

bool harNavn(const QWidget *w, const QSet<const QWidget *> &etiketterede) {
    if (!w->accessibleName().isEmpty() || etiketterede.contains(w))
        return true;
    const auto *k = qobject_cast<const QAbstractButton *>(w);
    return k && !udenGenvejstegn(k->text()).isEmpty();
}
} // namespace

void givTilgaengeligeNavne(QWidget *vindue, std::initializer_list<std::pair<QWidget *, QString>> egneNavne) {
    for (const auto &[w, navn] : egneNavne)
        w->setAccessibleName(navn);
    for (QTabWidget *t : vindue->findChildren<QTabWidget *>()) {
        for (int i = 0; i < t->count(); ++i)
            if (t->widget(i)->accessibleName().isEmpty())
                t->widget(i)->setAccessibleName(udenGenvejstegn(t->tabText(i)));
    }
    const QSet<const QWidget *> etiketterede = medEtiket(vindue);
    for (QWidget *w : vindue->findChildren<QWidget *>()) {
        if (!harNavn(w, etiketterede) && !w->toolTip().isEmpty())
            w->setAccessibleName(w->toolTip()); // the hint's short part
        if (w->accessibleDescription().isEmpty() && !w->statusTip().isEmpty() &&
            w->statusTip() != w->accessibleName())
            w->setAccessibleDescription(w->statusTip());
    }
}
