#include "launcher/foerstetegning.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
// One per window and first drawing: the filter that takes the exposure draws the window
// and keeps the event from any other filter, so every step waiting for that drawing waits
// here, and all run after it in the order they were asked for.
class Vagt : public QObject {
public:
    static Vagt *til(QWidget *vindue) {
        for (QObject *barn : vindue->children())
            if (auto *v = dynamic_cast<Vagt *>(barn); v && !v->m_faerdig)
                return v;
        return new Vagt(vindue);
    }

    void tilfoej(std::function<void()> trin, int senestMs) {
        const int nr = m_naeste++;
        m_trin.push_back({nr, std::move(trin)});
        if (senestMs != kKunEfterTegning)
            QTimer::singleShot(senestMs, this, [this, nr] { koerEt(nr); });
    }

    bool eventFilter(QObject *o, QEvent *e) override {
        // The native window exists from the widget's showing on; its exposure draws it.
        if (o == m_vindue) {
            if (e->type() == QEvent::Show && m_vindue->windowHandle())
                m_vindue->windowHandle()->installEventFilter(this);
            return false;
        }
        if (o != m_vindue->windowHandle() || e->type() != QEvent::Expose)
            return false;
        // The window draws itself and sends the picture now; the steps follow inside the
        // same event, so no input is handled in between.
        auto *vindue = static_cast<QWindow *>(o);
        vindue->removeEventFilter(this);
        o->event(e);
        if (vindue->isExposed())
            koerAlle();
        else
            vindue->installEventFilter(this);
        return true;
    }

private:
    struct Trin {
        int nr;
        std::function<void()> koer;
    };

    explicit Vagt(QWidget *vindue) : QObject(vindue), m_vindue(vindue) {
        vindue->installEventFilter(this);
        if (vindue->windowHandle())
            vindue->windowHandle()->installEventFilter(this);
    }

    // A step whose time ran out before the drawing.
    void koerEt(int nr) {
        const auto it =
            std::find_if(m_trin.begin(), m_trin.end(), [nr](const Trin &t) { return t.nr == nr; });
        if (it == m_trin.end())
            return;
        const std::function<void()> trin = std::move(it->koer);
        m_trin.erase(it);
        if (m_trin.empty())
            afslut();
        trin();
    }

    void koerAlle() {
        // Taken out first: a step may close the window, and this with it.
        const std::vector<Trin> alle = std::exchange(m_trin, {});
        afslut();
        for (const Trin &t : alle)
            t.koer();
    }

    void afslut() {
        m_faerdig = true;
        if (m_vindue->windowHandle())
            m_vindue->windowHandle()->removeEventFilter(this);
        m_vindue->removeEventFilter(this);
        deleteLater();
    }

    QWidget *m_vindue;
    std::vector<Trin> m_trin;
    int m_naeste = 0;
    bool m_faerdig = false;
};
} // namespace

void efterFoersteTegning(QWidget *vindue, std::function<void()> trin, int senestMs) {
    Vagt::til(vindue)->tilfoej(std::move(trin), senestMs);
}
