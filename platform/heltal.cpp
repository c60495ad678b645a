#include "platform/heltal.h"

QList<int> foersteHeltal(const QStringList &linjer, int hoejst) {
    QList<int> ud;
    for (int i = 0; i < hoejst && i < linjer.size(); ++i) {
        bool ok = false;
        const int v = linjer.at(i).trimmed().toInt(&ok);
        if (!ok)
            break;
        ud << v;
    }
    return ud;
}

QStringList heltalslinjer(const QList<int> &vaerdier) {
    QStringList ud;
    for (int v : vaerdier)
        ud << QString::number(v);
    return ud;
}
