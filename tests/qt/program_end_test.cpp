// The program ends when its last window closes, the help window included.
#include <QtTest>

#include "app/program.h"
#include "ui/qt/application.h"

using namespace quarnel;

class ProgramEndTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setUpApplication(*qApp); }

  void runsUntilTheHelpWindowIsClosedToo() {
    Program program;
    program.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.mainWidget()));
    QTest::mouseClick(program.mainWidget().findChild<QWidget*>("cmdhelp"), Qt::LeftButton);
    QVERIFY(program.help().isLoaded());

    bool helpClosed = false, quitAfterHelp = false;
    connect(qApp, &QCoreApplication::aboutToQuit, [&] { quitAfterHelp = helpClosed; });
    QTimer::singleShot(20, [&] { program.mainWidget().close(); });
    QTimer::singleShot(300, [&] {
      helpClosed = true;
      program.help().widget()->close();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(2); });  // never ended
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(quitAfterHelp);
  }
};

QTEST_MAIN(ProgramEndTest)
#include "program_end_test.moc"
