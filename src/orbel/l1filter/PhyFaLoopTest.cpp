#include "orbel/l1filter/PhyFaLoopTest.h"

#include <cstdlib>
#include <vector>

#include "orbel/builders/ExportGuard.h"
#include "orbel/builders/ModuleLifetime.h"
#include "orbel/l1filter/L1CommandFrame.h"
#include "orbel/ui/KovaFileDialog.h"
#include "toolkit/FileRead.h"

namespace {

struct LoadedFile {
  std::vector<std::uint8_t> bytes;
  const char* failure = nullptr;  // the message to show, or null
};

// The whole file, or why it cannot be sent. Anything but a regular file is
// refused before it is opened for reading, and an oversized file is never
// loaded.
LoadedFile loadLoopTestFile(const std::string& path) {
  tk::FileRead read = tk::readRegularFile(path, orbel::kLoopTestMaxFileSize);
  switch (read.status) {
    case tk::FileRead::Status::Ok: break;
    case tk::FileRead::Status::TooLarge: return {{}, "file is too big(should <= 10K)"};
    case tk::FileRead::Status::ReadError: return {{}, "read file fail"};
    default: return {{}, "open file fail"};
  }
  if (read.bytes.empty()) return {{}, "file is empty"};
  return {std::vector<std::uint8_t>(read.bytes.begin(), read.bytes.end()), nullptr};
}

}  // namespace

PhyFaLoopTest::PhyFaLoopTest(tk::CWnd* parent) : CDialog(orbel::dialogTemplate("PhyFaLoopTest", "Loop Test"), parent) {
  m_browseButton.onClicked = [this] { OnBrowse(); };
  m_optionCheck.setTooltip("Ticked: the loop test is sent as command 0x820003; unticked: as 0x820004.");
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
