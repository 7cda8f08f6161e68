// A session recorded in the Qt toolkit carries the host state it ran in
// (switches, modules, the profile values its dialogs read), so that
// `orbel run EXPORT --script F` alone replays it to the same bytes.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

#include "orbel/wire/HexText.h"
#include "qt/QtHost.h"
#include "runner/ExportTable.h"
#include "script/ScriptJson.h"
#include "support/ScopedFeatures.h"

namespace {

using namespace orbel::test;

struct RecordedRun {
  const char *name;
  const char *exportName;
  std::set<int> features;
  std::set<int> modules;
  std::vector<tk::ProfileValue> storedProfile; // in the profile before the run
  std::function<void(tkqt::DialogWindow &)> drive;
};

std::string returnedHex(const orbel::runner::Returned &returned) {
  const auto *bytes = std::get_if<std::vector<std::uint8_t>>(&returned);
  return bytes == nullptr ? "null" : orbel::toHex(*bytes, "");
}

QJsonObject replay(const QString &exportName, const QString &scriptPath) {
  QProcess cli;
  cli.start(ORBEL_CLI, {"run", exportName, "--script", scriptPath, "--json"});
  if (!cli.waitForFinished(30000))
    return {};
  EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

TEST(RecordingReplay, TheCliReplaysARecordingWithItsHostStateToTheSameBytes) {
  const std::vector<RecordedRun> runs = {
      {"GSM lock needs module 25",
       "OrbelGetLockCellBuffer",
       {},
       {25},
       {},
       [](tkqt::DialogWindow &window) {
         clickOn(window, "mode.5");
         typeOver(widget<QLineEdit>(window, "frequency"), "70");
         typeOver(widget<QLineEdit>(window, "cell"), "63");
         QTest::keyClick(&window, Qt::Key_Return);
       }},
      {"Restore reads the stored choice",
       "GetOtherParamCfg",
       {122, 143, 145},
       {},
       {{"Settings", "OtherParamConfig", "020BD8"}},
       [](tkqt::DialogWindow &window) {
         clickOn(window, "selectall");
         clickOn(window, "restore");
         QTest::keyClick(&window, Qt::Key_Return);
       }},
      {"work mode needs switch 124",
       "GetFilterMsgMini",
       {124},
       {},
       {},
       [](tkqt::DialogWindow &window) {
         clickOn(window, "filter.option1");
         clickOn(window, "workmode.on");
         QTest::keyClick(&window, Qt::Key_Return);
       }},
  };
  for (const RecordedRun &run : runs) {
    SCOPED_TRACE(run.name);
    QtHost host;
    ScopedFeatures hostState(run.features, run.modules);
    for (const tk::ProfileValue &value : run.storedProfile)
      host.toolkit().profile().writeString(value.section, value.key,
                                           value.value);
    host.toolkit().recorder().start(run.features, run.modules);
    host.drive(run.drive);
    const orbel::runner::ExportInfo &info =
        *orbel::runner::findExport(run.exportName);
    const std::string qt = returnedHex(info.run({}).returned);
    const tk::Script recording = host.toolkit().recorder().stop();
    EXPECT_EQ(recording.host.profile, run.storedProfile);

    QTemporaryDir folder;
    const QString path = folder.filePath("recording.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray::fromStdString(orbel::script::writeScript(recording)));
    file.close();
    const QJsonObject replayed = replay(run.exportName, path);
    EXPECT_NE(qt, "null");
    EXPECT_EQ(replayed["returned"].toString().toStdString(), qt);
    EXPECT_TRUE(replayed["errors"].toArray().isEmpty());
  }
}

// A flag given on the command line replaces what the recording holds.
TEST(RecordingReplay, CommandLineFlagsOverrideTheRecordedHostState) {
  QTemporaryDir folder;
  const QString path = folder.filePath("recording.json");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"host": {"features": [143, 145]}, "dialogs": []})");
  file.close();
  QProcess cli;
  cli.start(ORBEL_CLI, {"run", "GetOtherParamCfg", "--arg", "showDialog=0",
                        "--script", path, "--json"});
  ASSERT_TRUE(cli.waitForFinished(30000));
  EXPECT_NE(QJsonDocument::fromJson(cli.readAllStandardOutput())
                .object()["returned"]
                .toString(),
            "");
  cli.start(ORBEL_CLI, {"run", "GetOtherParamCfg", "--arg", "showDialog=0",
                        "--script", path, "--features", "1", "--json"});
  ASSERT_TRUE(cli.waitForFinished(30000));
  EXPECT_TRUE(QJsonDocument::fromJson(cli.readAllStandardOutput())
                  .object()["returned"]
                  .isNull());
}

} // namespace
