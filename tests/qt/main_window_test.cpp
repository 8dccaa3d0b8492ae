// The main window as built and shown: its start state, its layout and look, typing into it and
// its keyboard order.
#include <QClipboard>
#include <QFontInfo>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "app/program.h"
#include "qt_test_util.h"
#include "ui/qt/application.h"
#include "ui/qt/widgets.h"
#include "ui/window_table.h"

using namespace quarnel;
using quarnel::test::focusedName;
using quarnel::test::typeInto;

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Program> program;
  QWidget& window() { return program->mainWidget(); }
  template <typename T = QWidget>
  T* control(const char* name) {
    return window().findChild<T*>(QString::fromLatin1(name));
  }

 private slots:
  void initTestCase() { setUpApplication(*qApp); }
  void init() {
    program = std::make_unique<Program>();
    program->show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
  }
  void cleanup() { program.reset(); }

  void startsInTheExteriorWallStateWithTheDefaults() {
    QVERIFY(control<QRadioButton>("optwq")->isChecked());
    QVERIFY(!control<QRadioButton>("Optnq")->isChecked());
    const std::set<std::string> hidden = {"Frame7",  "Frame8",  "gqc1",    "gqds1",   "gqc2",
                                          "gqds2",   "Label32", "Label33", "Label34", "Label36",
                                          "Label37", "Label38", "counter"};
    for (const Control& c : mainWindow().controls)
      QCOMPARE(control(c.name.c_str())->isVisibleTo(&window()), hidden.count(c.name) == 0);

    const std::map<std::string, std::string> defaults = {
        {"zxh", "A"},     {"zrz", "22"},     {"crz", "0.45"},  {"lmhh", "2.0"},
        {"lmdh", "3.60"}, {"wmhh", "0.7"},   {"wmdh", "7.0"},  {"gqsl", "0"},
        {"nrq", "6.858"}, {"yttccd", "1.2"}, {"zjxs", "0.65"}, {"counter", "1"}};
    for (const char* name :
         {"zxh",   "zrz",  "crz",    "lmhh", "lmdh",  "wmhh", "wmdh",  "gqsl",   "nrq",  "yttccd",
          "ytzcd", "gqc1", "gqds1",  "gqc2", "gqds2", "zscg", "qcs",   "hhjscs", "zjxs", "zsqh",
          "qcd",   "mcmj", "lmjscd", "dhz",  "hhz",   "zjhh", "hzsjz", "counter"}) {
      auto it = defaults.find(name);
      QCOMPARE(program->main().text(name), it == defaults.end() ? std::string() : it->second);
    }
    QCOMPARE(focusedName(window()), QStringLiteral("zxh"));
    QCOMPARE(QApplication::focusWidget(), control("zxh"));
  }

  void hasEveryControlAtItsPlace() {
    QCOMPARE(window().objectName(), QStringLiteral("frmmain"));
    QCOMPARE(window().windowTitle(), QStringLiteral("砖混Quarnel器"));
    QCOMPARE(window().size(), QSize(497, 237));
    QCOMPARE(window().minimumSize(), window().maximumSize());
    const Qt::WindowFlags flags = window().windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window().windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));

    std::set<std::string> named, stored;
    for (QWidget* w : window().findChildren<QWidget*>())
      if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
        named.insert(w->objectName().toStdString());
    for (const Control& c : mainWindow().controls) stored.insert(c.name);
    QCOMPARE(stored.size(), std::size_t(81));
    QCOMPARE(named, stored);
    for (const Control& c : mainWindow().controls) {
      QWidget* w = control(c.name.c_str());
      QVERIFY2(w, c.name.c_str());
      QCOMPARE(w->parentWidget()->objectName().toStdString(),
               c.container.empty() ? "frmmain" : c.container);
      if (c.kind == Kind::Line) continue;
      QCOMPARE(w->geometry(),
               QRect((c.left + 7) / 15, (c.top + 7) / 15, (c.width + 7) / 15, (c.height + 7) / 15));
    }
    QCOMPARE(control("zrz")->geometry(), QRect(59, 15, 52, 18));
    QCOMPARE(control("zjxs")->geometry(), QRect(76, 65, 65, 20));
    QCOMPARE(control<QPushButton>("Cmdjss")->toolTip(),
             QStringLiteral("生成(C:\\Quarnel书.txt)文件"));
  }

  void drawsTheTwoGreyLines() {
    for (auto [name, height] : {std::pair{"Line1", 119}, std::pair{"Line2", 74}}) {
      QWidget* line = control(name);
      QCOMPARE(line->height(), height + 1);
      QImage image = line->grab().toImage();
      QCOMPARE(image.pixelColor(0, height / 2), QColor(128, 128, 128));
    }
    QCOMPARE(control("Line1")->pos(), QPoint(156, 12));
  }

  void hasTheEditableReductionFactorList() {
    auto* zjxs = control<QComboBox>("zjxs");
    QStringList items;
    for (int i = 0; i < zjxs->count(); ++i) items << zjxs->itemText(i);
    QCOMPARE(items, (QStringList{"1.00", "0.90", "0.85", "0.70", "0.65", "0.60", "0.55"}));
    QVERIFY(zjxs->isEditable());
    typeInto(*zjxs, "0.7");
    QTest::keyClick(zjxs->lineEdit(), Qt::Key_Return);
    QCOMPARE(program->main().text("zjxs"), std::string("0.7"));
    QCOMPARE(zjxs->count(), 7);
    zjxs->setCurrentIndex(0);  // picking the first entry
    QCOMPARE(program->main().text("zjxs"), std::string("1.00"));
  }

  void showsCaptionsWholeAndInTheirFonts() {
    for (QGroupBox* frame : window().findChildren<QGroupBox*>()) {
      const QFont font = dynamic_cast<CaptionFrame&>(*frame).captionFont();
      QCOMPARE(QFontInfo(font).family(), captionFamily());
      QCOMPARE(font.pixelSize(), 14);
      QCOMPARE(font.weight(), QFont::Normal);
      QFontMetricsF metrics(font);
      QVERIFY(metrics.horizontalAdvance(frame->title()) + 16 <= frame->width());
      for (QChar ch : frame->title()) QVERIFY2(metrics.inFont(ch), qPrintable(frame->title()));
    }
    // The captions are blue; the labels inside the frames are not.
    QImage frame = control("Frame1")->grab().toImage();
    QImage label = control("Label16")->grab().toImage();
    auto blue = [](const QImage& image) {
      int n = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          QColor c = image.pixelColor(x, y);
          n += c.blue() > 200 && c.red() < 120 && c.green() < 120;
        }
      return n;
    };
    QVERIFY(blue(frame.copy(0, 0, frame.width(), 14)) > 10);
    QCOMPARE(blue(label), 0);

    for (const Control& c : mainWindow().controls) {
      if (c.kind != Kind::Label && c.kind != Kind::Button && c.kind != Kind::Option) continue;
      QWidget* w = control(c.name.c_str());
      QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("WenQuanYi Micro Hei"));
      QFontMetricsF metrics(w->font());
      const QString text = QString::fromStdString(c.caption);
      int room = w->width();
      if (c.kind == Kind::Button) room -= 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin);
      if (c.kind == Kind::Option)
        room -= w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
      QVERIFY2(metrics.horizontalAdvance(text) <= room, c.name.c_str());
      QVERIFY2(metrics.height() <= w->height() + 1, c.name.c_str());
      for (QChar ch : text) QVERIFY2(metrics.inFont(ch), c.name.c_str());
    }
  }

  void filtersOnlyTheCharactersTypedIntoZrz() {
    auto* zrz = control<QLineEdit>("zrz");
    typeInto(*zrz, "2.5");
    QCOMPARE(zrz->text(), QStringLiteral("25"));
    QTest::keyClicks(zrz, "-+eA ");
    QCOMPARE(zrz->text(), QStringLiteral("25 "));
    QTest::keyClick(zrz, Qt::Key_Backspace);
    QCOMPARE(zrz->text(), QStringLiteral("25"));
    QKeyEvent chinese(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("砖"));
    QApplication::sendEvent(zrz, &chinese);
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("墙."));
    QApplication::sendEvent(zrz, &composed);
    QCOMPARE(zrz->text(), QStringLiteral("25砖墙."));

    zrz->clear();
    QApplication::clipboard()->setText(QStringLiteral("2.5"));
    QTest::keyClick(zrz, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(zrz->text(), QStringLiteral("2.5"));

    for (const char* name : {"zxh",    "crz",   "lmhh", "lmdh",  "wmhh", "wmdh",  "gqsl", "nrq",
                             "yttccd", "ytzcd", "gqc1", "gqds1", "gqc2", "gqds2", "zscg", "qcs",
                             "hhjscs", "zjxs",  "zsqh", "qcd",   "mcmj", "lmjscd"}) {
      typeInto(*control(name), "2.5-+eA");
      QCOMPARE(program->main().text(name), std::string("2.5-+eA"));
    }
    auto* dhz = control<QLineEdit>("dhz");
    QTest::keyClicks(dhz, "12");
    QCOMPARE(dhz->text(), QString());
  }

  void tabsThroughTheWindowInOrder_data() {
    QTest::addColumn<bool>("interior");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QStringList>("order");
    const QStringList common = {"zrz", "crz", "lmhh", "lmdh", "wmhh", "wmdh"};
    const QStringList tail = {"zscg", "qcs",    "hhjscs",  "zjxs",   "zsqh", "qcd",
                              "mcmj", "lmjscd", "cmdjs",   "Cmdjss", "dhz",  "hhz",
                              "zjhh", "hzsjz",  "cmdhelp", "zxh"};
    const QStringList exterior =
        QStringList{"zxh", "optwq"} + common + QStringList{"gqsl", "nrq", "yttccd", "ytzcd"} + tail;
    const QStringList interior =
        QStringList{"zxh", "Optnq"} + common + QStringList{"gqc1", "gqds1", "gqc2", "gqds2"} + tail;
    auto reversed = [](QStringList order) {
      std::reverse(order.begin(), order.end());
      return order;
    };
    QTest::newRow("exterior, Tab") << false << false << exterior;
    QTest::newRow("exterior, Shift+Tab") << false << true << reversed(exterior);
    QTest::newRow("interior, Tab") << true << false << interior;
    QTest::newRow("interior, Shift+Tab") << true << true << reversed(interior);
  }

  void tabsThroughTheWindowInOrder() {
    QFETCH(bool, interior);
    QFETCH(bool, backwards);
    QFETCH(QStringList, order);
    if (interior) QTest::mouseClick(control("Optnq"), Qt::LeftButton);
    control("zxh")->setFocus();
    QStringList seen = {focusedName(window())};
    for (int i = 1; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab);
      seen << focusedName(window());
      if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        QCOMPARE(box->selectedText(), box->text());  // tabbing in selects the text
    }
    QCOMPARE(seen, order);
  }

  void movesTheSelectionWithTheArrowKeys() {
    auto* optwq = control<QRadioButton>("optwq");
    auto* optnq = control<QRadioButton>("Optnq");
    optwq->setFocus(Qt::TabFocusReason);
    QTest::keyClick(optwq, Qt::Key_Down);
    QVERIFY(optnq->isChecked() && !optwq->isChecked());
    QCOMPARE(QApplication::focusWidget(), optnq);
    QVERIFY(control("gqc1")->isVisibleTo(&window()));  // the click ran Optnq_Click
    QVERIFY(!control("nrq")->isVisibleTo(&window()));
    QTest::keyClick(optnq, Qt::Key_Up);
    QVERIFY(optwq->isChecked());
    QVERIFY(control("nrq")->isVisibleTo(&window()));
    control("zxh")->setFocus();
    QTest::keyClick(control("zxh"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), optwq);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
