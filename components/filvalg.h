#pragma once
// The open-file dialog: a title, a first folder, no file-type filter.

#include <QString>

class QWidget;

class Tfilvalg {
public:
    Tfilvalg(const QString &titel, const QString &mappe) : Title(titel), InitialDir(mappe) {}
    // Shows the dialog; the chosen path, or empty when cancelled.
    QString Execute(QWidget *ejer) const;
    // The save-file dialog with the same title and start (a folder or a file name).
    QString Gem(QWidget *ejer) const;

    QString Title;
    QString InitialDir;
};
