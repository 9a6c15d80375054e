#pragma once

// The gate a candidate table of the kernel must pass against the kernel's own table on a part of
// the accuracy corpus: no summary figure worse beyond the scorer's noise margin, and no note or
// change that the kernel's table shows right shown otherwise, whatever the cents figures say.

#include <string>
#include <vector>

#include "tools/corpus/AccuracyScorer.h"

namespace tabledesign {

// What the gate compares of one table on one part.
struct PartScore
{
    std::vector<corpus::Row> figures;          // Scorer::FigureRows
    std::vector<corpus::CaseReading> readings; // Scorer::Readings
};

struct GateVerdict
{
    std::vector<std::string> worseFigures; // corpus::WorseRows
    std::vector<std::string> lostCases;    // corpus::LostCases
    bool Admissible() const { return worseFigures.empty() && lostCases.empty(); }
};

GateVerdict Gate(const PartScore& candidate, const PartScore& kernel);

} // namespace tabledesign
