// Megabyte texts pasted into the real main window: the calculate click computes from what the
// fields hold or shows one warning box, and stays fast; the report of them is whole; a report
// file that cannot be written is warned about and the window goes on working.
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "reliability_util.h"
#include "ui/qt/application.h"

using namespace quarnel;
using namespace quarnel::reliability;

// Closes every warning box shown while it lives with its OK button, and records title and text.
class BoxCatcher {
 public:
  struct Box {
    QString title, text;
  };
  BoxCatcher() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      boxes_.push_back({box->windowTitle(), box->text()});
      box->button(QMessageBox::Ok)->click();
    });
    timer_.start();
  }
  const std::vector<Box>& boxes() const { return boxes_; }

 private:
  QTimer timer_;
  std::vector<Box> boxes_;
};

class ExtremePasteTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> home;
  std::unique_ptr<Program> program;
  QWidget& window() { return program->mainWidget(); }
  QString reportFile() const { return home->filePath(QStringLiteral("Quarnel书.txt")); }

  // Replaces the whole text of the field by the clipboard, as Ctrl+A, Ctrl+V do.
  void paste(const char* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    auto* box = window().findChild<QLineEdit*>(QString::fromLatin1(field));
    QVERIFY(box);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!box->text().isEmpty());
  }

  // Clicks a button and returns how long the click took, in milliseconds.
  qint64 click(const char* button) {
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(window().findChild<QPushButton*>(QString::fromLatin1(button)),
                      Qt::LeftButton);
    return timer.elapsed();
  }

 private slots:
  void initTestCase() { setUpApplication(*qApp); }
  void init() {
    home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", home->path().toUtf8());  // the report file goes into HOME
    program = std::make_unique<Program>();
    program->show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    setTexts(program->main(), kExteriorExample);
  }
  void cleanup() {
    program.reset();
    home.reset();
  }

  // The axis label takes part in no calculation, and the wall length reads up to the letters.
  void megabyteAxisLabelAndLettersAfterTheWallLength() {
    BoxCatcher boxes;
    paste("zxh", QString(1 << 20, QLatin1Char('A')));
    paste("qcd", QStringLiteral("6.6") + QString(1 << 20, QLatin1Char('x')));
    const qint64 ms = click("cmdjs");
    QCOMPARE(results(program->main()), kExteriorResults);
    QVERIFY2(ms < 50, qPrintable(QStringLiteral("calculate took %1 ms").arg(ms)));
    QVERIFY(boxes.boxes().empty());

    click("Cmdjss");
    QVERIFY(boxes.boxes().empty());
    QCOMPARE(crlfLines(readBytes(reportFile().toStdString())), 9 + 10);
    QCOMPARE(program->main().text("counter"), std::string("2"));
  }

  // A floor count of a megabyte of digits is beyond every 16-bit integer.
  void megabyteOfDigitsAsTheFloorCount() {
    click("cmdjs");
    QCOMPARE(results(program->main()), kExteriorResults);
    BoxCatcher boxes;
    paste("hhjscs", QString(1 << 20, QLatin1Char('9')));
    click("cmdjs");
    QTRY_COMPARE(boxes.boxes().size(), std::size_t(1));
    QCOMPARE(boxes.boxes()[0].title, QStringLiteral("提示"));
    QCOMPARE(results(program->main()), kExteriorResults);
  }

  // The report file is a folder: one warning box, the header stays due, and the window works on.
  void reportFileThatCannotBeWrittenIsWarnedAbout() {
    QVERIFY(QDir(home->path()).mkdir(QStringLiteral("Quarnel书.txt")));
    BoxCatcher boxes;
    click("Cmdjss");
    QTRY_COMPARE(boxes.boxes().size(), std::size_t(1));
    QCOMPARE(boxes.boxes()[0].title, QStringLiteral("提示"));
    QVERIFY(boxes.boxes()[0].text.contains(reportFile()));
    QCOMPARE(program->main().text("counter"), std::string("1"));
    QVERIFY(window().isVisible());
    click("cmdjs");
    QCOMPARE(results(program->main()), kExteriorResults);
    QCOMPARE(boxes.boxes().size(), std::size_t(1));
  }
};

QTEST_MAIN(ExtremePasteTest)
#include "qt_extreme_paste_test.moc"
