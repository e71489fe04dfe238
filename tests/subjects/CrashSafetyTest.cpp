// A subject must never be lost or doubled when the program dies while the
// name index is being changed. A child process works through a script of
// insertions, relocations and removals on a real archive and is killed with
// SIGKILL at a random moment; the parent then finds the index either before or
// after the operation in flight, never in between.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "ArchiveTestSupport.h"
#include "IndexSorting.h"
#include "TempFolder.h"

namespace {

using qx::IndexRecord;
using qx::makeIndexText;

struct Operation {
  enum Kind { Insert, Relocate, Remove } kind;
  std::string text;     // the subject inserted, moved or removed
  std::string newText;  // relocation only
};

std::size_t positionOf(const qx::SubjectArchive& archive, const std::string& text) {
  const auto texts = qxtest::indexTexts(archive);
  const auto it = std::find(texts.begin() + 1, texts.end(), text);
  if (it == texts.end()) throw std::runtime_error("subject not in the index: " + text);
  return std::size_t(it - texts.begin());
}

void perform(const qx::SubjectArchive& archive, const Operation& op) {
  switch (op.kind) {
    case Operation::Insert: qx::insertSorted(archive, IndexRecord(op.text)); break;
    case Operation::Relocate:
      qx::relocateSorted(archive, positionOf(archive, op.text), IndexRecord(op.newText));
      break;
    case Operation::Remove: qx::removeIndex(archive, positionOf(archive, op.text)); break;
  }
}

// The subjects after an operation, kept as a plain sorted list.
std::vector<std::string> applyToModel(std::vector<std::string> subjects, const Operation& op) {
  if (op.kind != Operation::Insert) subjects.erase(std::find(subjects.begin(), subjects.end(), op.text));
  if (op.kind == Operation::Insert) subjects.push_back(op.text);
  if (op.kind == Operation::Relocate) subjects.push_back(op.newText);
  std::sort(subjects.begin(), subjects.end());
  return subjects;
}

std::string randomName(std::mt19937& random) {
  static const char* surnames[] = {"ROSSI", "BIANCHI", "VERDI", "ESPOSITO", "RUSSO", "COLOMBO", "FERRARI", "ROMANO"};
  static const char* names[] = {"MARIO", "ANNA", "LUCA", "GIULIA", "MARCO", "SARA", "PAOLO"};
  return std::string(surnames[random() % 8]) + " " + names[random() % 7] + " " + std::to_string(random() % 100);
}

class CrashSafetyTest : public ::testing::Test {
 protected:
  static constexpr int kInitialSubjects = 150;
  static constexpr int kOperations = 24;
  static constexpr int kKills = 60;

  void SetUp() override {
    std::mt19937 random(4101);
    long number = 1;
    for (int i = 0; i < kInitialSubjects; ++i) initial.push_back(makeIndexText(randomName(random), number++));
    std::sort(initial.begin(), initial.end());

    std::vector<std::string> subjects = initial;
    models.push_back(subjects);
    for (int i = 0; i < kOperations; ++i) {
      Operation op{Operation::Insert, makeIndexText(randomName(random), number++), {}};
      if (i % 4 == 1) {
        // A new name for a subject; its birth-record number stays.
        const std::string& moved = subjects[random() % subjects.size()];
        op = {Operation::Relocate, moved, makeIndexText(randomName(random), *qx::indexNumber(moved))};
      }
      if (i % 4 == 3) op = {Operation::Remove, subjects[random() % subjects.size()], {}};
      script.push_back(op);
      subjects = applyToModel(subjects, op);
      models.push_back(subjects);
    }
  }

  // A fresh archive holding the initial subjects.
  qx::SubjectArchive freshArchive(const qx::WorkFolder& folder) {
    const qx::SubjectArchive archive = qxtest::makeEmptyArchive(folder, "BASE");
    qxtest::writeIndex(archive, initial);
    return archive;
  }

  // Checks the index on its own terms (record 0, order, each subject once)
  // and gives the number of script operations it reflects, trying `done`
  // and `done + 1`; -1 when it matches neither.
  int operationsReflected(const qx::SubjectArchive& archive, int done) {
    const qx::RecordFile file = archive.openIndex();
    EXPECT_EQ(file.readRecord<IndexRecord>(0), qx::emptyArchiveIndexRecord()) << "record 0 changed";
    std::vector<std::string> subjects = qxtest::indexTexts(archive);
    subjects.erase(subjects.begin());
    EXPECT_TRUE(std::is_sorted(subjects.begin(), subjects.end())) << "index out of order";
    EXPECT_EQ(std::set<std::string>(subjects.begin(), subjects.end()).size(), subjects.size()) << "a subject twice";
    for (int j = done; j <= std::min(done + 1, kOperations); ++j)
      if (subjects == models[std::size_t(j)]) return j;
    return -1;
  }

  std::vector<std::string> initial;
  std::vector<Operation> script;
  std::vector<std::vector<std::string>> models;  // subjects after 0..kOperations operations
};

TEST_F(CrashSafetyTest, ScriptRunToTheEndGivesTheModel) {
  qxtest::TempFolder temp;
  const qx::SubjectArchive archive = freshArchive(qx::WorkFolder(temp.path()));
  for (const Operation& op : script) perform(archive, op);
  EXPECT_EQ(operationsReflected(archive, kOperations), kOperations);
}

TEST_F(CrashSafetyTest, KilledAtAnyMomentTheIndexHoldsEverySubjectExactlyOnce) {
  qxtest::TempFolder temp;
  const qx::WorkFolder folder(temp.path());
  qx::SubjectArchive archive = freshArchive(folder);

  // How long an operation takes here. Each child is killed within about four
  // operations; the next one carries on from where the index stands, so the
  // kill points fall all along the script.
  const auto start = std::chrono::steady_clock::now();
  for (const Operation& op : script) perform(archive, op);
  const auto operationMicros =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count() /
      kOperations;
  archive = freshArchive(folder);

  std::mt19937 random(777);
  int done = 0;  // operations the archive reflects
  int killedMidway = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill) + " from operation " + std::to_string(done));
    int progress[2];
    ASSERT_EQ(::pipe(progress), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(progress[0]);
      try {
        for (int i = done; i < kOperations; ++i) {
          perform(archive, script[std::size_t(i)]);
          const char mark = 1;
          if (::write(progress[1], &mark, 1) != 1) ::_exit(4);
        }
      } catch (...) {
        ::_exit(3);
      }
      ::_exit(0);
    }
    ::close(progress[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (4 * std::uint64_t(operationMicros) + 1)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
        << "the child failed on its own, status " << status;

    int reported = done;
    char marks[64];
    for (ssize_t n; (n = ::read(progress[0], marks, sizeof marks)) > 0;) reported += int(n);
    ::close(progress[0]);

    const int reflected = operationsReflected(archive, reported);
    ASSERT_GE(reflected, 0) << "the index is neither before nor after operation " << reported;
    if (WIFSIGNALED(status) && reflected < kOperations) ++killedMidway;
    done = reflected;
    if (done == kOperations) {
      archive = freshArchive(folder);
      done = 0;
    }
  }
  EXPECT_GT(killedMidway, kKills / 2) << "most kills should land inside the script";
  EXPECT_EQ(qx::listArchives(folder, true).size(), 1u) << "a file left by a kill is not an archive";
}

}  // namespace
