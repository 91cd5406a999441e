#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <string>

#include "app/application.h"
#include "app/control_table.h"
#include "app/end_program.h"
#include "app/load_window.h"
#include "app/windows.h"
#include "split/messages.h"
#include "test_support.h"
#include "values/files.h"

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
  void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened_, "open"); }

  void init() {
    opened_.urls.clear();
    window_ = quorvella::LoadWindow(quorvella::MainWindowTable());
    QVERIFY(window_);
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }

  void cleanup() { quorvella::CloseLoadedWindows(); }

  void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

  void theWindowHasItsFixedSizeCaptionAndIcon() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorvella V3.3"));
    QCOMPARE(window_->size(), QSize(329, 183));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
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
    const char* order[] = {"按钮1", "编辑框2", "按钮2", "分隔条1", "超文本浏览框2", "编辑框1"};
    for (const char* name : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), Control(name));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), Control("超文本浏览框2"));
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

  void escEndsTheProgramWithStatusZero() {
    QProcess probe;
    probe.start(QStringLiteral(QUORVELLA_WINDOW_PROBE), {QStringLiteral("esc")});
    QVERIFY(probe.waitForFinished(20000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);
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
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  quorvella::PrepareApplication(application);
  WindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
