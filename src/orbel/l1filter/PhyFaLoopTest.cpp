#include "orbel/l1filter/PhyFaLoopTest.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/l1filter/L1CommandFrame.h"
#include "orbel/ui/KovaFileDialog.h"

namespace {

struct LoadedFile {
  std::vector<std::uint8_t> bytes;
  const char* failure = nullptr;  // the message to show, or null
};

// The whole file, or why it cannot be sent. Its size is checked before a
// byte is read, so an oversized file is never loaded.
LoadedFile loadLoopTestFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return {{}, "open file fail"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {{}, "open file fail"};
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) return {{}, "read file fail"};
  if (size == 0) return {{}, "file is empty"};
  if (static_cast<std::size_t>(size) > orbel::kLoopTestMaxFileSize) return {{}, "file is too big(should <= 10K)"};
  LoadedFile file;
  file.bytes.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(file.bytes.data()), size);
  if (in.gcount() != size) return {{}, "read file fail"};
  return file;
}

}  // namespace

PhyFaLoopTest::PhyFaLoopTest(tk::CWnd* parent) : CDialog(orbel::dialogTemplate("PhyFaLoopTest", "Loop Test"), parent) {
  m_browseButton.onClicked = [this] { OnBrowse(); };
  setLayout({
      tk::row({tk::item(m_pathLabel), tk::item(m_pathEdit), tk::item(m_browseButton)}),
      tk::row({tk::item(m_optionCheck), tk::stretch()}),
  });
}

PhyFaLoopTest::~PhyFaLoopTest() { std::free(m_pFrame); }

bool PhyFaLoopTest::OnInitDialog() {
  CDialog::OnInitDialog();
  const bool ready = orbel::guardExport(false, [&] {
    m_optionCheck.setCheck(1);
    return true;
  });
  if (!ready) EndDialog(tk::IDCANCEL);  // the host sees a cancelled dialog
  return ready;
}

void PhyFaLoopTest::OnBrowse() {
  orbel::guardExport([&] {
    // No default extension: a chosen file without one is sent as it is named.
    orbel::KovaFileDialog dialog(true, "", "", "all file(*.*)|*.*||", this);
    if (dialog.DoModal() == tk::IDOK) m_pathEdit.setText(dialog.GetPathName());
  });
}

void PhyFaLoopTest::OnOK() {
  orbel::guardExport([&] {
    const bool ticked = m_optionCheck.check() == 1;
    const LoadedFile file = loadLoopTestFile(m_pathEdit.text());
    if (file.failure != nullptr) {
      MessageBox(file.failure);
      return;
    }
    orbel::CommandBuffer frame = orbel::buildLoopTestFrame(ticked, file.bytes);
    if (!frame) {
      MessageBox("alloc msg fail");
      return;
    }
    orbel::keepFrame(m_pFrame, std::move(frame));
    CDialog::OnOK();
  });
}
