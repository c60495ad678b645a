#pragma once
// The information window: the help pages in a tree, a browser, search and history.

#include "infoviewer/browserflade.h"
#include "launcher/flader.h"

#include <QWidget>

class Handling;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class Tmainform;
class TStruktur;
class Turlform1;

class Tinfoformen : public QWidget, public InfoFlade {
    Q_OBJECT
public:
    explicit Tinfoformen(Tmainform *hoved);

    // Creation step: structure, options file name, the editor.
    void FormCreate();
    void aabnEmne(const QString &emne) override;
    // The URL list window, whose two lists hold the visited pages.
    void saetUrlform(Turlform1 *urlform) { m_urlform = urlform; }
    // The browser to use; without one, the web engine's is made at the first showing.
    void saetBrowser(Browserflade *browser);

    void hentOpt();
    void gemOpt();
    void LoadStruktur();
    bool goToInfo(const QString &openNodetekst);
    void goToStruktur(int aIndex);
    void StrukturClick();
    void Ago();
    void FindTekst(const QString &FTekst);
    void FindisClick();
    QString checkProgram() const;
    void runFilname(const QString &Fname);
    void ErrorInfo(int Nr);
    // The visit recording.
    void UrlLister(const QString &Urlen);
    // The link under the mouse, from the page's hook.
    void Document_OnMouseOver(const MusOver &element);
    static bool IsURL(const QString &s);
    // The number of entries in the visited-pages list.
    int antalBesoeg() const;

    QString strukturnavn, newNavn, strukturdir, Mappe, optFilnavn, hjemmeside, oldUrl, htmlProgram;
    int urlIndex = 0;
    bool naviKlikket = false;
    bool opstart = true;
    bool htmlDoc = false; // a completed document whose hook is live
    QString globalUrl;
    QString emne; // the topic asked for last

    QWidget *leftPanel;
    QSplitter *Splitter1;
    QTabWidget *infoBog;
    QWidget *side1, *side2, *Panel1, *searchPanel, *rightPanel;
    QLabel *Label1, *antalLabel;
    TStruktur *Struktur;
    QLineEdit *EditFind;
    QToolButton *sButton;
    QListWidget *Findis;
    QToolBar *NavigateBar;
    QLineEdit *Edit;
    QToolButton *redigerKnap;
    QStatusBar *infobar;
    Browserflade *Web = nullptr;
    QObject *ActionList;
    Handling *Afirst, *Aback, *Aforward, *Alast, *Ago_, *AfavListe, *aSearch;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void bygVindue();
    void bygHandlinger();
    void FormShow();
    void WebTitleChange();
    void aabnUde(const QString &adresse);

    Tmainform *m_hoved;
    Turlform1 *m_urlform = nullptr;
    QVBoxLayout *m_webLag = nullptr;
};
