#pragma once
// Grid lines between the cells of a list in report view.

#include <QStyledItemDelegate>

class GitterDelegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *maler, const QStyleOptionViewItem &valg, const QModelIndex &indeks) const override;
    // A row with a check box has a free pixel above it and below it, before the grid line.
    QSize sizeHint(const QStyleOptionViewItem &valg, const QModelIndex &indeks) const override;
};
