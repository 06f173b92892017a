#pragma once
// Comparing written bytes with a golden file. With TESSARON_WRITE_GOLDEN set in the environment
// the golden is written from the actual bytes instead, and the test fails saying so: a run that
// writes goldens has checked nothing and must never read as a pass.

#include <string>

void ExpectGoldenFile(const std::string& actual, const std::string& goldenPath);
