#include "components/geometri.h"

#include <QWidget>

void saetGeometri(QWidget *vindue, const QList<int> &tal) {
    if (tal.size() >= 1)
        vindue->move(vindue->x(), tal[0]);
    if (tal.size() >= 2)
        vindue->move(tal[1], vindue->y());
    if (tal.size() >= 3)
        vindue->resize(tal[2], vindue->height());
    if (tal.size() >= 4)
        vindue->resize(vindue->width(), tal[3]);
}
