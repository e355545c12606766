#include <gtest/gtest.h>

#include "catalogue/operator_catalogue.h"
#include "model/config_file_writer.h"
#include "support/temp_dir.h"
#include "support/working_directory.h"
#include "ui/headless_run.h"
#include "ui/settings/folder_selection.h"

namespace qx {
namespace {

using test::HeadlessRun;
using test::pick;

struct FieldState {
    const char* control;
    bool enabled;
    bool visible;
};

void expectStates(const WindowModel& window, std::initializer_list<FieldState> states) {
    for (const FieldState& state : states) {
        EXPECT_EQ(window.control(state.control).enabled, state.enabled) << state.control << " enabled";
        EXPECT_EQ(window.control(state.control).visible, state.visible) << state.control << " visible";
    }
}

const std::initializer_list<FieldState> kAutoStates{
    {"Text1", false, false}, {"Text2", false, false}, {"Text3", false, false}, {"Text4", false, false},
    {"Text5", false, false}, {"Text6", false, false}, {"Combo3", true, true},   {"Combo4", true, true}};

const std::initializer_list<FieldState> kManualStates{
    {"Text1", true, true},   {"Text2", false, false}, {"Text3", false, false}, {"Text4", true, true},
    {"Text5", true, true},   {"Text6", true, true},   {"Combo3", false, true}, {"Combo4", false, true}};

TEST(SettingsWindow, LoadStateIsAutoWithEmptyHiddenFields) {
    HeadlessRun run;
    Form5& window = run.openSettings();
    const WindowModel& model = window.model();
    EXPECT_TRUE(run.platform.isVisible("Form5"));
    EXPECT_FALSE(run.platform.isVisible("Form1"));
    EXPECT_TRUE(model.keyPreview());
    expectStates(model, kAutoStates);
    expectStates(model, {{"Combo1", false, true}, {"Command1", true, false}, {"Combo5", true, false}});
    EXPECT_EQ(model.text("Combo2"), "Auto");
    EXPECT_EQ(model.text("Combo3"), "");
    EXPECT_EQ(model.text("Combo4"), "");
    EXPECT_EQ(model.control("Combo4").items, (std::vector<std::string>{"China Mobile", "China Unicom"}));
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) EXPECT_EQ(model.text(field), "");
}

TEST(SettingsWindow, ManualEmptiesThePresetAndAutoKeepsWhatWasTyped) {
    HeadlessRun run;
    Form5& window = run.openSettings();
    pick(window, "Combo3", "Canada");
    ASSERT_NE(window.model().text("Text1"), "");

    pick(window, "Combo2", "Manual");
    expectStates(window.model(), kManualStates);
    for (const char* control : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Combo3", "Combo4"}) {
        EXPECT_EQ(window.model().text(control), "") << control;
    }
    EXPECT_EQ(window.model().control("Combo4").items.size(), findCountry("Canada")->operators.size())
        << "the operator list stays";

    window.textEdited("Text1", "my.apn");
    window.textEdited("Text4", "mms.example:8002/");
    window.textEdited("Text5", "10.0.0.1");
    window.textEdited("Text6", "8080");
    pick(window, "Combo2", "Auto");
    expectStates(window.model(), kAutoStates);
    EXPECT_EQ(window.model().text("Text1"), "my.apn");
    EXPECT_EQ(window.model().text("Text6"), "8080");

    pick(window, "Combo2", "Manual");
    EXPECT_EQ(window.model().text("Text1"), "") << "Manual again empties the fields";
}

TEST(SettingsWindow, TypingAModeChangesNothing) {
    HeadlessRun run;
    Form5& window = run.openSettings();
    for (const char* typed : {"Manual", "manual", "MANUAL"}) {
        window.textEdited("Combo2", typed);
        expectStates(window.model(), kAutoStates);
    }
    // A picked mode with a text other than the two exact ones does nothing either.
    window.modeChosen();
    expectStates(window.model(), kAutoStates);
}

void expectPresetApplied(const WindowModel& window, const OperatorPreset& preset) {
    EXPECT_EQ(window.text("Text1"), preset.apn);
    EXPECT_EQ(window.text("Text4"), preset.url);
    EXPECT_EQ(window.text("Text5"), preset.ip);
    EXPECT_EQ(window.text("Text6"), preset.port);
    if (preset.account) {
        EXPECT_EQ(window.text("Text3"), *preset.account);
    }
    if (preset.password) {
        EXPECT_EQ(window.text("Text2"), *preset.password);
    }
}

struct CascadeCase {
    const char* country;
    const char* defaultOperator;  // "" for none
};

class CountryCascade : public testing::TestWithParam<CascadeCase> {};

TEST_P(CountryCascade, RefillsOperatorsShowsTheDefaultAndAppliesItsPreset) {
    HeadlessRun run;
    Form5& window = run.openSettings();
    window.model().setText("Text1", "before");
    pick(window, "Combo3", GetParam().country);
    const CountryOperators* entry = findCountry(GetParam().country);
    ASSERT_NE(entry, nullptr);
    const std::vector<std::string> expected(entry->operators.begin(), entry->operators.end());
    EXPECT_EQ(window.model().control("Combo4").items, expected);
    EXPECT_EQ(window.model().text("Combo4"), GetParam().defaultOperator);
    const OperatorPreset* preset = findPreset(GetParam().country, GetParam().defaultOperator);
    if (preset != nullptr) {
        expectPresetApplied(window.model(), *preset);
    } else {
        EXPECT_EQ(window.model().text("Text1"), "before") << "no default, no preset: the fields stay";
    }
}

INSTANTIATE_TEST_SUITE_P(Countries, CountryCascade,
                         testing::Values(CascadeCase{"Canada", "Roger"}, CascadeCase{"Australia", "Optus"},
                                         CascadeCase{"Slovakia", "T-Mobile"}, CascadeCase{"Italy", "TIM"},
                                         CascadeCase{"Croatia", "VIPNet"}, CascadeCase{"Germany", ""},
                                         CascadeCase{"Russia", ""}),
                         [](const testing::TestParamInfo<CascadeCase>& param) {
                             return std::string(param.param.country);
                         });

TEST(SettingsWindow, OperatorStepUsesTheCountryTextOfTheMoment) {
    HeadlessRun run;
    Form5& window = run.openSettings();
    pick(window, "Combo3", "Germany");
    pick(window, "Combo4", "T-Mobile");
    const OperatorPreset& germany = *findPreset("Germany", "T-Mobile");
    expectPresetApplied(window.model(), germany);
    ASSERT_TRUE(germany.account.has_value());

    // A preset without account and password keeps the ones shown.
    pick(window, "Combo4", "Vodafone");
    expectPresetApplied(window.model(), *findPreset("Germany", "Vodafone"));
    EXPECT_EQ(window.model().text("Text3"), *germany.account);
    EXPECT_EQ(window.model().text("Text2"), *germany.password);

    // An offered name without a preset changes nothing.
    const std::string apn = window.model().text("Text1");
    pick(window, "Combo4", "O2(Vertrag)");
    EXPECT_EQ(window.model().text("Text1"), apn);

    // Typed over, the country text of the moment decides: a country-wide key the list lacks.
    window.textEdited("Combo3", "Moldva");
    pick(window, "Combo4", "Vodafone");
    expectPresetApplied(window.model(), *findPreset("Moldva", ""));
    EXPECT_EQ(window.model().text("Combo4"), "Vodafone");
}

TEST(SettingsWindow, PickingAnOperatorBeforeAnyCountryChangesNothing) {
    HeadlessRun run;
    Form5& window = run.openSettings();
    pick(window, "Combo4", "China Mobile");
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
        EXPECT_EQ(window.model().text(field), "") << field;
    }
}

