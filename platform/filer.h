#pragma once
// File system services: existence, folders, recursive copy, plain and strict delete.

#include <QString>

bool filFindes(const QString &sti);   // a file (links followed)
bool mappeFindes(const QString &sti); // a folder (links followed)

// Creates one folder whose parent exists; the result is left to the caller.
bool opretMappe(const QString &sti);

// Copies every file and sub-folder of `kilde` into `maal`, creating missing folders.
// A file that fails to copy is skipped silently; an existing target file is kept.
// Raises AnkerFejl when `kilde` is no folder.
void kopierTrae(const QString &kilde, const QString &maal);

// Deletes a file; true on success.
bool sletFil(const QString &sti);

// Deletes a file; a failure raises AnkerFejl with the system's text.
void sletFilStrengt(const QString &sti);

// The name of the user running the program; empty when the system has none.
QString systemetsBrugernavn();
