#include "toolkit/Toolkit.h"

#include <utility>

namespace tk {
namespace {
Toolkit* installed = nullptr;  // the process's one toolkit, used on the UI thread only
}

Toolkit* installToolkit(Toolkit* toolkit) { return std::exchange(installed, toolkit); }

Toolkit* installedToolkit() { return installed; }

}  // namespace tk
