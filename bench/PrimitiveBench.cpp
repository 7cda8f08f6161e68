// The primitive codec's hot paths against a baseline of the same run:
// encoding and decoding a nested parameter of about a hundred field values
// (a measurement report: sixteen cells of five fields each, with its header
// fields, a fixed array, bit and octet strings and an optional structure)
// next to copying the same bytes into a fresh block.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <variant>

#include "RatioReport.h"
#include "host/codec/PsdlBitCodec.h"
#include "host/codec/PsdlDescriptionFile.h"

namespace {

constexpr const char* kDescriptions = R"({"format": "orbel-primitive-descriptions", "version": 1, "types": [
  {"name": "Cell", "fields": [
    {"name": "uarfcn", "kind": "integer", "bits": 14, "default": 10055},
    {"name": "cellParameterId", "kind": "integer", "bits": 7, "max": 127, "default": 45},
    {"name": "offset", "kind": "integer", "bits": 6, "signed": true, "min": -20, "max": 20, "default": -7},
    {"name": "rscp", "kind": "integer", "bits": 7, "max": 91, "default": 60},
    {"name": "state", "kind": "enumeration", "bits": 2, "default": "monitored",
     "values": [{"name": "active", "value": 0}, {"name": "monitored", "value": 1}, {"name": "detected", "value": 2}]}]},
  {"name": "Plmn", "fields": [
    {"name": "mcc", "kind": "integer", "bits": 10, "max": 999, "default": 460},
    {"name": "mnc", "kind": "integer", "bits": 10, "max": 999, "default": 0}]},
  {"name": "Report", "fields": [
    {"name": "measurementIdentity", "kind": "integer", "bits": 5, "min": 1, "max": 16, "default": 3},
    {"name": "cellIdentity", "kind": "bits", "bits": 28, "default": "1010101010101010101010101010"},
    {"name": "imsi", "kind": "octets", "length": 8, "default": "64 00 21 43 65 87 09 F1"},
    {"name": "plmn", "kind": "structure", "type": "Plmn", "optional": true, "present": true},
    {"name": "timeslots", "kind": "array", "count": 7, "element": {"kind": "integer", "bits": 8, "default": 17}},
    {"name": "cells", "kind": "list", "countBits": 5, "minCount": 16, "maxCount": 16,
     "element": {"kind": "structure", "type": "Cell"}}]}],
  "primitives": []})";

void encode(benchmark::State& state, const psdl::DescriptionSet* set) {
  const std::vector<psdl::FieldValue> fields = psdl::defaultFields(*set, set->types.back());
  for (auto _ : state) benchmark::DoNotOptimize(psdl::encodeFields(fields));
}

void decode(benchmark::State& state, const psdl::DescriptionSet* set, std::vector<std::uint8_t> bytes) {
  for (auto _ : state) benchmark::DoNotOptimize(psdl::decodeFields(*set, set->types.back(), bytes));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  auto read = psdl::readDescriptions(kDescriptions);
  const auto* set = std::get_if<psdl::DescriptionSet>(&read);
  if (set == nullptr) {
    std::fprintf(stderr, "the sample description is refused: %s\n", std::get<std::string>(read).c_str());
    return 1;
  }
  const std::vector<psdl::FieldValue> fields = psdl::defaultFields(*set, set->types.back());
  const std::vector<std::uint8_t> bytes = psdl::encodeFields(fields);
  auto decoded = psdl::decodeFields(*set, set->types.back(), bytes);
  if (set->types.back().nodeCount < 100 || !std::holds_alternative<std::vector<psdl::FieldValue>>(decoded)) {
    std::fprintf(stderr, "the sample is not a parameter of a hundred values that decodes\n");
    return 1;
  }

  benchmark::RegisterBenchmark("primitive_encode", encode, set);
  benchmark::RegisterBenchmark("primitive_decode", decode, set, bytes);
  benchmark::RegisterBenchmark("primitive_copy_baseline", orbel::bench::mallocCopyFree, bytes);

  orbel::bench::TimeRecorder recorder;
  benchmark::RunSpecifiedBenchmarks(&recorder);
  benchmark::Shutdown();

  const orbel::bench::Comparison comparisons[] = {
      {"encode, about 100 nested fields", "primitive_encode", "primitive_copy_baseline", 0, 50},
      {"decode, about 100 nested fields", "primitive_decode", "primitive_copy_baseline", 0, 50},
  };
  orbel::bench::printComparisons(recorder, comparisons);
  return 0;
}
