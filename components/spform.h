#pragma once
// The question dialog: a text, "Nej" and "Ja"; only "Ja" gives mrOK.

#include "components/beskeddialog.h"

class QLabel;
class QPushButton;

class Tspform : public Tbeskeddialog {
    Q_OBJECT
public:
    Tspform();

    QLabel *textLabel;
    QWidget *Panel1;
    QPushButton *BitBtn1;
    QPushButton *annullerButton;
    QLabel *Image1;
    QLabel *Image2;

protected:
    void showEvent(QShowEvent *e) override;
};
