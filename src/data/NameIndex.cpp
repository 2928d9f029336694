#include "NameIndex.h"

#include "text/Conversions.h"

#include <algorithm>
#include <cstring>

namespace ravik {

namespace {
// Names are short; a longer text written by another program is cut for the view only.
constexpr qsizetype kMaxName = 0xFFFF;
} // namespace

void NameIndex::clear() {
    changedSinceApplied_ = false;
    rows_.clear();
    visible_.clear();
    names_.clear();
    folded_.clear();
    applied_.reset();
}

quint32 NameIndex::store(const QString& name) {
    const auto offset = quint32(names_.size());
    const QString kept = name.left(kMaxName);
    const QString folded = foldTurkish(kept); // as long as the name, letter for letter
    names_.insert(names_.end(), kept.utf16(), kept.utf16() + kept.size());
    folded_.insert(folded_.end(), folded.utf16(), folded.utf16() + folded.size());
    changedSinceApplied_ = true;
    return offset;
}

void NameIndex::append(qint64 id, const QString& name) {
    const quint32 offset = store(name);
    visible_.push_back(quint32(rows_.size()));
    rows_.push_back({id, offset, quint16(std::min(name.size(), kMaxName)), false});
}

QString NameIndex::nameAt(int pos) const {
    const Row& r = rows_[visible_[pos]];
    return QString(reinterpret_cast<const QChar*>(names_.data() + r.offset), r.length);
}

std::vector<qint64> NameIndex::idsFrom(int pos, int n) const {
    std::vector<qint64> ids;
    for (int i = pos; i < count() && i < pos + n; ++i)
        ids.push_back(idAt(i));
    return ids;
}

void NameIndex::insertAt(int pos, qint64 id, const QString& name) {
    const quint32 offset = store(name);
    visible_.insert(visible_.begin() + pos, quint32(rows_.size()));
    rows_.push_back({id, offset, quint16(std::min(name.size(), kMaxName)), false});
}

void NameIndex::rename(int pos, const QString& name) {
    Row& r = rows_[visible_[pos]];
    // The old text stays behind in the pools until the view is built again.
    r.offset = store(name);
    r.length = quint16(std::min(name.size(), kMaxName));
}

void NameIndex::removeAt(int pos) {
    rows_[visible_[pos]].removed = true;
    visible_.erase(visible_.begin() + pos);
}

bool NameIndex::passes(const Row& row, const NameMatch& m) const {
    // A record without a name never passes.
    const auto n = qsizetype(m.folded.size());
    if (row.length == 0)
        return false;
    if (m.prefix ? row.length < n : row.length != n)
        return false;
    return std::memcmp(folded_.data() + row.offset, m.folded.utf16(), size_t(n) * 2) == 0;
}

void NameIndex::apply(const std::optional<NameMatch>& match) {
    const auto same = [](const std::optional<NameMatch>& a, const std::optional<NameMatch>& b) {
        return a.has_value() == b.has_value() &&
               (!a || (a->folded == b->folded && a->prefix == b->prefix));
    };
    if (same(match, applied_) && !changedSinceApplied_)
        return;
    // A longer prefix can only narrow what the shorter one let through.
    const bool narrowing = match && applied_ && match->prefix && applied_->prefix &&
                           match->folded.startsWith(applied_->folded);
    std::vector<quint32> next;
    if (narrowing) {
        for (quint32 i : visible_)
            if (passes(rows_[i], *match))
                next.push_back(i);
    } else {
        next.reserve(match ? 0 : rows_.size());
        for (quint32 i = 0; i < rows_.size(); ++i)
            if (!rows_[i].removed && (!match || passes(rows_[i], *match)))
                next.push_back(i);
    }
    visible_.swap(next);
    applied_ = match;
    changedSinceApplied_ = false;
}

} // namespace ravik
