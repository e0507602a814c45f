// A practice run asked for from a window deep in a modal chain (the details of a run,
// a test protocol): the window leaves the questions here and closes with
// kProcvicitChybne, each window of the chain passes that on, and the main window, once
// the chain has closed, starts the run.
#pragma once

#include <vector>

// The result a window of the chain closes with when a practice run was asked for.
inline constexpr int kProcvicitChybne = 2;

namespace pozadavek_procvicovani {

void Nastav(std::vector<int> cisla);
// The questions asked for, once; empty when none were.
std::vector<int> Vezmi();

} // namespace pozadavek_procvicovani
