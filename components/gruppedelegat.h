#pragma once
// How a group is drawn in every group list: a light green square, the name, and a thin
// silver line under each item, 20 pixels high. A name wider than the list ends in "…"
// and shows whole as the item's tooltip; the list never scrolls sideways.

#include <QStyledItemDelegate>

class QAbstractItemView;

class GruppeDelegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Sets itself as the list's delegate and turns the list's sideways scrolling off.
    explicit GruppeDelegat(QAbstractItemView *liste);
    void paint(QPainter *maler, const QStyleOptionViewItem &valg, const QModelIndex &indeks) const override;
    QSize sizeHint(const QStyleOptionViewItem &valg, const QModelIndex &indeks) const override;
    bool helpEvent(QHelpEvent *haendelse, QAbstractItemView *liste, const QStyleOptionViewItem &valg,
                   const QModelIndex &indeks) override;
};
