#pragma once
// The bookmark export window: the groups of the web-page collection with check boxes, all
// ticked at first, out to one bookmarks file chosen with a save dialog.
#include "bogmaerker/kommando.h"
#include <QDialog>

class QListWidget;
class QPushButton;

class Teksportform : public QDialog {
    Q_OBJECT
public:
    Teksportform(const Brugersted &sted, const Formater &formater, QWidget *ejer = nullptr);
    // Reads the group list again, every group ticked.
    void laesGrupper();
    // Asks for the file and writes the ticked groups to it; true when written.
    bool eksporter();

    QListWidget *gruppeListe;
    QPushButton *alleKnap, *eksporterKnap, *lukKnap;

private:
    Brugersted m_sted;
    Formater m_formater;
};
