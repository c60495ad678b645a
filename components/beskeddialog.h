#pragma once
// What the message dialog and the question dialog share: a word-wrapped text over a
// row of buttons, a fixed width, a height fitted to the text when shown, and the text
// emptied again when closed.

#include <QDialog>

class QLabel;
class QWidget;

class Tbeskeddialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int mrOK = 1;
    static constexpr int mrCancel = 2;
    static constexpr int kBredde = 339;
    static constexpr int kTekstBredde = 317;
    static constexpr int kEkstraHoejde = 80;

    // Puts the text in the label; a carriage return starts a new line.
    void insertTekst(const QString &tekst);
    // Empties the label and sets its font back to 8 point.
    void resetValues();
    // Shows the dialog modally: mrOK or mrCancel.
    int ShowModal();
    // The text as the caller gave it (with its carriage returns).
    QString tekst() const { return m_tekst; }

    void done(int r) override;

protected:
    Tbeskeddialog(const QString &navn, const QString &titel, int skriftPixel,
                  int svarUdenKnap);
    // The label holding the text; set by the derived class.
    void saetEtiket(QLabel *etiket);
    QWidget *bygPanel(); // the bottom row, 31 pixels high
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    // Sizing at show: label at 10 point, height = text height + 80.
    void FormShow();

private:
    QLabel *m_etiket = nullptr;
    QWidget *m_panel = nullptr;
    QString m_tekst;
    QString m_titel;
    int m_svarUdenKnap;
};
