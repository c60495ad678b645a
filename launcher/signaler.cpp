#include "launcher/signaler.h"

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int s_par[2] = {-1, -1};

void haandter(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(s_par[0], &c, 1);
}
} // namespace

void lukVedSignal(std::function<void()> luk) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_par) != 0)
        return;
    // Owned by the application, so it goes when the program ends.
    auto *vagt = new QSocketNotifier(s_par[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(vagt, &QSocketNotifier::activated, vagt, [luk] {
        char c;
        [[maybe_unused]] const auto n = ::read(s_par[1], &c, 1);
        luk();
    });
    struct sigaction sa {};
    sa.sa_handler = haandter;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &sa, nullptr);
}
