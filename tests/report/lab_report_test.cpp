// The window menu's report items on the running lab: greyed while the
// table is empty, the texts on the clipboard and in the CSV file, the graph
// panel's pixels in the PNG file, cancelled and failed saves.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "res/texts/text_catalogue.h"
#include "tests/report/report_tables.h"
#include "tests/support/lab_fixture.h"
#include "tests/support/png.h"

namespace lab {

namespace {

namespace fs = std::filesystem;

constexpr unsigned kReportItems[] = {IDM_COPY_DATA, IDM_SAVE_DATA, IDM_SAVE_GRAPH};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class LabReportTest : public LabTest {
 protected:
  void SetUp() override {
    LabTest::SetUp();
    char pattern[] = "/tmp/lab-report-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    LabTest::TearDown();
  }
  void SetTable(const PointSeries& series) {
    dlg.m_lastPoint = series.Size() - 1;
    for (int i = 0; i < series.Size(); ++i) {
      dlg.m_pointMass[i] = series.mass[i];
      dlg.m_pointT2[i] = series.t2[i];
    }
    host->Paint(dlg);
  }
  bool ItemEnabled(unsigned command) const {
    const HeadlessHost::MenuItem* item = host->SystemMenuItem(dlg, command);
    return item != nullptr && item->enabled;
  }
  // Everything copying or saving must leave as it was.
  struct Seen {
    PointSeries table;
    std::string message;
    std::string count;
    std::vector<std::uint32_t> pixels;
    bool operator==(const Seen&) const = default;
  };
  Seen Look() const {
    const Surface& s = dlg.GetSurface();
    return Seen{dlg.CurrentSeries(), Message(), host->Text(dlg, IDC_OSCILLATIONS),
                std::vector<std::uint32_t>(s.Data(), s.Data() + s.Width() * s.Height())};
  }
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      names.push_back(entry.path().string());
    }
    return names;
  }

  fs::path folder;
};

TEST_F(LabReportTest, TheItemsFollowTheTitleItemInOrder) {
  const std::pair<unsigned, const char*> items[] = {
      {IDM_COPY_DATA, "Copia les dades"},
      {IDM_SAVE_DATA, "Desa les dades\u2026"},
      {IDM_SAVE_GRAPH, "Desa el gr\u00e0fic\u2026"},
      {IDM_RESTORE_SERIES, "Recupera la s\u00e8rie anterior"}};
  const auto& menu = host->SystemMenu(dlg);
  ASSERT_EQ(menu.size(), 9u);  // and "Fil amb codi…", "Llengua…" last
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(menu[3 + i].command, items[i].first);
    EXPECT_EQ(menu[3 + i].text, items[i].second);
  }
}

TEST_F(LabReportTest, GreyedWithAnEmptyTableAndThenDoNothing) {
  for (unsigned command : kReportItems) EXPECT_FALSE(ItemEnabled(command)) << command;
  EXPECT_FALSE(ItemEnabled(IDM_RESTORE_SERIES));
  // A command that arrives all the same changes nothing and opens nothing.
  const Seen before = Look();
  host->AnswerSaveDialog((folder / "x").string());
  for (unsigned command : kReportItems) host->SysCommand(dlg, command);
  EXPECT_EQ(host->ClipboardWrites(), 0);
  EXPECT_TRUE(host->SaveDialogs().empty());
  EXPECT_EQ(Look(), before);
}

TEST_F(LabReportTest, CopyPutsTheKnownTableOnTheClipboardAndChangesNothing) {
  SetTable(report_tables::KnownSeries());
  const Seen before = Look();
  host->SysCommand(dlg, IDM_COPY_DATA);
  EXPECT_EQ(host->ClipboardText(), report_tables::kKnownTabText);
  EXPECT_EQ(host->ClipboardHtml(), report_tables::kKnownHtml);
  EXPECT_EQ(Look(), before);

  SetTable(report_tables::SameMassSeries());
  host->SysCommand(dlg, IDM_COPY_DATA);
  EXPECT_EQ(host->ClipboardText(), report_tables::kSameMassTabText);
}

struct CsvRow {
  const char* name;
  PointSeries table;
  const char* csv;
};

class LabCsvTest : public LabReportTest, public ::testing::WithParamInterface<CsvRow> {};

TEST_P(LabCsvTest, SaveDataWritesTheCsvWhereTheStudentChose) {
  SetTable(GetParam().table);
  const Seen before = Look();
  const fs::path path = folder / "informe.csv";
  host->AnswerSaveDialog(path.string());
  host->SysCommand(dlg, IDM_SAVE_DATA);
  ASSERT_EQ(host->SaveDialogs().size(), 1u);
  EXPECT_EQ(host->SaveDialogs()[0].defaultName, "dades-llei-de-trelko.csv");
  EXPECT_EQ(host->SaveDialogs()[0].filter, TextOf(TextId::DataFileFilter));
  EXPECT_EQ(ReadAll(path), GetParam().csv);
  EXPECT_TRUE(host->MessageBoxes().empty());
  EXPECT_EQ(Look(), before);
  // Only the file itself: the temporary name is gone.
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{path.string()});
}

