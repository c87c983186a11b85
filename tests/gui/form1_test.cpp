// form1_test.cpp - Show that the window starts only with a pattern-data folder, that its lists
// and path boxes follow the folders and files chosen, and that Execute runs the conversion with
// its messages, question, status line and pointer, writing what the command line writes.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "gui/window_test_support.h"
#include "messages/system_texts.h"

namespace gdf::test {
namespace {

namespace fs = std::filesystem;

QString Q(const char16_t* text) { return QString::fromUtf16(text); }
QString S(const Text& text) { return QString::fromStdU16String(text); }
Text T(const QString& text) { return text.toStdU16String(); }

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

// The names of the entries below the folder list's current entry.
QStringList Subfolders(const QTreeWidget* list) {
  QStringList names;
  const QTreeWidgetItem* current = list->currentItem();
  for (int i = 0; current != nullptr && i < current->childCount(); ++i) {
    names << current->child(i)->text(0);
  }
  return names;
}

void ClickFile(app::Form1& form, const QString& name) {
  const auto found = form.File1()->findItems(name, Qt::MatchExactly);
  QVERIFY2(found.size() == 1, qPrintable(name));
  const QRect rect = form.File1()->visualItemRect(found.front());
  QTest::mouseClick(form.File1()->viewport(), Qt::LeftButton, {}, rect.center());
}

void ActivateFolder(app::Form1& form, app::FolderList* list, const QString& name) {
  const auto found = list->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
  QVERIFY2(found.size() == 1, qPrintable(name));
  const QRect rect = list->visualItemRect(found.front());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  Q_UNUSED(form);
}

// Starts a test window and shows it, as the program does after start-up.
void Start(TestWindow& window) {
  QVERIFY(window.Load());
  window.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void startUpIsRefusedWithoutASetting_data() {
    QTest::addColumn<int>("setting");
    QTest::newRow("no settings file") << static_cast<int>(Setting::kNone);
    QTest::newRow("a folder that does not exist") << static_cast<int>(Setting::kMissingFolder);
  }
  void startUpIsRefusedWithoutASetting() {
    QFETCH(int, setting);
    TestWindow window(static_cast<Setting>(setting));
    QVERIFY(!window.Load());
    QCOMPARE(window.dialogs->shown.size(), 1u);
    const Message& message = window.dialogs->shown.front();
    // The system's own text first, then in Japanese where the settings file was looked for.
    QVERIFY(S(message.text).startsWith(Q(messages::kNoSetting) + "\n\n"));
    QVERIFY(S(message.text).contains(QString::fromUtf8("設定ファイル「")));
    QCOMPARE(message.icon, MessageIcon::kNone);
    QVERIFY(!message.caption);  // the program's title
    QVERIFY(!window.form->isVisible());
    QCOMPARE(window.form->Text1()->text(), QString());  // the lists were never filled
  }

  void controlsAreWhereTheFormPlacesThem() {
    TestWindow window;
    app::Form1& form = *window.form;
    if (form.Twips(1440) != 96) QSKIP("the pixel positions below are those of a 96 dpi screen");
    QCOMPARE(form.size(), QSize(606, 433));
    QCOMPARE(form.windowTitle(), Q(app::kProgramTitle));
    QVERIFY(form.windowTitle().endsWith(Q(u" 変換プログラム")));
    QCOMPARE(form.font().pointSizeF(), 13.5);
    QCOMPARE(form.Picture1()->palette().color(QPalette::Window), QColor(192, 192, 192));
    // Positions are relative to the container; the four corners of the layout and one of
    // each container.
    const struct {
      QWidget* control;
      QWidget* container;
      QRect geometry;
    } cases[] = {
        {form.Picture1(), &form, {0, 0, 605, 433}},
        {form.Label1(), form.Picture1(), {16, 24, 149, 21}},
        {form.File1(), form.Frame1(), {8, 28, 161, 146}},
        {form.Drive2(), form.Frame2(), {12, 148, 173, 26}},
        {form.Label3(), form.Frame3(), {12, 16, 545, 21}},
        {form.Command2(), form.Picture1(), {344, 372, 137, 37}},
    };
    for (const auto& c : cases) {
      QCOMPARE(c.control->parentWidget(), c.container);
      QCOMPARE(c.control->geometry(), c.geometry);
    }
    // The focus goes round in the order of the tab indexes.
    QStringList order;
    for (QWidget* w = form.Picture1()->nextInFocusChain(); w != form.Picture1();
         w = w->nextInFocusChain()) {
      if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty() &&
          w->property("tabIndex").isValid()) {
        order << w->objectName();
      }
    }
    QCOMPARE(order, QStringList({"Dir1", "Drive1", "File1", "Dir2", "Drive2", "Command1",
                                 "Command2", "Text1", "Text2"}));
  }

