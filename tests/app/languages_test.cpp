// The lab in each of its languages: a whole experiment where every text of
// the window, its menu, its messages and its report is the language's own,
// with the data out in that language's spreadsheet convention; and the
// choice of a language, from the window menu and from the command line,
// kept for the next start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/language_choice.h"
#include "platform/resources.h"
#include "res/lab_resources.h"
#include "res/texts/text_catalogue.h"
#include "tests/experiment/lab_actions.h"
#include "tests/support/lab_session.h"

namespace lab {

namespace {

// Back to Catalan, and its templates, whatever a test chose.
struct CatalanAfter {
  ~CatalanAfter() {
    SetLanguage("ca");
    InstallResources(LabResources());
  }
};

// The text before a text's first conversion: what any message made from it
// begins with.
std::string Lead(const char* text) {
  const std::string t(text);
  return t.substr(0, t.find('%'));
}

// Three timings at three masses: the graph's line and k.
void Measure(HeadlessHost& host, CLabDlg& dlg) {
  for (int i = 0; i < 3; ++i) {
    if (i > 0) lab_actions::Press(host, dlg, lab_actions::WeightOnRack(i == 1 ? 0 : 2));
    lab_actions::Time(host, dlg, 20 + 4 * i);
    host.Click(dlg, IDC_PLOT);
  }
}

TEST(Languages, AWholeExperimentSpeaksOnlyTheChosenLanguage) {
  const CatalanAfter restore;
  ASSERT_EQ(Languages(), (std::vector<std::string_view>{"ca", "en", "es", "oc"}));
  for (std::string_view code : Languages()) {
    SCOPED_TRACE(std::string(code));
    ASSERT_TRUE(SetLanguage(code));
    InstallResources(LabResources());
    const auto in = [code](TextId id) { return std::string(TextIn(code, id)); };
    // Other languages' texts that must not show (those this one words
    // otherwise).
    std::vector<std::string> foreign;
    for (std::string_view other : Languages()) {
      for (TextId id : {TextId::StartButton, TextId::OscillationCountLabel, TextId::CopyDataItem,
                        TextId::SlopeLabel, TextId::PointCountLabel}) {
        if (other != code && std::string(TextIn(other, id)) != in(id)) {
          foreign.push_back(TextIn(other, id));
        }
      }
    }

    LabSession lab;
    lab.Open();
    HeadlessHost& host = *lab.host;
    EXPECT_EQ(host.Caption(lab.dlg), in(TextId::MainCaption));
    EXPECT_EQ(host.Text(lab.dlg, IDC_START), in(TextId::StartButton));
    EXPECT_EQ(host.Text(lab.dlg, IDC_MESSAGE), in(TextId::WelcomeMessage));
    std::string menu;
    for (const auto& item : host.SystemMenu(lab.dlg)) menu += item.text + "\n";
    EXPECT_NE(menu.find(in(TextId::CopyDataItem)), std::string::npos) << menu;
    EXPECT_NE(menu.find(in(TextId::LanguageItem)), std::string::npos) << menu;

    Measure(host, lab.dlg);
    const std::string message = host.Text(lab.dlg, IDC_MESSAGE);
    EXPECT_EQ(message.rfind(Lead(TextIn(code, TextId::FitMessage)), 0), 0u) << message;
    // The window's numbers keep the lab's decimal point.
    EXPECT_NE(message.find('.'), std::string::npos) << message;

    host.SysCommand(lab.dlg, IDM_COPY_DATA);
    const std::string report = host.ClipboardText();
    for (TextId id : {TextId::PointHeader, TextId::SlopeLabel, TextId::ElasticConstantLabel}) {
      EXPECT_NE(report.find(in(id)), std::string::npos) << in(id) << "\n" << report;
    }
    // The data out: the language's spreadsheet decimal mark.
    const char mark = code == "en" ? '.' : ',';
    const char other = code == "en" ? ',' : '.';
    EXPECT_NE(report.find(std::string("\t0") + mark), std::string::npos) << report;
    EXPECT_EQ(report.find(other), std::string::npos) << report;
    for (const std::string& text : foreign) {
      EXPECT_EQ((menu + message + report + host.Text(lab.dlg, IDC_START)).find(text),
                std::string::npos)
          << text;
    }
  }
}

TEST(Languages, TheWindowMenuChoiceReopensTheLabWithItsTableAndIsKept) {
  const CatalanAfter restore;
  LabSession lab;
  lab.Open();
  HeadlessHost& host = *lab.host;
  Measure(host, lab.dlg);
  // The language dialog: one button a language, each in its own words.
  std::vector<std::string> buttons;
  host.SetModalHandler([&buttons](HeadlessHost& h, Dialog& d) {
    for (int i = 0; i < static_cast<int>(Languages().size()); ++i) {
      buttons.push_back(h.Text(d, IDC_LANGUAGE_FIRST + i));
    }
    h.Click(d, IDC_LANGUAGE_FIRST + 2);  // Español
  });
  host.SysCommand(lab.dlg, IDM_LANGUAGE);
  EXPECT_EQ(buttons,
            (std::vector<std::string>{"Catal\u00e0", "English", "Espa\u00f1ol", "Aran\u00e9s"}));
  EXPECT_EQ(CurrentLanguage(), "es");
  EXPECT_EQ(lab.dlg.Result(), CLabDlg::kReopenInNewLanguage);
  EXPECT_EQ(host.State()[kLanguageStateName], "es");

  // Opened again (as the application does): the same table, in Spanish, no
  // title picture.
  host.SetModalHandler(nullptr);
  lab.Close();
  InstallResources(LabResources());
  CLabDlg again(true);
  host.Open(again);
  EXPECT_EQ(again.m_lastPoint, 2);
  EXPECT_EQ(host.Text(again, IDC_START), "Empezar");
  EXPECT_TRUE(host.ModalDialogs().empty() || host.ModalDialogs().back() != IDD_TITLE);
  host.Close(again);

  // The next start takes the kept language; an option changes and keeps it;
  // an unknown one changes nothing.
  SetLanguage("ca");
  EXPECT_TRUE(StartLanguage(""));
  EXPECT_EQ(CurrentLanguage(), "es");
  EXPECT_FALSE(StartLanguage("xx"));
  EXPECT_EQ(CurrentLanguage(), "es");
  EXPECT_EQ(host.State()[kLanguageStateName], "es");
  EXPECT_TRUE(StartLanguage("oc"));
  EXPECT_EQ(host.State()[kLanguageStateName], "oc");
  EXPECT_EQ(UnknownLanguageMessage("xx").find("xx") != std::string::npos, true);

  char a0[] = "trelko", a1[] = "--llengua", a2[] = "en", a3[] = "--professorat";
  char* argv[] = {a0, a1, a2, a3, nullptr};
  int argc = 4;
  const LanguageOption option = TakeLanguageOption(argc, argv);
  EXPECT_TRUE(option.given);
  EXPECT_EQ(option.code, "en");
  EXPECT_EQ(argc, 2);
  EXPECT_STREQ(argv[1], "--professorat");
}

}  // namespace

}  // namespace lab
