#pragma once
// The message dialog: a text and an "OK" button.

#include "components/beskeddialog.h"

class QLabel;
class QPushButton;

class Tinfform : public Tbeskeddialog {
    Q_OBJECT
public:
    Tinfform();

    QWidget *Panel1;
    QLabel *Label1;
    QPushButton *BitBtn1;
    QLabel *Image1;
    QLabel *Image2;

protected:
    void keyPressEvent(QKeyEvent *e) override;
};
