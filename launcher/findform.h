#pragma once
// The find window: a field and the elements it finds, best first. Enter opens the chosen
// hit, Ctrl+Enter shows it in the main window, Esc closes.

#include "soeg/soegepost.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QTreeWidget;

class Tfindform : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHoejstTraeffere = 50;

    // `soeg` gives the hits of a query, best first.
    Tfindform(QWidget *foraelder, std::function<QList<Soegepost>(const QString &)> soeg);

    // Opens the window with `tekst` in the field (usually nothing) and the field focused.
    void visFind(const QString &tekst = {});
    // The hits of the field's text found anew (the index changed).
    void soegIgen();

    QLineEdit *findEdit;
    QTreeWidget *findListe;
    QLabel *findHjaelp;

    // The texts a hit's row shows: name, group, collection, address, last use.
    static QStringList raekketekster(const Soegepost &p);

signals:
    void aabn(const Soegepost &p); // Enter, or a double click
    void vis(const Soegepost &p);  // Ctrl+Enter

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void soegNu();
    // The chosen hit, handed on after the window is closed; false without one.
    bool videre(bool kunVis);

    std::function<QList<Soegepost>(const QString &)> m_soeg;
    QList<Soegepost> m_traeffere;
};
