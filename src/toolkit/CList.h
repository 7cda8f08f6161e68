// The platform's ordered list type that the host interfaces name (a list of
// filter nodes), as a thin alias of our own.
#pragma once

#include <vector>

namespace tk {

// An ordered list of elements; `Arg` (how the platform's list passes an
// element) has no meaning here.
template <typename T, typename Arg = const T&>
using CList = std::vector<T>;

}  // namespace tk
