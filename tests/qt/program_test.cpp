// The program driven as a user drives it: typing, clicks on the command buttons, the warning box,
// the report, a handler failing, and the help window.
#include "app/program.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>
#include <stdexcept>

#include "qt_test_util.h"
#include "ui/handlers.h"
#include "ui/help_text.h"
#include "ui/qt/application.h"
#include "ui/qt/message_box.h"
#include "ui/window_table.h"

using namespace quarnel;
using quarnel::test::BoxCatcher;
using quarnel::test::focusedName;
using quarnel::test::typeInto;

using Texts = std::map<std::string, std::string>;
Q_DECLARE_METATYPE(Texts)

namespace {

// The texts of every text box and of the combo box of the main window.
Texts fieldTexts(Window& w) {
  Texts texts;
  for (const Control& c : mainWindow().controls)
    if (c.kind == Kind::TextBox || c.kind == Kind::ComboBox) texts[c.name] = w.text(c.name);
  return texts;
}

// Forwards to another window, but fails when the design value is written.
class FailingWindow : public Window {
 public:
  explicit FailingWindow(Window& inner) : inner_(inner) {}
  std::string text(std::string_view name) const override { return inner_.text(name); }
  void setText(std::string_view name, std::string_view text) override {
    if (name == "hzsjz") throw std::runtime_error("the design value cannot be written");
    inner_.setText(name, text);
  }
  bool isSelected(std::string_view name) const override { return inner_.isSelected(name); }
  void setVisible(std::string_view name, bool visible) override {
    inner_.setVisible(name, visible);
  }
  void setFocus(std::string_view name) override { inner_.setFocus(name); }
  void warn(std::string_view text, std::string_view title) override { inner_.warn(text, title); }

 private:
  Window& inner_;
};

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Program> program;
  QWidget& window() { return program->mainWidget(); }
  QWidget* control(const char* name) {
    return window().findChild<QWidget*>(QString::fromLatin1(name));
  }
  void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
  QPlainTextEdit* helpBox() {
    QWidget* help = program->help().widget();
    return help ? help->findChild<QPlainTextEdit*>("txthelp") : nullptr;
  }

 private slots:
  void initTestCase() { setUpApplication(*qApp); }
  void init() {
    program = std::make_unique<Program>();
    program->show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
  }
  void cleanup() { program.reset(); }

