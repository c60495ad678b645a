#pragma once
// A read-only field that shows a group's name: a long name shows its start, as a reader
// expects, and the whole name is the field's tooltip.

class QLineEdit;

// From now on, whenever the program sets the text of `felt` while it is read-only, the
// field shows the text's start and has the whole text as its tooltip.
void foelgNavn(QLineEdit *felt);
