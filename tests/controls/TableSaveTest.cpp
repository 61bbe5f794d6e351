// SPDX-License-Identifier: MIT
#include "controls/TableSave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "platform/Dialogs.h"
#include "tests/controls/KestStringGridFixture.h"
#include "tests/support/MessageRecorder.h"

namespace {
const char* const SettingsKey = "Software\\Table Save Test";

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// The subnet layout with a latency-style cell that needs quoting.
std::unique_ptr<TSuperStringGrid> NewQuotingGrid() {
  auto grid = NewSubnetGrid(2);
  grid->setAccessibleName("Subnet and host table");
  grid->SetCells(3, 2, "0,5 \"ms\"");
  return grid;
}

const TSaveProgress Always = [](int) { return true; };

TEST(TableSave, WritesTheGridAsCsvAndJson) {
  QTemporaryDir folder;
  const auto grid = NewQuotingGrid();
  const struct {
    TTableFormat Format;
    const char* Name;
    const char* File;
  } cases[] = {
      {TTableFormat::tfCsv, "t.csv",
       "#,Subnet ID,Host Range,Subnet Broadcast\r\n"
       "1,128.15.1.0,128.15.1.1 - 128.15.1.254,128.15.1.255\r\n"
       "2,128.15.2.0,128.15.2.1 - 128.15.2.254,\"0,5 \"\"ms\"\"\"\r\n"},
      {TTableFormat::tfJson, "t.json",
       "[\n"
       "  {\"#\": \"1\", \"Subnet ID\": \"128.15.1.0\", \"Host Range\": \"128.15.1.1 - 128.15.1.254\", "
       "\"Subnet Broadcast\": \"128.15.1.255\"},\n"
       "  {\"#\": \"2\", \"Subnet ID\": \"128.15.2.0\", \"Host Range\": \"128.15.2.1 - 128.15.2.254\", "
       "\"Subnet Broadcast\": \"0,5 \\\"ms\\\"\"}\n"
       "]\n"},
  };
  for (const auto& c : cases) {
    QString error;
    const QString path = folder.filePath(c.Name);
    EXPECT_EQ(SaveTableToFile(*grid, path, c.Format, Always, error), TSaveOutcome::soSaved) << error.toStdString();
    EXPECT_EQ(ReadFile(path).toStdString(), c.File) << c.Name;
  }
}

TEST(TableSave, ReadsRowsFromTheRowSource) {
  struct TSquares {
    TGridRowNumber LastRow() const { return 2; }
    void AppendText(TGridRowNumber row, int col, std::string& out) const {
      out += std::to_string(static_cast<unsigned>(col == 0 ? row : row * row));
    }
    std::vector<std::string> WidestTexts(int) const { return {"4"}; }
  };
  QTemporaryDir folder;
  TSuperStringGrid grid;
  grid.SetColCount(2);
  grid.SetFixedCols(0);
  grid.SetCells(0, 0, "n");
  grid.SetCells(1, 0, "n²");
  grid.SetRowSource(std::make_shared<TRowSourceOf<TSquares>>(TSquares{}));
  QString error;
  const QString path = folder.filePath("squares.csv");
  ASSERT_EQ(SaveTableToFile(grid, path, TTableFormat::tfCsv, Always, error), TSaveOutcome::soSaved);
  EXPECT_EQ(ReadFile(path).toStdString(), "n,n²\r\n0,0\r\n1,1\r\n2,4\r\n");
}

TEST(TableSave, AFailedOrCancelledSaveLeavesTheOldFileAndNothingElse) {
  // A table of several megabytes, so that the writing fails or is cancelled midway.
  const auto grid = NewSubnetGrid(60000);
  const QByteArray old = "old contents\r\n";
  const struct {
    const char* Name;
    bool RootIgnores;  // the superuser may write into a read-only folder
    std::function<QString(const QString& folder)> Target;
    std::function<void()> Limit;
    TSaveProgress Progress;
    TSaveOutcome Outcome;
  } cases[] = {
      {"read-only folder", true,
       [](const QString& folder) {
         QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
         return folder + "/table.csv";
       },
       [] {}, Always, TSaveOutcome::soFailed},
      {"folder that is a file", false, [](const QString& folder) { return folder + "/table.csv/table.csv"; },
       [] {}, Always, TSaveOutcome::soFailed},
      {"disk full midway", false, [](const QString& folder) { return folder + "/table.csv"; },
       [] {
         // Writes beyond 64 KiB fail as on a full disk (EFBIG instead of ENOSPC).
         std::signal(SIGXFSZ, SIG_IGN);
         const rlimit limit{64 * 1024, RLIM_INFINITY};
         setrlimit(RLIMIT_FSIZE, &limit);
       },
       Always, TSaveOutcome::soFailed},
      {"cancelled at 10%", false, [](const QString& folder) { return folder + "/table.csv"; }, [] {},
       [](int percent) { return percent < 10; }, TSaveOutcome::soCancelled},
  };
  for (const auto& c : cases) {
    if (c.RootIgnores && geteuid() == 0) continue;
    QTemporaryDir folder;
    WriteFile(folder.filePath("table.csv"), old);
    const QString target = c.Target(folder.path());
    c.Limit();
    QString error;
    EXPECT_EQ(SaveTableToFile(*grid, target, TTableFormat::tfCsv, c.Progress, error), c.Outcome) << c.Name;
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(error.isEmpty(), c.Outcome != TSaveOutcome::soFailed) << c.Name;
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"table.csv"})
        << c.Name;
    EXPECT_EQ(ReadFile(folder.filePath("table.csv")), old) << c.Name;
  }
}

