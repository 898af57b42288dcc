#pragma once
// The stamps a surface keeps: characters and arcs it has drawn, by what
// decides their pixels, to be set again at once wherever they recur.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/stamp.h"

namespace platform {

// More stamps than this in one cache (every character of a page in a
// handful of faces and sizes needs a few hundred) and it starts afresh.
inline constexpr std::size_t kMostStamps = 4096;

template <class Key, class Hash>
class StampCache {
public:
    // The stamp kept for the key, taken the first time; none when the
    // figure could not be taken as one.  Stays valid until make_room.
    const Stamp* find(const Key& key, const std::function<std::optional<Stamp>()>& take) {
        auto found = stamps_.find(key);
        if (found == stamps_.end()) found = stamps_.emplace(key, take()).first;
        return found->second ? &*found->second : nullptr;
    }

    // Forgets every stamp once there are too many.
    void make_room() {
        if (stamps_.size() > kMostStamps) stamps_.clear();
    }

private:
    std::unordered_map<Key, std::optional<Stamp>, Hash> stamps_;
};

inline std::size_t hash_parts(std::initializer_list<std::size_t> parts) {
    std::size_t h = 0;
    for (std::size_t part : parts) h = h * 1000003u ^ part;
    return h;
}

// A character of a face and size in its box, widened as scaled text widens it.
struct GlyphKey {
    std::string face;
    int pixel_size = 0;
    char32_t code = 0;
    int width = 0;
    int height = 0;
    double stretch = 1;
    Painting painting = Painting::Clipped;
    bool operator==(const GlyphKey&) const = default;
};

struct GlyphKeyHash {
    std::size_t operator()(const GlyphKey& k) const {
        return hash_parts({std::hash<std::string>{}(k.face), std::hash<int>{}(k.pixel_size),
                           std::hash<char32_t>{}(k.code), std::hash<int>{}(k.width),
                           std::hash<int>{}(k.height), std::hash<double>{}(k.stretch),
                           std::hash<Painting>{}(k.painting)});
    }
};

// A solid whole ellipse in its frame: its outline, or the inside a filled
// one paints in its fill colour (the outline left out); an arc or a pie
// keeps the part that its wedge holds.
struct ArcKey {
    enum class Part { Outline, Inside };
    int width = 0;
    int height = 0;
    Part part = Part::Outline;
    Painting painting = Painting::Clipped;
    bool operator==(const ArcKey&) const = default;
};

struct ArcKeyHash {
    std::size_t operator()(const ArcKey& k) const {
        return hash_parts({std::hash<int>{}(k.width), std::hash<int>{}(k.height),
                           std::hash<ArcKey::Part>{}(k.part), std::hash<Painting>{}(k.painting)});
    }
};

struct SurfaceStamps {
    StampCache<GlyphKey, GlyphKeyHash> glyphs;
    StampCache<ArcKey, ArcKeyHash> arcs;
};

}  // namespace platform
