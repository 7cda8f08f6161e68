#include "toolkit/Keys.h"

namespace tk {

const char* keyName(Key key) {
  switch (key) {
    case Key::Shift: return "shift";
  }
  return "key";
}

std::optional<Key> keyNamed(std::string_view name) {
  if (name == keyName(Key::Shift)) return Key::Shift;
  return std::nullopt;
}

}  // namespace tk
