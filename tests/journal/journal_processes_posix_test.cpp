// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <filesystem>
#include <random>
#include <set>
#include <vector>

#include "journal/journal.h"
#include "storage/file_reading.h"
#include "support/test_files.h"

namespace tonalis {
namespace {

void AppendMany(const std::string& folder, int writer, int count) {
  for (int i = 0; i < count; ++i) {
    JournalRecord r;
    r.id = std::to_string(writer) + "-" + std::to_string(i);
    r.kind = "send";
    r.what = std::string(static_cast<std::size_t>(20 + i % 300), static_cast<char>('0' + i % 10));
    if (AppendJournalRecord(folder, r)) ::_exit(1);
  }
}

TEST(Journal, ProcessesAppendingAtOnceOrKilledLoseNoneAndTearNone) {
  testing::TempDir dir;
  const std::string folder = dir.file("journal");
  std::vector<pid_t> writers;
  for (int w = 0; w < 2; ++w) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      AppendMany(folder, w, 500);
      ::_exit(0);
    }
    writers.push_back(pid);
  }
  for (const pid_t pid : writers) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::set<std::string> ids;
  for (const auto& r : ReadJournal(folder)) ids.insert(r.id);
  EXPECT_EQ(ids.size(), 1000u);

  // Killed at random moments: every line in the file is a whole record.
  std::mt19937 random(20261208);
  auto folderBytes = [&folder] {
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) bytes += entry.file_size();
    return bytes;
  };
  for (int round = 0; round < 10; ++round) {
    const std::uintmax_t before = folderBytes();
    const pid_t pid = ::fork();
    if (pid == 0) {
      AppendMany(folder, 10 + round, 100000);
      ::_exit(0);
    }
    // Once it writes (a busy or emulated machine may take a while to start it).
    for (int wait = 0; wait < 5000 && folderBytes() == before; ++wait) ::usleep(1000);
    ::usleep(std::uniform_int_distribution<useconds_t>(1000, 30000)(random));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
  // However many times it was rotated (the records carry no time here, so
  // every rotation falls in the same second): every line in every file is a
  // record (a write cut short by the kill is followed on its line by the next
  // record, or ends a file without a newline), and the first thousand are all
  // still there.
  std::size_t lines = 0;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::string text;
    ASSERT_FALSE(ReadWholeFile(entry.path().string(), 1u << 30, text));
    lines += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    ++files;
  }
  const auto records = ReadJournal(folder);
  EXPECT_EQ(records.size(), lines) << "every line a record";
  EXPECT_GT(lines, 1000u);
  ids.clear();
  for (const auto& r : records) ids.insert(r.id);
  for (int w = 0; w < 2; ++w)
    for (int i = 0; i < 500; i += 499) EXPECT_EQ(ids.count(std::to_string(w) + "-" + std::to_string(i)), 1u);
  RecordProperty("files", files);
}


// What stands where the journal's file should be: only an ordinary file is
// written or read, at once, whatever it is; a link's target is never touched.
TEST(Journal, OnlyAnOrdinaryFileIsWrittenOrRead) {
  testing::TempDir dir;
  testing::WriteAll(dir.file("elsewhere.txt"), "my notes\n");
  struct Case {
    const char* name;
    std::function<void(const std::string& file)> make;
    const char* written;  // the start of the reason, empty: written
    const char* read;     // what the reading says
  };
  const Case cases[] = {
      {"a FIFO", [](const std::string& f) { ::mkfifo(f.c_str(), 0600); }, "Cannot write", "is a pipe (FIFO)"},
      {"a link to a file", [&](const std::string& f) { std::filesystem::create_symlink(dir.file("elsewhere.txt"), f); },
       "Cannot write", ""},
      {"a link to /dev/zero", [](const std::string& f) { std::filesystem::create_symlink("/dev/zero", f); },
       "Cannot write", "is a device"},
      {"a folder", [](const std::string& f) { std::filesystem::create_directory(f); }, "Cannot open", "is a folder"},
  };
  for (const auto& c : cases) {
    const std::string folder = dir.file(std::string("journal-") + c.name);
    std::filesystem::create_directories(folder);
    c.make(folder + "/journal.log");
    JournalRecord r;
    r.id = "1";
    r.kind = "send";
    const auto before = std::chrono::steady_clock::now();
    const auto error = AppendJournalRecord(folder, r);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1)) << c.name;
    ASSERT_TRUE(error) << c.name;
    EXPECT_EQ(error->rfind(c.written, 0), 0u) << c.name << ": " << *error;
    std::string why;
    EXPECT_TRUE(ReadJournal(folder, &why).empty()) << c.name;
    EXPECT_NE(why.find(c.read), std::string::npos) << c.name << ": " << why;
  }
  EXPECT_EQ(testing::ReadAll(dir.file("elsewhere.txt")), "my notes\n");

  // Lines that are not records are counted, never dropped without a word.
  const std::string folder = dir.file("garbled");
  JournalRecord r;
  r.id = "1";
  r.kind = "send";
  ASSERT_FALSE(AppendJournalRecord(folder, r));
  std::ofstream(folder + "/journal.log", std::ios::app) << std::string(3 * 1024 * 1024, 'x') << "\nnot one\n";
  ASSERT_FALSE(AppendJournalRecord(folder, r));
  std::string why;
  EXPECT_EQ(ReadJournal(folder, &why).size(), 2u);
  EXPECT_EQ(why, "2 lines of the journal are not records and were left out.");
}

}  // namespace
}  // namespace tonalis
