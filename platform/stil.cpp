#include "platform/stil.h"

#include "platform/fejl.h"
#include "platform/kantstil.h"
#include "platform/kontrast.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyle>

namespace {

struct Farver {
    QColor vindue, tekst, felt, feltAlt, knap, knapTekst, markering, markeringTekst, lys, moerk;
};

const QString kWindows = QStringLiteral("Windows");

QString s_aktuel;
QPalette s_skrivebordspalet;
bool s_paletGemt = false;

// Each named style: clearly its own colours, so the user sees the choice take effect.
Farver farver(const QString &navn) {
    if (navn == u"Aqua Light Slate")
        return {QColor(0xdd, 0xe4, 0xec), QColor(0x1e, 0x2b, 0x38), QColor(0xf4, 0xf7, 0xfa),
                QColor(0xe8, 0xee, 0xf4), QColor(0xc9, 0xd5, 0xe1), QColor(0x1e, 0x2b, 0x38),
                QColor(0x3b, 0x8e, 0xc8), Qt::white, QColor(0xf4, 0xf7, 0xfa),
                QColor(0x70, 0x80, 0x90)};
    if (navn == u"Carbon")
        return {QColor(0x2b, 0x2b, 0x2b), QColor(0xe6, 0xe6, 0xe6), QColor(0x1e, 0x1e, 0x1e),
                QColor(0x26, 0x26, 0x26), QColor(0x3a, 0x3a, 0x3a), QColor(0xf0, 0xf0, 0xf0),
                QColor(0xe0, 0x7b, 0x1f), Qt::black, QColor(0x55, 0x55, 0x55),
                QColor(0x10, 0x10, 0x10)};
    if (navn == u"Iceberg Classico")
        return {QColor(0xe9, 0xf3, 0xf7), QColor(0x10, 0x30, 0x40), Qt::white,
                QColor(0xf0, 0xf8, 0xfb), QColor(0xcf, 0xe6, 0xee), QColor(0x10, 0x30, 0x40),
                QColor(0x4f, 0xa3, 0xc2), Qt::white, Qt::white, QColor(0x7a, 0xa4, 0xb4)};
    if (navn == u"Sky")
        return {QColor(0xd6, 0xe8, 0xfa), QColor(0x0b, 0x24, 0x4a), Qt::white,
                QColor(0xea, 0xf3, 0xfd), QColor(0xb7, 0xd5, 0xf4), QColor(0x0b, 0x24, 0x4a),
                QColor(0x1f, 0x6f, 0xd1), Qt::white, Qt::white, QColor(0x6d, 0x93, 0xc0)};
    // "Windows10 Clear Day": white, flat, with a blue accent.
    return {QColor(0xf3, 0xf3, 0xf3), Qt::black, Qt::white, QColor(0xf7, 0xf7, 0xf7),
            QColor(0xe1, 0xe1, 0xe1), Qt::black, QColor(0x00, 0x78, 0xd7), Qt::white, Qt::white,
            QColor(0xad, 0xad, 0xad)};
}

QPalette palet(const Farver &f) {
    QPalette p;
    p.setColor(QPalette::Window, f.vindue);
    p.setColor(QPalette::WindowText, f.tekst);
    p.setColor(QPalette::Base, f.felt);
    p.setColor(QPalette::AlternateBase, f.feltAlt);
    p.setColor(QPalette::Text, f.tekst);
    p.setColor(QPalette::PlaceholderText, f.moerk);
    p.setColor(QPalette::Button, f.knap);
    p.setColor(QPalette::ButtonText, f.knapTekst);
    p.setColor(QPalette::Highlight, f.markering);
    p.setColor(QPalette::HighlightedText, f.markeringTekst);
    p.setColor(QPalette::ToolTipBase, f.felt);
    p.setColor(QPalette::ToolTipText, f.tekst);
    p.setColor(QPalette::Light, f.lys);
    p.setColor(QPalette::Mid, f.moerk);
    p.setColor(QPalette::Dark, f.moerk);
    p.setColor(QPalette::Link, f.markering);
    p.setColor(QPalette::Disabled, QPalette::WindowText, f.moerk);
    p.setColor(QPalette::Disabled, QPalette::Text, f.moerk);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, f.moerk);
    return p;
}

// Every text readable on what it stands on (4.5:1, a little more against rounding),
// disabled texts still legible (3:1), and the chosen row's colour dark or light enough
// for its text: each colour is moved only as far as that needs, so the style keeps its
// look.
QPalette tydeliggjort(QPalette p) {
    constexpr double kTekst = 4.7, kSvag = 3.4;
    auto tydelig = [&p](QPalette::ColorGroup g, QPalette::ColorRole rolle,
                        std::initializer_list<QPalette::ColorRole> under, double maal) {
        QList<QColor> baggrunde;
        for (QPalette::ColorRole u : under) {
            baggrunde << p.color(g, u);
            // Fusion shades buttons lighter than their colour; the text stands on both.
            if (u == QPalette::Button)
                baggrunde << p.color(g, u).lighter(130);
        }
        p.setColor(g, rolle, Kontrast::tydelig(p.color(g, rolle), baggrunde, maal));
    };
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        tydelig(g, QPalette::WindowText, {QPalette::Window}, kTekst);
        tydelig(g, QPalette::Text, {QPalette::Base, QPalette::AlternateBase}, kTekst);
        tydelig(g, QPalette::ButtonText, {QPalette::Button}, kTekst);
        tydelig(g, QPalette::PlaceholderText, {QPalette::Base}, kTekst);
        tydelig(g, QPalette::ToolTipText, {QPalette::ToolTipBase}, kTekst);
        tydelig(g, QPalette::Highlight, {QPalette::HighlightedText}, kTekst);
    }
    tydelig(QPalette::Disabled, QPalette::WindowText, {QPalette::Window}, kSvag);
    tydelig(QPalette::Disabled, QPalette::Text, {QPalette::Base, QPalette::Window}, kSvag);
    tydelig(QPalette::Disabled, QPalette::ButtonText, {QPalette::Button}, kSvag);
    return p;
}

} // namespace

namespace Stil {

QStringList navne() {
    return {QStringLiteral("Aqua Light Slate"), QStringLiteral("Carbon"),
            QStringLiteral("Iceberg Classico"), QStringLiteral("Sky"), kWindows,
            QStringLiteral("Windows10 Clear Day")};
}

bool anvend(const QString &navn) {
    if (!navne().contains(navn)) {
        rapporterFejl(QStringLiteral("Designet \"%1\" findes ikke.").arg(navn));
        return false;
    }
    if (!s_paletGemt) {
        s_skrivebordspalet = QApplication::palette();
        s_paletGemt = true;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    if (!s_aktuel.isEmpty() && s_aktuel == navn)
        return true;
    // Palette before style: the new style polishes every window with the new colours.
    QApplication::setPalette(
        tydeliggjort(navn == kWindows ? s_skrivebordspalet : palet(farver(navn))));
    QApplication::setStyle(new KantStil);
    s_aktuel = navn;
    return true;
}

void forberedSkrifter() {
    const QStringList erstatning{QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), erstatning);
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"), erstatning);
}

QString aktuel() { return s_aktuel; }

} // namespace Stil
