// catalogue_entries.h - The entries of the catalogue, one area per file: each message's id with
// its Japanese and its English template. The catalogue looks a message up among all of them.
#pragma once

#include <span>
#include <vector>

#include "messages/message_ids.h"

namespace gdf {

/// One message of the catalogue in both languages.
struct CatalogueEntry {
  MessageId id;
  const char16_t* japanese;
  const char16_t* english;
};

std::span<const CatalogueEntry> PathTexts();
std::span<const CatalogueEntry> RunTexts();
std::span<const CatalogueEntry> TableTexts();
std::span<const CatalogueEntry> DryRunAndBatchTexts();
std::span<const CatalogueEntry> CheckTexts();
std::span<const CatalogueEntry> PreviewTexts();
std::span<const CatalogueEntry> UsageTexts();
std::span<const CatalogueEntry> UsageHelpTexts();
std::span<const CatalogueEntry> ConvertHelpTexts();
std::span<const CatalogueEntry> CheckHelpTexts();
std::span<const CatalogueEntry> BatchHelpTexts();
std::span<const CatalogueEntry> PreviewHelpTexts();
std::span<const CatalogueEntry> TablesHelpTexts();

/// Every area of the catalogue.
std::vector<std::span<const CatalogueEntry>> CatalogueAreas();

}  // namespace gdf
