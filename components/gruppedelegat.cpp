#include "components/gruppedelegat.h"

#include <QPainter>

void GruppeDelegat::paint(QPainter *maler, const QStyleOptionViewItem &valg,
                          const QModelIndex &indeks) const {
    const QRect r = valg.rect;
    const bool valgt = valg.state & QStyle::State_Selected;
    maler->save();
    maler->fillRect(r, valg.palette.brush(valgt ? QPalette::Highlight : QPalette::Base));
    maler->fillRect(QRect(r.left() + 2, r.top() + 5, 10, 10), QColor(192, 220, 192));
    maler->setPen(valg.palette.color(valgt ? QPalette::HighlightedText : QPalette::Text));
    maler->setFont(valg.font);
    const QRect tekst(r.left() + 16, r.top() + 3, r.width() - 16, r.height() - 3);
    maler->drawText(tekst, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    indeks.data(Qt::DisplayRole).toString());
    maler->setPen(QColor(192, 192, 192));
    maler->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    if (valg.state & QStyle::State_HasFocus) {
        QPen prikker(valg.palette.color(QPalette::Text), 1, Qt::DotLine);
        maler->setPen(prikker);
        maler->drawRect(r.adjusted(0, 0, -1, -1));
    }
    maler->restore();
}

QSize GruppeDelegat::sizeHint(const QStyleOptionViewItem &valg, const QModelIndex &indeks) const {
    return QSize(QStyledItemDelegate::sizeHint(valg, indeks).width() + 16, 20);
}
