#include "components/geometri.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace {

// The last frame seen on any window: the best guess for a window before its own is known.
QMargins s_senesteRamme;

// Asked of the window system each time: a widget's own frame geometry is brought up to
// date only when the window moves or resizes, and the frame may come without either.
// On the platforms without a window manager (offscreen, minimal) the margins they report
// are made up: nothing draws a frame there, so the inner area is the outer one.
QMargins maaltRamme(const QWidget *v) {
    static const bool rammerTegnes = QGuiApplication::platformName() != u"offscreen" &&
                                     QGuiApplication::platformName() != u"minimal";
    const QWindow *w = v->windowHandle();
    return rammerTegnes && w && v->isVisible() ? w->frameMargins() : QMargins();
}

QPoint ydrePos(const QWidget *v) {
    const QWindow *w = v->windowHandle();
    return w && v->isVisible() ? w->framePosition() : v->pos();
}

QSize rammeStoerrelse(const QMargins &m) {
    return {m.left() + m.right(), m.top() + m.bottom()};
}

// Keeps a window's outer measures while its frame becomes known; lives as its child.
class Rammefoelger : public QObject {
public:
    explicit Rammefoelger(QWidget *vindue) : QObject(vindue), m_vindue(vindue) {
        setObjectName(QStringLiteral("rammefoelger"));
        vindue->installEventFilter(this);
    }

    QMargins regnet;                    // the frame the inner sizes account for
    std::optional<QPoint> sted;         // where the frame is to stand once it is known
    std::optional<QRect> gemt, anbragt; // the stored place and where it was put

    // The inner sizes change so the outer ones stay as they were with the old frame.
    void skiftRamme(const QMargins &ny) {
        const QSize d = rammeStoerrelse(ny) - rammeStoerrelse(regnet);
        regnet = ny;
        if (d.isNull())
            return;
        // An unset limit (0 below, the largest size above) stays unset.
        auto indre = [](int v, int dv) {
            return v == 0 || v >= QWIDGETSIZE_MAX ? v : std::max(0, v - dv);
        };
        const QSize mindste = m_vindue->minimumSize(), stoerste = m_vindue->maximumSize();
        const QSize nyMindste(indre(mindste.width(), d.width()),
                              indre(mindste.height(), d.height()));
        const QSize nyStoerste(indre(stoerste.width(), d.width()),
                               indre(stoerste.height(), d.height()));
        m_vindue->setMinimumSize(0, 0);
        m_vindue->setMaximumSize(nyStoerste);
        m_vindue->setMinimumSize(nyMindste);
        m_vindue->resize(m_vindue->size() - d);
    }

