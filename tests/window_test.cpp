#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRubberBand>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <filesystem>
#include <functional>
#include <string>

#include "app/application.h"
#include "app/control_table.h"
#include "app/end_program.h"
#include "app/fatal_error.h"
#include "app/load_window.h"
#include "app/qt_text.h"
#include "app/windows.h"
#include "controls/file_filter.h"
#include "controls/info_box.h"
#include "loopback_server.h"
#include "split/messages.h"
#include "test_support.h"
#include "values/code_page.h"
#include "values/files.h"

// The window's page in the tests: red, larger than the box, with a blue square 10 pixels in.
constexpr const char* kPageBox =
    "<html><body style='margin:0; background:#ff0000'>"
    "<div style='position:absolute; left:10px; top:10px; width:20px; height:20px;"
    " background:#0000ff'></div><div style='width:2000px; height:2000px'></div></body></html>";

using quorvella::testing::ReadFileBytes;
using quorvella::testing::TempDir;
using quorvella::testing::WriteFileBytes;

// Receives the URLs the program hands to the desktop instead of the desktop.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls << url; }
};

class WindowTest : public QObject {
  Q_OBJECT

 private:
  QWidget* window_ = nullptr;
  UrlCatcher opened_;

  QWidget* Control(const char* name) {
    return quorvella::FindControl("MainWindow", name)->widget();
  }
  QLineEdit* Box(const char* name) { return qobject_cast<QLineEdit*>(Control(name)); }

  static QString ToQString(const quorvella::Text& text) { return quorvella::ToQString(text); }

