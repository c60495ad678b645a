// An error that no handler catches reaches the top-level report; the program goes on.

#include "launcher/applikation.h"
#include "platform/fejl.h"
#include "platform/modalsvar.h"

#include <QTest>
#include <QTimer>

class Kaster : public QObject {
public:
    int haendelser = 0;
    bool event(QEvent *e) override {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++haendelser;
        throw AnkerFejl(QStringLiteral("Adgang nægtet"));
    }
};

class TstApplikation : public QObject {
    Q_OBJECT
private slots:
    void uncaughtError_isReportedAndLoopGoesOn() {
        Modalsvar::testtilstand(true);
        Kaster kaster;
        QCoreApplication::postEvent(&kaster, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&kaster, new QEvent(QEvent::User));
        QTRY_COMPARE(kaster.haendelser, 2);
        const auto vist = Modalsvar::vist();
        QCOMPARE(vist.size(), 2);
        QCOMPARE(vist[0].slags, QString("Fejl"));
        QCOMPARE(vist[0].tekst, QString("Adgang nægtet"));
        Modalsvar::testtilstand(false);
    }
};

int main(int argc, char **argv) {
    AnkerApplikation app(argc, argv);
    TstApplikation t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_applikation.moc"
