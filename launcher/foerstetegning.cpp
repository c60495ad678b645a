#include "launcher/foerstetegning.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
class Vagt : public QObject {
public:
    Vagt(QWidget *vindue, std::function<void()> trin, int senestMs)
        : QObject(vindue), m_vindue(vindue), m_trin(std::move(trin)) {
        vindue->installEventFilter(this);
        if (vindue->windowHandle())
            vindue->windowHandle()->installEventFilter(this);
        QTimer::singleShot(senestMs, this, [this] { koer(); });
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
        // The window draws itself and sends the picture now; the step follows inside the
        // same event, so no input is handled in between.
        auto *vindue = static_cast<QWindow *>(o);
        vindue->removeEventFilter(this);
        o->event(e);
        if (vindue->isExposed())
            koer();
        else
            vindue->installEventFilter(this);
        return true;
    }

private:
    void koer() {
        if (!m_trin)
            return;
        const auto trin = std::exchange(m_trin, nullptr);
        if (m_vindue->windowHandle())
            m_vindue->windowHandle()->removeEventFilter(this);
        m_vindue->removeEventFilter(this);
        deleteLater();
        trin();
    }

    QWidget *m_vindue;
    std::function<void()> m_trin;
};
} // namespace

void efterFoersteTegning(QWidget *vindue, std::function<void()> trin, int senestMs) {
    new Vagt(vindue, std::move(trin), senestMs);
}
