#pragma once
// A program timed as a process, beside `wc -l` on the same file: the start
// of a process weighs alike on each. The program's peak resident size is
// reported as the counter PeakMB.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// Runs `arguments` to its end once per iteration, with its standard output
// thrown away; the file's lines and bytes count as processed.
void RunEach(benchmark::State& state, const std::vector<std::string>& arguments,
             const std::filesystem::path& file, int64_t lines);

// Writes back to disk what was written to `file`.
void SettleToDisk(std::FILE* file);

// Writes a file generated line by line, and writes it back to disk before
// timing starts: the kernel's later writeback would otherwise share the
// cores with the programs timed.
template <class WriteLines>
void WriteSettled(const std::filesystem::path& path, WriteLines writeLines) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  writeLines(file);
  SettleToDisk(file);
  std::fclose(file);
}
