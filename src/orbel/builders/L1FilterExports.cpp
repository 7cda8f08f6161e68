#include "orbel/builders/L1FilterExports.h"

#include <algorithm>
#include <optional>

#include "host/FeatureManager.h"
#include "orbel/builders/ExportGuard.h"
#include "orbel/l1filter/CPhyFaFilterBasicDlg.h"
#include "orbel/l1filter/CPhyFaFilterDlg.h"
#include "orbel/l1filter/DefaultFilterConfig.h"
#include "toolkit/Types.h"
#include "orbel/wire/CommandBuffer.h"

unsigned char* GetPhyFaFilterDefault(unsigned int* length) {
  if (length == nullptr) return nullptr;
  *length = 0;
  return orbel::guardExport<unsigned char*>(nullptr, [&]() -> unsigned char* {
    const orbel::PhyFaFilterBytes bytes = orbel::toBytes(orbel::lastOrDefaultPhyFaFilterConfig());
    orbel::CommandBuffer block = orbel::CommandBuffer::allocate(orbel::kPhyFaFilterConfigSize);
    if (!block) return nullptr;
    std::copy(bytes.begin(), bytes.end(), block.bytes().begin());
    return block.handOver(length);
  });
}

namespace {

// Runs the dialog the host's settings call for; the confirmed configuration,
// or nothing when the dialog did not end with OK.
std::optional<orbel::PhyFaFilterConfig> RunPhyFaFilterDialog() {
  const FeatureManager& features = FeatureManager::Instance();
  const bool basic =
      features.GetFeature(124) || features.GetModule(47) || features.GetModule(42) || features.GetModule(41);
  if (basic) {
    CPhyFaFilterBasicDlg dialog;
    if (dialog.DoModal() != tk::IDOK) return std::nullopt;
    return dialog.Config();
  }
  CPhyFaFilterDlg dialog;
  if (dialog.DoModal() != tk::IDOK) return std::nullopt;
  return dialog.Config();
}

}  // namespace

unsigned char* GetPhyFaFilter(unsigned int* length) {
  if (length == nullptr) return nullptr;
  return orbel::guardExport<unsigned char*>(nullptr, [&]() -> unsigned char* {
    const std::optional<orbel::PhyFaFilterConfig> config = RunPhyFaFilterDialog();
    if (!config) return nullptr;
    const orbel::PhyFaFilterBytes bytes = orbel::toBytes(*config);
    orbel::CommandBuffer block = orbel::CommandBuffer::allocate(orbel::kPhyFaFilterConfigSize);
    if (!block) return nullptr;
    std::copy(bytes.begin(), bytes.end(), block.bytes().begin());
    return block.handOver(length);
  });
}
