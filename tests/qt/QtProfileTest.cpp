// The Qt host keeps its profile in the toolkit's INI file: a profile that
// cannot be read is reported and never saved over, and a failed save is shown.
#include <gtest/gtest.h>

#include "HostSettings.h"
#include "host/FeatureManager.h"
#include "host/PathResolver.h"
#include "host/ScopedHostState.h"
#include "qt/QtHost.h"
#include "toolkit/IniFile.h"

namespace {

using orbel::test::fileContents;

TEST(QtProfile, UnreadableProfileIsReportedAndNeverSavedOver) {
  QTemporaryDir folder;
  const QString path = folder.filePath("profile.ini");
  const std::string corrupt = "[Host]\nFeatures=124\n[]\nkept=1\n";
  std::ofstream(path.toStdString()) << corrupt;
  tkqt::QtToolkit toolkit(path);
  EXPECT_EQ(toolkit.profileError(), path.toStdString() + ":3: empty section name");
  toolkit.profile().writeInt("Settings", "WorkMode", 1);
  EXPECT_EQ(fileContents(path.toStdString()), corrupt);
}

TEST(QtProfile, SavesEachWriteAtomicallyAndShowsAFailedSave) {
  QTemporaryDir folder;
  const QString path = folder.filePath("profile.ini");
  {
    tkqt::QtToolkit toolkit(path);
    EXPECT_EQ(toolkit.profileError(), "");
    toolkit.profile().writeString("Host", "Features", "124,130");
  }
  tk::ProfileStore read;
  ASSERT_EQ(tk::loadIniFile(path.toStdString(), read), "");
  EXPECT_EQ(read.getString("Host", "Features"), "124,130");

  tkqt::QtToolkit unsaved(folder.filePath("gone/profile.ini"));
  std::vector<std::string> shown;
  unsaved.onMessageBox([&shown](const std::string& text, unsigned) -> std::optional<int> {
    shown.push_back(text);
    return tk::IDOK;
  });
  unsaved.profile().writeInt("Settings", "WorkMode", 1);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind("The profile could not be saved: cannot create a temporary file beside", 0), 0u) << shown[0];
}

// Profiles the Qt settings class wrote quote the switch lists; the host still
// reads the switches they hold.
TEST(QtProfile, ReadsTheSwitchListsOfProfilesWrittenBeforeTheSharedStore) {
  tk::ProfileStore profile;
  profile.restore("Host", "Features", "\"124,130\"");
  profile.restore("Host", "Modules", "25");
  const orbel::host::HostSettings settings = orbel::host::loadHostSettings(profile);
  EXPECT_EQ(settings.features, (std::set<int>{124, 130}));
  EXPECT_EQ(settings.modules, (std::set<int>{25}));
}

// The data folder is kept in the profile and applied as an absolute folder,
// so a later change of the current folder does not move it.
TEST(QtProfile, KeepsTheDataFolderAndAppliesItAbsolute) {
  ScopedHostState<CPathResolver> folders(CPathResolver::Instance());
  ScopedHostState<FeatureManager> switches(FeatureManager::Instance());
  tk::ProfileStore profile;
  orbel::host::saveHostSettings(profile, {{124}, {}, "relative/data"});
  const orbel::host::HostSettings settings = orbel::host::loadHostSettings(profile);
  EXPECT_EQ(settings.dataDir, "relative/data");
  orbel::host::applyHostSettings(settings);
  EXPECT_EQ(CPathResolver::Instance().dataDir(), (std::filesystem::current_path() / "relative/data/").string());
  orbel::host::applyHostSettings({});
  EXPECT_EQ(CPathResolver::Instance().CurrentState().dataDir, "");  // back to the user's data folder
}

}  // namespace
