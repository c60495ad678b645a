#pragma once
// The URL list window: the visited pages.

#include <QWidget>

class Tmainform;

class Turlform1 : public QWidget {
    Q_OBJECT
public:
    explicit Turlform1(Tmainform *hoved);
    // Creation step: the options file.
    void FormCreate();

    QString optfil;

private:
    Tmainform *m_hoved;
};
