// The keys a dialog hears of before its controls do, and the mouse pointers a
// dialog can ask for. Only what the dialogs use is modelled: the Shift key
// and the four-headed "size all" arrow.
#pragma once

#include <optional>
#include <string_view>

namespace tk {

enum class Key { Shift };
enum class Pointer { Arrow, SizeAll };

// "shift" in scripts.
const char* keyName(Key key);
std::optional<Key> keyNamed(std::string_view name);

}  // namespace tk
