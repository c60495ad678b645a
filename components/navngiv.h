#pragma once
// Every control carries its name as its objectName, so tests and screen readers find it.

#include <QLatin1String>

template <class W> W *navngiv(W *w, const char *navn) {
    w->setObjectName(QLatin1String(navn));
    return w;
}
