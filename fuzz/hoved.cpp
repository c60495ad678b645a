// The entry point of one fuzz program; FUZZMAAL names the target function.

#include "fuzz/maal.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t stoerrelse) {
    const QString brud = FUZZMAAL(data, stoerrelse);
    if (!brud.isEmpty()) {
        std::fprintf(stderr, "Regel brudt: %s\n", brud.toUtf8().constData());
        std::abort();
    }
    return 0;
}
