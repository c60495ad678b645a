#include "components/navnefelt.h"

#include <QLineEdit>

void foelgNavn(QLineEdit *felt) {
    QObject::connect(felt, &QLineEdit::textChanged, felt, [felt](const QString &tekst) { felt->setToolTip(tekst); });
    // setText leaves the cursor at the end, even for the same text again, and the field
    // scrolls to keep its cursor in view. A user who reads the field with the keys keeps
    // the cursor where the keys put it.
    QObject::connect(felt, &QLineEdit::cursorPositionChanged, felt, [felt](int, int ny) {
        if (ny != 0 && felt->isReadOnly() && !felt->hasFocus())
            felt->setCursorPosition(0);
    });
}
