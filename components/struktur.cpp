#include "components/struktur.h"

#include "platform/fejl.h"
#include "platform/navne.h"
#include "platform/skal.h"

#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <functional>
#include <QTreeWidgetItemIterator>

namespace {
constexpr int kDatarolle = Qt::UserRole;       // the data line, absent without one
constexpr int kBilledrolle = Qt::UserRole + 1; // the image index, -1 without a data line

// Sorts by text in the order of the user's language, which the tree's own sort does not.
// Holds its data line and image index itself: a tree of ten thousand nodes is loaded
// often, and the item's own list of roles costs two allocations and a search per value.
class StrukturNode : public QTreeWidgetItem {
public:
    explicit StrukturNode(const QString &tekst) : QTreeWidgetItem(QStringList{tekst}) {}
    // A node with an image index shows that image of its tree's list; it is looked up when
    // drawn, not stored in each of ten thousand nodes.
    QVariant data(int kolonne, int rolle) const override {
        if (kolonne == 0 && rolle == kDatarolle)
            return m_harDatalinje ? QVariant(m_datalinje) : QVariant();
        if (kolonne == 0 && rolle == kBilledrolle)
            return m_harBillede ? QVariant(m_billede) : QVariant();
        if (kolonne != 0 || rolle != Qt::DecorationRole)
            return QTreeWidgetItem::data(kolonne, rolle);
        if (!m_harBillede)
            return {};
        const auto *trae = qobject_cast<const TStruktur *>(treeWidget());
        return QVariant::fromValue(trae ? trae->billede(m_billede) : QIcon());
    }
    void setData(int kolonne, int rolle, const QVariant &vaerdi) override {
        if (kolonne == 0 && rolle == kDatarolle) {
            m_harDatalinje = vaerdi.isValid();
            m_datalinje = vaerdi.toString();
        } else if (kolonne == 0 && rolle == kBilledrolle) {
            m_harBillede = vaerdi.isValid();
            m_billede = vaerdi.toInt();
        } else {
            QTreeWidgetItem::setData(kolonne, rolle, vaerdi);
            return;
        }
        if (treeWidget()) // the image may have changed: the view redraws the node
            emitDataChanged();
    }
    bool operator<(const QTreeWidgetItem &anden) const override {
        return QString::localeAwareCompare(text(0), anden.text(0)) < 0;
    }

private:
    QString m_datalinje;
    int m_billede = -1;
    bool m_harDatalinje = false;
    bool m_harBillede = false;
};

bool erBlank(QChar c) {
    return c == u'\t' || c == u' ';
}

int dybde(const QTreeWidgetItem *node) {
    int d = 0;
    for (const QTreeWidgetItem *p = node->parent(); p; p = p->parent())
        ++d;
    return d;
}

bool iUndertrae(const QTreeWidgetItem *node, const QTreeWidgetItem *top) {
    for (const QTreeWidgetItem *p = node; p; p = p->parent())
        if (p == top)
            return true;
    return false;
}

// A file line holds one node: a line break would split it and shift every later data
// line, so each break becomes one space.
QString udenLinjeskift(QString tekst) {
    return tekst.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(u'\r', u' ')
        .replace(u'\n', u' ');
}

// Leading blanks would read back as levels.
QString filtekst(const QString &tekst) {
    const QString linje = udenLinjeskift(tekst);
    qsizetype i = 0;
    while (i < linje.size() && erBlank(linje.at(i)))
        ++i;
    return linje.mid(i);
}

[[noreturn]] void laesefejl(const QString &hvad, const QString &sti, const QString &grund) {
    throw AnkerFejl(QStringLiteral("%1 \"%2\" kunne ikke læses: %3").arg(hvad, sti, grund));
}
} // namespace

TStruktur::TStruktur(QWidget *parent)
    : QTreeWidget(parent), m_skal(std::make_shared<SystemSkal>()) {
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Any change of nodes or their data makes the page-name index stale.
    const auto foraeldet = [this] { m_indeksGyldigt = false; };
    QAbstractItemModel *m = model();
    connect(m, &QAbstractItemModel::rowsInserted, this, foraeldet);
    connect(m, &QAbstractItemModel::rowsRemoved, this, foraeldet);
    connect(m, &QAbstractItemModel::rowsMoved, this, foraeldet);
    connect(m, &QAbstractItemModel::dataChanged, this, foraeldet);
    connect(m, &QAbstractItemModel::modelReset, this, foraeldet);
    connect(m, &QAbstractItemModel::layoutChanged, this, foraeldet);
}

