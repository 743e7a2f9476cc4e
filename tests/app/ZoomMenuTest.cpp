#include <QAction>
#include <filesystem>
#include <fstream>

#include "platform/ScreenScale.h"
#include "ui/Zoom.h"
#include "widgets/GameFixture.h"

namespace {

using ZoomMenu = GameFixture;

TEST_F(ZoomMenu, AChoiceIsKeptForTheNextStartInItsOwnFileAndTheSettingsStayAsTheyWere) {
  const std::string zoomFile = ZoomFilePath();
  std::filesystem::remove(zoomFile);
  {
    DialogAnswerer answerer({0});
    Window().MenuItem(QStringLiteral("200%"))->trigger();
    EXPECT_EQ(answerer.messages, std::vector<QString>{"次に起動したときに表示が200%になります。"});
  }
  EXPECT_TRUE(Window().MenuItem(QStringLiteral("200%"))->isChecked());
  EXPECT_FALSE(Window().MenuItem(QStringLiteral("100%"))->isChecked());
  EXPECT_EQ(ReadZoom(zoomFile), 200);
  EXPECT_EQ(std::filesystem::file_size(app->SettingsPath()), 0u) << "Data.dat is not touched";

  // The same choice again says nothing; a file holding anything else means 100 %.
  DialogAnswerer silent;
  Window().MenuItem(QStringLiteral("200%"))->trigger();
  EXPECT_TRUE(silent.messages.empty());
  for (const char* odd : {"175\n", "2000", ""}) {
    std::ofstream(zoomFile) << odd;
    EXPECT_EQ(ReadZoom(zoomFile), 100) << odd;
  }
  std::filesystem::remove(zoomFile);
  EXPECT_EQ(ReadZoom(zoomFile), 100);
}

}  // namespace
