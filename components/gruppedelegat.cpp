#include "components/gruppedelegat.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int kTekstX = 16;
}

GruppeDelegat::GruppeDelegat(QAbstractItemView *liste) : QStyledItemDelegate(liste) {
    liste->setItemDelegate(this);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void GruppeDelegat::paint(QPainter *maler, const QStyleOptionViewItem &valg,
                          const QModelIndex &indeks) const {
    const QRect r = valg.rect;
    const bool valgt = valg.state & QStyle::State_Selected;
    maler->save();
    maler->fillRect(r, valg.palette.brush(valgt ? QPalette::Highlight : QPalette::Base));
    maler->fillRect(QRect(r.left() + 2, r.top() + 5, 10, 10), QColor(192, 220, 192));
    maler->setPen(valg.palette.color(valgt ? QPalette::HighlightedText : QPalette::Text));
    maler->setFont(valg.font);
    // Two pixels of air between the text and the list's edge.
    const QRect tekst(r.left() + kTekstX, r.top() + 3, r.width() - kTekstX - 2, r.height() - 3);
    const QString navn = QFontMetrics(valg.font).elidedText(indeks.data(Qt::DisplayRole).toString(),
                                                            Qt::ElideRight, tekst.width());
    maler->drawText(tekst, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, navn);
    maler->setPen(QColor(192, 192, 192));
    maler->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    if (valg.state & QStyle::State_HasFocus) {
        QPen prikker(valg.palette.color(QPalette::Text), 1, Qt::DotLine);
        maler->setPen(prikker);
        maler->drawRect(r.adjusted(0, 0, -1, -1));
    }
    maler->restore();
}

QSize GruppeDelegat::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const {
    // No width of its own: the item takes the list's width and the name is fitted to it.
    return QSize(kTekstX, 20);
}

bool GruppeDelegat::helpEvent(QHelpEvent *haendelse, QAbstractItemView *liste,
                              const QStyleOptionViewItem &valg, const QModelIndex &indeks) {
    if (haendelse && haendelse->type() == QEvent::ToolTip && indeks.isValid()) {
        QToolTip::showText(haendelse->globalPos(), indeks.data(Qt::DisplayRole).toString(), liste->viewport(),
                           liste->visualRect(indeks));
        return true;
    }
    return QStyledItemDelegate::helpEvent(haendelse, liste, valg, indeks);
}
