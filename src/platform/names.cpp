#include "platform/names.h"

#include <algorithm>
#include <cstring>

namespace facts {

namespace {
constexpr std::size_t kChunkSize = platform::kHugePage;
}

NameTable::NameTable() : ids_(1024), recent_(kRecent)
{
    texts_.push_back({});  // number 0: the empty name, which intern answers without a look-up
}

std::uint32_t NameTable::intern(std::string_view text)
{
    if (text.empty()) return 0;
    const std::uint64_t hash = platform::name_hash(text);
    const auto high = static_cast<std::uint32_t>(hash >> 32);
    Recent& recent = recent_[high & (kRecent - 1)];
    if (recent.hash == high && recent.id != 0 && texts_[recent.id] == text) return recent.id;
    std::uint32_t id = 0;
    if (const std::uint32_t* found = ids_.find(text, hash)) {
        id = *found;
    } else {
        const std::string_view kept = keep(text);
        id = static_cast<std::uint32_t>(texts_.size());
        texts_.push_back(kept);
        *ids_.try_emplace(kept, hash).first = id;
    }
    recent = {id, high};
    return id;
}

const std::string& NameTable::string(std::uint32_t id)
{
    if (id >= strings_.size()) strings_.resize(texts_.size());
    std::unique_ptr<const std::string>& made = strings_[id];
    if (!made) made = std::make_unique<const std::string>(texts_[id]);
    return *made;
}

// Copies the text into the current chunk, or a new one when it does not fit; a text longer
// than a chunk gets a chunk of its own.
std::string_view NameTable::keep(std::string_view text)
{
    if (text.size() > left_) {
        const std::size_t size = std::max(kChunkSize, text.size());
        chunks_.emplace_back(static_cast<char*>(platform::large_block(size)), ChunkRelease{size});
        free_ = chunks_.back().get();
        left_ = size;
    }
    std::memcpy(free_, text.data(), text.size());
    const std::string_view kept(free_, text.size());
    free_ += text.size();
    left_ -= text.size();
    return kept;
}

NameTable& name_table()
{
    static NameTable table;
    return table;
}

NameList::NameList(const std::vector<std::string>& texts)
{
    reserve(texts.size());
    for (const std::string& t : texts) emplace_back(t);
}

NameList::operator std::vector<std::string>() const { return strings_of(*this); }

bool operator==(const NameList& a, const std::vector<std::string>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](Name x, const std::string& y) { return x == y; });
}

bool operator==(const std::vector<NameList>& a, const std::vector<std::vector<std::string>>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const NameList& x, const std::vector<std::string>& y) { return x == y; });
}

std::vector<std::string> strings_of(const std::vector<Name>& names)
{
    std::vector<std::string> out;
    out.reserve(names.size());
    for (Name n : names) out.emplace_back(n.view());
    return out;
}

std::vector<std::vector<std::string>> strings_of(const std::vector<NameList>& lists)
{
    std::vector<std::vector<std::string>> out;
    out.reserve(lists.size());
    for (const NameList& l : lists) out.push_back(l.strings());
    return out;
}

NameMarks::NameMarks(std::size_t expected) : use_dense_(expected * 8 >= name_table().size())
{
    if (use_dense_)
        dense_.assign(name_table().size(), 0);
    else
        sparse_.reserve(expected);
}

bool NameMarks::insert(Name n)
{
    if (!use_dense_) return sparse_.insert(n.id()).second;
    if (n.id() >= dense_.size()) dense_.resize(name_table().size(), 0);
    std::uint8_t& mark = dense_[n.id()];
    const bool fresh = mark == 0;
    mark = 1;
    return fresh;
}

bool NameMarks::contains(Name n) const
{
    if (!use_dense_) return sparse_.contains(n.id());
    return n.id() < dense_.size() && dense_[n.id()] != 0;
}

}  // namespace facts
