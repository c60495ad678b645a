// Asks the desktop, as the program does, about one address in the environment this
// process was started in. Prints two numbers: 1 when an application handles the
// address's scheme, else 0; then the open's result code.

#include "platform/skal.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString adresse = QString::fromLocal8Bit(argv[1]);
    SystemSkal skal;
    const bool har = skal.harProgramTil(adresse);
    std::printf("%d %d\n", har ? 1 : 0, skal.aabn(adresse));
    return 0;
}
