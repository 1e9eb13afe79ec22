#include "launcher.h"

#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QByteArray>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QObject>
#include <QProgressBar>
#include <QString>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include "adapter.h"
#include "service_tree.h"
#include "texts/strtab.h"

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "launcher_test";
        static char *argv[] = {name, nullptr};
        // Never a real display, however the test is started.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The standard DPI (offscreen alone gives 100) unless ctest runs
        // the test at another.
        setenv("QT_FONT_DPI", "96", 0);
        app_.reset(new QApplication(argc, argv));
        StrTable::InitStrTable();
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

const ::testing::Environment *const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

const char kStyleSheet[] =
    " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ";

TEST(ProcessingProgressDialogTest, IsBuiltHiddenWithItsTextsAndLook) {
    ProcessingProgressDialog dialog;
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.isWindow());
    EXPECT_EQ(nullptr, dialog.parentWidget());
    EXPECT_EQ(QString("Tarrowind Backup"), dialog.windowTitle());
    EXPECT_EQ(QString("Tarrowind Backup is initializing..."), dialog.labelText());
    EXPECT_EQ(QString("Arial"), dialog.font().family());
    EXPECT_EQ(Qt::WindowTitleHint | Qt::WindowSystemMenuHint,
              dialog.windowFlags() & ~Qt::WindowType_Mask);
    EXPECT_EQ(0, dialog.minimum());
    EXPECT_EQ(100, dialog.maximum());
    EXPECT_EQ(0, dialog.value());
    EXPECT_EQ(400, dialog.minimumWidth());
    EXPECT_EQ(400, dialog.maximumWidth());
    // Never taking the keyboard: a modal window is activated when mapped.
    EXPECT_TRUE(dialog.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(Qt::NonModal, dialog.windowModality());
    EXPECT_EQ(QString(kStyleSheet), dialog.styleSheet());
}

// QProgressDialog shows itself once its minimum duration has passed after
// the value was set; the launcher alone decides when the dialog appears.
TEST(ProcessingProgressDialogTest, NeverShowsItself) {
    ProcessingProgressDialog dialog;
    EXPECT_EQ(INT_MAX, dialog.minimumDuration());
    for (const QTimer *timer : dialog.findChildren<QTimer *>()) {
        if (timer->isActive()) {
            EXPECT_EQ(INT_MAX, timer->interval());
        }
    }

    // The owner's sequence without the show: values set, then the last one.
    dialog.setCancelButton(nullptr);
    dialog.setAutoReset(false);
    for (int value : {0, 33, 66, 100}) {
        dialog.setValue(value);
        QCoreApplication::processEvents();
        EXPECT_FALSE(dialog.isVisible()) << value;
    }
    EXPECT_EQ(100, dialog.value());
    EXPECT_EQ(INT_MAX, dialog.minimumDuration());
}

// The build tree is laid out like an installation: the icon lies in
// images/ beside the directory of the executables.
TEST(ProcessingProgressDialogTest, IconComesFromTheResourceDirectory) {
    const QString icon =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../images/ico_72_tarrowind.png");
    ASSERT_TRUE(QFile::exists(icon)) << icon.toStdString();
    ProcessingProgressDialog dialog;
    EXPECT_TRUE(dialog.windowIcon().availableSizes().contains(QSize(72, 72)));
}

