// A session recorded in the Qt toolkit carries the host state it ran in
// (switches, modules, the profile values its dialogs read), so that
// `orbel run EXPORT --script F` alone replays it to the same bytes.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "qt/QtHost.h"
#include "runner/ExportTable.h"
#include "support/ScopedFeatures.h"

namespace {

using namespace orbel::test;

// `orbel run EXPORT --script PATH --json` with `more` arguments; its JSON answer.
QJsonObject runCli(const QString& exportName, const QString& scriptPath, QStringList more = {}) {
  QProcess cli;
  cli.start(ORBEL_CLI, QStringList{"run", exportName, "--script", scriptPath, "--json"} + more);
  if (!cli.waitForFinished(30000)) return {};
  EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

QString writeFile(const QTemporaryDir& folder, const std::string& text) {
  const QString path = folder.filePath("recording.json");
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(text));
  return path;
}

TEST(RecordingReplay, TheCliReplaysARecordingWithItsHostStateToTheSameBytes) {
  struct RecordedRun {
    const char* name;
    const char* exportName;
    std::set<int> features, modules;
    std::vector<tk::ProfileValue> storedProfile;  // in the profile before the run
    std::function<void(tkqt::DialogWindow&)> drive;
  };
  const RecordedRun runs[] = {
      {"GSM lock needs module 25", "OrbelGetLockCellBuffer", {}, {25}, {},
       [](tkqt::DialogWindow& window) {
         clickOn(window, "mode.5");
         typeOver(widget<QLineEdit>(window, "frequency"), "70");
         typeOver(widget<QLineEdit>(window, "cell"), "63");
         QTest::keyClick(&window, Qt::Key_Return);
       }},
      {"Restore reads the stored choice", "GetOtherParamCfg", {122, 143, 145}, {},
       {{"Settings", "OtherParamConfig", "020BD8"}},
       [](tkqt::DialogWindow& window) {
         clickOn(window, "selectall");
         clickOn(window, "restore");
         QTest::keyClick(&window, Qt::Key_Return);
       }},
      {"work mode needs switch 124", "GetFilterMsgMini", {124}, {}, {},
       [](tkqt::DialogWindow& window) {
         clickOn(window, "filter.option1");
         clickOn(window, "workmode.on");
         QTest::keyClick(&window, Qt::Key_Return);
       }},
  };
  for (const RecordedRun& run : runs) {
    SCOPED_TRACE(run.name);
    QtHost host;
    ScopedFeatures hostState(run.features, run.modules);
    for (const tk::ProfileValue& value : run.storedProfile)
      host.toolkit().profile().writeString(value.section, value.key, value.value);
    host.toolkit().recorder().start(run.features, run.modules);
    host.drive(run.drive);
    const orbel::runner::Returned returned = orbel::runner::findExport(run.exportName)->run({}).returned;
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&returned);
    ASSERT_NE(bytes, nullptr);
    const tk::Script recording = host.toolkit().recorder().stop();
    EXPECT_EQ(recording.host.profile, run.storedProfile);

    QTemporaryDir folder;
    const QJsonObject replayed = runCli(run.exportName, writeFile(folder, orbel::script::writeScript(recording)));
    EXPECT_EQ(replayed["returned"].toString().toStdString(), orbel::toHex(*bytes, ""));
    EXPECT_TRUE(replayed["errors"].toArray().isEmpty());
  }
}

// A flag given on the command line replaces what the recording holds.
TEST(RecordingReplay, CommandLineFlagsOverrideTheRecordedHostState) {
  QTemporaryDir folder;
  const QString path = writeFile(folder, R"({"host": {"features": [143, 145]}, "dialogs": []})");
  EXPECT_NE(runCli("GetOtherParamCfg", path, {"--arg", "showDialog=0"})["returned"].toString(), "");
  EXPECT_TRUE(runCli("GetOtherParamCfg", path, {"--arg", "showDialog=0", "--features", "1"})["returned"].isNull());
}

}  // namespace
