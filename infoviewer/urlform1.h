#pragma once
// The URL list window: the visited pages, page names on the right and the structure
// of each on the left.

#include <QWidget>

class Handling;
class QLabel;
class QListWidget;
class QSplitter;
class QStatusBar;
class QToolButton;
class Tinfoformen;
class Tmainform;

class Turlform1 : public QWidget {
    Q_OBJECT
public:
    Turlform1(Tmainform *hoved, Tinfoformen *info);
    // Creation step: the options file.
    void FormCreate();
    void hentOpt();
    void gemOpt();

    // The visited-pages list the information window keeps here.
    int antal() const;
    QString sidenavn(int i) const;
    QString strukturnavn(int i) const;
    void tilfoej(const QString &side, const QString &struktur);
    // Row i becomes the chosen row of both lists.
    void vaelgRaekke(int i);

    void AsletAlleExecute();
    void ArensDobbeltExecute();

    QString optfilnavn;
    QLabel *overskriftLabel;
    QListWidget *strukturliste;
    QSplitter *Splitter1;
    QListWidget *urlListe;
    QWidget *knapPanel;
    QToolButton *sletKnap;
    QToolButton *rensKnap;
    QToolButton *lukKnap;
    QStatusBar *infoBar;
    QObject *ActionList;
    Handling *AsletAlle, *ArensDobbelt;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void dobbeltklik(QListWidget *liste);

    Tmainform *m_hoved;
    Tinfoformen *m_info;
};