TEST(SettingsWindow, ExitAndReopenGivesAFreshWindowInAutoMode) {
    HeadlessRun run;
    Form5& first = run.openSettings();
    pick(first, "Combo2", "Manual");
    first.textEdited("Text7", "0123");
    first.textEdited("Text1", "typed");
    first.clicked("Command3");
    EXPECT_EQ(run.app.settingsWindow(), nullptr);
    EXPECT_TRUE(run.platform.isVisible("Form1"));
    EXPECT_FALSE(run.platform.isVisible("Form5"));

    Form5& second = run.openSettings();
    expectStates(second.model(), kAutoStates);
    EXPECT_EQ(second.model().text("Combo2"), "Auto");
    EXPECT_EQ(second.model().text("Text7"), "");
    EXPECT_EQ(second.model().text("Text1"), "");
}

class SettingsWindowFiles : public testing::Test {
protected:
    test::TempDir dir;
    HeadlessRun run;
    Form5& window = run.openSettings();

    std::string pathIn(const std::string& folder) { return folder + kNativeSeparator + "NET.CFG"; }
};

TEST_F(SettingsWindowFiles, GenerateWarnsThenWritesAndConfirms) {
    window.textEdited("Text17", pathIn(dir.path().string()));
    window.clicked("Command2");
    EXPECT_EQ(run.platform.messages, (std::vector<std::string>{"Need Phone Number Input", "Need Email Input",
                                                               "Create configure file success."}));
    EXPECT_EQ(test::readBytes(dir.file("MMS.INI")), formatConfigurationFile(SettingsRecord{}));
    EXPECT_EQ(test::listFolder(dir.path()), "MMS.INI") << "NET.CFG is never created";
}

