#include "components/genvejsforrang.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace {
class Forrang : public QObject {
public:
    Forrang(QWidget *vindue) : QObject(vindue), m_vindue(vindue) {}

    bool eventFilter(QObject *o, QEvent *e) override {
        if (e->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(o, e);
        const QKeySequence tast(static_cast<QKeyEvent *>(e)->keyCombination());
        for (const QAction *a : m_vindue->actions()) {
            if (a->isEnabled() && a->shortcuts().contains(tast)) {
                e->ignore(); // the field does not claim the key; the shortcut runs
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    QWidget *m_vindue;
};
} // namespace

void givVinduetsGenvejeForrang(QWidget *vindue, const QList<QWidget *> &felter) {
    auto *forrang = new Forrang(vindue);
    for (QWidget *f : felter)
        f->installEventFilter(forrang);
}