// Every text the dialog shows must fit its one-line label in every language,
// also with a large interface font, at the screen's logical DPI: 96, and the
// 120, 144 and 192 that desktops scaled to 125, 150 and 200 % give X11
// programs (ctest runs this once for each, QT_FONT_DPI standing in for
// Xft.dpi). A clipped line loses both of its ends.
TEST(ProcessingProgressDialogTest, ShownTextsFitInEveryLanguage) {
    const char *const codes[] = {"chs", "cht", "dan", "csy", "deu", "enu", "esn",
                                 "fra", "hun", "ita", "jpn", "krn", "nld", "nor",
                                 "plk", "ptb", "ptg", "rus", "sve", "trk"};
    const char *const dpi = getenv("QT_FONT_DPI");
    for (const char *code : codes) {
        for (const int id :
             {StrTable::desc_trwd_env_preparing, StrTable::desc_trwd_env_preparation_done}) {
            SCOPED_TRACE(std::string(code) + " text " + std::to_string(id));
            QTranslator translator;
            ASSERT_TRUE(translator.load(QString(":/") + code + ".qm"));
            QCoreApplication::installTranslator(&translator);
            const QString text = StrTable::LoadStr(id);
            QCoreApplication::removeTranslator(&translator);

            ProcessingProgressDialog dialog;
            if (dpi) {
                ASSERT_EQ(atoi(dpi), dialog.logicalDpiX());
            }
            dialog.setFont(QFont("DejaVu Sans", 13));
            dialog.setLabelText(text);
            dialog.show();
            QCoreApplication::processEvents();
            const QLabel *label = dialog.findChild<QLabel *>();
            ASSERT_NE(nullptr, label);
            EXPECT_FALSE(label->wordWrap());
            EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->contentsRect().width())
                << text.toStdString();
        }
    }
}

TEST(NotifyAdapterTest, EveryCallEmitsExactlyOneSignal) {
    Notify_Adapter &ad = Notify_Adapter::GetInstance();
    EXPECT_EQ(&ad, &Notify_Adapter::GetInstance());
    std::vector<std::pair<int, int>> progress;
    std::vector<QString> texts;
    QObject receiver;
    QObject::connect(
        &ad, &Notify_Adapter::sigUpdateProgress, &receiver,
        [&](int total, int current) { progress.emplace_back(total, current); },
        Qt::DirectConnection);
    QObject::connect(
        &ad, &Notify_Adapter::sigUpdateDialogText, &receiver,
        [&](QString text) { texts.push_back(text); }, Qt::DirectConnection);

    ad.UpdateProgress(3, 1);
    ad.UpdateProgress(3, 1);
    ad.UpdateDialogText("first");
    ad.UpdateProgress(7, 7);
    ad.UpdateDialogText("");
    EXPECT_EQ((std::vector<std::pair<int, int>>{{3, 1}, {3, 1}, {7, 7}}), progress);
    EXPECT_EQ((std::vector<QString>{"first", ""}), texts);
}

// The extractor reports from the worker thread; the controller on the main
// thread must get the reports as queued calls, in emission order.
TEST(NotifyAdapterTest, ReportsFromAnotherThreadArriveQueuedInOrder) {
    Notify_Adapter &ad = Notify_Adapter::GetInstance();
    QObject receiver;
    std::vector<std::string> seen;
    std::vector<QThread *> threads;
    QObject::connect(&ad, &Notify_Adapter::sigUpdateProgress, &receiver,
                     [&](int total, int current) {
                         seen.push_back(std::to_string(current) + "/" + std::to_string(total));
                         threads.push_back(QThread::currentThread());
                     });
    QObject::connect(&ad, &Notify_Adapter::sigUpdateDialogText, &receiver, [&](QString text) {
        seen.push_back(text.toStdString());
        threads.push_back(QThread::currentThread());
    });

    std::unique_ptr<QThread> worker(QThread::create([&ad] {
        ad.UpdateDialogText("preparing");
        for (int step = 1; step <= 3; ++step) ad.UpdateProgress(3, step);
    }));
    worker->start();
    ASSERT_TRUE(worker->wait());
    EXPECT_TRUE(seen.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ((std::vector<std::string>{"preparing", "1/3", "2/3", "3/3"}), seen);
    for (QThread *t : threads) EXPECT_EQ(QCoreApplication::instance()->thread(), t);
}

// The Launcher's dialog: the one ProcessingProgressDialog among the
// top-level widgets.
ProcessingProgressDialog *DialogOf(const Launcher &) {
    ProcessingProgressDialog *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<ProcessingProgressDialog *>(w)) {
            EXPECT_EQ(nullptr, found) << "more than one dialog";
            found = dialog;
        }
    }
    return found;
}

