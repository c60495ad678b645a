#include "components/ikon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace {
// Draws the SVG itself rather than through the icon plugin: the main window's first
// drawing needs no plugin search, and the file is read on the first drawing only.
class SvgIkon : public QIconEngine {
public:
    explicit SvgIkon(QString sti) : m_sti(std::move(sti)) {}

    void paint(QPainter *maler, const QRect &rect, QIcon::Mode tilstand, QIcon::State s) override {
        QSize pixels = rect.size();
        if (maler->device())
            pixels *= maler->device()->devicePixelRatio();
        maler->drawPixmap(rect, pixmap(pixels, tilstand, s));
    }
    // Asked in device pixels; QIcon sets the scale on what it gets.
    QPixmap pixmap(const QSize &stoerrelse, QIcon::Mode tilstand, QIcon::State) override {
        const QSize s = actualSize(stoerrelse, tilstand, QIcon::Off);
        if (s.isEmpty())
            return {};
        QPixmap p(s);
        p.fill(Qt::transparent);
        QPainter maler(&p);
        tegner().render(&maler);
        maler.end();
        // The other modes (disabled, selected) as the style draws them from the plain picture.
        if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
            QStyleOption opt(0);
            opt.palette = QGuiApplication::palette();
            const QPixmap lavet = QApplication::style()->generatedIconPixmap(tilstand, p, &opt);
            if (!lavet.isNull())
                return lavet;
        }
        return p;
    }
    QSize actualSize(const QSize &stoerrelse, QIcon::Mode, QIcon::State) override {
        QSize s = tegner().defaultSize();
        if (!s.isNull())
            s.scale(stoerrelse, Qt::KeepAspectRatio);
        return s;
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("SvgIkon"); }
    QIconEngine *clone() const override { return new SvgIkon(m_sti); }

private:
    QSvgRenderer &tegner() {
        if (!m_tegner)
            m_tegner = std::make_unique<QSvgRenderer>(m_sti);
        return *m_tegner;
    }
    QString m_sti;
    std::unique_ptr<QSvgRenderer> m_tegner;
};
} // namespace

QIcon programikon(const char *navn) {
    return QIcon(new SvgIkon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(navn))));
}
