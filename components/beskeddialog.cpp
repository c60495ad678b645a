#include "components/beskeddialog.h"

#include "components/geometri.h"
#include "platform/modalsvar.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

Tbeskeddialog::Tbeskeddialog(const QString &navn, const QString &titel, int skriftPixel,
                             int svarUdenKnap)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_titel(titel), m_svarUdenKnap(svarUdenKnap) {
    setObjectName(navn);
    setWindowTitle(titel);
    setModal(true);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(skriftPixel);
    setFont(f);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    saetFastYdre(this, QSize(kBredde, kEkstraHoejde + 16));
}

void Tbeskeddialog::saetEtiket(QLabel *etiket) {
    m_etiket = etiket;
    m_etiket->setTextFormat(Qt::PlainText);
    m_etiket->setWordWrap(true);
    m_etiket->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resetValues();
}

QWidget *Tbeskeddialog::bygPanel() {
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFixedHeight(31);
    return m_panel;
}

void Tbeskeddialog::insertTekst(const QString &tekst) {
    m_tekst = tekst;
    QString vist = tekst;
    vist.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    m_etiket->setText(vist);
}

void Tbeskeddialog::resetValues() {
    m_tekst.clear();
    m_etiket->clear();
    QFont f = m_etiket->font();
    f.setPointSize(8);
    m_etiket->setFont(f);
}

void Tbeskeddialog::FormShow() {
    QFont f = m_etiket->font();
    f.setPointSize(10);
    m_etiket->setFont(f);
    const QFontMetrics fm(f);
    // An empty label still measures one line.
    const QString tekst = m_etiket->text().isEmpty() ? QStringLiteral(" ") : m_etiket->text();
    const int hoejde = fm.boundingRect(QRect(0, 0, kTekstBredde, 100000),
                                       Qt::TextWordWrap | Qt::AlignLeft, tekst)
                           .height();
    // Both measures are the outer frame's where the window manager draws one.
    saetFastYdre(this, QSize(kBredde, hoejde + kEkstraHoejde));
    m_etiket->setGeometry((width() - kTekstBredde) / 2, 3, kTekstBredde, hoejde);
}

void Tbeskeddialog::resizeEvent(QResizeEvent *e) {
    QDialog::resizeEvent(e);
    if (m_panel)
        m_panel->setGeometry(0, height() - m_panel->height(), width(), m_panel->height());
}

void Tbeskeddialog::showEvent(QShowEvent *e) {
    FormShow();
    // Centred over the main window when there is one on screen.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != this && w->objectName() == u"mainform" && w->isVisible()) {
            flytYdre(this, ydrePlads(w).center() - QRect(QPoint(), ydreStoerrelse(this)).center());
            break;
        }
    }
    QDialog::showEvent(e);
}

int Tbeskeddialog::ShowModal() {
    if (auto svar = Modalsvar::tag(m_titel, m_tekst, m_svarUdenKnap)) {
        FormShow();
        resetValues();
        return *svar;
    }
    return exec() == QDialog::Accepted ? mrOK : mrCancel;
}

void Tbeskeddialog::done(int r) {
    resetValues();
    QDialog::done(r);
}