struct ProgressRow {
    int total;
    int steps;
    int percent;
};

TEST(LauncherTest, UpdateProgressSetsTheTruncatedPercentage) {
    Launcher launcher;
    const ProgressRow rows[] = {{3, 1, 33}, {3, 2, 66}, {3, 3, 100}, {7, 3, 42}, {100, 100, 100}};
    for (const ProgressRow &row : rows) {
        launcher.UpdateProgress(row.total, row.steps);
        ProcessingProgressDialog *dialog = DialogOf(launcher);
        ASSERT_NE(nullptr, dialog);
        EXPECT_EQ(row.percent, dialog->value()) << row.steps << "/" << row.total;
        EXPECT_FALSE(dialog->isVisible());
    }
}

// A screen reader announces the bar by its accessible name and reads its
// value: the name is the status line in the user's language, following it as
// it changes, and the value is the percentage (of a range 0 to 100).
TEST(LauncherTest, ProgressBarIsNamedByTheStatusLineInTheUsersLanguage) {
    for (const char *code : {"deu", "jpn"}) {
        SCOPED_TRACE(code);
        QTranslator translator;
        ASSERT_TRUE(translator.load(QString(":/") + code + ".qm"));
        QCoreApplication::installTranslator(&translator);
        const QString preparing = StrTable::LoadStr(StrTable::desc_trwd_env_preparing);
        const QString done = StrTable::LoadStr(StrTable::desc_trwd_env_preparation_done);
        Launcher launcher;
        launcher.UpdateProgress(3, 1);
        QCoreApplication::removeTranslator(&translator);
        EXPECT_NE(QString("Tarrowind Backup is initializing..."), preparing);
        ProcessingProgressDialog *dialog = DialogOf(launcher);
        ASSERT_NE(nullptr, dialog);
        QAccessibleInterface *bar =
            QAccessible::queryAccessibleInterface(dialog->findChild<QProgressBar *>());
        ASSERT_NE(nullptr, bar);
        ASSERT_NE(nullptr, bar->valueInterface());
        EXPECT_EQ(preparing, bar->text(QAccessible::Name));
        EXPECT_EQ(QString("33"), bar->text(QAccessible::Value));
        EXPECT_EQ(33, bar->valueInterface()->currentValue().toInt());
        EXPECT_EQ(0, bar->valueInterface()->minimumValue().toInt());
        EXPECT_EQ(100, bar->valueInterface()->maximumValue().toInt());
        launcher.SetLabelText(done);
        EXPECT_EQ(done, bar->text(QAccessible::Name));
    }
}

// The whole sequence on a scratch tree: the dialog is built only when an
// upgrade is due (even one whose package is then refused), and the client
// is started either way.
TEST(LauncherTest, BuildsTheDialogOnlyForAnUpgrade) {
    const struct {
        const char *installed;
        bool refused;  // the package holds nothing
        bool built;
    } rows[] = {{"3400", false, false}, {"3320", false, true}, {"3320", true, true}};
    for (const auto &row : rows) {
        testing_support::ServiceTree tree;
        tree.InstallApp(row.installed);
        tree.MakePackage("3400");
        if (row.refused) testing_support::WriteFile(tree.root() + "/package/tarrowind.qpk", "x");
        Launcher launcher(tree.Setup());
        EXPECT_EQ(nullptr, DialogOf(launcher)) << row.installed;
        launcher.Run();
        launcher.Start();
        EXPECT_EQ(0, QApplication::exec());
        ProcessingProgressDialog *dialog = DialogOf(launcher);
        EXPECT_EQ(row.built, dialog != nullptr) << row.installed;
        if (dialog) {
            EXPECT_FALSE(dialog->isVisible());
        }
        const std::string started = row.refused ? "start 3320\n" : "start 3400\n";
        EXPECT_EQ(started, testing_support::ReadFile(tree.home() + "/start-stop.calls"));
    }
}

