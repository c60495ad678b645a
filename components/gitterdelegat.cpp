#include "components/gitterdelegat.h"

#include <QPainter>

void GitterDelegat::paint(QPainter *maler, const QStyleOptionViewItem &valg,
                          const QModelIndex &indeks) const {
    QStyledItemDelegate::paint(maler, valg, indeks);
    maler->save();
    maler->setPen(valg.palette.color(QPalette::Midlight));
    const QRect r = valg.rect;
    maler->drawLine(r.bottomLeft(), r.bottomRight());
    maler->drawLine(r.topRight(), r.bottomRight());
    maler->restore();
}
