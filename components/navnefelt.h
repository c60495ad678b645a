#pragma once
// A read-only field that shows a group's name: a long name shows its start, as a reader
// expects, and the whole name is the field's tooltip.

class QLineEdit;

// Keeps `felt` so from now on, whenever the program sets its text while it is read-only.
void foelgNavn(QLineEdit *felt);