QItemSelectionModel::SelectionFlags TStruktur::selectionCommand(const QModelIndex &index,
                                                                const QEvent *e) const {
    const QItemSelectionModel::SelectionFlags valg = QTreeWidget::selectionCommand(index, e);
    if (!index.isValid() || (valg & QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return valg;
}

void TStruktur::mousePressEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton)
        QTreeWidget::mousePressEvent(e);
    else
        e->accept();
}

void TStruktur::mouseDoubleClickEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton)
        QTreeWidget::mouseDoubleClickEvent(e);
    else
        e->accept();
}

void TStruktur::mouseMoveEvent(QMouseEvent *e) {
    if (e->buttons() & ~Qt::MouseButtons(Qt::LeftButton))
        e->accept();
    else
        QTreeWidget::mouseMoveEvent(e);
}

TStruktur::~TStruktur() {
    // The view's base classes delete the model, whose clearing signals would otherwise
    // reach this tree after its own part is gone.
    disconnect(model(), nullptr, this, nullptr);
}

void TStruktur::setSkal(std::shared_ptr<Skal> skal) {
    m_skal = skal ? std::move(skal) : std::make_shared<SystemSkal>();
}

void TStruktur::setBilleder(const QList<QIcon> &billeder) {
    m_billeder = billeder;
    viewport()->update();
}

QList<QTreeWidgetItem *> TStruktur::noder() const {
    QList<QTreeWidgetItem *> ud;
    for (QTreeWidgetItemIterator it(const_cast<TStruktur *>(this)); *it; ++it)
        ud.append(*it);
    return ud;
}

QTreeWidgetItem *TStruktur::nodeForIndeks(int i) const {
    if (i < 0)
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<TStruktur *>(this)); *it; ++it)
        if (i-- == 0)
            return *it;
    return nullptr;
}

QTreeWidgetItem *TStruktur::valgtNode() const {
    const QList<QTreeWidgetItem *> valgte = selectedItems();
    return valgte.isEmpty() ? nullptr : valgte.first();
}

bool TStruktur::harDatalinje(const QTreeWidgetItem *node) {
    return node && node->data(0, kDatarolle).isValid();
}

QString TStruktur::datalinje(const QTreeWidgetItem *node) {
    return node ? node->data(0, kDatarolle).toString() : QString();
}

QString TStruktur::sidenavn(const QTreeWidgetItem *node) {
    return harDatalinje(node) ? datalinje(node).mid(1) : QString();
}