    // Before the window manager has framed this window: the frame other windows got.
    // Taken only when a size or place is set, never by itself while the window is being
    // shown: a resize then would lose the place its frame was put at.
    void gaet() {
        if (!m_kendt && regnet.isNull())
            skiftRamme(s_senesteRamme);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override {
        switch (e->type()) {
        case QEvent::Show:
            // The frame may come with no move or resize of the window, but it is there
            // when the window is first drawn.
            if (QWindow *w = m_vindue->windowHandle(); w && w != m_flade) {
                m_flade = w;
                w->installEventFilter(this);
            }
            // Shown again, the window stands where it stood.
            if (!sted)
                sted = m_sidstePos;
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Expose:
            maal();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void maal() {
        if (!m_vindue->isVisible())
            return;
        const QMargins m = maaltRamme(m_vindue);
        // No frame yet, or none at all; and while the window manager is still framing the
        // window, the window system may report a frame smaller than the window inside it.
        const bool rimelig = std::min({m.left(), m.top(), m.right(), m.bottom()}) >= 0 &&
                             std::max({m.left(), m.top(), m.right(), m.bottom()}) < 200;
        if (m.isNull() || !rimelig)
            return;
        s_senesteRamme = m;
        const bool normal =
            !(m_vindue->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
        if (m != regnet) {
            // Only the first frame is made up for: a maximised window's frame differs.
            if (!m_kendt && normal)
                skiftRamme(m);
            else
                regnet = m;
        }
        m_kendt = true;
        if (sted) {
            // A move made before the frame was known may have put the inner area there,
            // and what the window system says of the window's place may not have caught
            // up yet: the inner area is put where the frame's place says, once.
            m_vindue->windowHandle()->setPosition(*sted + QPoint(m.left(), m.top()));
            sted.reset();
        }
        m_sidstePos = m_vindue->windowHandle()->framePosition();
    }

    QWidget *m_vindue;
    QPointer<QWindow> m_flade;
    bool m_kendt = false;
    std::optional<QPoint> m_sidstePos;
};

Rammefoelger *foelger(const QWidget *vindue) {
    return vindue->findChild<Rammefoelger *>(QStringLiteral("rammefoelger"),
                                             Qt::FindDirectChildrenOnly);
}

Rammefoelger *foelgRamme(QWidget *vindue) {
    Rammefoelger *f = foelger(vindue);
    if (!f)
        f = new Rammefoelger(vindue);
    f->gaet();
    return f;
}

QMargins regnetRamme(const QWidget *vindue) {
    const Rammefoelger *f = foelger(vindue);
    return f ? f->regnet : QMargins();
}

} // namespace

QSize ydreStoerrelse(const QWidget *vindue) {
    return vindue->size() + rammeStoerrelse(regnetRamme(vindue));
}

QRect ydrePlads(const QWidget *vindue) {
    return {ydrePos(vindue), ydreStoerrelse(vindue)};
}

void saetYdreStoerrelse(QWidget *vindue, QSize ydre) {
    vindue->resize(ydre - rammeStoerrelse(foelgRamme(vindue)->regnet));
}

void saetMindsteYdre(QWidget *vindue, QSize ydre) {
    vindue->setMinimumSize(ydre - rammeStoerrelse(foelgRamme(vindue)->regnet));
}

void saetFastYdre(QWidget *vindue, QSize ydre) {
    vindue->setFixedSize(ydre - rammeStoerrelse(foelgRamme(vindue)->regnet));
}

void flytYdre(QWidget *vindue, QPoint ydre) {
    Rammefoelger *f = foelgRamme(vindue);
    vindue->move(ydre);
    f->sted = ydre;
}

QRect tilpassetSkaerm(const QRect &ydre, const QRect &skaerm, QSize mindste) {
    const QSize s = ydre.size().boundedTo(skaerm.size()).expandedTo(mindste);
    const int x = std::clamp(ydre.x(), skaerm.left(),
                             std::max(skaerm.left(), skaerm.left() + skaerm.width() - s.width()));
    const int y = std::clamp(ydre.y(), skaerm.top(),
                             std::max(skaerm.top(), skaerm.top() + skaerm.height() - s.height()));
    return {QPoint(x, y), s};
}

void saetPlads(QWidget *vindue, const QRect &ydre) {
    Rammefoelger *f = foelgRamme(vindue);
    const QSize mindste = vindue->minimumSize() + rammeStoerrelse(f->regnet);
    const QRect gemt(ydre.topLeft(), ydre.size().expandedTo(mindste));
    QScreen *skaerm = QGuiApplication::screenAt(gemt.center());
    if (!skaerm)
        skaerm = QGuiApplication::screenAt(gemt.topLeft());
    if (!skaerm)
        skaerm = vindue->screen();
    const QRect anbragt =
        skaerm ? tilpassetSkaerm(gemt, skaerm->availableGeometry(), mindste) : gemt;
    flytYdre(vindue, anbragt.topLeft());
    saetYdreStoerrelse(vindue, anbragt.size());
    f->gemt = gemt;
    f->anbragt = anbragt;
}

void saetGeometri(QWidget *vindue, const QList<int> &tal) {
    if (tal.isEmpty())
        return;
    QRect r = ydrePlads(vindue);
    if (tal.size() >= 1)
        r.moveTop(tal[0]);
    if (tal.size() >= 2)
        r.moveLeft(tal[1]);
    if (tal.size() >= 3)
        r.setWidth(tal[2]);
    if (tal.size() >= 4)
        r.setHeight(tal[3]);
    saetPlads(vindue, r);
}

QRect pladsAtGemme(const QWidget *vindue) {
    const QRect nu = ydrePlads(vindue);
    const Rammefoelger *f = foelger(vindue);
    return f && f->anbragt && *f->anbragt == nu ? *f->gemt : nu;
}
