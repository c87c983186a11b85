// form1.cpp - The controls of Form1 in their places, and the view that the handlers talk to.
#include "app/qt/form1.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTranslator>
#include <QUrl>
#include <map>
#include <string_view>

namespace gdf::app {
namespace {

QString ToQString(const Text& text) { return QString::fromStdU16String(text); }
Text FromQString(const QString& text) { return text.toStdU16String(); }

// Red, green and blue 192: the background of the picture box, the frames and the labels.
const QColor kBackground(192, 192, 192);

}  // namespace

bool InstallJapaneseTranslation(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

QFont WindowFont() {
  const QStringList families = QFontDatabase::families();
  QString family = QStringLiteral("System");
  if (!families.contains(family)) {
    family.clear();
    for (const char* japanese : {"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic", "IPAPGothic",
                                 "VL Gothic", "TakaoGothic"}) {
      if (families.contains(QString::fromLatin1(japanese))) {
        family = QString::fromLatin1(japanese);
        break;
      }
    }
  }
  if (family.isEmpty()) {
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    if (!japanese.isEmpty()) family = japanese.front();
  }
  QFont font = family.isEmpty() ? QFont() : QFont(family);
  font.setPointSizeF(13.5);
  return font;
}

void FrameBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const QRect ink = metrics.tightBoundingRect(title());
  const int baseline = title().isEmpty() ? 0 : -ink.top();
  const int line = title().isEmpty() ? 0 : baseline / 2;
  const QRect box = rect().adjusted(0, line, -2, -2);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(box);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(box.translated(1, 1));
  if (title().isEmpty()) return;
  const int left = metrics.averageCharWidth() / 2 + 2;
  const int width = metrics.horizontalAdvance(title());
  painter.fillRect(QRect(left - 2, 0, width + 4, baseline + metrics.descent()),
                   palette().color(QPalette::Window));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QPoint(left, baseline), title());
}

void FitCaptionToWidth(QLabel* label) {
  const QString caption = label->text();
  const int available = label->contentsRect().width() - 1;
  const int needed = QFontMetrics(label->font()).horizontalAdvance(caption);
  if (caption.isEmpty() || needed <= available) return;
  QFont font = label->font();
  font.setLetterSpacing(QFont::AbsoluteSpacing,
                        static_cast<qreal>(available - needed) / caption.size());
  label->setFont(font);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMoved();
  event->accept();
}

