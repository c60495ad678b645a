#include "components/infform.h"

#include "components/tegninger.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

Tinfform::Tinfform()
    : Tbeskeddialog(QStringLiteral("infform"), QStringLiteral("Information"), 13, mrOK) {
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    saetEtiket(Label1);
    Panel1 = bygPanel();

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(infoBillede());
    Image1->setGeometry(3, 8, 16, 16);

    BitBtn1 = new QPushButton(flueben(), QStringLiteral("OK"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(3 + 16 + 100, 3, kBredde - 2 * (3 + 16 + 100), 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    Image2 = new QLabel(Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(infoBillede());
    Image2->setGeometry(kBredde - 3 - 16, 8, 16, 16);
}

void Tinfform::keyPressEvent(QKeyEvent *e) {
    // The message dialog has no cancel button: Esc does nothing here.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        return;
    }
    Tbeskeddialog::keyPressEvent(e);
}
