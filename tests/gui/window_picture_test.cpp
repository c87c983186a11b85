// window_picture_test.cpp - Show the window as a user sees it after a completed run on the
// bundled example, and keep that picture for the README (docs/window.png).
//
// It runs under Xvfb, so that the X server draws the window with the host's fonts. The data
// lives in a fixed scratch folder mapped as drive D:, so that the picture shows the same paths
// on every run.
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "gui/window_test_support.h"
#include "messages/system_texts.h"

namespace gdf::test {

namespace fs = std::filesystem;

class WindowPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void windowAfterACompletedRun() {
    const QString output = qEnvironmentVariable("GDFCONV_WINDOW_PICTURE");
    if (output.isEmpty()) QSKIP("GDFCONV_WINDOW_PICTURE names no file to write");

    const fs::path root = fs::path(QDir::tempPath().toStdString()) / "gdfconv-window";
    fs::remove_all(root);
    CopyFolder(SourceDir() + "/data/pattern", (root / "pattern").string());
    CopyFolder(SourceDir() + "/data/examples", (root / "examples").string());
    fs::create_directories(root / "program");
    WriteCp932((root / "system/VirizuV5.ini").string(), "pattern data\nD:\\pattern\\\n");
    const fs::path previous = fs::current_path();
    fs::current_path(root / "examples");

    {
      PosixSettings drives;
      drives.drives[u'D'] = root.string();
      PosixFileSystem files(drives);
      app::WindowSettings settings;
      settings.systemDirHost = (root / "system").string();
      settings.programFolder = u"D:\\program\\";
      app::Form1 form(files, settings);
      FrontEnd& window = form.OwnFrontEnd();
      DialogDouble dialogs(window);
      dialogs.answerYes = true;
      form.SetRunFrontEnd(&dialogs);
      QVERIFY(form.Form_Load());
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));

      const auto found = form.File1()->findItems("B-1.gdf", Qt::MatchExactly);
      QCOMPARE(found.size(), 1);
      const QRect item = form.File1()->visualItemRect(found.front());
      QTest::mouseClick(form.File1()->viewport(), Qt::LeftButton, {}, item.center());
      form.Text2()->setText(QStringLiteral("D:\\出力\\B-1"));
      QTest::mouseClick(form.Command1(), Qt::LeftButton);
      QCOMPARE(form.Label3()->text(), QString::fromUtf16(messages::kCompleted));
      QVERIFY(dialogs.shown.empty());
      QTest::qWait(300);

      QPixmap picture = form.screen()->grabWindow(form.winId());
      if (picture.isNull() || picture.size() != form.size()) picture = form.grab();
      QVERIFY(QDir().mkpath(QFileInfo(output).absolutePath()));
      QVERIFY(picture.save(output, "PNG"));
      qInfo("wrote %s (%dx%d)", qPrintable(output), picture.width(), picture.height());
    }
    fs::current_path(previous);
    fs::remove_all(root);
  }
};

}  // namespace gdf::test

QTEST_MAIN(gdf::test::WindowPictureTest)
#include "platform/host_file_system.h"
#include "window_picture_test.moc"
