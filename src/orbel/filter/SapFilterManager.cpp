#include "orbel/filter/SapFilterManager.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "host/FeatureManager.h"
#include "orbel/builders/ExportGuard.h"
#include "orbel/filter/SapFilterMessage.h"
#include "orbel/wire/ByteOrder.h"

namespace {

constexpr int kBasicSapSwitch = 130;

}  // namespace

SapFilterManager::SapFilterManager() : m_attributeOn(false), m_standardSet(true), m_basicSaps(CreateBasicSap()) {}

SapFilterManager::~SapFilterManager() = default;

SapList SapFilterManager::CreateBasicSap() {
  if (!FeatureManager::Instance().GetFeature(kBasicSapSwitch)) return {};
  return {{2080, true}, {3039, true}, {6040, true}, {4100, true}, {4200, true}};
}

void SapFilterManager::L2Sap(const SapList& saps) {
  orbel::guardExport([&] {
    if (&saps != &m_l2Saps) m_l2Saps = saps;
    m_sapSet.clear();
    for (const auto& [id, enabled] : m_l2Saps)
      if (enabled) m_sapSet.push_back(id);
  });
}

const SapList& SapFilterManager::L2Sap() { return m_l2Saps; }

void SapFilterManager::UserSap(const SapList& saps) {
  orbel::guardExport([&] { m_userSaps = saps; });
}

const SapList& SapFilterManager::UserSap() { return m_userSaps; }

const CDWordArray& SapFilterManager::getSapSet() { return m_sapSet; }

std::pair<unsigned char*, int> SapFilterManager::CreateMessage(bool userOnly) {
  return orbel::guardExport(std::pair<unsigned char*, int>(nullptr, 0), [&] { return buildMessage(userOnly); });
}

std::pair<unsigned char*, int> SapFilterManager::buildMessage(bool userOnly) const {
  // The result is that of an ordered map filled list by list where the first
  // insertion of an identifier wins. Sorting (identifier, arrival) keys gets
  // there without a node per identifier: the first key of each identifier is
  // the one that arrived first. The flag rides in the lowest bit.
  std::vector<std::uint64_t> keys;
  keys.reserve((userOnly ? 0 : m_l2Saps.size() + m_basicSaps.size()) + m_userSaps.size());
  std::uint64_t arrival = 0;
  auto collect = [&](const SapList& saps, bool flag) {
    for (const auto& [id, enabled] : saps)
      if (enabled) keys.push_back(std::uint64_t{id} << 32 | arrival++ << 1 | (flag ? 1 : 0));
  };
  if (!userOnly) {
    collect(m_l2Saps, true);
    collect(m_basicSaps, m_attributeOn);
  }
  collect(m_userSaps, m_attributeOn);
  std::sort(keys.begin(), keys.end());

  std::vector<orbel::SapEntry> entries;
  entries.reserve(std::min(keys.size(), orbel::kMaxSapFilterEntries));
  for (std::size_t i = 0; i < keys.size() && entries.size() < orbel::kMaxSapFilterEntries; ++i) {
    const auto id = static_cast<std::uint32_t>(keys[i] >> 32);
    if (i > 0 && keys[i - 1] >> 32 == id) continue;
    entries.push_back({id, (keys[i] & 1) != 0});
  }

  const std::size_t length = orbel::sapFilterMessageSize(entries.size());
  auto* buffer = new unsigned char[length];
  orbel::writeSapFilterMessage(std::span<std::uint8_t>(buffer, length), entries);
  return {buffer, static_cast<int>(length)};
}
