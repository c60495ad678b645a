#pragma once
// The bookmark import window: the browsers' profiles found and files the user adds, the
// chosen source's folders with check boxes and counts, the import with a progress bar
// that can be stopped, its summary, and "Fortryd" for the last import.
#include "bogmaerker/kommando.h"
#include "bogmaerker/profiler.h"
#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class Tbogmaerkeform : public QDialog {
    Q_OBJECT
public:
    // `sted`: the web-page collection and the record of the last import; `hjem`: where the
    // browsers' profiles are looked for; `efterAendring` runs after an import or an undo
    // changed the collection, so the windows can read it again.
    Tbogmaerkeform(const Brugersted &sted, const QString &hjem, const Formater &formater,
                   std::function<void()> efterAendring, QWidget *ejer = nullptr);

    // Reads the source at `raekke` of the list into the folder tree.
    void vaelgKilde(int raekke);
    // Asks for a bookmark file and adds it to the list, chosen.
    void tilfoejFil();
    // Imports the links of the ticked folders; the summary is shown and kept in the label.
    void importer();
    // Takes the last import back.
    void fortryd();
    // Stops a running import after the element being written.
    void afbryd() { m_afbrudt = true; }
    void reject() override;

    QListWidget *kildeListe;
    QPushButton *tilfoejKnap;
    QTreeWidget *mappeTrae;
    QLabel *kildeFejl;
    QProgressBar *fremdrift;
    QPushButton *importerKnap, *afbrydKnap, *fortrydKnap, *lukKnap;
    QLabel *opsummering;

signals:
    // After each element written; a test stops the import here as a user would.
    void fremskridt(qsizetype gjort, qsizetype ialt);

private:
    void opdaterKnapper();
    void aendret(QTreeWidgetItem *punkt);
    // The source with only the links of ticked folders.
    Bogmaerkesamling valgteLinks() const;

    Brugersted m_sted;
    QString m_hjem;
    Formater m_formater;
    std::function<void()> m_efterAendring;
    QList<Bogmaerkekilde> m_kilder;
    Bogmaerkesamling m_samling;
    QList<QTreeWidgetItem *> m_punkter; // one per folder of m_samling, by index
    bool m_importerer = false;
    bool m_afbrudt = false;
};
