#pragma once
// The information window: the help pages with their tree, search and history.

#include "launcher/flader.h"

#include <QWidget>

class Tmainform;

class Tinfoformen : public QWidget, public InfoFlade {
    Q_OBJECT
public:
    explicit Tinfoformen(Tmainform *hoved);
    // Creation step: the folder of the structures and the options file.
    void FormCreate();
    void aabnEmne(const QString &emne) override;

    // The structure and the page asked for last.
    QString newNavn;
    QString emne;

    QString strukturmappe;
    QString optfil;

private:
    Tmainform *m_hoved;
};