  void computesTheWorkedExamples_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<Texts>("inputs");
    QTest::addColumn<Texts>("results");
    const Texts common = {{"zrz", "22"},   {"crz", "0.45"},  {"lmhh", "2.0"}, {"lmdh", "3.60"},
                          {"wmhh", "0.7"}, {"wmdh", "7.0"},  {"zscg", "2.9"}, {"qcs", "6"},
                          {"hhjscs", "5"}, {"zjxs", "0.65"}, {"qcd", "6.6"}};
    Texts exterior = common, interior = common;
    exterior.insert({{"gqsl", "1"},
                     {"nrq", "6.858"},
                     {"yttccd", "1.2"},
                     {"ytzcd", "3.6"},
                     {"zsqh", "0.37"},
                     {"mcmj", "3.78"},
                     {"lmjscd", "3.3"}});
    interior.insert({{"gqc1", "3.3"},
                     {"gqds1", "1"},
                     {"gqc2", "2.4"},
                     {"gqds2", "2"},
                     {"zsqh", "0.24"},
                     {"mcmj", "1.89"},
                     {"lmjscd", "3.9"}});
    QTest::newRow("exterior wall")
        << "optwq" << exterior
        << Texts{{"dhz", "244.219"}, {"hhz", "43.492"}, {"zjhh", "28.27"}, {"hzsjz", "332.64"}};
    QTest::newRow("interior wall")
        << "Optnq" << interior
        << Texts{{"dhz", "209.261"}, {"hhz", "41.73"}, {"zjhh", "27.124"}, {"hzsjz", "289.088"}};
  }

  void computesTheWorkedExamples() {
    QFETCH(QString, option);
    QFETCH(Texts, inputs);
    QFETCH(Texts, results);
    click(qPrintable(option));
    for (const auto& [name, text] : inputs)
      typeInto(*control(name.c_str()), QString::fromStdString(text));
    BoxCatcher boxes;
    click("cmdjs");
    QVERIFY(boxes.boxes().empty());
    for (const auto& [name, text] : results) QCOMPARE(program->main().text(name), text);
  }

  void warnsOfAZeroWallLengthAndWritesNothing() {
    const Texts before = fieldTexts(program->main());
    BoxCatcher boxes;
    click("cmdjs");
    QCOMPARE(boxes.boxes().size(), std::size_t(1));
    const BoxCatcher::Box& box = boxes.boxes().front();
    QCOMPARE(box.text, QStringLiteral("墙长度输入错!"));
    QCOMPARE(box.title, QStringLiteral("提示"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QStringList{QStringLiteral("确定")});  // Qt's own text, in Chinese
    QCOMPARE(fieldTexts(program->main()), before);
  }

  void appendsTheReportAndReturnsToTheAxisLabel() {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    QFile report(home.filePath(QStringLiteral("Quarnel书.txt")));
    click("Cmdjss");
    const qint64 first = report.size();
    QVERIFY(first > 0);
    QCOMPARE(program->main().text("counter"), std::string("2"));
    QCOMPARE(QApplication::focusWidget(), control("zxh"));
    control("crz")->setFocus();
    click("Cmdjss");
    QVERIFY(report.size() > first);
    QVERIFY(report.size() < 2 * first);  // the second report has no header
    QCOMPARE(QApplication::focusWidget(), control("zxh"));
    qputenv("HOME", oldHome);
  }

  void showsAFailureOfAHandlerAndGoesOn() {
    for (const char* name : {"zsqh", "mcmj", "lmjscd"}) typeInto(*control(name), "1");
    typeInto(*control("qcd"), "6.6");
    const Texts before = fieldTexts(program->main());
    FailingWindow failing(program->main());
    BoxCatcher boxes;
    program->run([&] { cmdjs_Click(failing); });
    QCOMPARE(boxes.boxes().size(), std::size_t(1));
    QCOMPARE(boxes.boxes()[0].title, QStringLiteral("提示"));
    QCOMPARE(boxes.boxes()[0].text, QString::fromUtf8(kFailureMessage));
    QCOMPARE(boxes.boxes()[0].icon, QMessageBox::Warning);
    // What the handler wrote before it failed stays; the inputs are untouched.
    Texts after = fieldTexts(program->main());
    QVERIFY(!after["dhz"].empty() && !after["zjhh"].empty());
    QCOMPARE(after["hzsjz"], std::string());
    for (const char* result : {"dhz", "hhz", "zjhh"}) after[result].clear();
    QCOMPARE(after, before);

    program->run([] { throw 42; });  // not even a std::exception
    QCOMPARE(boxes.boxes().size(), std::size_t(2));
    click("cmdjs");  // the program goes on
    QVERIFY(!program->main().text("hzsjz").empty());
  }

  void opensOneHelpWindowAndRebuildsItAfterClosing() {
    typeInto(*control("zxh"), "B7");
    const Texts before = fieldTexts(program->main());
    click("cmdhelp");
    QPointer<QWidget> help = program->help().widget();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->objectName(), QStringLiteral("frmhelp"));
    QCOMPARE(help->windowTitle(), QStringLiteral("使用说明"));
    QCOMPARE(help->size(), QSize(312, 213));
    QVERIFY(help->windowFlags() & Qt::Tool);
    QVERIFY(!help->parentWidget());
    QCOMPARE(helpBox()->property("quarnelText").toString().toStdString(), helpText());
    QCOMPARE(helpBox()->toPlainText().toStdString(), displayText(helpText()));
    QVERIFY(helpBox()->isReadOnly());
    QCOMPARE(helpBox()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(helpBox()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(help->focusWidget(), helpBox());

    QtWindow(*help).setText("txthelp", "marked");  // shows whether the text is built again
    helpBox()->verticalScrollBar()->setValue(helpBox()->verticalScrollBar()->maximum());
    click("cmdhelp");
    QCOMPARE(program->help().widget(), help.data());
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      shown += w->objectName() == "frmhelp" && w->isVisible();
    QCOMPARE(shown, 1);
    QCOMPARE(helpBox()->toPlainText(), QStringLiteral("marked"));

    QTest::mouseClick(help->findChild<QWidget*>("cmdoff"), Qt::LeftButton);
    QVERIFY(!program->help().isLoaded());
    QTRY_VERIFY(help.isNull());  // the window is destroyed

    click("cmdhelp");
    QVERIFY(program->help().widget());
    QCOMPARE(helpBox()->property("quarnelText").toString().toStdString(), helpText());
    QCOMPARE(helpBox()->verticalScrollBar()->value(), 0);
    program->help().widget()->close();  // the close box
    QVERIFY(!program->help().isLoaded());
    QCOMPARE(fieldTexts(program->main()), before);
  }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