  void listsStartOnTheCurrentFolder() {
    TestWindow window;
    for (const char* file :
         {"work/a.gdf", "work/B.GDF", "work/notes.txt", "work/a.gdf.bak", "work/.hidden.gdf"}) {
      WriteBytes(window.Host(file), "");
    }
    for (const char* folder : {"work/sub", "work/dir.gdf", "work/.git"}) {
      fs::create_directories(window.Host(folder));
    }
    Start(window);
    app::Form1& form = *window.form;
    QCOMPARE(form.Text1()->text(), QString("D:\\work"));
    QCOMPARE(form.Text2()->text(), QString("D:\\work"));
    QCOMPARE(Items(form.File1()), QStringList({"a.gdf", "B.GDF"}));
    QCOMPARE(S(form.Logic().FolderPath(app::Control::kDir1)), QString("D:\\work"));
    QCOMPARE(Subfolders(form.Dir1()), QStringList({"dir.gdf", "sub"}));
    QCOMPARE(form.Logic().Drive(app::Control::kDrive1), u'D');
    QCOMPARE(form.Drive1()->currentText(),
             QString("d: [%1]").arg(QString::fromStdString(window.dir.path().string())));
    QCOMPARE(form.Drive2()->findText("z: [/]"), form.Drive2()->count() - 1);
    QCOMPARE(S(form.PatternFolder()), QString("D:\\pattern\\"));
    QCOMPARE(form.ConversionDone(), std::int16_t{0});
    QVERIFY(window.dialogs->shown.empty());
  }

  void clickedFileGoesIntoText1_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("root of a drive") << "D:\\"
                                     << "D:\\ROOT.GDF";
    QTest::newRow("below the root") << "D:\\work\\sub"
                                    << "D:\\work\\sub\\ROOT.GDF";
  }
  void clickedFileGoesIntoText1() {
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    TestWindow window;
    WriteBytes(window.Host("ROOT.GDF"), "");
    WriteBytes(window.Host("work/sub/ROOT.GDF"), "");
    Start(window);
    QVERIFY(window.form->Logic().SetFolderPath(app::Control::kDir1, T(folder)));
    QCOMPARE(window.form->Text1()->text(), folder);
    ClickFile(*window.form, "ROOT.GDF");
    QCOMPARE(window.form->Text1()->text(), expected);
  }

  void changingTheFolderReplacesTheClickedFile() {
    TestWindow window;
    WriteBytes(window.Host("work/a.gdf"), "");
    WriteBytes(window.Host("work/sub/b.gdf"), "");
    Start(window);
    app::Form1& form = *window.form;
    ClickFile(form, "a.gdf");
    QCOMPARE(form.Text1()->text(), QString("D:\\work\\a.gdf"));
    ActivateFolder(form, form.Dir1(), "sub");
    QCOMPARE(form.Text1()->text(), QString("D:\\work\\sub"));
    QCOMPARE(Items(form.File1()), QStringList({"b.gdf"}));
    QCOMPARE(S(window.fs->CurrentFolder(u'D')), QString("D:\\work\\sub"));
    // The target list sets Text2 and the current folder the same way.
    ActivateFolder(form, form.Dir2(), "d:\\");
    QCOMPARE(form.Text2()->text(), QString("D:\\"));
    QCOMPARE(S(window.fs->CurrentFolder(u'D')), QString("D:\\"));
  }

