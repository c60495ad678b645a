#pragma once
// The main window: the groups of the current collection, the elements of the chosen
// group, and the data model behind both.

#include "launcher/Ankerhus.h"
#include "launcher/element.h"
#include "launcher/lagerregler.h"
#include "platform/tekstfil.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class AdminFlade;
class Indeksvagt;
class Soegeindeks;
class Tfindform;
struct Soegepost;
class Handling;
class InfoFlade;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QStatusBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TSysTrayIcon;

class Tmainform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tmainform(const Miljoe &miljoe);
    ~Tmainform() override;

    // Creation step: folders, options, the current collection's lists.
    void FormCreate();
    // The administration window has had its creation step: when the main window is on
    // the screen already, it gets the group shown and its options take effect.
    void adminKlar();
    // The administration and information windows, known from their creation on.
    void saetAdmin(AdminFlade *admin) { m_admin = admin; }
    void saetInfo(InfoFlade *info) { m_info = info; }

    // --- folders and options ---
    QString GetUserFromWindows() const;
    void makeOptdir();
    void hentOpt();
    void gemOpt();
    void loadDesign();

    // --- the data model ---
    void setMappe();
    void loadGruppefil();
    // `forud`: the folder's elements when they were read already.
    void readWeb(const QString &folder, std::optional<TWebArray> forud = std::nullopt);
    void ListenAdd();
    void GemWeb();
    void insertElement(const QString &aUrl, const QString &aNavn);
    void deleteGruppefil();
    // The current group becomes the one remembered for the current collection, so a
    // switch of collection and back, and main.txt, name what the user sees now.
    void huskGruppe();
    // The collection switch: programs when `programmer`, else web pages.
    void skiftSamling(bool programmer);
    // Imports bookmarks from `kilde` (a file, "firefox" or "chromium") into the web-page
    // collection and shows the result: whether it worked, and the summary.
    std::pair<bool, QString> importerBogmaerker(const QString &kilde);
    // The import and export windows of the menu; shown window-modal, kept for reuse.
    void visBogmaerkeImport();
    void visBogmaerkeEksport();
    class Tbogmaerkeform *bogmaerkeform = nullptr;
    class Teksportform *eksportform = nullptr;
    // Writes the group list in the encoding it was read in.
    // Writes `ny` as the group list; only then does it become the list in memory.
    void gemGruppeliste(const QStringList &ny);
    void gemGruppeliste() { gemGruppeliste(gruppeliste); }
    void sikrListe(const QString &sti, const QString &fejl) const;
    // The folder of a group of the current collection, found ignoring case; empty for a
    // name that cannot be a folder name.
    QString gruppemappe(const QString &navn) const;
    // The current group's folder, or a message and empty when it has none: an insert
    // into it is refused.
    QString gruppemappeEllerBesked();
    static QString ingenGruppemappeTekst();
    // The overwrite question of inserting an element; true on "Ja".
    static bool maaOverskrive(const QString &navn);
    // Starts the chosen browser, or the other one, if one is installed.
    void startBrowser(int browserIndex);

    const Miljoe &miljoe() const { return m_miljoe; }

    // --- choosing and launching ---
    void gruppeBoksenDblClick();
    void ListenClick();
    void ListenDblClick();
    void runProgrammer();
    void webUrlBeforeBrowse();
    // Date, time and visits of the element at row i, on screen and on disk.
    void registrerBrug(int i);
    void runFilname(const QString &aFilename);
    void ErrorInfo(int code);
    void Information(const QString &S);
    // The selected row of Listen, or -1.
    int valgtRaekke() const;

    // --- finding elements by typing ---
    // Opens the find window with `tekst` in its field; the index is built first if the
    // start has not built it yet.
    void visFind(const QString &tekst = {});
    // Builds the index of both collections and its watch, once.
    void bygIndeks();
    Soegeindeks *indeks() const { return m_indeks.get(); }
    // Shows the element in this window: its collection and group chosen, its row
    // selected. False, after a message, when it is no longer there.
    bool visElement(const Soegepost &p);
    // Opens the element as a double click on its row does.
    void aabnElement(const Soegepost &p);
    Handling *actionFind;
    QAction *Find1;
    Tfindform *findform = nullptr;

    // --- the action list lagerActions ---
    QObject *lagerActions;
    Handling *actionAW, *egenskaberGo, *actionSI, *actionInfo, *actionIL, *webUrl, *webBrowser;
    Handling *AvalgteTilLager, *AvalgteTilbage, *AalleTilLager, *AalleTilbage, *AflytOp, *AflytNed,
        *AgemForandringer;
    // Entries of PopupMenu.
    QAction *Administrerindhold1, *N1, *Skiftindhold1, *N2, *Egenskaber1, *Information1;
    QAction *N3, *Importerbogmaerker1, *Eksporterbogmaerker1;

    // State of the data model.
    bool opstart = true;
    QString brugernavn;
    QString strukturDir, programdir0, programdir1, programdir, optdir, optFilnavn;
    QString designname;
    QString gruppenavn, gruppenavn0, gruppenavn1;
    quint8 funkNo = 0;
    QString gruppeDir;
    QString webGruppefil, webLagerfil;
    QStringList gruppeliste, lagerliste;
    Kodning gruppelisteKodning = Kodning::Ansi;
    Kodning lagerlisteKodning = Kodning::Ansi;
    // Why a list file that exists could not be read; such a list is never written over.
    QString gruppelisteFejl, lagerlisteFejl;
    TWebArray Web;
    qint32 WebNo = -1;
    qint32 WebAntal = 0;

    // Controls.
    QWidget *Panel13;
    QToolButton *Button2;
    QMenu *PopupMenu;
    QLabel *Label1;
    QLineEdit *webEdit1;
    QToolButton *Button3;
    QToolButton *insertKnap;
    QLabel *Label3;
    QLineEdit *webEdit2;
    QToolButton *Button1;
    QWidget *Panel3;
    QWidget *venstrePanel;
    QLabel *gruppenavnLabel;
    QTreeWidget *Listen;
    QWidget *Panel9;
    QWidget *gruppePanel;
    QLabel *Label2;
    QListWidget *gruppeBoksen;
    QWidget *Panel2;
    QStatusBar *infoBar;
    TSysTrayIcon *TrayIcon;

    // The group list shows these names.
    void visGruppeliste(const QStringList &grupper);

signals:
    // The main window was closed: the program ends.
    void lukket();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void bygVindue();
    void bygHandlinger();
    void bygMenu();
    void hurtigIndsaet(); // actionIL
    void aabnBrowser();   // webBrowser
    void skiftIndhold();  // actionSI
    void gemLagerlister(); // AgemForandringer
    void flytLager(void (*flyt)(Listevalg &, Listevalg &), bool fraBox);
    void flytIBox(void (*flyt)(Listevalg &));
    void FormShow();
    void anvendStartvalg(); // the administration window's tray and minimised start
    void FormClose();
    void visGruppenavn();
    void visSamlingsoverskrift(); // the element list's last heading: web page or program
    // The index follows the program's own changes: the elements of the group on show,
    // and the current collection's lists.
    void indeksGruppe();
    void indeksLister();
    // Folders changed outside the program: the group on show is read again.
    void mapperAendret(const QStringList &mapper);

    Miljoe m_miljoe;
    AdminFlade *m_admin = nullptr;
    InfoFlade *m_info = nullptr;
    QList<QTreeWidgetItem *> m_nyeRaekker; // rows made by ListenAdd, put in as one batch
    std::unique_ptr<Soegeindeks> m_indeks;
    Indeksvagt *m_indeksvagt = nullptr;
};