Form1::Form1(FileSystem& fs, WindowSettings settings)
    : QWidget(nullptr), ownFrontEnd_(*this), logic_(*this, fs, std::move(settings)) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    dotsPerInch_ = screen->logicalDotsPerInch();
  }
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(kProgramTitle));
  setFont(WindowFont());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);
  setFixedSize(Twips(kFormWidth), Twips(kFormHeight));

  // Every control of the form's description, on the background box or in its frame.
  picture1_ = new PictureBox(this);
  Place(picture1_, kPicture1);
  std::map<std::string_view, QWidget*> made = {{kPicture1.name, picture1_}};
  for (const ControlLayout& control : Form1Controls()) {
    QWidget* parent = control.container == nullptr ? picture1_ : made.at(control.container);
    QWidget* widget = MakeControl(control, parent);
    Place(widget, control);
    if (control.kind == ControlKind::kLabel) FitCaptionToWidth(static_cast<QLabel*>(widget));
    made[control.name] = widget;
  }
  const auto named = [&](const char* name) { return made.at(name); };
  label1_ = static_cast<QLabel*>(named("Label1"));
  text1_ = static_cast<QLineEdit*>(named("Text1"));
  label2_ = static_cast<QLabel*>(named("Label2"));
  text2_ = static_cast<QLineEdit*>(named("Text2"));
  frame1_ = static_cast<FrameBox*>(named("Frame1"));
  file1_ = static_cast<FileList*>(named("File1"));
  dir1_ = static_cast<FolderList*>(named("Dir1"));
  drive1_ = static_cast<DriveList*>(named("Drive1"));
  frame2_ = static_cast<FrameBox*>(named("Frame2"));
  dir2_ = static_cast<FolderList*>(named("Dir2"));
  drive2_ = static_cast<DriveList*>(named("Drive2"));
  frame3_ = static_cast<FrameBox*>(named("Frame3"));
  label3_ = static_cast<QLabel*>(named("Label3"));
  command1_ = static_cast<QPushButton*>(named("Command1"));
  command2_ = static_cast<QPushButton*>(named("Command2"));

  // The background box paints the grey, which shows through the frames and the labels; the
  // boxes and lists keep their own.
  picture1_->setAutoFillBackground(true);
  // The focus moves in the order of the tab indexes; frames and labels take none.
  picture1_->setFocusPolicy(Qt::StrongFocus);
  QWidget* previous = picture1_;
  for (const ControlLayout& control : Form1Controls()) {
    if (!TakesFocus(control.kind)) continue;
    QWidget::setTabOrder(previous, made.at(control.name));
    previous = made.at(control.name);
  }

  connect(command1_, &QPushButton::clicked, this, [this] { logic_.Command1_Click(); });
  connect(command2_, &QPushButton::clicked, this, [this] { logic_.Command2_Click(); });
  connect(drive1_, &DriveList::Chosen, this,
          [this](int index) { logic_.ChooseDrive(Control::kDrive1, index); });
  connect(drive2_, &DriveList::Chosen, this,
          [this](int index) { logic_.ChooseDrive(Control::kDrive2, index); });
  connect(dir1_, &FolderList::Opened, this,
          [this](int index) { logic_.OpenFolder(Control::kDir1, index); });
  connect(dir2_, &FolderList::Opened, this,
          [this](int index) { logic_.OpenFolder(Control::kDir2, index); });
  connect(file1_, &FileList::Chosen, this, [this](int index) { logic_.ChooseFile(index); });
  connect(picture1_, &PictureBox::MouseMoved, this, [this] { logic_.Picture1_MouseMove(); });

  // A file dropped anywhere on the window is a source file, also on the text boxes, which would
  // otherwise take its address as text.
  setAcceptDrops(true);
  text1_->setAcceptDrops(false);
  text2_->setAcceptDrops(false);
}

int Form1::Twips(int twips) const { return qRound(twips * dotsPerInch_ / 1440.0); }

void Form1::Place(QWidget* widget, const ControlLayout& control) {
  widget->setObjectName(QString::fromLatin1(control.name));
  widget->setGeometry(Twips(control.left), Twips(control.top), Twips(control.width),
                      Twips(control.height));
  widget->setProperty("tabIndex", control.tabIndex);
}

QWidget* Form1::MakeControl(const ControlLayout& control, QWidget* parent) {
  const QString caption = ToQString(control.caption);
  switch (control.kind) {
    case ControlKind::kPicture:
      return new PictureBox(parent);
    case ControlKind::kFrame:
      return new FrameBox(caption, parent);
    case ControlKind::kLabel:
      return new QLabel(caption, parent);
    case ControlKind::kTextBox:
      return new QLineEdit(parent);
    case ControlKind::kFileList:
      return new FileList(parent);
    case ControlKind::kFolderList:
      return new FolderList(parent);
    case ControlKind::kDriveList:
      return new DriveList(parent);
    case ControlKind::kButton: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      return button;
    }
  }
  return new QWidget(parent);
}

void Form1::CentreOnScreen() {
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
}

Text Form1::GetText(Control box) const { return FromQString(TextBox(box)->text()); }

void Form1::SetText(Control box, const Text& text) { TextBox(box)->setText(ToQString(text)); }

void Form1::FocusAndSelectAll(Control box) {
  if (box == Control::kText2) {
    RunFrontEnd().FocusAndSelectTargetPath();
    return;
  }
  TextBox(box)->setFocus(Qt::OtherFocusReason);
  TextBox(box)->selectAll();
}

void Form1::ShowDrives(Control list, const std::vector<Text>& labels, int chosen) {
  (list == Control::kDrive2 ? drive2_ : drive1_)->Show(labels, chosen);
}

void Form1::ShowFolders(Control list, const std::vector<FolderItem>& items, int current) {
  (list == Control::kDir2 ? dir2_ : dir1_)->Show(items, current);
}

void Form1::ShowFiles(Control, const std::vector<Text>& names) { file1_->Show(names); }

void Form1::ShowChosenFile(int index) { file1_->ShowChosen(index); }

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  }
  logic_.DropFiles(paths);
  event->acceptProposedAction();
}

}  // namespace gdf::app
