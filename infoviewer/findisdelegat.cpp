#include "infoviewer/findisdelegat.h"

#include <QPainter>

void FindisDelegat::paint(QPainter *maler, const QStyleOptionViewItem &valg, const QModelIndex &indeks) const {
    const QRect r = valg.rect;
    const QRect markor(r.left() + 2, r.top() + 4, 10, 10);
    const int d = m_stilIndeks();
    const bool valgt = valg.state & QStyle::State_Selected;
    QColor baggrund = valg.palette.color(valgt ? QPalette::Highlight : QPalette::Base);
    maler->save();
    maler->setRenderHint(QPainter::Antialiasing);
    if (d == 0) {
        // The first style: every row white, the chosen one too, with a green dot.
        baggrund = Qt::white;
        maler->fillRect(r, Qt::white);
        maler->setPen(Qt::white);
        maler->setBrush(QColor(192, 220, 192));
        maler->drawEllipse(markor);
    } else if (d >= 8) {
        maler->fillRect(markor, QColor(255, 0, 0));
    } else {
        maler->setPen(QColor(192, 192, 192));
        maler->setBrush(QColor(255, 255, 0));
        maler->drawEllipse(markor);
    }
    // The text stands on the row's own colour: the selection colour behind the chosen
    // row's text only.
    const QString tekst = indeks.data(Qt::DisplayRole).toString();
    const QFontMetrics fm(valg.font);
    const QRect tekstfelt(r.left() + 16, r.top() + 1, fm.horizontalAdvance(tekst) + 2, fm.height());
    maler->fillRect(tekstfelt, baggrund);
    // Black text, but on a dark row (a dark style's list) the style's own text colour,
    // or the hit could not be read.
    const bool moerk = qGray(baggrund.rgb()) < 80;
    maler->setPen(moerk ? valg.palette.color(valgt ? QPalette::HighlightedText : QPalette::Text) : QColor(Qt::black));
    maler->setFont(valg.font);
    maler->drawText(tekstfelt, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, tekst);
    maler->setPen(QPen(QColor(192, 192, 192), 1));
    maler->drawLine(r.left(), r.bottom(), r.right() - 1, r.bottom());
    maler->restore();
}

QSize FindisDelegat::sizeHint(const QStyleOptionViewItem &valg, const QModelIndex &indeks) const {
    return QSize(QStyledItemDelegate::sizeHint(valg, indeks).width() + 16, 20);
}
