#include "components/filvalg.h"

#include "platform/modalsvar.h"

#include <QFileDialog>

QString Tfilvalg::Execute(QWidget *ejer) const {
    if (auto sti = Modalsvar::tagFil(Title))
        return *sti;
    return QFileDialog::getOpenFileName(ejer, Title, InitialDir);
}

QString Tfilvalg::Gem(QWidget *ejer) const {
    if (auto sti = Modalsvar::tagFil(Title))
        return *sti;
    return QFileDialog::getSaveFileName(ejer, Title, InitialDir);
}
