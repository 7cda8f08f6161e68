#include "orbel/l1filter/CPhyFaFilterBasicDlg.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "host/PathResolver.h"
#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/l1filter/L1FilterFile.h"

namespace {

// The titles of the filter files in `folder`, sorted so that every run
// offers them in the same order.
std::vector<std::string> storedTitles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> titles;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    const fs::path& path = entry->path();
    if (path.extension() == std::string(".") + orbel::kL1FilterExtension && entry->is_regular_file(error))
      titles.push_back(path.stem().string());
  }
  std::sort(titles.begin(), titles.end());
  return titles;
}

std::string storedFolder() {
  std::string folder;
  CPathResolver::getAbsPathApp(2, folder);
  return folder;
}

}  // namespace

CPhyFaFilterBasicDlg::CPhyFaFilterBasicDlg(tk::CWnd* parent)
    : CDialog(orbel::dialogTemplate("CPhyFaFilterBasicDlg", "L1 Filter"), parent) {
  m_configList.setTooltip("The configuration in use, or a stored layer-1 filter file");
  setLayout({tk::row({tk::item(m_configList)})});
}

bool CPhyFaFilterBasicDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  orbel::guardExport([&] {
    m_configList.resetContent();
    m_configList.addString(kCurrentConfigChoice);
    m_configList.setCurSel(0);
    const std::string folder = storedFolder();
    if (!folder.empty())
      for (const std::string& title : storedTitles(folder)) m_configList.addString(title);
  });
  return true;
}

void CPhyFaFilterBasicDlg::OnOK() {
  orbel::guardExport([&] {
    const int choice = m_configList.curSel();
    const std::string text = choice >= 0 && choice < m_configList.count() ? m_configList.item(choice).text : "";
    if (text == kCurrentConfigChoice) {
      LoadPhyFaFilterConfig("");
    } else {
      const std::string path = storedFolder() + text + "." + orbel::kL1FilterExtension;
      if (!LoadPhyFaFilterConfig(path)) {
        MessageBox("Can not load config " + path);
        return;
      }
    }
    CDialog::OnOK();
  });
}
