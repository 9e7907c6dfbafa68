// A class marked at once: "trelko --professorat WORD --corregeix FILES"
// over a class of saved data files (good ones, an edited one, two copies,
// one with too few points, a code of another word, a level line, one
// without a code, one that is not the lab's and one that is missing). The
// page's teacher's sheet marks the same files to the same bytes
// (tests/web/teacher_sheet.test.mjs).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/teacher_command.h"

namespace lab {

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ClassMarking, TheCommandMarksAWholeClass) {
  const std::filesystem::path folder = LAB_TEST_DATA_DIR "/class_files";
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  names.push_back("nobody.csv");
  ASSERT_EQ(names.size(), 11u);

  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  std::vector<const char*> args = {"trelko", "--professorat", "F\u00edsica 2n B", "--corregeix"};
  for (const std::string& name : names) args.push_back(name.c_str());
  const TeacherCommand marked = RunTeacherCommand(static_cast<int>(args.size()), args.data());
  std::filesystem::current_path(before);

  EXPECT_EQ(marked.status, 0);
  const std::string expected = ReadFile(LAB_TEST_DATA_DIR "/class_marks_fisica_2n_b.csv");
  EXPECT_EQ(marked.out, expected);
  // What the expected table says, read as a teacher reads it.
  for (const char* row :
       {"anna.csv;9XGSXR;31,01;31,0;0;5;\r\n",
        "carla.csv;KJRE92;27,61;30,8;-10,4;4;la k del fitxer no correspon als seus punts\r\n",
        "david.csv;QTTC7W;28,99;31,1;-6,8;3;els mateixos punts que elena.csv\r\n",
        "ferran.csv;AC3LPT;;29,1;;2;menys de tres punts\r\n",
        "gemma.csv;W62CCJ;30,29;;;3;codi fora de la llista d'aquesta paraula\r\n",
        "hug.csv;HDLCPK;;30,0;;3;el pendent de la recta no s'ha pogut calcular\r\n",
        "joan.csv;;;;;;no \u00e9s un fitxer de dades del laboratori\r\n",
        "nobody.csv;;;;;;no s'ha pogut llegir\r\n"}) {
    EXPECT_NE(expected.find(row), std::string::npos) << row;
  }

  // Without files, or with a blank word: the usage line.
  const char* bare[] = {"trelko", "--professorat", "x", "--corregeix"};
  EXPECT_EQ(RunTeacherCommand(4, bare).status, 2);
  const char* blank[] = {"trelko", "--professorat", " ", "--corregeix", "a.csv"};
  EXPECT_EQ(RunTeacherCommand(5, blank).status, 2);
}

}  // namespace

}  // namespace lab
