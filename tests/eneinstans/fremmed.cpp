// Another user's side of the local socket, for the tests that run it as a second account:
//   ankerhus-fremmed lyt <socket> <log>     listens, open to all, and logs what arrives
//   ankerhus-fremmed send <socket> <line>   sends one line, prints the answer
// Plain POSIX, so it runs as any user without a home or a display.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

sockaddr_un adresse(const char *sti) {
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::strncpy(a.sun_path, sti, sizeof(a.sun_path) - 1);
    return a;
}

int lyt(const char *sti, const char *log) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un a = adresse(sti);
    ::unlink(sti);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof(a)) != 0 || ::listen(fd, 16) != 0) {
        std::fprintf(stderr, "fremmed: %s: %s\n", sti, std::strerror(errno));
        return 1;
    }
    ::chmod(sti, 0777);
    std::printf("lytter\n");
    std::fflush(stdout);
    for (;;) {
        const int k = ::accept(fd, nullptr, nullptr);
        if (k < 0)
            continue;
        std::string modtaget;
        char buf[4096];
        pollfd p{k, POLLIN, 0};
        while (::poll(&p, 1, 1000) > 0) {
            const ssize_t n = ::read(k, buf, sizeof(buf));
            if (n <= 0)
                break;
            modtaget.append(buf, size_t(n));
        }
        ::close(k);
        if (modtaget.empty())
            continue;
        if (FILE *f = std::fopen(log, "a")) {
            std::fprintf(f, "forbindelse: %s\n", modtaget.c_str());
            std::fclose(f);
        }
    }
}

int send(const char *sti, const char *linje) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un a = adresse(sti);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&a), sizeof(a)) != 0) {
        std::printf("ingen forbindelse: %s\n", std::strerror(errno));
        return 2;
    }
    const std::string ud = std::string(linje) + "\n";
    if (::write(fd, ud.data(), ud.size()) != ssize_t(ud.size()))
        std::printf("skrivning: %s\n", std::strerror(errno));
    std::string svar;
    char buf[256];
    pollfd p{fd, POLLIN, 0};
    while (::poll(&p, 1, 3000) > 0) {
        const ssize_t n = ::read(fd, buf, sizeof(buf));
        if (n <= 0)
            break;
        svar.append(buf, size_t(n));
    }
    std::printf("svar: %s\n", svar.c_str());
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    std::signal(SIGPIPE, SIG_IGN); // a peer that hangs up is reported, not fatal
    if (argc == 4 && std::strcmp(argv[1], "lyt") == 0)
        return lyt(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "send") == 0)
        return send(argv[2], argv[3]);
    std::fprintf(stderr, "brug: ankerhus-fremmed lyt <sokkel> <log> | send <sokkel> <linje>\n");
    return 64;
}
