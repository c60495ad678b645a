#include "launcher/eneinstansbesked.h"

#include <QList>
#include <QStringDecoder>

namespace {

struct Artbeskrivelse {
    const char *ord;
    Anmodning::Art art;
    bool medArgument;
};

// Every art the running copy knows; a new request is a new row and a case where it is
// carried out.
constexpr Artbeskrivelse kArter[] = {
    {"vis", Anmodning::Art::Vis, false},
    {"importer", Anmodning::Art::Importer, true},
    {"find", Anmodning::Art::Find, true},
};

bool erArtord(const QByteArray &ord) {
    if (ord.isEmpty() || ord.size() > 32)
        return false;
    for (char c : ord)
        if (c < 'a' || c > 'z')
            return false;
    return true;
}

bool fejl(QString *grund, const QString &tekst) {
    if (grund)
        *grund = tekst;
    return false;
}

} // namespace

QByteArray kodLinje(const QByteArray &art, const QString &argument) {
    QByteArray linje = QByteArray(kKanalVersion) + ' ' + art;
    if (!argument.isEmpty())
        linje += ' ' + argument.toUtf8().toPercentEncoding();
    return linje + '\n';
}

std::optional<Kanallinje> laesLinje(const QByteArray &linje, QString *grund) {
    if (linje.size() >= kMaksLinje) {
        fejl(grund, QStringLiteral("for lang (%1 byte)").arg(linje.size()));
        return std::nullopt;
    }
    const QList<QByteArray> ord = linje.split(' ');
    if (ord.first() != kKanalVersion) {
        fejl(grund, QStringLiteral("ukendt version"));
        return std::nullopt;
    }
    if (ord.size() < 2 || ord.size() > 3 || !erArtord(ord.at(1)) ||
        (ord.size() == 3 && ord.at(2).isEmpty())) {
        fejl(grund, QStringLiteral("ugyldig form"));
        return std::nullopt;
    }
    Kanallinje ud{ord.at(1), {}};
    if (ord.size() == 3) {
        // Only the encoding's own characters: anything else means a sender of another kind.
        for (char c : ord.at(2))
            if (c <= ' ' || c > '~') {
                fejl(grund, QStringLiteral("ugyldigt tegn i argumentet"));
                return std::nullopt;
            }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        ud.argument = utf8(QByteArray::fromPercentEncoding(ord.at(2)));
        if (utf8.hasError() || ud.argument.isEmpty()) {
            fejl(grund, QStringLiteral("argumentet er ikke UTF-8"));
            return std::nullopt;
        }
    }
    return ud;
}

QByteArray kodAnmodning(const Anmodning &anmodning) {
    for (const Artbeskrivelse &a : kArter)
        if (a.art == anmodning.art)
            return kodLinje(a.ord, a.medArgument ? anmodning.argument : QString());
    Q_UNREACHABLE();
}

std::optional<Anmodning> fortolkAnmodning(const QByteArray &linje, QString *grund) {
    const std::optional<Kanallinje> l = laesLinje(linje, grund);
    if (!l)
        return std::nullopt;
    for (const Artbeskrivelse &a : kArter) {
        if (l->art != a.ord)
            continue;
        if (!a.medArgument && !l->argument.isEmpty()) {
            fejl(grund, QStringLiteral("\"%1\" tager intet argument").arg(a.ord));
            return std::nullopt;
        }
        return Anmodning{a.art, l->argument};
    }
    fejl(grund, QStringLiteral("ukendt anmodning \"%1\"").arg(QString::fromLatin1(l->art)));
    return std::nullopt;
}
