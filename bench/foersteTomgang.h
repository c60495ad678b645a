#pragma once
// Ends a start measurement: at the event loop's first wait, prints the peak resident
// memory in kB and leaves at once, without tearing anything down.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <unistd.h>

inline void afslutVedFoersteTomgang() {
    auto *afsender = QAbstractEventDispatcher::instance();
    QObject::connect(afsender, &QAbstractEventDispatcher::aboutToBlock, [] {
        QFile status(QStringLiteral("/proc/self/status"));
        long kb = 0;
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray &linje : status.readAll().split('\n'))
                if (linje.startsWith("VmHWM:"))
                    kb = linje.mid(6).trimmed().split(' ').first().toLong();
        std::printf("%ld\n", kb);
        std::fflush(stdout);
        ::_exit(0);
    });
}
