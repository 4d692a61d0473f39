// Runs a fuzz target's entry point over every file of the folders and files named on the
// command line, in name order, without libFuzzer: the committed corpus read by an ordinary
// build (GCC, its GBK literals and its sanitizers). Fails when a folder holds too few inputs.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);
// A target's check after each folder or file of the command line (a pass over its inputs);
// non-zero fails the replay.
extern "C" __attribute__((weak)) int TavReplayPassDone(int pass);

namespace {

std::vector<std::filesystem::path> Inputs(const std::filesystem::path& where) {
  std::vector<std::filesystem::path> found;
  if (!std::filesystem::is_directory(where)) return {where};
  for (const auto& entry : std::filesystem::directory_iterator(where))
    if (entry.is_regular_file()) found.push_back(entry.path());
  std::sort(found.begin(), found.end());
  return found;
}

bool Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A copy of exactly the input's size, so that a read past its end is caught.
  uint8_t* data = static_cast<uint8_t*>(malloc(bytes.size() ? bytes.size() : 1));
  if (!bytes.empty()) memcpy(data, bytes.data(), bytes.size());
  LLVMFuzzerTestOneInput(data, bytes.size());
  free(data);
  return true;
}

}  // namespace

// Usage: <target>_replay [--min-inputs N] folder-or-file...
int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  size_t minimum = 0, count = 0;
  int pass = 0;
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--min-inputs") == 0 && i + 1 < argc) {
      minimum = strtoul(argv[++i], nullptr, 10);
      continue;
    }
    for (const auto& file : Inputs(argv[i])) {
      if (!Replay(file)) {
        fprintf(stderr, "cannot read %s\n", file.c_str());
        return 1;
      }
      ++count;
    }
    if (TavReplayPassDone && TavReplayPassDone(++pass) != 0) return 1;
  }
  printf("%zu inputs read\n", count);
  if (count < minimum) {
    fprintf(stderr, "only %zu inputs, at least %zu expected\n", count, minimum);
    return 1;
  }
  return 0;
}
