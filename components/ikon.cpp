#include "components/ikon.h"

#include <QIconEngine>
#include <QPainter>

namespace {
class UdskudtIkon : public QIconEngine {
public:
    explicit UdskudtIkon(QString sti) : m_sti(std::move(sti)) {}

    void paint(QPainter *maler, const QRect &rect, QIcon::Mode tilstand, QIcon::State s) override {
        ikon().paint(maler, rect, Qt::AlignCenter, tilstand, s);
    }
    QPixmap pixmap(const QSize &stoerrelse, QIcon::Mode tilstand, QIcon::State s) override {
        return ikon().pixmap(stoerrelse, 1.0, tilstand, s);
    }
    // Asked in device pixels at a scale: the picture is drawn sharp at that scale.
    QPixmap scaledPixmap(const QSize &stoerrelse, QIcon::Mode tilstand, QIcon::State s, qreal skala) override {
        return ikon().pixmap((QSizeF(stoerrelse) / skala).toSize(), skala, tilstand, s);
    }
    QSize actualSize(const QSize &stoerrelse, QIcon::Mode tilstand, QIcon::State s) override {
        return ikon().actualSize(stoerrelse, tilstand, s);
    }
    QList<QSize> availableSizes(QIcon::Mode tilstand, QIcon::State s) override {
        return ikon().availableSizes(tilstand, s);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("UdskudtIkon"); }
    QIconEngine *clone() const override { return new UdskudtIkon(m_sti); }

private:
    const QIcon &ikon() {
        if (m_ikon.isNull())
            m_ikon = QIcon(m_sti);
        return m_ikon;
    }
    QString m_sti;
    QIcon m_ikon;
};
} // namespace

QIcon programikon(const char *navn) {
    return QIcon(new UdskudtIkon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(navn))));
}
