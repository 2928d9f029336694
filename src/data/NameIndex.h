#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace ravik {

// What a filter of the form [Isim]='text' lets through: names equal to the text, or, when the
// text ended in an asterisk, names beginning with the rest; letter case folded the Turkish way.
struct NameMatch {
    QString folded;
    bool prefix = false;
};

// The open view of a table: the id and name of every record in storage order, and which of them
// pass the filter. Names live in two flat pools (as written and case-folded) so a million of
// them stay compact and a filter keystroke is one pass over memory.
class NameIndex {
public:
    void clear();
    void append(qint64 id, const QString& name);

    int count() const { return int(visible_.size()); }
    qint64 idAt(int pos) const { return rows_[visible_[pos]].id; }
    QString nameAt(int pos) const;
    // Up to `n` ids of the view from `pos` on.
    std::vector<qint64> idsFrom(int pos, int n) const;

    // A record posted after the view was built: stored after every other, shown at `pos`.
    void insertAt(int pos, qint64 id, const QString& name);
    void rename(int pos, const QString& name);
    void removeAt(int pos);

    // Narrows the view; no match shows every record. Applying the same match again does
    // nothing unless records were added or renamed since.
    void apply(const std::optional<NameMatch>& match);

private:
    struct Row {
        qint64 id;
        quint32 offset;
        quint16 length;
        bool removed;
    };
    quint32 store(const QString& name);
    bool passes(const Row& row, const NameMatch& m) const;

    std::vector<Row> rows_;
    std::vector<quint32> visible_;
    std::vector<char16_t> names_;
    std::vector<char16_t> folded_;
    std::optional<NameMatch> applied_;
    bool changedSinceApplied_ = false;
};

} // namespace ravik
