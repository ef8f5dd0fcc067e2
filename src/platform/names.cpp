#include "platform/names.h"

#include <algorithm>
#include <cstring>

namespace facts {

namespace {
constexpr std::size_t kChunkSize = 1 << 20;
}

NameTable::NameTable() : ids_(1024)
{
    texts_.push_back({});  // number 0: the empty name, which intern answers without a look-up
}

std::uint32_t NameTable::intern(std::string_view text)
{
    if (text.empty()) return 0;
    if (const std::uint32_t* id = ids_.find(text)) return *id;
    const std::string_view kept = keep(text);
    const auto id = static_cast<std::uint32_t>(texts_.size());
    texts_.push_back(kept);
    *ids_.try_emplace(kept).first = id;
    return id;
}

// Copies the text into the current chunk, or a new one when it does not fit; a text longer
// than a chunk gets a chunk of its own.
std::string_view NameTable::keep(std::string_view text)
{
    if (text.size() > left_) {
        const std::size_t size = std::max(kChunkSize, text.size());
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
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

NameList::operator std::vector<std::string>() const
{
    std::vector<std::string> out;
    out.reserve(size());
    for (Name n : *this) out.emplace_back(n.view());
    return out;
}

bool operator==(const NameList& a, const std::vector<std::string>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](Name x, const std::string& y) { return x == y; });
}

}  // namespace facts
