// The application profile keeps integers, strings and binary values and
// survives a round trip through its INI file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/ScopedDataDir.h"
#include "toolkit/IniFile.h"
#include "toolkit/ProfileStore.h"

namespace {

namespace fs = std::filesystem;

TEST(ProfileStore, ReadsBackWhatWasWrittenAndFallsBackOtherwise) {
  tk::ProfileStore profile;
  profile.writeInt("Settings", "FilterType", -3);
  profile.writeString("Settings", "primsearch", "a+b");
  profile.writeBinary("Settings", "LastPhyFaConfig", {0x00, 0xAB, 0xFF});
  profile.writeString("Settings", "Broken", "0x1");
  EXPECT_EQ(profile.getInt("Settings", "FilterType", 7), -3);
  EXPECT_EQ(profile.getInt("Settings", "Missing", 7), 7);
  EXPECT_EQ(profile.getInt("Settings", "Broken", 7), 7);
  EXPECT_EQ(profile.getString("Settings", "primsearch"), "a+b");
  EXPECT_EQ(profile.getBinary("Settings", "LastPhyFaConfig"), (std::vector<std::uint8_t>{0x00, 0xAB, 0xFF}));
  EXPECT_FALSE(profile.getBinary("Settings", "primsearch"));  // not hex
  EXPECT_FALSE(profile.getBinary("Settings", "Missing"));
  profile.writeInt("Settings", "FilterType", 1);
  EXPECT_EQ(profile.written().size(), 4u);  // each key once, in order of first write
}

TEST(IniFile, RoundTripsAndReplacesTheFileWithoutLeftovers) {
  orbel::test::ScopedDataDir folder;  // a fresh temporary folder
  const std::string path = (folder.root() / "profile.ini").string();
  tk::ProfileStore written;
  written.writeInt("Settings", "WorkMode", 2);
  written.writeBinary("Settings", "{6468F89A-A3CF-444b-9B04-C664113BDA30}", {1, 2, 3});
  written.writeString("Other", "name", "with = sign");
  ASSERT_EQ(tk::saveIniFile(path, written), "");
  ASSERT_EQ(tk::saveIniFile(path, written), "");  // over an existing file
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.root()), {}), 1);

  tk::ProfileStore read;
  ASSERT_EQ(tk::loadIniFile(path, read), "");
  EXPECT_EQ(read.values(), written.values());
  EXPECT_TRUE(read.written().empty());  // loading is not writing
}

TEST(IniFile, MissingFileIsAnEmptyProfileAndMalformedLinesAreReported) {
  orbel::test::ScopedDataDir folder;  // a fresh temporary folder
  tk::ProfileStore profile;
  EXPECT_EQ(tk::loadIniFile((folder.root() / "none.ini").string(), profile), "");
  EXPECT_TRUE(profile.values().empty());
  std::ofstream(folder.root() / "bad.ini") << "key=before any section\n";
  EXPECT_NE(tk::loadIniFile((folder.root() / "bad.ini").string(), profile).find(":1:"), std::string::npos);
}

}  // namespace
