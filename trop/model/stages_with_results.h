// Which stages of a category already hold entered results.
#pragma once

#include <filesystem>
#include <vector>

namespace trop {

// The stage folders E0..E9 of the category that hold a file "Results", in
// ascending order. Other entries ("EX", a file named "E1") never count.
std::vector<int> stagesWithResults(const std::filesystem::path& categoryFolder);

} // namespace trop
