#include "components/dialoger.h"

#include "components/infform.h"
#include "components/spform.h"
#include "platform/fejl.h"

Tinfform *infform = nullptr;
Tspform *spform = nullptr;
Teditform *editform = nullptr;

void visBesked(const QString &tekst) {
    if (!infform) { // before the dialogs exist, the error report is the only voice
        rapporterFejl(tekst);
        return;
    }
    infform->insertTekst(tekst);
    infform->ShowModal();
}

bool spoerg(const QString &tekst) {
    if (!spform)
        return false;
    spform->insertTekst(tekst);
    return spform->ShowModal() == Tbeskeddialog::mrOK;
}
