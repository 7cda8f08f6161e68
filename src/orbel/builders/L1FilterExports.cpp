#include "orbel/builders/L1FilterExports.h"

#include <algorithm>

#include "orbel/builders/ExportGuard.h"
#include "orbel/l1filter/DefaultFilterConfig.h"
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
