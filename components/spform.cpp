#include "components/spform.h"

#include "components/tegninger.h"

#include <QLabel>
#include <QPushButton>

Tspform::Tspform()
    : Tbeskeddialog(QStringLiteral("spform"), QStringLiteral("Spørgsmål"), 11, mrCancel) {
    textLabel = new QLabel(this);
    textLabel->setObjectName(QStringLiteral("textLabel"));
    saetEtiket(textLabel);
    Panel1 = bygPanel();

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(spoergsmaalBillede());
    Image1->setGeometry(3, 8, 16, 16);

    annullerButton = new QPushButton(kryds(), QStringLiteral("Nej"), Panel1);
    annullerButton->setObjectName(QStringLiteral("annullerButton"));
    annullerButton->setCursor(Qt::PointingHandCursor);
    annullerButton->setGeometry(3 + 16 + 56, 3, 75, 25);
    connect(annullerButton, &QPushButton::clicked, this, &QDialog::reject);

    BitBtn1 = new QPushButton(flueben(), QStringLiteral("Ja"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setGeometry(3 + 16 + 56 + 75, 3, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    Image2 = new QLabel(Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(spoergsmaalBillede());
    Image2->setGeometry(kBredde - 3 - 16, 8, 16, 16);

    setTabOrder(BitBtn1, annullerButton);
}

void Tspform::showEvent(QShowEvent *e) {
    Tbeskeddialog::showEvent(e);
    // "Ja" holds the focus when the dialog opens, so Enter answers yes.
    BitBtn1->setFocus(Qt::OtherFocusReason);
}
