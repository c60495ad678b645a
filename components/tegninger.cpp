#include "components/tegninger.h"

#include <QPainter>
#include <QPainterPath>

namespace {
QPixmap tegn(int stoerrelse, const std::function<void(QPainter &)> &tegner) {
    QPixmap p(stoerrelse, stoerrelse);
    p.fill(Qt::transparent);
    QPainter maler(&p);
    maler.setRenderHint(QPainter::Antialiasing);
    tegner(maler);
    return p;
}

QPixmap tegnSkilt(const QString &tegn_) {
    return tegn(16, [&](QPainter &m) {
        m.setPen(QPen(QColor(128, 128, 0), 1));
        m.setBrush(QColor(250, 250, 235));
        m.drawRect(QRectF(0.5, 0.5, 15, 15));
        QFont f;
        f.setBold(true);
        f.setPixelSize(12);
        m.setFont(f);
        m.setPen(QColor(0, 0, 200));
        m.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, tegn_);
    });
}

QPixmap tegnFlueben(const QColor &farve) {
    return tegn(16, [&](QPainter &m) {
        m.setPen(QPen(farve, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath sti;
        sti.moveTo(3, 8.5);
        sti.lineTo(6.5, 12);
        sti.lineTo(13, 4);
        m.drawPath(sti);
    });
}
} // namespace

QPixmap infoBillede() { return tegnSkilt(QStringLiteral("i")); }
QPixmap spoergsmaalBillede() { return tegnSkilt(QStringLiteral("?")); }

QIcon flueben() {
    QIcon ikon(tegnFlueben(QColor(0, 150, 0)));
    ikon.addPixmap(tegnFlueben(QColor(160, 160, 160)), QIcon::Disabled);
    return ikon;
}

QIcon kryds() {
    return QIcon(tegn(16, [](QPainter &m) {
        m.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        m.drawLine(QPointF(4, 4), QPointF(12, 12));
        m.drawLine(QPointF(12, 4), QPointF(4, 12));
    }));
}