TEST_F(SettingsWindowFiles, GenerateFailureShowsTheErrorAndKeepsEveryValue) {
    const std::string path = pathIn((dir.path() / "missing").string());
    window.textEdited("Text17", path);
    window.textEdited("Text7", "0123456789");
    window.textEdited("Text12", "a@example.com");
    window.clicked("Command2");
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].rfind("Cannot write \"" + configurationFilePath(path) + "\": the folder", 0), 0u)
        << run.platform.messages[0];
    EXPECT_EQ(run.app.settingsWindow(), &window);
    EXPECT_EQ(window.model().text("Text7"), "0123456789");
    EXPECT_EQ(window.model().text("Text12"), "a@example.com");
    EXPECT_EQ(window.model().text("Text17"), path);
}

TEST_F(SettingsWindowFiles, ReadSetsTheFieldsFromMmsIntInTheWorkingDirectory) {
    SettingsRecord record;
    record.APN = "apn";
    record.Phone3 = "333";
    record.Email5 = "five@example.com";
    record.Password = "secret";
    test::writeBytes(dir.file("MMS.INT"), formatConfigurationFile(record));
    test::ScopedWorkingDirectory cwd(dir.path());
    window.textEdited("Text17", "kept");
    window.textEdited("Text3", "account kept");
    window.clicked("Command1");
    EXPECT_EQ(run.platform.messages, std::vector<std::string>{"Read configure file success."});
    EXPECT_EQ(window.model().text("Text1"), "apn");
    EXPECT_EQ(window.model().text("Text9"), "333");
    EXPECT_EQ(window.model().text("Text16"), "five@example.com");
    EXPECT_EQ(window.model().text("Text18"), "secret");
    EXPECT_EQ(window.model().text("Text17"), "kept");
    EXPECT_EQ(window.model().text("Text3"), "account kept");
    EXPECT_EQ(window.model().text("Combo2"), "Auto");
}

TEST_F(SettingsWindowFiles, ReadOfAMissingOrShortFileChangesNoField) {
    test::writeBytes(dir.file("MMS.INI"), formatConfigurationFile(SettingsRecord{}));
    test::ScopedWorkingDirectory cwd(dir.path());
    window.textEdited("Text7", "0123");
    window.clicked("Command1");
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_NE(run.platform.messages[0].find("MMS.INT\": the file does not exist"), std::string::npos);

    std::string shortFile = formatConfigurationFile(SettingsRecord{});
    shortFile.resize(shortFile.rfind("Reciver5="));
    test::writeBytes(dir.file("MMS.INT"), shortFile);
    window.clicked("Command1");
    ASSERT_EQ(run.platform.messages.size(), 2u);
    EXPECT_NE(run.platform.messages[1].find("it has 24 lines"), std::string::npos);
    EXPECT_EQ(window.model().text("Text7"), "0123");
}

TEST_F(SettingsWindowFiles, BrowseBuildsThePathAndCancelKeepsIt) {
    const std::string folder = dir.path().string();
    run.platform.answerFolderBrowser(folder);
    run.platform.answerFolderBrowser(std::nullopt);
    run.platform.answerFolderBrowser(folder + kNativeSeparator);
    window.textEdited("Text17", "typed by hand");
    window.clicked("Command4");
    EXPECT_EQ(window.model().text("Text17"), pathIn(folder));
    window.clicked("Command4");
    EXPECT_EQ(window.model().text("Text17"), pathIn(folder)) << "cancel keeps the old text";
    window.clicked("Command4");
    EXPECT_EQ(window.model().text("Text17"), pathIn(folder)) << "one separator, never built on the old text";
    ASSERT_EQ(run.platform.folderRequests.size(), 3u);
    EXPECT_EQ(run.platform.folderRequests[0].owner, "Form5");
    EXPECT_EQ(run.platform.folderRequests[0].title, "请选择软件安装路径：");
    EXPECT_TRUE(run.platform.messages.empty());
}

TEST(FolderSelection, PathTextForWindowsFolders) {
    EXPECT_EQ(pathTextForFolder("D:\\cam", '\\'), "D:\\cam\\NET.CFG");
    EXPECT_EQ(pathTextForFolder("E:\\", '\\'), "E:\\NET.CFG");
    EXPECT_EQ(pathTextForFolder("\\\\host\\share\\cam", '\\'), "\\\\host\\share\\cam\\NET.CFG");
    EXPECT_EQ(pathTextForFolder("D:\\相机", '\\'), "D:\\相机\\NET.CFG");
    EXPECT_EQ(pathTextForFolder("/", '/'), "/NET.CFG");
}

}  // namespace
}  // namespace qx
