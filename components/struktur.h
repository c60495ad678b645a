#pragma once
// The structure tree: a tree of pages kept in two text files. The structure file holds
// the node texts, one line per node in depth-first order, indented by one TAB per level;
// the data file holds each node's data line at the same position: an image digit
// followed by the page name. A node's page file is the page folder + page name + ".html".

#include "platform/tekstfil.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>
#include <QTreeWidget>

#include <memory>

class Skal;

// Where a new or dragged node goes, relative to a reference node R.
enum TNodeAttachMode {
    naAdd,           // after the last sibling of R
    naAddFirst,      // before the first sibling of R
    naAddChild,      // after the last child of R
    naAddChildFirst, // before the first child of R
    naInsert         // directly before R
};

class TStruktur : public QTreeWidget {
    Q_OBJECT
public:
    explicit TStruktur(QWidget *parent = nullptr);
    ~TStruktur() override;

    QString Strukturfile() const { return FStrukturfile; }
    void setStrukturfile(const QString &v) { FStrukturfile = v; }
    QString Datafile() const { return FDatafile; }
    void setDatafile(const QString &v) { FDatafile = v; }
    // The page folder, ending in "/".
    QString Infomappe() const { return FInfomappe; }
    void setInfomappe(const QString &v) { FInfomappe = v; }
    // Kept for the host; the control never reads them.
    QString Billedmappe() const { return FBilledmappe; }
    void setBilledmappe(const QString &v) { FBilledmappe = v; }
    QString Htmlmappe() const { return FHtmlmappe; }
    void setHtmlmappe(const QString &v) { FHtmlmappe = v; }
    // Nodes carry data lines and the data file is used.
    bool DataOn() const { return FDataOn; }
    void setDataOn(bool v) { FDataOn = v; }
    // The tree has changes not yet saved.
    bool Modified() const { return FModified; }
    void setModified(bool v) { FModified = v; }
    TNodeAttachMode Flytmode() const { return FFlytmode; }
    void setFlytmode(TNodeAttachMode v) { FFlytmode = v; }

    // The shell that takes deleted page files to the trash; a SystemSkal until set.
    void setSkal(std::shared_ptr<Skal> skal);
    // Icons for image indexes 0 to 9; a node shows the icon of its index, when there is one.
    void setBilleder(const QList<QIcon> &billeder);
    // The image at this index of the list, or none.
    QIcon billede(int indeks) const { return m_billeder.value(indeks); }

    // Loads the tree, and with DataOn the data lines (creating a missing data file).
    // False, with an empty tree, when the structure file does not exist. Raises AnkerFejl
    // on a bad level, a short or bad data file or a file that cannot be read; the nodes
    // read so far stay.
    bool HentStruktur();
    // Writes the data file (with DataOn), then the structure file. False, writing nothing,
    // when a needed path is empty; raises AnkerFejl when a file cannot be written.
    bool GemStruktur();
    void NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    void RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter, bool gem);
    // Removes the selected node with its subtree; the page files of the node and of its
    // direct children go to the trash. Without a selection nothing happens.
    void SletNode();
    // The selected node's page name.
    QString SelectedData() const;
    // Selects the first node whose page name is the file name of DataUrl without folder
    // and extension; true when that node was not selected before.
    bool setSelected(const QString &DataUrl);
    // The same lookup; the text of the found node, which becomes selected.
    QString getNodeTekst(const QString &DataUrl);
    QString InfoFilnavn(const QString &Filefternavn) const;
    // The selected node's position in depth-first order; -1 when none.
    int getTheSelectedIndex() const;
    // Drag-move, from the host's mouse press and release; viewport coordinates.
    void MusDown(int X, int Y);
    void MusUp(int X, int Y, bool somGrundnode);
    // Sends one file to the trash; false when it does not exist or the shell fails.
    bool FileDeleteRB(const QString &AFileName);

    // All nodes in depth-first order.
    QList<QTreeWidgetItem *> noder() const;
    QTreeWidgetItem *nodeForIndeks(int i) const;
    QTreeWidgetItem *valgtNode() const;
    // A drag-move has begun and waits for the release.
    bool flytVenter() const { return MouseDown; }
    // The encoding the structure file is written in: that of the last read.
    Kodning strukturKodning() const { return m_strukturKodning; }

    static bool harDatalinje(const QTreeWidgetItem *node);
    static QString datalinje(const QTreeWidgetItem *node);
    // The data line less its image digit; empty without a data line.
    static QString sidenavn(const QTreeWidgetItem *node);
    // -1 for a node without a data line.
    static int billedIndeks(const QTreeWidgetItem *node);
    // The page file of a node; empty for a node without a data line.
    QString sidefil(const QTreeWidgetItem *node) const;

protected:
    // Once a node is selected the tree keeps one selected: a click beside the nodes or a
    // Ctrl+click on the selected node changes nothing.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *e = nullptr) const override;
    // Only the left button chooses; the others leave selection and current node alone.
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    // Builds the nodes apart from the view; a bad level ends the reading with `fejl` set.
    QList<QTreeWidgetItem *> laesStruktur(const QStringList &linjer, QString &fejl);
    // Gives the nodes, in depth-first order, their data lines; raises on a bad line.
    void laesData(const QList<QTreeWidgetItem *> &noder, const QStringList &linjer);
    void saetData(QTreeWidgetItem *node, const QString &linje, int indeks);
    void fjernData(QTreeWidgetItem *node);
    void afslutAendring(bool sorter, bool gem);
    QTreeWidgetItem *find(const QString &DataUrl) const;
    void indsaet(QTreeWidgetItem *node, QTreeWidgetItem *ref, TNodeAttachMode mode);
    void flyt(QTreeWidgetItem *node, QTreeWidgetItem *ref, TNodeAttachMode mode);
    void annullerFlytning();

    QString FStrukturfile;
    QString FDatafile;
    QString FInfomappe;
    QString FBilledmappe;
    QString FHtmlmappe;
    bool FDataOn = false;
    bool FModified = false;
    TNodeAttachMode FFlytmode = naAdd;
    bool MouseDown = false;
    QTreeWidgetItem *NodeDown = nullptr;
    QTreeWidgetItem *NodeUp = nullptr;

    Kodning m_strukturKodning = Kodning::Ansi;
    mutable QHash<QString, QTreeWidgetItem *> m_sideindeks;
    mutable bool m_indeksGyldigt = false;
    std::shared_ptr<Skal> m_skal;
    QList<QIcon> m_billeder;
};
