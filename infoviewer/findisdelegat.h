#pragma once
// How a search hit is drawn: its marker and background follow the position of the
// chosen style in the style list.

#include <QStyledItemDelegate>
#include <functional>

class FindisDelegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    // `stilIndeks` gives the chosen style's position in the style list, or -1.
    FindisDelegat(std::function<int()> stilIndeks, QObject *ejer)
        : QStyledItemDelegate(ejer), m_stilIndeks(std::move(stilIndeks)) {}
    void paint(QPainter *maler, const QStyleOptionViewItem &valg, const QModelIndex &indeks) const override;
    QSize sizeHint(const QStyleOptionViewItem &valg, const QModelIndex &indeks) const override;

private:
    std::function<int()> m_stilIndeks;
};
