#pragma once
// The information window: the help pages with their tree, search and history.

#include <QWidget>

class Tmainform;

class Tinfoformen : public QWidget {
    Q_OBJECT
public:
    explicit Tinfoformen(Tmainform *hoved);
    // Creation step: the folder of the structures and the options file.
    void FormCreate();

    QString strukturmappe;
    QString optfil;

private:
    Tmainform *m_hoved;
};
