#pragma once
// How a group is drawn in every group list: a light green square, the name, and a thin
// silver line under each item, 20 pixels high.

#include <QStyledItemDelegate>

class GruppeDelegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *maler, const QStyleOptionViewItem &valg, const QModelIndex &indeks) const override;
    QSize sizeHint(const QStyleOptionViewItem &valg, const QModelIndex &indeks) const override;
};