  void unreadableDriveReturnsToTheLastGoodOne() {
    TestWindow window(Setting::kPatternFolder, {"Q=/nonexistent/gdfconv-removable"});
    Start(window);
    app::Form1& form = *window.form;
    for (const auto& [list, drives] : {std::pair{app::Control::kDrive1, form.Drive1()},
                                       std::pair{app::Control::kDrive2, form.Drive2()}}) {
      QVERIFY(form.Logic().SetDrive(list, u'Q'));
      QCOMPARE(form.Logic().Drive(list), u'D');
      QVERIFY(drives->currentText().startsWith("d: ["));
    }
    QCOMPARE(S(form.Logic().FolderPath(app::Control::kDir1)), QString("D:\\work"));
    QCOMPARE(S(form.Logic().FolderPath(app::Control::kDir2)), QString("D:\\work"));
    QCOMPARE(window.fs->CurrentDrive(), u'D');
    QVERIFY(window.dialogs->shown.empty());
    // A drive that can be read is taken, on its own current folder.
    form.Drive1()->setCurrentIndex(form.Drive1()->findText("z: [/]"));
    emit form.Drive1()->activated(form.Drive1()->currentIndex());  // as the user's choice
    QCOMPARE(form.Logic().Drive(app::Control::kDrive1), u'Z');
    QVERIFY(S(form.Logic().FolderPath(app::Control::kDir1)).startsWith("Z:\\"));
    QCOMPARE(form.Text1()->text(), S(form.Logic().FolderPath(app::Control::kDir1)));
    QCOMPARE(window.fs->CurrentDrive(), u'Z');
  }

  void executeRefusesAMissingSource_data() {
    QTest::addColumn<QString>("source");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("no such file") << "D:\\work\\none.gdf";
    QTest::newRow("a folder") << "D:\\work";
  }
  void executeRefusesAMissingSource() {
    QFETCH(QString, source);
    TestWindow window;
    Start(window);
    window.form->Text1()->setText(source);
    window.form->Text2()->setText("D:\\work");
    window.Execute();
    QCOMPARE(window.dialogs->shown.size(), 1u);
    QVERIFY(S(window.dialogs->shown.front().text).startsWith(Q(messages::kNoSourceFile) + "\n\n"));
    QCOMPARE(window.dialogs->shown.front().icon, MessageIcon::kNone);
    QVERIFY(!window.dialogs->shown.front().caption);
    QCOMPARE(window.form->Label3()->text(), QString());
    QVERIFY(window.dialogs->pointers.empty());
    QVERIFY(fs::is_empty(window.Host("work")));
  }

  void executeRefusesAnInvalidTarget() {
    TestWindow window;
    WriteCp932(window.Host("work/b.gdf"), "");
    Start(window);
    app::Form1& form = *window.form;
    form.Text1()->setText("D:\\work\\b.gdf");
    TestWindow::SetText(form.Text2(), "D:\\作業 フォルダ");
    form.Command1()->setFocus();
    window.Execute();
    QCOMPARE(window.dialogs->shown.size(), 1u);
    const Message& message = window.dialogs->shown.front();
    // The system's text, then which name broke the rule and what to do, all in Japanese.
    QVERIFY(S(message.text).startsWith(Q(messages::kInvalidPath) + "\n\n"));
    QVERIFY(
        S(message.text)
            .contains(QString::fromUtf8("フォルダ名「作業 フォルダ」に空白が含まれています。")));
    QCOMPARE(message.icon, MessageIcon::kExclamation);
    QCOMPARE(S(message.caption.value_or(u"")), Q(u"D:\\作業 フォルダ"));
    QCOMPARE(form.focusWidget(), form.Text2());
    QCOMPARE(form.Text2()->selectedText(), form.Text2()->text());
    QCOMPARE(form.Label3()->text(), QString());
  }