// Regression: where the system refused the worker thread (at the user's
// process limit), the sequence never ran and the launcher waited for ever.
// Now the sequence runs on the main thread: one ERROR line, the client
// started, the event loop ended.
TEST(LauncherTest, ARefusedThreadStillRunsTheSequence) {
    testing_support::ServiceTree tree;
    tree.InstallApp("3400");
    tree.MakePackage("3400");
    tree.HandHomeOver();
    const int status = testing_support::RunUnprivileged([&] {
        Launcher launcher(tree.Setup());
        struct rlimit old, none;
        if (getrlimit(RLIMIT_NPROC, &old) != 0) return 3;
        none = old;
        none.rlim_cur = 0;
        if (setrlimit(RLIMIT_NPROC, &none) != 0) return 3;
        launcher.Run();
        // The start script needs a process of its own.
        setrlimit(RLIMIT_NPROC, &old);
        launcher.Start();
        QTimer::singleShot(30000, [] { QCoreApplication::exit(5); });
        return QApplication::exec();
    });
    if (status == 77) GTEST_SKIP() << "cannot switch to an ordinary user";
    EXPECT_EQ(0, status) << tree.Log();
    EXPECT_TRUE(
        testing_support::HasLogLine(tree.Log(), "[ERROR]", "launcher",
                                    "the system refused the worker thread; the upgrade "
                                    "runs on the main thread, the dialog frozen meanwhile"));
    EXPECT_EQ("start 3400\n", testing_support::ReadFile(tree.home() + "/start-stop.calls"));
}

// Records the Quit events that reach the application object.
class QuitRecorder : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Quit) ++quits;
        return QObject::eventFilter(watched, event);
    }
    int quits = 0;
};

// The service sequence cannot be cancelled, and the worker thread must not be
// destroyed while it runs: closing the dialog (the window manager's close
// button, Escape) while it shows must neither hide it nor end the event loop,
// which the toolkit would otherwise do when its last window closes.
TEST(LauncherTest, CloseRequestsNeitherHideTheDialogNorEndTheEventLoop) {
    Launcher launcher;
    launcher.ShowMsgBox();
    ProcessingProgressDialog *dialog = DialogOf(launcher);
    ASSERT_NE(nullptr, dialog);
    ASSERT_TRUE(QGuiApplication::quitOnLastWindowClosed());

    QuitRecorder recorder;
    QCoreApplication::instance()->installEventFilter(&recorder);
    bool last_window_closed = false;
    QObject context;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &context,
                     [&] { last_window_closed = true; });

    bool closed = true;
    std::vector<std::string> hidden_after;
    QTimer::singleShot(0, &context, [&] {
        launcher.ShowMsgBox();
        closed = dialog->close();
        if (!dialog->isVisible()) hidden_after.push_back("close()");
        QCloseEvent close;
        QCoreApplication::sendEvent(dialog, &close);
        if (!dialog->isVisible()) hidden_after.push_back("QCloseEvent");
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog, &escape);
        if (!dialog->isVisible()) hidden_after.push_back("Escape");
        // Posted consequences (a quit, a deferred close) are delivered
        // before this second zero timer fires.
        QTimer::singleShot(0, &context, [&] {
            if (!dialog->isVisible()) hidden_after.push_back("event loop");
            QCoreApplication::exit(7);
        });
    });
    const int result = QApplication::exec();
    QCoreApplication::instance()->removeEventFilter(&recorder);

    EXPECT_EQ(7, result);
    EXPECT_FALSE(closed);
    EXPECT_EQ(std::vector<std::string>{}, hidden_after);
    EXPECT_FALSE(last_window_closed);
    EXPECT_EQ(0, recorder.quits);
    dialog->hide();
}

}  // namespace
