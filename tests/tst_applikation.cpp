// An error that no handler catches reaches the top-level report; the program goes on.

#include "components/filvalg.h"
#include "launcher/applikation.h"
#include "platform/fejl.h"
#include "platform/modalsvar.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>
#include <stdexcept>

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

    // A library error, not the program's own, thrown from a slot of a real button click:
    // the same report, and the button and the loop work on.
    void stdExceptionFromClickedSlot_isReportedAndLoopGoesOn() {
        Modalsvar::testtilstand(true);
        QPushButton knap(QStringLiteral("Gem"));
        int klik = 0;
        QObject::connect(&knap, &QPushButton::clicked, &knap, [&klik] {
            ++klik;
            throw std::runtime_error("Ingen plads på disken");
        });
        knap.show();
        QVERIFY(QTest::qWaitForWindowExposed(&knap));
        // Through the window, as the window system delivers a click.
        const QPoint midte = knap.rect().center();
        QTest::mouseClick(knap.windowHandle(), Qt::LeftButton, {}, midte);
        QTest::mouseClick(knap.windowHandle(), Qt::LeftButton, {}, midte);
        QCOMPARE(klik, 2);
        QVERIFY(!knap.isDown());
        Kaster kaster;
        QCoreApplication::postEvent(&kaster, new QEvent(QEvent::User));
        QTRY_COMPARE(kaster.haendelser, 1);
        const auto vist = Modalsvar::vist();
        QCOMPARE(vist.size(), 3);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(vist[i].slags, QString("Fejl"));
            QCOMPARE(vist[i].tekst, QString("Ingen plads på disken"));
        }
        Modalsvar::testtilstand(false);
    }

    // Qt's own dialogs and menus speak the program's language, not English.
    void qtsOwnTexts_fileDialogAndContextMenu_areDanish() {
        QVERIFY(indlaesQtsDanskeTekster());
        const auto oversaettere = [] { return qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly).size(); };
        const qsizetype foer = oversaettere();
        QVERIFY(indlaesQtsDanskeTekster()); // a second call changes nothing
        QCOMPARE(oversaettere(), foer);
        QCOMPARE(foer, 1);
        QStringList knapper, etiketter;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *boks = dialog->findChild<QDialogButtonBox *>();
            for (auto rolle : {QDialogButtonBox::Open, QDialogButtonBox::Cancel})
                knapper << boks->button(rolle)->text();
            for (const char *navn : {"lookInLabel", "fileNameLabel"})
                etiketter << dialog->findChild<QLabel *>(navn)->text();
            dialog->reject();
        });
        QCOMPARE(Tfilvalg(QStringLiteral("Vælg program"), QStringLiteral("/")).Execute(nullptr), QString());
        QCOMPARE(knapper, (QStringList{"&Åbn", "Annuller"}));
        QCOMPARE(etiketter, (QStringList{"Kig i:", "&Filnavn:"}));

        QLineEdit felt;
        std::unique_ptr<QMenu> menu(felt.createStandardContextMenu());
        QStringList menutekster;
        for (const QAction *a : menu->actions())
            if (!a->isSeparator())
                menutekster << a->text().split(u'\t').first();
        QCOMPARE(menutekster.first(), QString("&Fortryd"));
        QCOMPARE(menutekster.last(), QString("Markér alt"));
    }
};

int main(int argc, char **argv) {
    AnkerApplikation app(argc, argv);
    TstApplikation t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_applikation.moc"
