#pragma once
// The administration window: groups, elements, the store and the options.

#include "components/filvalg.h"
#include "launcher/flader.h"

#include <QWidget>

class Handling;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class Tmainform;

class Tboksform : public QWidget, public AdminFlade {
    Q_OBJECT
public:
    explicit Tboksform(Tmainform *hoved);

    // Creation step: lists, options, the collection and the style list.
    void FormCreate();
    void hentOpt();
    void gemOpt() override;

    // The open-file dialog for programs.
    Tfilvalg OpenDia{QStringLiteral("Vælg program"), QStringLiteral("/")};
    // The start-up registration waits for the shortcut file with this timer.
    QTimer *startProgTimer;
    QString SPtimerFilename;
    qint32 SPtimerCount = 0;
    void doButtonClick();
    void makeOpstartProg();
    void startProgTimerTimer();

    // The store page has moves not yet saved.
    bool listerModified = false;
    QString optfil;

    // AdminFlade
    void nulstilElementfelter() override;
    void visValgtGruppe(const QString &navn) override;
    void tilfoejElement(const QString &navn) override;
    void visElementer() override;
    void visGrupper(const QStringList &grupper) override;
    void visLagerlister(const QStringList &box, const QStringList &lager) override;
    void visSamling(int funkNo) override;
    void loadBokse() override;
    void visDesignliste(const QStringList &navne, const QString &valgt) override;
    bool trayValgt() const override;
    bool minimerValgt() const override;
    void visVindue(int side = -1) override;
    void vendSamling() override;
    void vaelgGruppe(int position) override;
    void SkiftGruppe() override;
    int browserIndex() const override;
    QString vaelgProgram() override;
    Listevalg boxValg() const override;
    Listevalg lagerValg() const override;
    void saetLagerValg(const Listevalg &box, const Listevalg &lager) override;
    bool listerAendret() const override { return listerModified; }
    void saetListerAendret(bool aendret) override { listerModified = aendret; }
    void tomGruppefelter() override;

    void setBrowserIndex(int i);

    // --- groups ---
    void gruppeBoksClick();
    void NyGruppe();
    void SletGruppe();
    void RedigerGruppe();
    void redigerCheckClick();
    void sorterKnapClick();
    // --- elements ---
    void InsertElement();
    void actionOpenEleExecute();
    void programBoksClick();
    void RedigerNavn();
    void aResetVisitsExecute();
    void fjernKnapClick();

    QTabWidget *Bog;
    QWidget *side0, *side1, *side2, *side4, *Side5;
    QStatusBar *infoBar;
    QObject *ActionList1;
    Handling *aNyGruppe, *aSletGruppe, *aRedigerGruppe, *aInsertElement, *actionOpenEle, *aRedigerNavn,
        *aResetVisits;
    // "Grupper"
    QWidget *Panel7;
    QSplitter *Splitter2;
    QWidget *rightPanel1;
    QListWidget *gruppeBoks;
    QLineEdit *valgtGruppeEdit;
    QToolButton *sletKnap;
    QCheckBox *redigerCheck;
    QToolButton *redigerKnap;
    QLineEdit *gEdit;
    QToolButton *nyGruppeKnap;
    QToolButton *sbInformationsKnap;
    QToolButton *sorterKnap;
    QCheckBox *funkCheck;
    // "Indfør element"
    QWidget *rightPanel2;
    QLineEdit *gruppeEdit;
    QLabel *adrLabel;
    QLineEdit *FilnavnEdit;
    QToolButton *openKnap;
    QLineEdit *tekstEdit;
    QToolButton *insertKnap;
    QToolButton *sbInfo2;
    QButtonGroup *browserValg;
    // "Fjern eller rediger element"
    QWidget *Panel8;
    QSplitter *Splitter1;
    QWidget *rightPanel3;
    QTreeWidget *programBoks;
    QToolButton *fjernKnap;
    QLineEdit *gNameEdit;
    QLabel *adrLabel2;
    QLineEdit *webUrlEdit;
    QLineEdit *nytekstEdit;
    QToolButton *nytekstKnap;
    QToolButton *Button1;
    QToolButton *sbInfo1;
    // "Administrer grupper"
    QListWidget *Box;
    QWidget *Panel1;
    QListWidget *lagerBox;
    QToolButton *sbInformation;
    QToolButton *tilLagerValgte, *tilbageValgte, *tilLagerAlle, *tilbageAlle, *flytOp, *flytNed;
    QToolButton *gemKnap;
    // "Egenskaber"
    QWidget *eLeftPanel, *eRightPanel;
    QComboBox *designBox;
    QCheckBox *trayCheck;
    QCheckBox *minimerCheck;
    QToolButton *doButton;

protected:
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void bygVindue();
    void bygHandlinger();
    void bygGruppeside();
    void bygIndfoerside();
    void bygRedigerside();
    void bygLagerside();
    void bygEgenskabsside();
    void BogChange(int side);
    void funkCheckClick();
    void trayCheckClick();
    void designBoxChange();
    // The element chosen in programBoks, or -1.
    int valgtElement() const;

    Tmainform *m_hoved;
    QList<class QTreeWidgetItem *> m_nyeElementer;
    bool m_sideFraProgram = false; // a page chosen by the program runs no BogChange
    bool m_listeFraProgram = false; // a selection made by the program is no user's choice
};