  void missingTargetFolderIsCreatedOnlyOnYes() {
    TestWindow window;
    WriteCp932(window.Host("work/b.gdf"), "no tags here\n");
    Start(window);
    app::Form1& form = *window.form;
    form.Text1()->setText("D:\\work\\b.gdf");
    TestWindow::SetText(form.Text2(), "D:\\出力\\B-1");

    window.Execute();
    QCOMPARE(window.dialogs->questions.size(), 1u);
    QCOMPARE(S(window.dialogs->questions.front()), Q(messages::kCreateFolder));
    QVERIFY(window.dialogs->questionCaptions.front().empty());  // the program's title
    QVERIFY(window.dialogs->shown.empty());
    QCOMPARE(form.Label3()->text(), QString());
    QVERIFY(!fs::exists(window.Host("出力")));

    window.dialogs->answerYes = true;
    window.Execute();
    QCOMPARE(window.dialogs->questions.size(), 2u);
    QVERIFY(fs::is_directory(window.Host("出力/B-1")));
    QCOMPARE(form.Label3()->text(), Q(messages::kCompleted));
  }

  void completionTextStaysUntilThePointerCrossesTheBackground() {
    TestWindow window;
    WriteCp932(window.Host("work/b.gdf"), "no tags here\n");
    Start(window);
    app::Form1& form = *window.form;
    form.Text1()->setText("D:\\work\\b.gdf");
    window.Execute();
    QCOMPARE(window.dialogs->eventPasses, 1);
    QCOMPARE(window.dialogs->pointers,
             (std::vector<Pointer>{Pointer::kHourglass, Pointer::kDefault}));
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);  // back to the default pointer
    QCOMPARE(form.Label3()->text(), Q(messages::kCompleted));
    QCOMPARE(form.ConversionDone(), std::int16_t{1});

    for (QWidget* control : std::initializer_list<QWidget*>{
             form.Command1(), form.Text1(), form.File1()->viewport(), form.Dir2()->viewport(),
             form.Drive1(), form.Label1(), form.Frame1(), form.Label3()}) {
      QTest::mouseMove(control);
      QCOMPARE(form.Label3()->text(), Q(messages::kCompleted));
    }
    // A choice in the lists does not clear it either.
    QVERIFY(form.Logic().SetFolderPath(app::Control::kDir1, u"D:\\"));
    QCOMPARE(form.Label3()->text(), Q(messages::kCompleted));

