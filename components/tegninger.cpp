#include "components/tegninger.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <functional>

namespace {
using Tegner = std::function<void(QPainter &)>;

// A picture drawn on a 16 by 16 grid and painted at whatever size is asked, so it stays
// sharp on a screen with more pixels per point.
class Tegneikon : public QIconEngine {
public:
    Tegneikon(Tegner normal, Tegner slukket) : m_normal(std::move(normal)), m_slukket(std::move(slukket)) {}
    void paint(QPainter *maler, const QRect &rect, QIcon::Mode tilstand, QIcon::State s) override {
        if (tilstand == QIcon::Disabled && !m_slukket) {
            const qreal dpr = maler->device() ? maler->device()->devicePixelRatioF() : 1.0;
            maler->drawPixmap(rect, pixmap(rect.size() * dpr, tilstand, s));
            return;
        }
        maler->save();
        maler->setRenderHint(QPainter::Antialiasing);
        maler->setRenderHint(QPainter::TextAntialiasing);
        maler->translate(rect.topLeft());
        maler->scale(rect.width() / 16.0, rect.height() / 16.0);
        (tilstand == QIcon::Disabled ? m_slukket : m_normal)(*maler);
        maler->restore();
    }
    QPixmap pixmap(const QSize &stoerrelse, QIcon::Mode tilstand, QIcon::State s) override {
        QPixmap p(stoerrelse);
        p.fill(Qt::transparent);
        QPainter maler(&p);
        const bool udenSlukket = tilstand == QIcon::Disabled && !m_slukket;
        paint(&maler, QRect(QPoint(0, 0), stoerrelse), udenSlukket ? QIcon::Normal : tilstand, s);
        maler.end();
        if (udenSlukket) { // greyed as the style greys any picture
            QStyleOption valg;
            valg.palette = QApplication::palette();
            return QApplication::style()->generatedIconPixmap(QIcon::Disabled, p, &valg);
        }
        return p;
    }
    QIconEngine *clone() const override { return new Tegneikon(m_normal, m_slukket); }

private:
    Tegner m_normal, m_slukket;
};

QIcon ikon(Tegner normal, Tegner slukket = {}) { return QIcon(new Tegneikon(std::move(normal), std::move(slukket))); }

Tegner skilt(const QString &tegn) {
    return [tegn](QPainter &m) {
        m.setPen(QPen(QColor(128, 128, 0), 1));
        m.setBrush(QColor(250, 250, 235));
        m.drawRect(QRectF(0.5, 0.5, 15, 15));
        QFont f;
        f.setBold(true);
        f.setPixelSize(12);
        m.setFont(f);
        m.setPen(QColor(0, 0, 200));
        m.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, tegn);
    };
}

Tegner tegnFlueben(const QColor &farve) {
    return [farve](QPainter &m) {
        m.setPen(QPen(farve, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m.setBrush(Qt::NoBrush);
        QPainterPath sti;
        sti.moveTo(3, 8.5);
        sti.lineTo(6.5, 12);
        sti.lineTo(13, 4);
        m.drawPath(sti);
    };
}

// The label pictures carry as many pixels as the sharpest screen shows.
QPixmap billede(const QIcon &i) { return i.pixmap(QSize(16, 16), qApp ? qApp->devicePixelRatio() : 1.0); }
} // namespace

QPixmap infoBillede() { return billede(ikon(skilt(QStringLiteral("i")))); }
QPixmap spoergsmaalBillede() { return billede(ikon(skilt(QStringLiteral("?")))); }

QIcon flueben() { return ikon(tegnFlueben(QColor(0, 150, 0)), tegnFlueben(QColor(160, 160, 160))); }

QIcon kryds() {
    return ikon([](QPainter &m) {
        m.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        m.drawLine(QPointF(4, 4), QPointF(12, 12));
        m.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}
