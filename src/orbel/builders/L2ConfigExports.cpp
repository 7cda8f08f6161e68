#include "orbel/builders/L2ConfigExports.h"

#include <span>

#include "orbel/builders/ExportGuard.h"
#include "orbel/config/CL2ConfigDlg.h"
#include "orbel/config/L2ConfigStore.h"
#include "toolkit/Types.h"

bool GetL2Config(unsigned int* ignored1, unsigned int* ignored2, unsigned char*& sapFilter, unsigned char* summary,
                 unsigned char* state, int fromFile) {
  (void)ignored1;
  (void)ignored2;
  if (summary == nullptr || state == nullptr) return false;
  return orbel::guardExport(false, [&] {
    const std::span<std::uint8_t, orbel::kL2ConfigSummarySize> summaryBytes(summary, orbel::kL2ConfigSummarySize);
    const std::span<std::uint8_t, orbel::kL2ConfigStateSize> stateBytes(state, orbel::kL2ConfigStateSize);
    orbel::L2ConfigFile opening;
    if (fromFile == 0) {
      opening = {orbel::readL2ConfigState(stateBytes), orbel::selectAllOf(orbel::readL2ConfigSummary(summaryBytes))};
    } else if (std::optional<orbel::L2ConfigFile> stored = orbel::loadL2ConfigFile()) {
      opening = *stored;
    }
    CL2ConfigDlg dialog(reinterpret_cast<SapFilterManager*>(sapFilter), opening.state, opening.selectAll);
    if (dialog.DoModal() != tk::IDOK) return false;
    sapFilter = reinterpret_cast<unsigned char*>(dialog.TakeFilterManager());
    orbel::writeL2ConfigState(dialog.state(), stateBytes);
    orbel::writeL2ConfigSummary(orbel::summaryOf(dialog.state(), dialog.selectAllStates()), summaryBytes);
    return true;
  });
}