    QTest::mouseMove(form.Picture1(), QPoint(4, 4));
    QCOMPARE(form.Label3()->text(), QString());
    QCOMPARE(form.ConversionDone(), std::int16_t{0});
  }

  void failureNamesStageFileAndLineAndLeavesTheWindowUsable() {
    TestWindow window;
    WriteCp932(window.Host("work/b.gdf"), "$Z1\nheader\n$A1\n1.0\n砂\n");
    fs::remove(window.Host("pattern/L4.TXT"));
    Start(window);
    app::Form1& form = *window.form;
    form.Text1()->setText("D:\\work\\b.gdf");
    form.Text2()->setText("D:\\work");

    // Stopped while reading the source, before the work began.
    window.Execute();
    QCOMPARE(window.dialogs->shown.size(), 1u);
    const Text readFailure = window.dialogs->shown.back().text;
    QCOMPARE(window.dialogs->shown.back().icon, MessageIcon::kCritical);
    QVERIFY(readFailure.find(u"段階：$A\n") != Text::npos);
    QVERIFY(readFailure.find(u"ファイル：D:\\work\\b.gdf\n") != Text::npos);
    QVERIFY(readFailure.find(u"変換元ファイルの行：") != Text::npos);
    // The box speaks Japanese throughout, and says truthfully that nothing was written.
    QVERIFY(readFailure.find(u"理由：ファイルの終わり（") != Text::npos);
    QVERIFY(readFailure.find(u"ファイルは何も書き込まれていません。") != Text::npos);
    QVERIFY(readFailure.find(u"The ") == Text::npos);
    QCOMPARE(form.Label3()->text(), QString());

    // Stopped at L4.TXT, after the hourglass was set.
    WriteCp932(window.Host("work/b.gdf"), "no tags here\n");
    window.Execute();
    QCOMPARE(window.dialogs->shown.size(), 2u);
    const Text tableFailure = window.dialogs->shown.back().text;
    QVERIFY(tableFailure.find(u"段階：L4.TXT\n") != Text::npos);
    QVERIFY(tableFailure.find(u"ファイル：D:\\pattern\\L4.TXT\n") != Text::npos);
    QVERIFY(tableFailure.find(u"変換元ファイルの行：（不明）") != Text::npos);
    QCOMPARE(window.dialogs->pointers.back(), Pointer::kDefault);
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(form.ConversionDone(), std::int16_t{0});

    // The window goes on: with the table back, the same Execute completes.
    WriteBytes(window.Host("pattern/L4.TXT"), "");
    window.Execute();
    QCOMPARE(window.dialogs->shown.size(), 2u);
    QCOMPARE(form.Label3()->text(), Q(messages::kCompleted));
  }

  void filesWrittenEqualThoseOfTheCommandLine_data() {
    QTest::addColumn<QString>("example");
    for (const auto& entry : fs::directory_iterator(SourceDir() + "/data/examples")) {
      if (entry.path().extension() != ".gdf") continue;
      const std::string name = entry.path().filename().string();
      QTest::newRow(name.c_str()) << QString::fromStdString(name);
    }
  }
  void filesWrittenEqualThoseOfTheCommandLine() {
    QFETCH(QString, example);
    const std::string name = example.toStdString();
    const std::string stem = fs::path(name).stem().string();
    // Two identical worlds: one converted by the window, one by the command line.
    TestWindow window;
    TempDir cli;
    for (const std::string& root : {window.dir.path().string(), cli.path().string()}) {
      CopyFolder(SourceDir() + "/data/pattern", root + "/pattern");
      fs::create_directories(root + "/work");
      fs::create_directories(root + "/program");
      fs::copy_file(SourceDir() + "/data/examples/" + name, root + "/work/" + name);
    }
    CopyFolder(window.Host("system"), cli / "system");
    const std::string source = "D:\\work\\" + name;
    const std::string target = "D:\\出力\\" + stem;

    Start(window);
    window.dialogs->answerYes = true;
    TestWindow::SetText(window.form->Text1(), source);
    TestWindow::SetText(window.form->Text2(), target);
    window.Execute();
    QCOMPARE(window.form->Label3()->text(), Q(messages::kCompleted));

    const ProcessResult result =
        RunGdfconv({"convert", "--drive", "D=" + cli.path().string(), "--system-dir",
                    cli / "system", "--program-dir", cli / "program", "--yes", source, target});
    QVERIFY2(result.exitCode == 0, result.err.c_str());

    const auto byWindow = FilesBelow(window.dir.path().string());
    const auto byCommandLine = FilesBelow(cli.path().string());
    QVERIFY(byWindow.size() > 10);  // record files, tables, settings and the source
    QCOMPARE(byWindow.size(), byCommandLine.size());
    for (std::size_t i = 0; i < byWindow.size(); ++i) {
      QCOMPARE(byWindow[i].first, byCommandLine[i].first);
      QVERIFY2(byWindow[i].second == byCommandLine[i].second, byWindow[i].first.c_str());
    }
  }

  // The window's own front end, with the modal boxes answered by a timer.
  void messageBoxesCarryTextIconCaptionAndButtons() {
    TestWindow window;
    Start(window);
    app::WindowFrontEnd& ui = window.form->OwnFrontEnd();
    struct Seen {
      QString title, text;
      QMessageBox::Icon icon = QMessageBox::NoIcon;
      QMessageBox::StandardButtons buttons;
    };
    const auto answer = [](Seen& seen, QMessageBox::StandardButton button) {
      QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->button(button)->click();
      });
    };
    const struct {
      Message message;
      QString title;
      QMessageBox::Icon icon;
    } cases[] = {
        {{messages::kNoSourceFile, MessageIcon::kNone, {}, {}},
         Q(app::kProgramTitle),
         QMessageBox::NoIcon},
        {{messages::kInvalidPath, MessageIcon::kExclamation, u"D:\\作業", {}},
         Q(u"D:\\作業"),
         QMessageBox::Warning},
        {{messages::kInvalidPath, MessageIcon::kExclamation, Text(), {}},
         QString(),
         QMessageBox::Warning},
        {{messages::kBadDrive, MessageIcon::kInformation, {}, {}},
         Q(app::kProgramTitle),
         QMessageBox::Information},
        {{u"変換を中断しました。", MessageIcon::kCritical, {}, {}},
         Q(app::kProgramTitle),
         QMessageBox::Critical},
    };
    for (const auto& c : cases) {
      Seen seen;
      answer(seen, QMessageBox::Ok);
      ui.ShowMessage(c.message);
      QCOMPARE(seen.title, c.title);
      QCOMPARE(seen.text, S(c.message.text));
      QCOMPARE(seen.icon, c.icon);
      QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    for (const bool yes : {true, false}) {
      Seen seen;
      answer(seen, yes ? QMessageBox::Yes : QMessageBox::No);
      QCOMPARE(ui.AskYesNo(messages::kCreateFolder, {}), yes);
      QCOMPARE(seen.title, Q(app::kProgramTitle));
      QCOMPARE(seen.text, Q(messages::kCreateFolder));
      QCOMPARE(seen.icon, QMessageBox::Question);
      QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    }
  }

  void standardButtonsSpeakJapanese() {
    if (!app::InstallJapaneseTranslation(*qApp))
      QSKIP("Qt's Japanese translation is not installed");
    TestWindow window;
    Start(window);
    QStringList labels;
    QTimer::singleShot(0, [&labels] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      // "はい(&Y)": the label before its access key.
      for (QAbstractButton* button : box->buttons()) labels << button->text().section('(', 0, 0);
      box->button(QMessageBox::No)->click();
    });
    QVERIFY(!window.form->OwnFrontEnd().AskYesNo(messages::kCreateFolder, {}));
    labels.sort();
    QCOMPARE(labels, QStringList({Q(u"いいえ"), Q(u"はい")}));
  }

  // The chosen folder of a deep path stays in view, in both folder lists, whether the window
  // started on it or the user went there; so does the chosen file of a source opened by path.
  void deepestFolderStaysInView() {
    TestWindow window;
    const std::string deep = "work/2024/ボーリング調査/北地区/第3工区/B-1/原本/提出用";
    fs::create_directories(window.Host(deep));
    for (int i = 0; i < 12; ++i)
      fs::create_directories(window.Host(deep + "/sub" + std::to_string(i)));
    WriteBytes(window.Host(deep + "/B-1.gdf"), "");
    Start(window);
    app::Form1& form = *window.form;
    const Text path = u"D:\\work\\2024\\ボーリング調査\\北地区\\第3工区\\B-1\\原本\\提出用";
    QVERIFY(form.Logic().OpenSource(path + u"\\B-1.gdf"));
    QVERIFY(form.Logic().SetFolderPath(app::Control::kDir2, path));
    QApplication::processEvents();
    for (app::FolderList* list : {form.Dir1(), form.Dir2()}) {
      const QTreeWidgetItem* current = list->currentItem();
      QVERIFY(current != nullptr);
      QCOMPARE(current->text(0), QString::fromUtf8("提出用"));
      const QRect shown = list->visualItemRect(current);
      const QRect view = list->viewport()->rect();
      QVERIFY2(
          shown.top() >= 0 && shown.bottom() <= view.bottom(),
          qPrintable(
              QString("rows %1-%2 of %3").arg(shown.top()).arg(shown.bottom()).arg(view.height())));
      // Its icon and the start of its name can be read: the list is not scrolled sideways past
      // them, and they are not beyond the right edge.
      const int nameStart = shown.left() + list->iconSize().width();
      const int threeLetters = list->fontMetrics().averageCharWidth() * 3;
      QVERIFY2(shown.left() >= 0 && nameStart + threeLetters <= view.width(),
               qPrintable(QString("left %1, name at %2 of %3")
                              .arg(shown.left())
                              .arg(nameStart)
                              .arg(view.width())));
    }
    QCOMPARE(form.File1()->currentItem()->text(), QString("B-1.gdf"));
    QCOMPARE(form.Text1()->text(), QString::fromStdU16String(path + u"\\B-1.gdf"));
  }

  void endClosesTheWindow() {
    TestWindow window;
    Start(window);
    QTest::mouseClick(window.form->Command2(), Qt::LeftButton);
    QVERIFY(!window.form->isVisible());
    QVERIFY(window.dialogs->shown.empty() && window.dialogs->questions.empty());
  }
};

}  // namespace gdf::test

QTEST_MAIN(gdf::test::Form1Test)
#include "form1_test.moc"
