#include "testhjaelp.h"

#include "platform/modalsvar.h"

#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

int OptagendeSkal::aabn(const QString &adresse) {
    kald << QStringLiteral("aabn ") + adresse;
    return svar;
}

int OptagendeSkal::start(const QString &program, const QStringList &argumenter) {
    kald << (QStringList{QStringLiteral("start"), program} + argumenter).join(u' ');
    return vedStart ? vedStart(program, argumenter) : svar;
}

bool OptagendeSkal::tilPapirkurv(const QString &sti) {
    kald << QStringLiteral("papirkurv ") + sti;
    if (!papirkurvVirker)
        return false;
    // Stand-in for the trash: the entry leaves its place.
    const QFileInfo info(sti);
    return info.isDir() ? QDir(sti).removeRecursively() : QFile::remove(sti);
}

bool OptagendeSkal::flytMappe(const QString &fra, const QString &til) {
    kald << QStringLiteral("flyt ") + fra + u' ' + til;
    return flytVirker && !QFileInfo::exists(til) && QDir().rename(fra, til);
}

Testmiljoe::Testmiljoe() {
    miljoe.dataRod = mappe.path() + QStringLiteral("/Ankerhusmappe");
    miljoe.brugernavn = QStringLiteral("tester");
    miljoe.ur = [] { return QDateTime(QDate(2026, 12, 9), QTime(14, 35, 12)); };
    miljoe.lokalitet = QLocale(QLocale::Danish, QLocale::Denmark);
    miljoe.datoFormat = QStringLiteral("dd-MM-yyyy");
    miljoe.tidFormat = QStringLiteral("HH:mm:ss");
    miljoe.skal = skal;
    miljoe.lavBrowser = [this](QWidget *foraelder) {
        browser = new Testbrowser(foraelder);
        return browser;
    };
}

QWidget *Testbrowser::widget() {
    if (!m_widget)
        m_widget = new QWidget;
    return m_widget;
}

void skrivBytes(const QString &sti, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(sti).absolutePath());
    QFile f(sti);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(sti));
}

QString testprogram(const Testmiljoe &m) {
    const QString sti = m.mappe.filePath(QStringLiteral("bin/prg"));
    skrivBytes(sti, "x");
    return sti;
}

QByteArray laesBytes(const QString &sti) {
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray crlf(const QStringList &linjer) {
    QStringEncoder koder("windows-1252");
    QByteArray ud;
    for (const QString &l : linjer)
        ud += QByteArray(koder.encode(l)) + "\r\n";
    return ud;
}

QStringList tekster(const QListWidget *liste) {
    QStringList ud;
    for (int i = 0; i < liste->count(); ++i)
        ud << liste->item(i)->text();
    return ud;
}

QStringList vistTekster() {
    QStringList ud;
    for (const auto &v : Modalsvar::vist())
        ud << v.tekst;
    return ud;
}

bool skrivUdefra(const QString &sti, const QStringList &linjer) {
    QProcess p;
    p.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("cat > \"$1\""), QStringLiteral("sh"), sti});
    if (!p.waitForStarted())
        return false;
    p.write(crlf(linjer));
    p.closeWriteChannel();
    return p.waitForFinished() && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