  // The colours of a widget's pixels other than its background (the top-left pixel's), with
  // the anti-aliased edges of letters left out: the pure colours the text is drawn in.
  static QSet<QRgb> TextColours(QWidget* widget) {
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = image.pixel(0, 0);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        const QColor colour(pixel);
        if (pixel != background && colour.hsvSaturation() == 255 && colour.value() == 255) {
          colours.insert(qRgb(colour.red(), colour.green(), colour.blue()));
        }
      }
    }
    return colours;
  }
  QPushButton* Button(const char* name) { return qobject_cast<QPushButton*>(Control(name)); }

  // Runs `answer` on the modal widget that comes up while `action` runs, again and again
  // until it goes away (a file dialog may take a moment to see the file it is given).
  void WhileModal(const std::function<void()>& action,
                  const std::function<void(QWidget*)>& answer) {
    bool answered = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        answered = true;
        answer(modal);
      }
    });
    poll.start(20);
    action();
    QVERIFY(answered);
  }

  // Types `text` over what the box holds: ASCII as key presses, other characters as an input
  // method commits them.
  void Type(const char* box, const QString& text) {
    Box(box)->setFocus();
    Box(box)->selectAll();
    for (QChar character : text) {
      if (character.unicode() < 0x80) {
        QTest::keyClick(Box(box), character.toLatin1());
      } else {
        QInputMethodEvent input;
        input.setCommitString(character);
        QApplication::sendEvent(Box(box), &input);
      }
    }
  }

 private slots:
  void initTestCase() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened_, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &opened_, "open");
  }

  void init() {
    opened_.urls.clear();
    window_ = quorvella::LoadWindow(quorvella::MainWindowTable());
    QVERIFY(window_);
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }

  void cleanup() { quorvella::CloseLoadedWindows(); }

  void cleanupTestCase() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  }

  void theWindowHasItsFixedSizeCaptionAndIcon() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorvella V3.3"));
    QCOMPARE(window_->size(), QSize(329, 183));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();  // centred, frame included
    QCOMPARE(window_->pos(), QPoint((screen.width() - 335) / 2, (screen.height() - 208) / 2));
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window_->windowFlags() & Qt::WindowCloseButtonHint);
    for (int size : {16, 24, 32, 48, 128}) {
      QCOMPARE(window_->windowIcon().pixmap(size, size).size(), QSize(size, size));
    }
  }

  void everyControlIsWhereTheTableSays() {
    int checked = 0;
    for (const quorvella::ControlRow& row : quorvella::MainWindowTable().rows) {
      if (row.kind == quorvella::ControlKind::kCommonDlg) continue;
      QWidget* widget = Control(row.name);
      QCOMPARE(widget->geometry(), QRect(row.left, row.top, row.width, row.height));
      QCOMPARE(widget->isVisibleTo(window_), row.visible);
      ++checked;
    }
    QCOMPARE(checked, 12);
    QCOMPARE(Control("超文本浏览框2")->parentWidget(), Control("画板1"));
    QCOMPARE(Control("编辑框1")->parentWidget(), window_);
    // The boxes' texts as the table gives them; the hidden box holds a line break.
    QCOMPARE(quorvella::AsText(quorvella::ReadProperty("MainWindow", "编辑框3", 8)).str(),
             std::string("\r\n"));
    QCOMPARE(Button("按钮1")->text(), QStringLiteral("打开..."));
    QCOMPARE(Button("按钮2")->text(), QStringLiteral("确定"));
  }

  void tabWalksTheControlsInOrderAndWrapsAround() {
    QCOMPARE(QApplication::focusWidget(), Control("编辑框1"));
    // The page box hands its focus on to the page inside it, which is offered every key first.
    const auto focus_in = [this](const char* name) {
      QWidget* focused = QApplication::focusWidget();
      return focused == Control(name) || Control(name)->isAncestorOf(focused);
    };
    const char* order[] = {"按钮1", "编辑框2", "按钮2", "分隔条1", "超文本浏览框2", "编辑框1"};
    for (const char* name : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QTRY_VERIFY2(focus_in(name), name);  // the page lets a key go only after it has seen it
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(focus_in("超文本浏览框2"));
  }

  void enterStartsNothingAndEscCloses() {
    TempDir dir;
    WriteFileBytes(dir.path() / "novel.txt", "AAAA\r\nBBBB\r\n");
    Type("编辑框1", QString::fromStdString((dir.path() / "novel.txt").string()));
    Type("编辑框2", QStringLiteral("2"));
    QTest::keyClick(Box("编辑框2"), Qt::Key_Return);
    Button("按钮2")->setFocus();
    QTest::keyClick(Button("按钮2"), Qt::Key_Return);
    QCOMPARE(dir.Names().size(), size_t{1});
    QVERIFY(!QApplication::activeModalWidget());
    QTest::keyClick(Box("编辑框2"), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
  }

  void confirmingWithoutABookShowsTheMessage() {
    QString shown;
    WhileModal([&] { QTest::mouseClick(Button("按钮2"), Qt::LeftButton); },
               [&](QWidget* modal) {
                 auto* box = qobject_cast<QMessageBox*>(modal);
                 shown = box ? box->windowTitle() + "|" + box->text() : QString();
                 modal->close();
               });
    QCOMPARE(shown, QStringLiteral("错误！|请选择要分割的文件！"));
    shown.clear();
    Button("按钮2")->setFocus();
    WhileModal([&] { QTest::keyClick(Button("按钮2"), Qt::Key_Space); },
               [&](QWidget* modal) {
                 auto* box = qobject_cast<QMessageBox*>(modal);
                 shown = box ? box->text() : QString();
                 modal->close();
               });
    QCOMPARE(shown, QStringLiteral("请选择要分割的文件！"));
    QVERIFY(opened_.urls.isEmpty());
  }

  void theFileDialogFillsThePathAndKeepsItOnCancel() {
    TempDir dir;
    WriteFileBytes(dir.path() / "novel.txt", "AAAA\r\n");
    Type("编辑框1", QStringLiteral("typed by hand"));
    WhileModal([&] { QTest::mouseClick(Button("按钮1"), Qt::LeftButton); },
               [](QWidget* modal) { QMetaObject::invokeMethod(modal, "reject"); });
    QCOMPARE(Box("编辑框1")->text(), QString());  // nothing confirmed yet in this run

    const QString book = QString::fromStdString((dir.path() / "novel.txt").string());
    QStringList filters;
    WhileModal([&] { QTest::mouseClick(Button("按钮1"), Qt::LeftButton); },
               [&](QWidget* modal) {
                 auto* dialog = qobject_cast<QFileDialog*>(modal);
                 filters = dialog ? dialog->nameFilters() : QStringList();
                 // Typed into the name field, as a user would.
                 if (auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                   name->setText(book);
                 }
                 QMetaObject::invokeMethod(modal, "accept");
               });
    QCOMPARE(filters, QStringList{QStringLiteral("文本文件 (*.txt)")});
    QCOMPARE(Box("编辑框1")->text(), book);

    Type("编辑框1", QStringLiteral("/elsewhere/"));
    QStringList reopened_with;
    WhileModal([&] { QTest::mouseClick(Button("按钮1"), Qt::LeftButton); },
               [&](QWidget* modal) {
                 auto* dialog = qobject_cast<QFileDialog*>(modal);
                 if (dialog) reopened_with = dialog->selectedFiles();
                 QMetaObject::invokeMethod(modal, "reject");
               });
    QCOMPARE(reopened_with, QStringList{book});  // the dialog opens on the last file chosen
    QCOMPARE(Box("编辑框1")->text(), book);
  }

  void aWholeSplitByTypingAndClicking() {
    TempDir dir;
    const std::string novel = "AAAA\r\nBBBBBBBB\r\nCCCC\r\nDDDDDD\r\n";
    std::filesystem::create_directory(dir.path() / "书");
    WriteFileBytes(dir.path() / "书" / "淺.txt", novel);
    const QString folder = QString::fromStdString((dir.path() / "书").string()) + "/";
    Type("编辑框1", folder + QStringLiteral("淺.txt"));
    Type("编辑框2", QStringLiteral("３"));
    QTest::mouseClick(Button("按钮2"), Qt::LeftButton);

    const std::string header(quorvella::kPartHeader.view());
    QCOMPARE(ReadFileBytes(dir.path() / "书" / "淺1.txt"), header + "AAAA\r\nBBBBBBBB");
    QCOMPARE(ReadFileBytes(dir.path() / "书" / "淺2.txt"), header + "\r\nCCCC");
    QCOMPARE(ReadFileBytes(dir.path() / "书" / "淺３.txt"), std::string("DDDDDD\r\n"));
    QCOMPARE(opened_.urls, QList<QUrl>{QUrl::fromLocalFile(folder)});
    QCOMPARE(Box("编辑框1")->text(), folder);
    quorvella::CloseAllFiles();
  }

  void focusComesBackToWhereItWasOnReactivation() {
    // Once the window has finished starting (its page view is made after it is shown).
    QTRY_VERIFY(Control("超文本浏览框2")->findChild<QWebEngineView*>());
    Box("编辑框2")->setFocus();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QCOMPARE(QApplication::focusWidget(), Control("编辑框2"));
  }

  void draggingTheSeparatorLeavesItWhereItWas() {
    QWidget* bar = Control("分隔条1");
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(10, 1));
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 31), bar->mapToGlobal(QPointF(10, 31)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QRubberBand* ghost = window_->findChild<QRubberBand*>();
    QVERIFY(ghost);
    QCOMPARE(ghost->y(), 135);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(10, 31));
    QVERIFY(!window_->findChild<QRubberBand*>());
    QCOMPARE(bar->geometry(), QRect(19, 105, 300, 2));
  }

  void infoBoxAnswersWithTheButtonPressed() {
    struct Case {
      int flags;
      QMessageBox::StandardButton press;
      int result;
    } cases[] = {{0, QMessageBox::Ok, 0},     {1, QMessageBox::Cancel, 1},
                 {2, QMessageBox::Abort, 2},  {2, QMessageBox::Retry, 3},
                 {2, QMessageBox::Ignore, 4}, {4, QMessageBox::Yes, 5},
                 {4, QMessageBox::No, 6},     {0x30 | 3, QMessageBox::No, 6}};
    for (const Case& c : cases) {
      int result = -1;
      QString caption;
      WhileModal([&] { result = quorvella::InfoBox(quorvella::Text(), c.flags); },
                 [&](QWidget* modal) {
                   auto* box = qobject_cast<QMessageBox*>(modal);
                   caption = box->windowTitle();
                   box->button(c.press)->click();
                 });
      QCOMPARE(result, c.result);
      QCOMPARE(caption, QStringLiteral("信息："));
    }
    int closed = -1;
    WhileModal([&] { closed = quorvella::InfoBox(quorvella::Text(), 1, quorvella::Text()); },
               [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(closed, 1);  // Esc in a box with Cancel
  }

  void filterTextsBecomeDescriptionAndPatternPairs() {
    using quorvella::testing::G;
    using quorvella::testing::T;
    struct Case {
      quorvella::Text filter;
      std::vector<std::pair<quorvella::Text, quorvella::Text>> pairs;
    } cases[] = {
        {G("文本文件|*.txt"), {{G("文本文件"), T("*.txt")}}},
        {G("文本文件|*.txt||"), {{G("文本文件"), T("*.txt")}}},
        {T("a|*.a|b|*.b;*.c \t\r\n"), {{T("a"), T("*.a")}, {T("b"), T("*.b;*.c")}}},
        {T("   "), {}},
        {T("\x81\x7c|*.x"), {{T("\x81\x7c"), T("*.x")}}},  // a "|" byte inside a character
        {T("only"), {}},
    };
    for (const Case& c : cases) {
      std::vector<std::pair<quorvella::Text, quorvella::Text>> pairs;
      for (const auto& pair : quorvella::ParseFilter(c.filter)) {
        pairs.emplace_back(pair.description, pair.pattern);
      }
      QVERIFY2(pairs == c.pairs, c.filter.str().c_str());
    }
  }

  void dialogSettingsAreKeptInRange() {
    using quorvella::PropertyValue;
    quorvella::WriteProperty("MainWindow", "通用对话框1", 8, PropertyValue(int32_t{7}));
    QCOMPARE(quorvella::AsInt(quorvella::ReadProperty("MainWindow", "通用对话框1", 8)), 3);
    quorvella::WriteProperty("MainWindow", "通用对话框1", 12, PropertyValue(int32_t{-5}));
    QCOMPARE(quorvella::AsInt(quorvella::ReadProperty("MainWindow", "通用对话框1", 12)), 0);
    quorvella::WriteProperty("MainWindow", "通用对话框1", 16, PropertyValue(int32_t{2}));
    QCOMPARE(std::get<bool>(quorvella::ReadProperty("MainWindow", "通用对话框1", 16)), false);
  }

  // The notice page of the tests holds "欢迎&amp;" between its markers.
  void theNoticeReplacesTheStartingCaption() {
    QTRY_COMPARE(
        ToQString(quorvella::AsText(quorvella::ReadProperty("MainWindow", "超级链接框2", 8))),
        QStringLiteral("欢迎&amp;"));
  }

  void theStripIsRedAndTurnsBlueUnderTheMouse() {
    QWidget* strip = Control("超级链接框2");
    QTRY_VERIFY(
        !quorvella::AsText(quorvella::ReadProperty("MainWindow", "超级链接框2", 8)).empty());
    QVERIFY(strip->cursor().shape() == Qt::PointingHandCursor);
    // Wherever the display's pointer happens to be, it starts off the strip.
    QCursor::setPos(window_->mapToGlobal(QPoint(160, 150)));
    QEvent left(QEvent::Leave);
    QApplication::sendEvent(strip, &left);
    QCOMPARE(TextColours(strip), (QSet<QRgb>{qRgb(255, 0, 0)}));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), strip->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(strip, &enter);
    QCOMPARE(TextColours(strip), (QSet<QRgb>{qRgb(0, 0, 255)}));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(strip, &leave);
    QCOMPARE(TextColours(strip), (QSet<QRgb>{qRgb(255, 0, 0)}));
  }

  void anEmptyCaptionShowsTheAddress() {
    QWidget* strip = Control("超级链接框2");
    QTRY_VERIFY(
        !quorvella::AsText(quorvella::ReadProperty("MainWindow", "超级链接框2", 8)).empty());
    const quorvella::Text address =
        quorvella::AsText(quorvella::ReadProperty("MainWindow", "超级链接框2", 11));
    QVERIFY(address.str().rfind("http://127.0.0.1:", 0) == 0);
    quorvella::WriteProperty("MainWindow", "超级链接框2", 8, address);
    const QImage with_address = strip->grab().toImage();
    quorvella::WriteProperty("MainWindow", "超级链接框2", 8, quorvella::Text());
    QCOMPARE(strip->grab().toImage(), with_address);
  }

  void aDoubleClickOpensTheSiteOnce() {
    QWidget* strip = Control("超级链接框2");
    opened_.urls.clear();
    // What a double click delivers: press, release, double click, release.
    QTest::mouseClick(strip, Qt::LeftButton);
    QTest::mouseDClick(strip, Qt::LeftButton);
    QTest::mouseRelease(strip, Qt::LeftButton);
    QCOMPARE(opened_.urls.size(), 1);
    QCOMPARE(
        opened_.urls[0].toString(),
        ToQString(quorvella::AsText(quorvella::ReadProperty("MainWindow", "超级链接框2", 11))));
    // A mail link with no address opens nothing.
    quorvella::WriteProperty("MainWindow", "超级链接框2", 9, quorvella::PropertyValue(int32_t{-4}));
    QCOMPARE(quorvella::AsInt(quorvella::ReadProperty("MainWindow", "超级链接框2", 9)), 0);
    QTest::mouseClick(strip, Qt::LeftButton);
    QCOMPARE(opened_.urls.size(), 1);
  }

  void closingWhileTheNoticeHangsEndsAtOnce() {
    quorvella::testing::LoopbackServer silent([](const std::string&) {
      return quorvella::testing::Reply{{}, true};
    });
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUORVELLA_NOTICE_URL"),
                       QString::fromStdString(silent.Url("/never.html")));
    probe.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    probe.start(QStringLiteral(QUORVELLA_WINDOW_PROBE), {QStringLiteral("esc")});
    QVERIFY(probe.waitForFinished(20000));
    QCOMPARE(probe.exitCode(), 0);
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QTRY_COMPARE(silent.requests().size(), size_t{1});  // the fetch was under way
  }

  // The box sits at -3, -2 in the panel at 46, 112: page point (x, y) is window point
  // (43 + x, 110 + y), and only the panel's 250 x 60 pixels show any of it.
  void thePageShowsFramedByThePanel() {
    // What the display shows: the page is drawn by the web engine, not by the widgets.
    const auto pixel = [this](int x, int y) {
      return window_->screen()->grabWindow(window_->winId()).toImage().pixel(x, y);
    };
    QTRY_COMPARE_WITH_TIMEOUT(pixel(60, 128), qRgb(0, 0, 255), 15000);  // the blue square
    QCOMPARE(pixel(150, 150), qRgb(255, 0, 0));
    // No frame and no scroll bar at the panel's far edges, though the page is larger.
    for (const QPoint& edge :
         {QPoint(46, 112), QPoint(295, 150), QPoint(150, 171), QPoint(295, 171), QPoint(46, 171)}) {
      QCOMPARE(pixel(edge.x(), edge.y()), qRgb(255, 0, 0));
    }
    // Nothing of the page outside the panel.
    const QRgb face = window_->palette().color(QPalette::Button).rgb();
    for (const QPoint& outside : {QPoint(45, 140), QPoint(296, 140), QPoint(150, 111),
                                  QPoint(150, 172), QPoint(40, 108), QPoint(300, 178)}) {
      QCOMPARE(pixel(outside.x(), outside.y()), face);
    }
  }

  void zoomWritesAreKeptInRange() {
    using quorvella::PropertyValue;
    quorvella::WriteProperty("MainWindow", "超文本浏览框2", 8, PropertyValue(int32_t{9}));
    QCOMPARE(quorvella::AsInt(quorvella::ReadProperty("MainWindow", "超文本浏览框2", 8)), 4);
    quorvella::WriteProperty("MainWindow", "超文本浏览框2", 8, PropertyValue(int32_t{-1}));
    QCOMPARE(quorvella::AsInt(quorvella::ReadProperty("MainWindow", "超文本浏览框2", 8)), 0);
  }

  void theWindowSplitsWhileTheSiteIsDown() {
    quorvella::CloseLoadedWindows();
    const QByteArray site = qgetenv("QUORVELLA_SITE");
    qputenv("QUORVELLA_SITE", "http://127.0.0.1:9/");  // the discard port: nothing answers
    window_ = quorvella::LoadWindow(quorvella::MainWindowTable());
    qputenv("QUORVELLA_SITE", site);
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
    TempDir dir;
    WriteFileBytes(dir.path() / "novel.txt", "AAAA\r\nBBBB\r\n");
    Type("编辑框1", QString::fromStdString((dir.path() / "novel.txt").string()));
    Type("编辑框2", QStringLiteral("2"));
    QTest::mouseClick(Button("按钮2"), Qt::LeftButton);
    QCOMPARE(dir.Names().size(), size_t{3});
    quorvella::CloseAllFiles();
  }

  void escEndsTheProgramWithStatusZero() {
    QProcess probe;
    probe.start(QStringLiteral(QUORVELLA_WINDOW_PROBE), {QStringLiteral("esc")});
    QVERIFY(probe.waitForFinished(20000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);
    // Start-up made the program's own folder the current directory.
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).trimmed(),
             QFileInfo(QStringLiteral(QUORVELLA_WINDOW_PROBE)).absolutePath());
  }

  void aFatalErrorOnAnotherThreadEndsWithStatus255AfterItsBox() {
    QProcess probe;
    probe.start(QStringLiteral(QUORVELLA_WINDOW_PROBE), {QStringLiteral("fatal-thread")});
    QVERIFY(probe.waitForFinished(20000));
    QCOMPARE(probe.exitCode(), 255);
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    QVERIFY2(out.startsWith(QStringLiteral("caption: 错误\ntext: 运行时出错!")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("错误信息：线程里的错误")), qPrintable(out));
  }

  void theFatalErrorTextNamesTheCodeAndTheMessage() {
    using quorvella::FatalErrorText;
    using quorvella::Utf8Text;
    QCOMPARE(ToQString(FatalErrorText(Utf8Text("坏了"), 7)),
             QStringLiteral("运行时出错!\r\n\r\n错误代码：7\r\n\r\n错误信息：坏了\r\n"));
    QCOMPARE(ToQString(FatalErrorText(quorvella::Text(), 0)),
             QStringLiteral("运行时出错!\r\n\r\n"));
  }

  void askingForAControlWhoseWindowIsNotThereIsFatal_data() {
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("message");
    QTest::newRow("never loaded") << "unloaded-window"
                                  << "未载入欲访问窗口组件所在的窗口";
    QTest::newRow("destroyed") << "destroyed-window"
                               << "指定窗口尚未载入";
  }

  void askingForAControlWhoseWindowIsNotThereIsFatal() {
    QFETCH(QString, scenario);
    QFETCH(QString, message);
    QProcess probe;
    probe.start(QStringLiteral(QUORVELLA_WINDOW_PROBE), {scenario});
    QVERIFY(probe.waitForFinished(20000));
    QCOMPARE(probe.exitCode(), 255);
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    QVERIFY2(out.contains(QStringLiteral("错误信息：") + message), qPrintable(out));
  }
};

int main(int argc, char** argv) {
  quorvella::PrepareProcess();
  QApplication application(argc, argv);
  quorvella::PrepareApplication(application);
  // Every window the tests build reads its notice from here, and links to this site.
  quorvella::testing::LoopbackServer site([](const std::string& request) {
    using quorvella::testing::HttpReply;
    using quorvella::testing::Reply;
    if (request.rfind("GET /zq/jqq.htm ", 0) == 0) {
      return Reply{HttpReply("200 OK", "Content-Type: text/html\r\n", kPageBox)};
    }
    // 开始1欢迎&amp;结束1 in GBK
    return Reply{HttpReply("200 OK", "",
                           "<p>\xbf\xaa\xca\xbc"
                           "1\xbb\xb6\xd3\xad&amp;\xbd\xe1\xca\xf8"
                           "1</p>")};
  });
  qputenv("QUORVELLA_NOTICE_URL", QByteArray::fromStdString(site.Url("/notice.html")));
  qputenv("QUORVELLA_SITE", QByteArray::fromStdString(site.Url("/")));
  WindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
