#include "skaermmaaling.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSet>

#include <cstdlib>
#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {
long toppenAfHukommelse(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &linje : status.readAll().split('\n'))
        if (linje.startsWith("VmHWM:"))
            return linje.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}
} // namespace

Skaerm::Skaerm() {
    // Xvfb picks a free display number and writes it on the descriptor it is given.
    m_xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                         QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                         QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!m_xvfb.waitForStarted(10000)) {
        m_fejl = QStringLiteral("Xvfb did not start: ") + m_xvfb.errorString();
        return;
    }
    QElapsedTimer t;
    t.start();
    while (!m_xvfb.canReadLine() && t.elapsed() < 20000)
        m_xvfb.waitForReadyRead(1000);
    const QByteArray nummer = m_xvfb.readLine().trimmed();
    if (nummer.isEmpty()) {
        m_fejl = QStringLiteral("Xvfb gave no display number");
        return;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(nummer);
    m_xcb = xcb_connect(m_display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(m_xcb)) {
        m_fejl = QStringLiteral("no connection to ") + m_display;
        return;
    }
    const xcb_query_extension_reply_t *skade = xcb_get_extension_data(m_xcb, &xcb_damage_id);
    if (!skade || !skade->present) {
        m_fejl = QStringLiteral("the display has no DAMAGE extension");
        return;
    }
    m_skadeHaendelse = skade->first_event;
    free(xcb_damage_query_version_reply(m_xcb, xcb_damage_query_version(m_xcb, 1, 1), nullptr));
    // Every window made or mapped on the screen is reported to us.
    m_rod = xcb_setup_roots_iterator(xcb_get_setup(m_xcb)).data->root;
    const quint32 maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_xcb, m_rod, XCB_CW_EVENT_MASK, &maske);
    xcb_flush(m_xcb);
}

Skaerm::~Skaerm() {
    if (m_xcb)
        xcb_disconnect(m_xcb);
    m_xvfb.kill();
    m_xvfb.waitForFinished(5000);
}

void Skaerm::toem() {
    free(xcb_get_input_focus_reply(m_xcb, xcb_get_input_focus(m_xcb), nullptr)); // a round trip
    while (xcb_generic_event_t *h = xcb_poll_for_event(m_xcb))
        free(h);
}

Startmaaling Skaerm::maal(const QString &program, const QStringList &argumenter, QProcessEnvironment miljoe) {
    Startmaaling r;
    if (!m_fejl.isEmpty())
        return r;
    toem();
    miljoe.insert(QStringLiteral("DISPLAY"), m_display);
    miljoe.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess p;
    p.setProcessEnvironment(miljoe);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    QSet<quint32> kortlagt;
    QElapsedTimer t;
    t.start();
    p.start(program, argumenter);
    const int fd = xcb_get_file_descriptor(m_xcb);
    while (!r.ok && t.elapsed() < 30000) {
        pollfd pf{fd, POLLIN, 0};
        ::poll(&pf, 1, 100);
        while (xcb_generic_event_t *h = xcb_poll_for_event(m_xcb)) {
            const quint8 type = h->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its creation on, so no drawing after the map is missed.
                const auto *c = reinterpret_cast<xcb_create_notify_event_t *>(h);
                xcb_damage_create(m_xcb, xcb_generate_id(m_xcb), c->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(m_xcb);
            } else if (type == XCB_MAP_NOTIFY) {
                kortlagt.insert(reinterpret_cast<xcb_map_notify_event_t *>(h)->window);
            } else if (type == m_skadeHaendelse + XCB_DAMAGE_NOTIFY && !r.ok) {
                const auto *d = reinterpret_cast<xcb_damage_notify_event_t *>(h);
                if (kortlagt.contains(d->drawable)) {
                    r.ns = double(t.nsecsElapsed());
                    r.kb = double(toppenAfHukommelse(p.processId()));
                    r.ok = true;
                }
            }
            free(h);
        }
    }
    p.kill();
    p.waitForFinished(10000);
    return r;
}
