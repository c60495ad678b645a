#pragma once
// The program's widget style: Fusion, with edges around check boxes, radio buttons and
// entry fields that stand out from what surrounds them in every palette.

#include <QPalette>
#include <QProxyStyle>

class KantStil : public QProxyStyle {
    Q_OBJECT
public:
    KantStil();
    void drawPrimitive(PrimitiveElement element, const QStyleOption *valg, QPainter *maler,
                       const QWidget *widget = nullptr) const override;

    // The edge colour for a palette: Fusion's own where it stands out from the window
    // and from the fields, else one nearer the text.
    static QColor kant(const QPalette &palet);
};
