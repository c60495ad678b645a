#pragma once
// Where the browsers keep their bookmarks for this user.

#include <QList>
#include <QString>

struct Bogmaerkekilde {
    enum class Art { Html, Firefox, Chromium };
    Art art = Art::Html;
    QString navn; // what the user sees, e.g. "Firefox: default-esr"
    QString sti;  // the file to read: places.sqlite, Bookmarks or the HTML file
};

// Firefox' profiles from profiles.ini in the usual, the snap and the flatpak places, and
// the Chromium and Google Chrome profiles that hold a "Bookmarks" file, under `hjem`.
// Only profiles whose file exists are listed.
QList<Bogmaerkekilde> findBogmaerkekilder(const QString &hjem);
