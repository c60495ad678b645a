#pragma once
// The posts a find goes through, with their folded texts laid one after another in one
// piece of memory: a keystroke reads them in order, not at each post's own place.

#include "soeg/soegepost.h"

#include <QList>
#include <QStringView>
#include <vector>

class Soegeliste {
public:
    Soegeliste() = default;
    // Any list of posts is one; the texts are copied into place here.
    Soegeliste(QList<Soegepost> poster); // NOLINT(google-explicit-constructor)

    qsizetype size() const { return m_poster.size(); }
    const Soegepost &at(qsizetype i) const { return m_poster.at(i); }
    QList<Soegepost>::const_iterator begin() const { return m_poster.cbegin(); }
    QList<Soegepost>::const_iterator end() const { return m_poster.cend(); }

    // Post i's folded name, address and group, a line each.
    QStringView foldet(qsizetype i) const {
        return QStringView(m_tekst).sliced(m_start[size_t(i)],
                                           m_start[size_t(i) + 1] - m_start[size_t(i)]);
    }

private:
    QList<Soegepost> m_poster;
    QString m_tekst;
    std::vector<qsizetype> m_start; // where each post's text begins, then where the last ends
};
