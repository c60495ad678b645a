#pragma once
// What a start sends the running copy, and its answer: one line each,
// "ankerhus1 <art> [argument]". The first word names the version of the format, so a
// changed format is refused rather than misread; the argument is percent-encoded UTF-8,
// so any text (a file path, a search text) fits on the one line. A connection carries one
// request and its answer.

#include <QByteArray>
#include <QString>
#include <optional>

// The longest line either side accepts, its newline included.
inline constexpr qsizetype kMaksLinje = 64 * 1024;
inline constexpr char kKanalVersion[] = "ankerhus1";

// One line taken apart, before its art is known to mean anything.
struct Kanallinje {
    QByteArray art;
    QString argument;
};

// The line with its newline. The art is a lowercase word of a to z.
QByteArray kodLinje(const QByteArray &art, const QString &argument = {});
// A line without its newline; nothing, with the reason in *grund, when it is not one.
std::optional<Kanallinje> laesLinje(const QByteArray &linje, QString *grund = nullptr);

// The requests the running copy carries out.
struct Anmodning {
    enum class Art {
        Vis,      // bring the main window to the front
        Importer, // import bookmarks from the source in the argument; the answer's argument
                  // is the summary
        Find,     // the same, with the find window open; the argument is its text, if any
    };
    Art art = Art::Vis;
    QString argument;
};

QByteArray kodAnmodning(const Anmodning &anmodning);
// A request line without its newline; an unknown art, or an argument where the art takes
// none, gives nothing and the reason in *grund.
std::optional<Anmodning> fortolkAnmodning(const QByteArray &linje, QString *grund = nullptr);

// The running copy's answer: "ok" when carried out, "afvist" when refused.
inline const QByteArray kSvarOk = "ok";
inline const QByteArray kSvarAfvist = "afvist";
