#pragma once
// The administration window: groups, elements, the store and the options.

#include "components/filvalg.h"
#include "launcher/flader.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QStatusBar;
class QTabWidget;
class QToolButton;
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

    // The store page has moves not yet saved.
    bool listerModified = false;
    QString optfil;

    // AdminFlade
    void nulstilElementfelter() override;
    void visValgtGruppe(const QString &navn) override;
    void tilfoejElement(const QString &navn) override;
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
    int browserIndex() const override;
    QString vaelgProgram() override;
    Listevalg boxValg() const override;
    Listevalg lagerValg() const override;
    void saetLagerValg(const Listevalg &box, const Listevalg &lager) override;
    bool listerAendret() const override { return listerModified; }
    void saetListerAendret(bool aendret) override { listerModified = aendret; }
    void tomGruppefelter() override;

    void setBrowserIndex(int i);
    void SkiftGruppe() override;

    QTabWidget *Bog;
    QWidget *side0, *side1, *side2, *side4, *Side5;
    QStatusBar *infoBar;
    // "Grupper"
    QListWidget *gruppeBoks;
    QCheckBox *funkCheck;
    QLineEdit *valgtGruppeEdit;
    QLineEdit *gEdit;
    QToolButton *sbInformationsKnap;
    // "Indfør element"
    QLineEdit *gruppeEdit;
    QLabel *adrLabel;
    QLineEdit *FilnavnEdit;
    QLineEdit *tekstEdit;
    QButtonGroup *browserValg;
    QToolButton *sbInfo2;
    // "Fjern eller rediger element"
    QListWidget *programBoks;
    QLineEdit *gNameEdit;
    QLabel *adrLabel2;
    QLineEdit *webUrlEdit;
    QLineEdit *nytekstEdit;
    QToolButton *sbInfo1;
    // "Administrer grupper"
    QListWidget *Box;
    QWidget *Panel1;
    QListWidget *lagerBox;
    QToolButton *sbInformation;
    QToolButton *tilLagerValgte, *tilbageValgte, *tilLagerAlle, *tilbageAlle, *flytOp, *flytNed;
    QToolButton *gemKnap;
    // "Egenskaber"
    QComboBox *designBox;
    QCheckBox *trayCheck;
    QCheckBox *minimerCheck;
    QToolButton *doButton;

protected:
    void changeEvent(QEvent *e) override;

private:
    void bygVindue();
    void bygLagerside();
    void BogChange(int side);
    void funkCheckClick();
    void trayCheckClick();
    void designBoxChange();

    Tmainform *m_hoved;
    bool m_sideFraProgram = false; // a page chosen by the program runs no BogChange
};