INSTANTIATE_TEST_SUITE_P(Rows, LabCsvTest,
                         ::testing::Values(CsvRow{"Known", report_tables::KnownSeries(),
                                                  report_tables::kKnownCsv},
                                           CsvRow{"FailedFit", report_tables::SameMassSeries(),
                                                  report_tables::kSameMassCsv}),
                         [](const auto& row) { return std::string(row.param.name); });

class LabPngTest : public LabReportTest, public ::testing::WithParamInterface<int> {};

TEST_P(LabPngTest, SaveGraphWritesThePanelsPixelsEachAnExactBlock) {
  const int scale = GetParam();
  host->SetPixelScale(scale);
  SetTable(report_tables::KnownSeries());
  const Seen before = Look();
  const fs::path path = folder / "grafic.png";
  host->AnswerSaveDialog(path.string());
  host->SysCommand(dlg, IDM_SAVE_GRAPH);
  ASSERT_EQ(host->SaveDialogs().size(), 1u);
  EXPECT_EQ(host->SaveDialogs()[0].defaultName, "grafic-llei-de-trelko.png");
  RgbPicture image;
  ASSERT_TRUE(ReadPng(path.string(), image));
  const CRect panel = layout::kGraphPanel.Rect();
  ASSERT_EQ(image.width, 432 * scale);
  ASSERT_EQ(image.height, 296 * scale);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t want =
          dlg.GetSurface().RawPixel(panel.left + x / scale, panel.top + y / scale);
      ASSERT_EQ(image.pixels[static_cast<std::size_t>(y) * image.width + x] & 0xFFFFFFu,
                want & 0xFFFFFFu)
          << x << "," << y;
    }
  }
  EXPECT_EQ(Look(), before);
}

INSTANTIATE_TEST_SUITE_P(Scales, LabPngTest, ::testing::Values(1, 2, 3));

TEST_F(LabReportTest, ACancelledSaveDialogDoesNothing) {
  SetTable(report_tables::KnownSeries());
  const Seen before = Look();
  host->AnswerSaveDialog("");
  host->SysCommand(dlg, IDM_SAVE_DATA);
  host->SysCommand(dlg, IDM_SAVE_GRAPH);  // no answer left: cancelled too
  EXPECT_EQ(host->SaveDialogs().size(), 2u);
  EXPECT_TRUE(host->FileWrites().empty());
  EXPECT_TRUE(host->MessageBoxes().empty());
  EXPECT_EQ(Look(), before);
}

// Places a save cannot be made, even by root (who may write anywhere
// permissions allow): the folder part is a file, it is missing, it is the
// kernel's, the name is a folder's.
struct FailingPlace {
  const char* name;
  const char* relative;  // under the test's folder; absolute when it starts with '/'
  const char* folderShown;
  const char* reason;
};

class LabFailedSaveTest : public LabReportTest,
                          public ::testing::WithParamInterface<FailingPlace> {};

TEST_P(LabFailedSaveTest, SaysWhatFailedAndWhereAndWritesNothing) {
  std::ofstream(folder / "a-file") << "not a folder";
  fs::create_directory(folder / "a-folder");
  SetTable(report_tables::KnownSeries());
  const Seen before = Look();
  const std::string relative = GetParam().relative;
  const std::string path = relative[0] == '/' ? relative : (folder / relative).string();
  const std::string shown = GetParam().folderShown;
  const std::string shownFolder = shown.empty()     ? folder.string()
                                  : shown[0] == '/' ? shown
                                                    : (folder / shown).string();
  const auto entries = FolderEntries();

  host->AnswerSaveDialog(path);
  host->SysCommand(dlg, IDM_SAVE_DATA);

  ASSERT_EQ(host->MessageBoxes().size(), 1u);
  const std::string& text = host->MessageBoxes()[0].text;
  EXPECT_EQ(text.rfind("No s'ha pogut desar el fitxer \u00ab" + path + "\u00bb", 0), 0u) << text;
  EXPECT_NE(text.find("\u00ab" + shownFolder + "\u00bb"), std::string::npos) << text;
  EXPECT_NE(text.find(GetParam().reason), std::string::npos) << text;
  EXPECT_EQ(host->MessageBoxes()[0].ownerTemplate, IDD_MAIN);
  EXPECT_EQ(FolderEntries(), entries) << "nothing written, no temporary left";
  EXPECT_TRUE(fs::is_directory(folder / "a-folder"));
  EXPECT_EQ(Look(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LabFailedSaveTest,
    ::testing::Values(
        FailingPlace{"UnderAFile", "a-file/dades.csv", "a-file",
                     "una part del cam\u00ed no \u00e9s una carpeta"},
        FailingPlace{"MissingFolder", "missing/dades.csv", "missing", "la carpeta no existeix"},
        FailingPlace{"KernelFolder", "/proc/dades.csv", "/proc", "("},
        FailingPlace{"NameOfAFolder", "a-folder", "", "ja hi ha una carpeta amb aquest nom"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

}  // namespace lab
