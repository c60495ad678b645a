#pragma once
// The application object: an error that no handler caught is reported, not fatal.

#include <QApplication>

class AnkerApplikation : public QApplication {
public:
    AnkerApplikation(int &argc, char **argv);
    bool notify(QObject *modtager, QEvent *haendelse) override;
};

// Qt's own texts (file dialog, standard buttons, a text field's context menu) in Danish
// like the rest of the program, whatever the system's language. False when Qt's Danish
// translation is not installed; the texts then stay English.
bool indlaesQtsDanskeTekster();
