// form1.cpp - The controls of Form1 in their places, and the view that the handlers talk to.
#include "app/qt/form1.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTranslator>

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
  setFixedSize(Twips(9090), Twips(6495));

  picture1_ = new PictureBox(this);
  label1_ = new QLabel(QStringLiteral("変換元ファイル名："), picture1_);
  text1_ = new QLineEdit(picture1_);
  label2_ = new QLabel(QStringLiteral("変換先フォルダ名："), picture1_);
  text2_ = new QLineEdit(picture1_);
  frame1_ = new FrameBox(QStringLiteral("変換元ファイル名選択"), picture1_);
  file1_ = new FileList(frame1_);
  dir1_ = new FolderList(frame1_);
  drive1_ = new DriveList(frame1_);
  frame2_ = new FrameBox(QStringLiteral("変換先フォルダ名選択"), picture1_);
  dir2_ = new FolderList(frame2_);
  drive2_ = new DriveList(frame2_);
  frame3_ = new FrameBox(QStringLiteral("メッセージ"), picture1_);
  label3_ = new QLabel(frame3_);
  command1_ = new QPushButton(QStringLiteral("実  行"), picture1_);
  command2_ = new QPushButton(QStringLiteral("終  了"), picture1_);

  Place(picture1_, "Picture1", 0, 0, 9075, 6495, 0);
  Place(label1_, "Label1", 240, 360, 2235, 315, 11);
  Place(text1_, "Text1", 2400, 300, 6255, 405, 10);
  Place(label2_, "Label2", 240, 960, 2235, 315, 12);
  Place(text2_, "Text2", 2400, 900, 6255, 405, 13);
  Place(frame1_, "Frame1", 240, 1680, 5175, 2895, 1);
  Place(file1_, "File1", 120, 420, 2415, 2190, 4);
  Place(dir1_, "Dir1", 2640, 420, 2415, 1530, 2);
  Place(drive1_, "Drive1", 2640, 2220, 2415, 390, 3);
  Place(frame2_, "Frame2", 5580, 1680, 3135, 2895, 5);
  Place(dir2_, "Dir2", 180, 420, 2595, 1530, 6);
  Place(drive2_, "Drive2", 180, 2220, 2595, 390, 7);
  Place(frame3_, "Frame3", 240, 4740, 8475, 675, 14);
  Place(label3_, "Label3", 180, 240, 8175, 315, 15);
  Place(command1_, "Command1", 2520, 5580, 1935, 555, 8);
  Place(command2_, "Command2", 5160, 5580, 2055, 555, 9);

  // The background box paints the grey, which shows through the frames and the labels; the
  // boxes and lists keep their own.
  picture1_->setAutoFillBackground(true);
  FitCaptionToWidth(label1_);
  FitCaptionToWidth(label2_);
  // The focus moves in the order of the tab indexes; frames and labels take none.
  picture1_->setFocusPolicy(Qt::StrongFocus);
  command1_->setAutoDefault(false);
  command2_->setAutoDefault(false);
  QWidget* previous = picture1_;
  for (QWidget* next : std::initializer_list<QWidget*>{dir1_, drive1_, file1_, dir2_, drive2_,
                                                       command1_, command2_, text1_, text2_}) {
    QWidget::setTabOrder(previous, next);
    previous = next;
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
}

int Form1::Twips(int twips) const { return qRound(twips * dotsPerInch_ / 1440.0); }

void Form1::Place(QWidget* control, const char* name, int left, int top, int width, int height,
                  int tabIndex) {
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
  control->setProperty("tabIndex", tabIndex);
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

}  // namespace gdf::app
