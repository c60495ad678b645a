#include "platform/tekstfil.h"

#include "platform/fejl.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <optional>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; the five bytes it leaves
// undefined map to the control characters of the same number, so every byte reads back.
constexpr char16_t kVindueTegn[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString ansiTekst(QByteArrayView bytes) {
    QString ud(bytes.size(), Qt::Uninitialized);
    char16_t *p = reinterpret_cast<char16_t *>(ud.data());
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *p++ = (u >= 0x80 && u < 0xA0) ? kVindueTegn[u - 0x80] : char16_t(u);
    }
    return ud;
}

// The Windows-1252 bytes of the text, or nothing when a character has no byte there.
std::optional<QByteArray> ansiBytes(const QString &tekst) {
    QByteArray ud(tekst.size(), Qt::Uninitialized);
    char *p = ud.data();
    for (const QChar c : tekst) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *p++ = char(u);
            continue;
        }
        const char16_t *fundet = std::find(std::begin(kVindueTegn), std::end(kVindueTegn), u);
        if (fundet == std::end(kVindueTegn))
            return std::nullopt;
        *p++ = char(0x80 + (fundet - std::begin(kVindueTegn)));
    }
    return ud;
}

// The caller has taken the byte-order mark off: a second one is text (U+FEFF), as the
// writer put it there, so the decoder must not drop it as well.
constexpr auto kMaerketFjernet = QStringConverter::Flag::ConvertInitialBom;

QString utf16Tekst(QByteArrayView bytes, bool littleEndian) {
    QStringDecoder dekoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           kMaerketFjernet);
    return dekoder.decode(bytes);
}
} // namespace

QStringList delLinjer(const QString &tekst) {
    QStringList linjer;
    qsizetype start = 0;
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        linjer.append(tekst.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        linjer.append(tekst.mid(start));
    return linjer;
}

namespace {
// Decodes bytes, honouring a byte-order mark; `kodning` tells which encoding was read.
QString afkodTekst(const QByteArray &bytes, Kodning &kodning) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        kodning = Kodning::Utf8;
        QStringDecoder dekoder(QStringConverter::Utf8, kMaerketFjernet);
        return dekoder.decode(QByteArrayView(bytes).sliced(3));
    }
    if (bytes.startsWith("\xFF\xFE")) {
        kodning = Kodning::Utf16LE;
        return utf16Tekst(QByteArrayView(bytes).sliced(2), true);
    }
    if (bytes.startsWith("\xFE\xFF")) {
        kodning = Kodning::Utf16BE;
        return utf16Tekst(QByteArrayView(bytes).sliced(2), false);
    }
    kodning = Kodning::Ansi;
    return ansiTekst(bytes);
}
} // namespace

Tekstlinjer afkodLinjer(const QByteArray &bytes) {
    Tekstlinjer r;
    r.ok = true;
    r.linjer = delLinjer(afkodTekst(bytes, r.kodning));
    return r;
}

QByteArray kodLinjer(const QStringList &linjer, Kodning kodning) {
    QString tekst;
    for (const QString &l : linjer) {
        tekst += l;
        tekst += QStringLiteral("\r\n");
    }
    if (kodning == Kodning::Ansi) {
        // Windows-1252 text that begins with the bytes of a byte-order mark ("ÿþ", "þÿ",
        // "ï»¿") would read back in another encoding: it goes as UTF-8 with a mark too.
        std::optional<QByteArray> ud = ansiBytes(tekst);
        if (ud && !ud->startsWith("\xEF\xBB\xBF") && !ud->startsWith("\xFF\xFE") &&
            !ud->startsWith("\xFE\xFF"))
            return *ud;
        kodning = Kodning::Utf8;
    }
    switch (kodning) {
    case Kodning::Utf16LE: {
        QStringEncoder koder(QStringConverter::Utf16LE);
        return QByteArray("\xFF\xFE", 2) + QByteArray(koder.encode(tekst));
    }
    case Kodning::Utf16BE: {
        QStringEncoder koder(QStringConverter::Utf16BE);
        return QByteArray("\xFE\xFF", 2) + QByteArray(koder.encode(tekst));
    }
    default:
        return QByteArray("\xEF\xBB\xBF") + tekst.toUtf8();
    }
}

Bytelaesning laesFilbytes(const QString &sti) {
    Bytelaesning r;
    // A pipe would block the open until someone writes to it, and a device never ends:
    // only plain files (or links to them) are read.
    const QFileInfo info(sti);
    if (info.exists() && !info.isFile()) {
        r.fejl = QStringLiteral("Ikke en almindelig fil: %1").arg(sti);
        return r;
    }
    QFile fil(sti);
    if (!fil.open(QIODevice::ReadOnly)) {
        r.fejl = fil.errorString();
        return r;
    }
    if (fil.size() > kStoersteTekstfil) {
        r.fejl = QStringLiteral("Filen er for stor: %1").arg(sti);
        return r;
    }
    // Reads what the size says, and past it only up to the limit, so a file that grows
    // or lies about its size (a pipe, a device) is never read without bound.
    const qint64 stoerrelse = fil.size();
    QByteArray bytes = fil.read(stoerrelse + 1);
    if (bytes.size() > stoerrelse)
        bytes += fil.read(kStoersteTekstfil + 1 - bytes.size());
    if (bytes.size() > kStoersteTekstfil) {
        r.fejl = QStringLiteral("Filen er for stor: %1").arg(sti);
        return r;
    }
    if (fil.error() != QFileDevice::NoError) {
        r.fejl = fil.errorString();
        return r;
    }
    r.bytes = std::move(bytes);
    r.ok = true;
    return r;
}

Tekstlaesning laesTekst(const QString &sti) {
    Tekstlaesning r;
    const Bytelaesning b = laesFilbytes(sti);
    if (!b.ok) {
        r.fejl = b.fejl;
        return r;
    }
    r.tekst = afkodTekst(b.bytes, r.kodning);
    r.ok = true;
    return r;
}

Tekstlinjer laesLinjer(const QString &sti) {
    const Tekstlaesning t = laesTekst(sti);
    Tekstlinjer r;
    r.ok = t.ok;
    r.fejl = t.fejl;
    r.kodning = t.kodning;
    if (t.ok)
        r.linjer = delLinjer(t.tekst);
    return r;
}

Skriveresultat skrivLinjer(const QString &sti, const QStringList &linjer, Kodning kodning) {
    return skrivHelFil(sti, kodLinjer(linjer, kodning));
}

void skrivLinjerEllerFejl(const QString &sti, const QStringList &linjer, Kodning kodning) {
    const Skriveresultat r = skrivLinjer(sti, linjer, kodning);
    if (!r.ok)
        throw AnkerFejl(QStringLiteral("Filen \"%1\" kunne ikke skrives: %2").arg(sti, r.fejl));
}

QStringList laesListe(const QString &sti, Kodning &kodning, QString &fejl) {
    kodning = Kodning::Ansi;
    fejl.clear();
    const QFileInfo info(sti);
    if ((!info.exists() || info.isDir()) && !info.isSymLink())
        return {};
    const Tekstlinjer t = laesLinjer(sti);
    if (!t.ok) {
        fejl = t.fejl;
        return {};
    }
    kodning = t.kodning;
    return t.linjer;
}

QStringList laesListe(const QString &sti) {
    Kodning kodning;
    QString fejl;
    return laesListe(sti, kodning, fejl);
}
