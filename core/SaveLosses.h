// What a sattp.csv file cannot keep of the tables in memory. The file has no
// columns for some LNB settings, lists only satellites that have
// transponders and writes commas and line ends of names as blanks; Save asks
// before it lets any of that go.
#pragma once

#include <string>
#include <vector>

#include "core/SatTpDatabase.h"
#include "core/TextMark.h"

namespace velmora {

// One phrase per kind of loss, in a fixed order ("the power and 22K settings
// of LNB 2 and 5", "2 satellites without transponders (SAT-X, SAT-Y)"); empty
// when saving and opening again gives the same tables, up to their order.
std::vector<std::string> DescribeSaveLosses(const SatTpDatabase& db);

// "sattp.csv cannot keep: A; B. Save anyway ?"
std::string SaveLossQuestion(const std::vector<std::string>& losses);

// A question made of a notice (%1) that asks before a save.
inline constexpr const char* SAVE_ANYWAY_QUESTION = VELMORA_TR_NOOP("Core", "%1 Save anyway ?");

// "sattp.csv cannot keep: A; B." for a terminal.
std::string SaveLossNotice(const std::vector<std::string>& losses);

}  // namespace velmora
