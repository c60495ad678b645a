// The baselines of the start figures, as plain Qt Widgets programs: one main window of
// 595 x 380 with a list of the 200 group names and a 4-column tree of the 1,000 rows that
// the program shows at its measured start, all made in memory; with the argument "tom",
// the same window empty. They run until they are ended.

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QTreeWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow vindue;
    vindue.resize(595, 380);
    if (app.arguments().value(1) != QLatin1String("tom")) {
        auto *midte = new QWidget;
        auto *lag = new QHBoxLayout(midte);
        auto *grupper = new QListWidget;
        for (int i = 0; i < 200; ++i)
            grupper->addItem(QStringLiteral("Gruppe %1").arg(i, 3, 10, QLatin1Char('0')));
        auto *raekker = new QTreeWidget;
        raekker->setHeaderLabels({QStringLiteral("Dato"), QStringLiteral("Klokken"), QStringLiteral("Besøg"),
                                  QStringLiteral("Navn")});
        QList<QTreeWidgetItem *> nye;
        for (int i = 0; i < 1000; ++i)
            nye << new QTreeWidgetItem({QStringLiteral("09-12-2026"), QStringLiteral("14:35"), QString::number(i),
                                        QStringLiteral("Element %1").arg(i, 5, 10, QLatin1Char('0'))});
        raekker->insertTopLevelItems(0, nye);
        lag->addWidget(grupper);
        lag->addWidget(raekker, 2);
        vindue.setCentralWidget(midte);
    }
    vindue.show();
    return app.exec();
}
