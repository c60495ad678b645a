#pragma once
// The application object: an error that no handler caught is reported, not fatal.

#include <QApplication>

class AnkerApplikation : public QApplication {
public:
    AnkerApplikation(int &argc, char **argv);
    bool notify(QObject *modtager, QEvent *haendelse) override;
};
