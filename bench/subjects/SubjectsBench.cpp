// Sorted insertion and the search by first letters over an archive of 99,999
// subjects (the most the 5-digit record numbers allow). Targets: insertion
// under 20 ms, search under 1 ms.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ArchiveRecords.h"
#include "FirstLetters.h"
#include "IndexSorting.h"
#include "SafeReplace.h"
#include "SubjectArchive.h"

namespace {

namespace fs = std::filesystem;

constexpr long kSubjects = 99999;

std::string randomName(std::mt19937& random) {
  std::string name;
  const int length = 6 + int(random() % 20);
  for (int i = 0; i < length; ++i) name += char('A' + random() % 26);
  return name;
}

// A working folder holding the archive BIG, built once; its index bytes are
// kept to put the archive back between insertions.
struct BigArchive {
  fs::path root;
  std::vector<std::uint8_t> index;

  BigArchive() {
    root = fs::temp_directory_path() / ("qxmorva-bench-" + std::to_string(::getpid()));
    fs::create_directories(root);
    std::mt19937 random(99999);
    std::vector<std::string> texts;
    for (long i = 1; i <= kSubjects; ++i) texts.push_back(qx::makeIndexText(randomName(random), i));
    std::sort(texts.begin(), texts.end());
    index.resize(std::size_t(kSubjects + 1) * qx::IndexRecord::kSize);
    auto put = [&](std::size_t i, const qx::IndexRecord& r) {
      std::copy(r.bytes().begin(), r.bytes().end(), index.begin() + std::ptrdiff_t(i * qx::IndexRecord::kSize));
    };
    put(0, qx::emptyArchiveIndexRecord());
    for (std::size_t i = 0; i < texts.size(); ++i) put(i + 1, qx::IndexRecord(texts[i]));
    restore();
  }
  ~BigArchive() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  void restore() const { qx::replaceFileContents(root / "BIG.ST1", index); }
  qx::SubjectArchive archive() const { return qx::SubjectArchive(qx::WorkFolder(root), "BIG"); }
};

const BigArchive& bigArchive() {
  static const BigArchive big;
  return big;
}

void BM_InsertSorted(benchmark::State& state) {
  const BigArchive& big = bigArchive();
  const qx::SubjectArchive archive = big.archive();
  std::mt19937 random(1);
  for (auto _ : state) {
    state.PauseTiming();
    big.restore();
    const qx::IndexRecord record(qx::makeIndexText(randomName(random), kSubjects));
    state.ResumeTiming();
    benchmark::DoNotOptimize(qx::insertSorted(archive, record));
  }
}
BENCHMARK(BM_InsertSorted)->Unit(benchmark::kMillisecond);

void BM_SearchFirstLetters(benchmark::State& state) {
  const BigArchive& big = bigArchive();
  big.restore();
  const qx::SubjectArchive archive = big.archive();
  const qx::RecordFile index = archive.openIndex();
  const std::size_t count = archive.subjectCount();
  std::mt19937 random(2);
  for (auto _ : state) {
    const std::string typed = randomName(random).substr(0, 1 + random() % 5);
    benchmark::DoNotOptimize(qx::searchFirstLetters(index, typed, count));
  }
}
BENCHMARK(BM_SearchFirstLetters)->Unit(benchmark::kMicrosecond);

}  // namespace
