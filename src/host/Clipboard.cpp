#include "host/Clipboard.h"

#include "toolkit/Toolkit.h"

void CopyTextToClipboard(tk::CWnd*, const std::string& text) {
  if (tk::Toolkit* toolkit = tk::installedToolkit()) toolkit->setClipboard(text);
}
