#include "components/hint.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QWidget>

namespace {
QPointer<QStatusBar> s_modtager;

// Routes every status tip of the program to the status bar that holds the display.
class Hintfilter : public QObject {
public:
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() != QEvent::StatusTip || !s_modtager)
            return false;
        s_modtager->showMessage(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
};

void installerFilter() {
    static Hintfilter *filter = nullptr;
    if (!filter && qApp) {
        filter = new Hintfilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}
} // namespace

namespace Hint {

QString kortDel(const QString &hint) {
    const qsizetype i = hint.indexOf(u'|');
    return i < 0 ? hint : hint.left(i);
}

QString langDel(const QString &hint) {
    const qsizetype i = hint.indexOf(u'|');
    return i < 0 ? hint : hint.mid(i + 1);
}

void saet(QWidget *w, const QString &hint) {
    w->setToolTip(kortDel(hint));
    w->setStatusTip(langDel(hint));
}

void saet(QAction *a, const QString &hint) {
    a->setToolTip(kortDel(hint));
    a->setStatusTip(langDel(hint));
}

void gorTilModtager(QStatusBar *bjaelke) {
    installerFilter();
    s_modtager = bjaelke;
    if (bjaelke)
        bjaelke->clearMessage();
}

QStatusBar *modtager() { return s_modtager; }

} // namespace Hint
