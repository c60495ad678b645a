#include "infoviewer/findisdelegat.h"

#include "platform/kontrast.h"

#include <QPainter>

void FindisDelegat::paint(QPainter *maler, const QStyleOptionViewItem &valg,
                          const QModelIndex &indeks) const {
    const QRect r = valg.rect;
    const QRect markor(r.left() + 2, r.top() + 4, 10, 10);
    const int d = m_stilIndeks();
    const bool valgt = valg.state & QStyle::State_Selected;
    // The first style shows every row white; the chosen row still shows the selection
    // colour behind its text, or the user could not see which hit is open.
    const QColor raekke = d == 0 ? QColor(Qt::white) : valg.palette.color(QPalette::Base);
    const QColor baggrund = valgt ? valg.palette.color(QPalette::Highlight) : raekke;
    // A pale dot on a pale row needs an outline that shows where it is; a thin round line
    // is drawn paler than its colour, hence more than the 3:1 an edge needs.
    const QColor omrids = Kontrast::tydelig(QColor(192, 192, 192), {raekke}, 4.5);
    maler->save();
    maler->setRenderHint(QPainter::Antialiasing);
    if (d == 0) {
        maler->fillRect(r, Qt::white);
        maler->setPen(omrids);
        maler->setBrush(QColor(192, 220, 192));
        maler->drawEllipse(markor);
    } else if (d >= 8) {
        maler->fillRect(markor, QColor(255, 0, 0));
    } else {
        maler->setPen(omrids);
        maler->setBrush(QColor(255, 255, 0));
        maler->drawEllipse(markor);
    }
    // The text stands on the row's own colour: the selection colour behind the chosen
    // row's text only; it is written in the style's text colour for that background.
    const QString tekst = indeks.data(Qt::DisplayRole).toString();
    const QFontMetrics fm(valg.font);
    const QRect tekstfelt(r.left() + 16, r.top() + 1, fm.horizontalAdvance(tekst) + 2, fm.height());
    maler->fillRect(tekstfelt, baggrund);
    maler->setPen(valg.palette.color(valgt ? QPalette::HighlightedText : QPalette::Text));
    maler->setFont(valg.font);
    maler->drawText(tekstfelt, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, tekst);
    maler->setPen(QPen(QColor(192, 192, 192), 1));
    maler->drawLine(r.left(), r.bottom(), r.right() - 1, r.bottom());
    maler->restore();
}

QSize FindisDelegat::sizeHint(const QStyleOptionViewItem &valg, const QModelIndex &indeks) const {
    return QSize(QStyledItemDelegate::sizeHint(valg, indeks).width() + 16, 20);
}
