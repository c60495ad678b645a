#include "launcher/findform.h"

#include "components/navngiv.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

Tfindform::Tfindform(QWidget *foraelder, std::function<QList<Soegepost>(const QString &)> soeg)
    : QDialog(foraelder), m_soeg(std::move(soeg)) {
    setObjectName(QStringLiteral("findform"));
    setWindowTitle(QStringLiteral("Find element"));
    setModal(false);
    auto *lag = new QVBoxLayout(this);
    findEdit = navngiv(new QLineEdit(this), "findEdit");
    findEdit->setPlaceholderText(QStringLiteral("Skriv et par bogstaver af navn, adresse eller gruppe"));
    findEdit->setClearButtonEnabled(true);
    findEdit->setAccessibleName(QStringLiteral("Find element"));
    findListe = navngiv(new QTreeWidget(this), "findListe");
    findListe->setHeaderLabels({QStringLiteral("Navn"), QStringLiteral("Gruppe"), QStringLiteral("Samling"),
                                QStringLiteral("Adresse eller sti"), QStringLiteral("Sidst brugt")});
    findListe->setRootIsDecorated(false);
    findListe->setUniformRowHeights(true);
    findListe->setAllColumnsShowFocus(true);
    findListe->setAccessibleName(QStringLiteral("Fundne elementer"));
    // Each column as wide as its texts, so a last use shows its date and time whole; the
    // address takes the room that is left.
    findListe->header()->setStretchLastSection(false);
    findListe->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    findListe->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    findHjaelp = navngiv(new QLabel(this), "findHjaelp");
    findHjaelp->setText(QStringLiteral("Enter: åbn    Ctrl+Enter: vis i hovedvinduet    Esc: luk"));
    lag->addWidget(findEdit);
    lag->addWidget(findListe, 1);
    lag->addWidget(findHjaelp);
    resize(720, 360);

    connect(findEdit, &QLineEdit::textChanged, this, &Tfindform::soegNu);
    connect(findListe, &QTreeWidget::itemActivated, this, [this] { videre(false); });
    findEdit->installEventFilter(this);
    findListe->installEventFilter(this);
}

QStringList Tfindform::raekketekster(const Soegepost &p) {
    const TWebRecord &e = p.element;
    const QString brugt = e.Visits <= 0 && (e.dato.isEmpty() || e.dato == kIngenDato)
                              ? QStringLiteral("Aldrig")
                              : (e.dato + u' ' + e.klokken).trimmed();
    return {e.Navn, visGruppe(p), p.samling != 0 ? QStringLiteral("Program") : QStringLiteral("Webside"), e.Url,
            brugt};
}

void Tfindform::visFind(const QString &tekst) {
    // A changed text searches by itself; the same text again, since the index may have moved on.
    if (findEdit->text() == tekst)
        soegNu();
    else
        findEdit->setText(tekst);
    show();
    raise();
    activateWindow();
    findEdit->setFocus(Qt::OtherFocusReason);
    findEdit->selectAll();
}

void Tfindform::soegIgen() {
    if (isVisible())
        soegNu();
}

void Tfindform::soegNu() {
    m_traeffere = m_soeg(findEdit->text());
    findListe->setUpdatesEnabled(false);
    findListe->clear();
    QList<QTreeWidgetItem *> raekker;
    for (const Soegepost &p : m_traeffere)
        raekker << new QTreeWidgetItem(raekketekster(p));
    findListe->addTopLevelItems(raekker);
    if (!raekker.isEmpty())
        findListe->setCurrentItem(raekker.first());
    findListe->setUpdatesEnabled(true);
}

bool Tfindform::videre(bool kunVis) {
    const int i = findListe->currentItem() ? findListe->indexOfTopLevelItem(findListe->currentItem()) : -1;
    if (i < 0 || i >= m_traeffere.size())
        return false;
    const Soegepost p = m_traeffere.at(i);
    // Closed first: a message about the launch then stands over the main window.
    hide();
    if (kunVis)
        emit vis(p);
    else
        emit aabn(p);
    return true;
}

bool Tfindform::eventFilter(QObject *o, QEvent *e) {
    if (e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(o, e);
    auto *k = static_cast<QKeyEvent *>(e);
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        videre(k->modifiers() & Qt::ControlModifier);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (o == findEdit) { // the arrows move through the hits while typing goes on
            QKeyEvent kopi(k->type(), k->key(), k->modifiers(), k->text());
            QCoreApplication::sendEvent(findListe, &kopi);
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(o, e);
}
