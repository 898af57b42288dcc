#pragma once
// A red figure of the explanation pages: a filled polygon through a fixed
// number of corners, outlined in white.

#include <array>
#include <cstddef>
#include <utility>

#include "frame/drawing.h"

namespace units::symmetry {

template <std::size_t N>
using Corners = std::array<frame::PointF, N>;

template <std::size_t N>
void shape(frame::Drawing& d, const Corners<N>& corners) {
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        d.polygon({frame::PolyPoint{corners[I]}...}, 7, 2);
    }(std::make_index_sequence<N>{});
}

}  // namespace units::symmetry