TEST(TableSave, AsksForTheFileAndRemembersItsFolder) {
  QTemporaryDir folder;
  const auto grid = NewQuotingGrid();
  QStringList proposed;
  QString answer;
  QString chosenFilter;
  SetSaveFileNameResponder([&](const QString&, const QString& path, const QStringList& filters, QString& filter) {
    proposed << path;
    EXPECT_EQ(filters.size(), 2);
    if (!chosenFilter.isEmpty()) filter = chosenFilter;
    return answer;
  });
  const struct {
    const char* Name;
    QString Answer;
    QString Filter;  // empty: the one proposed, CSV
    const char* Starts;
  } cases[] = {
      {"a CSV name", folder.filePath("a.csv"), "", "#,Subnet ID"},
      {"the JSON filter, a name of another extension", folder.filePath("b.txt"), "JSON (*.json)", "[\n  {"},
      {"a JSON name under the CSV filter", folder.filePath("c.json"), "", "[\n  {"},
  };
  for (const auto& c : cases) {
    answer = c.Answer;
    chosenFilter = c.Filter;
    SaveTableAs(*grid, SettingsKey);
    EXPECT_TRUE(ReadFile(c.Answer).startsWith(c.Starts)) << c.Name;
  }
  EXPECT_EQ(proposed.back(), QDir(folder.path()).filePath("Subnet and host table.csv"));

  // Cancelling the dialog writes nothing.
  answer.clear();
  SaveTableAs(*grid, SettingsKey);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);

  // A failure is explained.
  TMessageRecorder messages;
  answer = folder.filePath("a.csv/x.csv");
  SaveTableAs(*grid, SettingsKey);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_TRUE(messages.Messages[0].Text.startsWith("The table could not be saved to")) << messages.Messages[0].Text.toStdString();
  EXPECT_EQ(messages.Messages[0].Flags, MB_OK | MB_ICONHAND);

  // A table of one row more than can be saved is refused before the dialog.
  struct TTooLong {
    TGridRowNumber LastRow() const { return TableWriter::MaxRows; }
    void AppendText(TGridRowNumber, int, std::string&) const { ADD_FAILURE() << "no row is read"; }
    std::vector<std::string> WidestTexts(int) const { return {}; }
  };
  grid->SetRowSource(std::make_shared<TRowSourceOf<TTooLong>>(TTooLong{}));
  const qsizetype asked = proposed.size();
  SaveTableAs(*grid, SettingsKey);
  EXPECT_EQ(proposed.size(), asked);
  ASSERT_EQ(messages.Messages.size(), 2u);
  EXPECT_TRUE(messages.Messages[1].Text.contains("100,000,000 rows")) << messages.Messages[1].Text.toStdString();
  SetSaveFileNameResponder(nullptr);
}

TEST(TableSave, FindsTheTableOfThePageShown) {
  QWidget page;
  auto* layout = new QVBoxLayout(&page);
  auto* first = new TSuperStringGrid;
  auto* second = new TSuperStringGrid;
  auto* hidden = new TSuperStringGrid;
  for (auto* grid : {first, second, hidden}) layout->addWidget(grid);
  hidden->hide();
  QWidget elsewhere;
  EXPECT_EQ(ShownTable(&page, nullptr), nullptr) << "a page not shown has no table";
  page.show();
  const struct {
    const char* Name;
    QWidget* Focus;
    TStringGrid* Table;
  } cases[] = {
      {"no focus: the first shown", nullptr, first},
      {"the focused one", second, second},
      {"its viewport focused", second->viewport(), second},
      {"focus off the page", &elsewhere, first},
  };
  for (const auto& c : cases) EXPECT_EQ(ShownTable(&page, c.Focus), c.Table) << c.Name;
  first->hide();
  second->hide();
  EXPECT_EQ(ShownTable(&page, nullptr), nullptr);
}
}  // namespace