int TStruktur::billedIndeks(const QTreeWidgetItem *node) {
    const QVariant v = node ? node->data(0, kBilledrolle) : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

QString TStruktur::sidefil(const QTreeWidgetItem *node) const {
    if (!harDatalinje(node))
        return {};
    return FInfomappe + sidenavn(node) + QStringLiteral(".html");
}

void TStruktur::saetData(QTreeWidgetItem *node, const QString &linje, int indeks) {
    node->setData(0, kDatarolle, linje);
    node->setData(0, kBilledrolle, indeks);
}

void TStruktur::fjernData(QTreeWidgetItem *node) {
    node->setData(0, kDatarolle, QVariant());
    node->setData(0, kBilledrolle, -1);
}

// ---- Loading and saving ----

QList<QTreeWidgetItem *> TStruktur::laesStruktur(const QStringList &linjer, QString &fejl) {
    // Built apart from the view: the host attaches them, also when a bad line stops the
    // reading, so the nodes before that line stay.
    QList<QTreeWidgetItem *> roedder;
    QTreeWidgetItem *forrige = nullptr;
    int forrigeDybde = 0;
    for (const QString &linje : linjer) {
        int niveau = 0;
        while (niveau < linje.size() && erBlank(linje.at(niveau)))
            ++niveau;
        const QString tekst = linje.mid(niveau);
        if (forrige && niveau > forrigeDybde + 1) {
            fejl = QStringLiteral("Invalid level (%1) for item \"%2\"")
                       .arg(QString::number(niveau), tekst);
            break;
        }
        auto *node = new StrukturNode(tekst);
        if (!forrige) {
            roedder.append(node);
            forrigeDybde = 0;
        } else if (niveau == forrigeDybde + 1) {
            forrige->addChild(node);
            forrigeDybde = niveau;
        } else {
            // The previous node is the last of its line of ancestors, so the ancestor at
            // this level is the last child of its parent: appending puts the node after it.
            QTreeWidgetItem *anden = forrige;
            for (int d = forrigeDybde; d > niveau; --d)
                anden = anden->parent();
            if (QTreeWidgetItem *foraelder = anden->parent())
                foraelder->addChild(node);
            else
                roedder.append(node);
            forrigeDybde = niveau;
        }
        forrige = node;
    }
    return roedder;
}

void TStruktur::laesData(const QList<QTreeWidgetItem *> &noder, const QStringList &linjer) {
    for (qsizetype i = 0; i < noder.size(); ++i) {
        if (i >= linjer.size())
            throw AnkerFejl(
                QStringLiteral("Datafilen \"%1\" har %2 linjer, men strukturen har flere punkter.")
                    .arg(FDatafile, QString::number(linjer.size())));
        const QString &linje = linjer.at(i);
        if (linje.isEmpty())
            throw AnkerFejl(QStringLiteral("Linje %1 i datafilen \"%2\" er tom.")
                                .arg(QString::number(i + 1), FDatafile));
        const QChar ciffer = linje.at(0);
        if (ciffer < u'0' || ciffer > u'9')
            throw AnkerFejl(
                QStringLiteral(
                    "Linje %1 i datafilen \"%2\" begynder ikke med et billedciffer: \"%3\"")
                    .arg(QString::number(i + 1), FDatafile, linje));
        saetData(noder.at(i), linje, ciffer.unicode() - u'0');
    }
}

bool TStruktur::HentStruktur() {
    annullerFlytning();
    NodeUp = nullptr;
    if (!QFileInfo::exists(FStrukturfile)) {
        clear();
        return false;
    }
    const Tekstlinjer struktur = laesLinjer(FStrukturfile);
    clear();
    if (!struktur.ok)
        laesefejl(QStringLiteral("Strukturfilen"), FStrukturfile, struktur.fejl);
    m_strukturKodning = struktur.kodning;
    QString fejl;
    const QList<QTreeWidgetItem *> roedder = laesStruktur(struktur.linjer, fejl);
    // The nodes are given their data while apart from the view, which then takes them in
    // one go, whichever way the loading ends.
    struct Vedhaeft {
        TStruktur *trae;
        const QList<QTreeWidgetItem *> &roedder;
        ~Vedhaeft() { trae->addTopLevelItems(roedder); }
    } vedhaeft{this, roedder};
    if (!fejl.isEmpty())
        throw AnkerFejl(fejl);

    if (FDataOn) {
        QList<QTreeWidgetItem *> noder;
        std::function<void(QTreeWidgetItem *)> tilfoej = [&](QTreeWidgetItem *n) {
            noder.append(n);
            for (int i = 0; i < n->childCount(); ++i)
                tilfoej(n->child(i));
        };
        for (QTreeWidgetItem *r : roedder)
            tilfoej(r);
        if (!QFileInfo::exists(FDatafile) && !noder.isEmpty()) {
            QStringList nye;
            for (const QTreeWidgetItem *n : std::as_const(noder))
                nye.append(QStringLiteral("0") + n->text(0));
            skrivLinjerEllerFejl(FDatafile, nye, Kodning::Ansi);
        }
        const Tekstlinjer data = laesLinjer(FDatafile);
        if (!data.ok)
            laesefejl(QStringLiteral("Datafilen"), FDatafile, data.fejl);
        laesData(noder, data.linjer);
    }
    m_indeksGyldigt = false;
    FModified = false;
    viewport()->update();
    return true;
}

bool TStruktur::GemStruktur() {
    if (FStrukturfile.isEmpty() || (FDataOn && FDatafile.isEmpty()))
        return false;
    const QList<QTreeWidgetItem *> alle = noder();
    if (FDataOn) {
        QStringList data;
        for (const QTreeWidgetItem *n : alle)
            data.append(harDatalinje(n) ? udenLinjeskift(datalinje(n)) : QStringLiteral("0"));
        skrivLinjerEllerFejl(FDatafile, data, Kodning::Ansi);
    }
    QStringList struktur;
    for (const QTreeWidgetItem *n : alle)
        struktur.append(QString(dybde(n), u'\t') + filtekst(n->text(0)));
    // An empty tree is an empty file: no byte-order mark either.
    skrivLinjerEllerFejl(FStrukturfile, struktur,
                         alle.isEmpty() ? Kodning::Ansi : m_strukturKodning);
    FModified = false;
    return true;
}

// ---- Editing ----

void TStruktur::indsaet(QTreeWidgetItem *node, QTreeWidgetItem *ref, TNodeAttachMode mode) {
    QTreeWidgetItem *foraelder = nullptr;
    int pos = 0;
    switch (mode) {
    case naAdd:
    case naAddFirst:
    case naInsert:
        foraelder = ref->parent() ? ref->parent() : invisibleRootItem();
        pos = mode == naAdd      ? foraelder->childCount()
              : mode == naInsert ? foraelder->indexOfChild(ref)
                                 : 0;
        break;
    case naAddChild:
    case naAddChildFirst:
        foraelder = ref;
        pos = mode == naAddChild ? ref->childCount() : 0;
        break;
    }
    foraelder->insertChild(pos, node);
}

void TStruktur::afslutAendring(bool sorter, bool gem) {
    // Modified is set before saving, so a save that fails or is refused leaves it set.
    FModified = true;
    if (sorter)
        sortItems(0, Qt::AscendingOrder);
    else if (gem)
        GemStruktur();
}

void TStruktur::NyNode(const QString &Tekst, const QString &Data, int Index, bool sorter,
                       bool gem) {
    if (Tekst.isEmpty())
        return;
    auto *node = new StrukturNode(Tekst);
    if (topLevelItemCount() == 0) {
        addTopLevelItem(node);
    } else {
        QTreeWidgetItem *ref = valgtNode();
        indsaet(node, ref ? ref : topLevelItem(0), FFlytmode);
    }
    if (FDataOn)
        saetData(node, QString::number(Index) + Data, Index);
    else
        fjernData(node);
    afslutAendring(sorter, gem);
}

void TStruktur::RedigerNode(const QString &Tekst, const QString &Data, int Index, bool sorter,
                            bool gem) {
    QTreeWidgetItem *node = valgtNode();
    if (Tekst.isEmpty() || !node)
        return;
    node->setText(0, Tekst);
    if (FDataOn)
        saetData(node, QString::number(Index) + Data, Index);
    else
        fjernData(node);
    afslutAendring(sorter, gem);
}

void TStruktur::SletNode() {
    QTreeWidgetItem *node = valgtNode();
    if (!node)
        return;
    // Only the node's own page and its children's; deeper pages stay.
    QList<QTreeWidgetItem *> medSider;
    for (int i = 0; i < node->childCount(); ++i)
        medSider.append(node->child(i));
    medSider.append(node);
    for (QTreeWidgetItem *n : medSider) {
        const QString fil = sidefil(n);
        if (!fil.isEmpty() && QFileInfo::exists(fil))
            FileDeleteRB(fil);
    }
    if (NodeDown && iUndertrae(NodeDown, node))
        annullerFlytning();
    if (NodeUp && iUndertrae(NodeUp, node))
        NodeUp = nullptr;
    delete node;
    FModified = true;
}

bool TStruktur::FileDeleteRB(const QString &AFileName) {
    if (!QFileInfo::exists(AFileName))
        return false;
    return m_skal->tilPapirkurv(AFileName);
}

// ---- Lookups ----

QString TStruktur::SelectedData() const {
    if (!FDataOn)
        return {};
    return sidenavn(valgtNode());
}

QTreeWidgetItem *TStruktur::find(const QString &DataUrl) const {
    QString navn = DataUrl.mid(DataUrl.lastIndexOf(kSep) + 1);
    const qsizetype punkt = navn.lastIndexOf(u'.');
    if (punkt >= 0)
        navn.truncate(punkt);
    // The lookup goes through an index of page names, made anew after any change, that
    // keeps the first node in depth-first order for each name.
    if (!m_indeksGyldigt) {
        m_sideindeks.clear();
        for (QTreeWidgetItemIterator it(const_cast<TStruktur *>(this)); *it; ++it)
            if (harDatalinje(*it))
                if (const QString navn = sidenavn(*it); !m_sideindeks.contains(navn))
                    m_sideindeks.insert(navn, *it);
        m_indeksGyldigt = true;
    }
    return m_sideindeks.value(navn, nullptr);
}

bool TStruktur::setSelected(const QString &DataUrl) {
    if (!FDataOn)
        return false;
    QTreeWidgetItem *node = find(DataUrl);
    if (!node || node->isSelected())
        return false;
    setCurrentItem(node);
    return true;
}

QString TStruktur::getNodeTekst(const QString &DataUrl) {
    if (!FDataOn)
        return {};
    QTreeWidgetItem *node = find(DataUrl);
    if (!node)
        return {};
    if (!node->isSelected())
        setCurrentItem(node);
    return node->text(0);
}

QString TStruktur::InfoFilnavn(const QString &Filefternavn) const {
    const QTreeWidgetItem *node = valgtNode();
    if (!node)
        return {};
    const QString foraelder = node->parent() ? node->parent()->text(0) : QString();
    return FInfomappe + kSep + foraelder + node->text(0) + u'.' + Filefternavn;
}

int TStruktur::getTheSelectedIndex() const {
    const QTreeWidgetItem *valgt = valgtNode();
    if (!valgt)
        return -1;
    int i = 0;
    for (QTreeWidgetItemIterator it(const_cast<TStruktur *>(this)); *it; ++it, ++i)
        if (*it == valgt)
            return i;
    return -1;
}

// ---- Drag-move ----

void TStruktur::annullerFlytning() {
    if (MouseDown)
        unsetCursor();
    MouseDown = false;
    NodeDown = nullptr;
}

void TStruktur::MusDown(int X, int Y) {
    if (MouseDown) {
        annullerFlytning();
        return;
    }
    NodeDown = itemAt(X, Y);
    // The first node stays where it is.
    if (NodeDown && NodeDown != topLevelItem(0)) {
        MouseDown = true;
        setCursor(Qt::PointingHandCursor);
    }
}

void TStruktur::MusUp(int X, int Y, bool somGrundnode) {
    if (!MouseDown)
        return;
    unsetCursor();
    MouseDown = false;
    NodeUp = itemAt(X, Y);
    if (!NodeUp || NodeUp == NodeDown || !NodeDown)
        return;
    if (somGrundnode)
        flyt(NodeDown, topLevelItem(0), naInsert);
    else
        flyt(NodeDown, NodeUp, FFlytmode);
    FModified = true;
}

void TStruktur::flyt(QTreeWidgetItem *node, QTreeWidgetItem *ref, TNodeAttachMode mode) {
    QTreeWidgetItem *nyForaelder =
        (mode == naAddChild || mode == naAddChildFirst) ? ref : ref->parent();
    if (ref == node || (nyForaelder && iUndertrae(nyForaelder, node)))
        return;

    // Taking a node out of the view forgets its expansion and may move the selection;
    // both are put back after the move.
    QList<QTreeWidgetItem *> udfoldede;
    for (QTreeWidgetItemIterator it(node); *it && iUndertrae(*it, node); ++it)
        if ((*it)->isExpanded())
            udfoldede.append(*it);
    QTreeWidgetItem *valgt = valgtNode();
    QTreeWidgetItem *aktuel = currentItem();

    QTreeWidgetItem *gammelForaelder = node->parent() ? node->parent() : invisibleRootItem();
    gammelForaelder->takeChild(gammelForaelder->indexOfChild(node));
    indsaet(node, ref, mode);

    for (QTreeWidgetItem *n : udfoldede)
        n->setExpanded(true);
    if (nyForaelder)
        nyForaelder->setExpanded(true);
    if (aktuel)
        setCurrentItem(aktuel, 0, QItemSelectionModel::NoUpdate);
    clearSelection();
    if (valgt)
        valgt->setSelected(true);
}
