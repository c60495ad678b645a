#include "components/gitterdelegat.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

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

QSize GitterDelegat::sizeHint(const QStyleOptionViewItem &valg, const QModelIndex &indeks) const {
    QSize s = QStyledItemDelegate::sizeHint(valg, indeks);
    if (!indeks.data(Qt::CheckStateRole).isValid())
        return s;
    const QWidget *w = valg.widget;
    const QStyle *stil = w ? w->style() : QApplication::style();
    const int boks = stil->pixelMetric(QStyle::PM_IndicatorHeight, &valg, w);
    // The grid line takes the row's last pixel: one free pixel on each side of the box
    // besides it, and an even margin so the centred box sits the same in every row.
    s.setHeight(std::max(s.height(), boks + 4));
    return s;
}
