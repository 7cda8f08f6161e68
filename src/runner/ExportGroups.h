// Each group of exports adds its entries to the export table.
#pragma once

#include <vector>

#include "runner/ExportTable.h"

namespace orbel::runner {

void addCommandExports(std::vector<ExportInfo>& table);
void addFilterExports(std::vector<ExportInfo>& table);
void addL1FilterExports(std::vector<ExportInfo>& table);
void addParamConfigExports(std::vector<ExportInfo>& table);
void addL2ConfigExports(std::vector<ExportInfo>& table);
void addSimExports(std::vector<ExportInfo>& table);
void addSearchExports(std::vector<ExportInfo>& table);
void addPrimitiveExports(std::vector<ExportInfo>& table);
void addScenarioExports(std::vector<ExportInfo>& table);
void addSaveAsExports(std::vector<ExportInfo>& table);

}  // namespace orbel::runner
